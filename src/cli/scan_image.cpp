#include "cli/scan_image.h"

#include "models/model_library.h"

#include <dlfcn.h>

namespace {

constexpr const char* kModuleName = "attrava-scan-picture.so";

using DrawScanPicture = bool (*)(const std::string&, const ScanSettings&, const ScanResult&,
                                 std::string&);

}  // namespace

bool writeScanImage(const std::string& path, const ScanSettings& settings, const ScanResult& result,
                    std::string& error)
{
    // Loaded once and kept: Qt's libraries do not expect to be unloaded.
    static void* const module =
        ::dlopen((executableFolder() + kModuleName).c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto draw = module != nullptr
                          ? reinterpret_cast<DrawScanPicture>(::dlsym(module, "attrava_draw_scan_picture"))
                          : nullptr;
    if (draw == nullptr) {
        const char* reason = ::dlerror();
        error = std::string("cannot load the picture module ") + kModuleName +
                (reason != nullptr ? std::string(": ") + reason : std::string());
        return false;
    }
    return draw(path, settings, result, error);
}
