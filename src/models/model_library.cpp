#include "models/model_library.h"

#include "models/compat_windows_text.h"
#include "models/file_replace.h"
#include "models/model_paths.h"
#include "models/process_run.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A private folder holding the compatibility windows.h for one compile; it is
// removed again when the compile is over.
class CompatHeaderFolder {
public:
    CompatHeaderFolder()
    {
        std::error_code ec;
        std::string pattern = (fs::temp_directory_path(ec) / "attrava-cc-XXXXXX").string();
        if (ec || ::mkdtemp(pattern.data()) == nullptr)
            return;
        path_ = pattern;
        if (!replaceFileContents(path_ + "/windows.h", kCompatWindowsHeaderText))
            path_.clear();
    }
    ~CompatHeaderFolder()
    {
        std::error_code ec;
        if (!path_.empty())
            fs::remove_all(path_, ec);
    }
    CompatHeaderFolder(const CompatHeaderFolder&) = delete;
    CompatHeaderFolder& operator=(const CompatHeaderFolder&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string compilerProgram()
{
    const char* chosen = std::getenv("ATTRAVA_CC");
    return chosen != nullptr && *chosen != '\0' ? chosen : "cc";
}

constexpr std::string_view kNoCompatHeader =
    "cannot write the compatibility header to a temporary folder\n";

std::string temporaryLibraryPath(const ModelLibraryPaths& paths)
{
    static std::atomic<unsigned> counter{0};
    return paths.programFolder + "." + paths.listBaseName + ".so.tmp" + std::to_string(::getpid()) +
           "_" + std::to_string(counter++);
}

}  // namespace

std::string executableFolder()
{
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return "./";
    return folderOf(executable.string());
}

ModelLibraryPaths computeLibraryPaths(const std::string& programFolder, const std::string& listPath)
{
    ModelLibraryPaths paths;
    paths.programFolder = withSlashes(programFolder);
    if (paths.programFolder.empty())
        paths.programFolder = "./";
    if (paths.programFolder.back() != '/')
        paths.programFolder.push_back('/');
    paths.listPath = resolveAgainst(listPath, paths.programFolder);
    const std::string fileName = fileNameOf(paths.listPath);
    paths.listBaseName = fileName.substr(0, fileName.rfind('.'));
    paths.libraryPath = paths.programFolder + paths.listBaseName + ".so";
    return paths;
}

CompileResult Compile(const ModelLibraryPaths& paths)
{
    CompileResult result;
    const CompatHeaderFolder compatFolder;
    if (compatFolder.path().empty()) {
        result.diagnostics = kNoCompatHeader;
        return result;
    }
    const std::string compiler = compilerProgram();
    const std::string output = temporaryLibraryPath(paths);
    const ProcessOutcome run = runProcess({compiler, "-shared", "-fPIC", "-O2",
                                           "-I" + compatFolder.path(), "-o", output,
                                           paths.listPath, "-lm"});
    result.diagnostics = run.output;
    std::error_code ec;
    if (!run.succeeded) {
        if (run.started)
            result.diagnostics += compiler + ": compilation failed\n";
    } else if (!fs::exists(output, ec)) {
        result.diagnostics += compiler + ": wrote no library\n";
    } else if (std::rename(output.c_str(), paths.libraryPath.c_str()) != 0) {
        result.diagnostics += "cannot rename the new library to " + paths.libraryPath + "\n";
    } else {
        result.ok = true;
    }
    if (!result.ok)
        fs::remove(output, ec);
    return result;
}

CompileResult CheckCompiles(std::string_view source)
{
    CompileResult result;
    const CompatHeaderFolder compatFolder;
    if (compatFolder.path().empty()) {
        result.diagnostics = kNoCompatHeader;
        return result;
    }
    const std::string compiler = compilerProgram();
    const ProcessOutcome run = runProcess(
        {compiler, "-fsyntax-only", "-I" + compatFolder.path(), "-x", "c", "-"}, source);
    result.diagnostics = run.output;
    result.ok = run.succeeded;
    if (run.started && !run.succeeded)
        result.diagnostics += compiler + ": compilation failed\n";
    return result;
}
