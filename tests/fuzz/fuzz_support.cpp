#include "fuzz_support.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string makeScratchFolder()
{
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/attrava-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("attrava fuzz: scratch folder");
        std::abort();
    }
    const std::string folder = pattern;
    // Removed when the run ends normally; a crash leaves it for inspection.
    static const struct Remover {
        std::string path;
        ~Remover()
        {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    } remover{folder};
    return folder + "/";
}

}  // namespace

bool sampleSlowCheck(unsigned long& counter, unsigned long every)
{
    static const bool all = std::getenv("ATTRAVA_FUZZ_COMPILE_ALL") != nullptr;
    return all || counter++ % every == 0;
}

const std::string& scratchFolder()
{
    static const std::string folder = makeScratchFolder();
    return folder;
}

bool writeBytes(const std::string& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
