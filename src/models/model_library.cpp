#include "models/model_library.h"

#include "models/compat_windows_text.h"
#include "models/file_replace.h"
#include "models/scratch_folder.h"
#include "models/library_cache.h"
#include "models/model_paths.h"
#include "models/process_run.h"
#include "models/text_io.h"
#include "models/vector_field_source.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A private folder holding the compatibility windows.h for one compile; it is
// removed again when the compile is over. path() is empty when the header
// could not be written.
class CompatHeaderFolder {
public:
    CompatHeaderFolder()
    {
        if (folder_.create("attrava-cc-") &&
            !replaceFileContents(folder_.path() + "windows.h", kCompatWindowsHeaderText))
            folder_.remove();
    }

    const std::string& path() const { return folder_.path(); }

private:
    ScratchFolder folder_;
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

// The compiler's settings. Contraction of a*b+c into one fused operation is
// off, so that every model function and its whole-field function round alike
// whatever the compiler and target. The exported functions are not replaced
// by others of the same name at load time, so the Runge-Kutta step may
// inline the field function it calls.
const std::vector<std::string> kCompilerFlags = {"-shared", "-fPIC", "-O2", "-ffp-contract=off",
                                                 "-fno-semantic-interposition"};

// Bumped when the way a library is built changes in a way the key parts do
// not show.
constexpr std::string_view kCacheFormat = "attrava model library 1";
// The same for the entries of passed syntax checks.
constexpr std::string_view kCheckCacheFormat = "attrava syntax check 1";

// The compiler program as the system resolves it, with the size and time of
// the file it finally names, so that a changed compiler builds anew.
std::string compilerIdentity(const std::string& compiler)
{
    std::string found = compiler;
    if (compiler.find('/') == std::string::npos) {
        const char* path = std::getenv("PATH");
        std::string folders = path != nullptr ? path : "";
        for (std::size_t start = 0; start <= folders.size();) {
            std::size_t end = folders.find(':', start);
            if (end == std::string::npos)
                end = folders.size();
            const std::string candidate =
                (end > start ? folders.substr(start, end - start) : std::string(".")) + "/" + compiler;
            if (::access(candidate.c_str(), X_OK) == 0) {
                found = candidate;
                break;
            }
            start = end + 1;
        }
    }
    std::error_code ec;
    const fs::path real = fs::canonical(found, ec);
    struct stat info {};
    if (ec || ::stat(real.c_str(), &info) != 0)
        return compiler;
    return real.string() + " " + std::to_string(info.st_size) + " " +
           std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
}

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += part + "\n";
    return text;
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
    // The companion goes beside the list source, or into the private folder
    // when the list's folder cannot take it.
    std::string listText;
    const bool listRead = readFileBytes(paths.listPath, listText);
    const std::string fieldsText = vectorFieldSourceText(listText);
    std::string fieldsPath = vectorFieldSourcePath(paths.listPath);
    if (!replaceFileContents(fieldsPath, fieldsText)) {
        fieldsPath = compatFolder.path() + fileNameOf(fieldsPath);
        if (!replaceFileContents(fieldsPath, fieldsText)) {
            result.diagnostics = "cannot write the vector field source " + fieldsPath + "\n";
            return result;
        }
    }

    const std::string compiler = compilerProgram();
    const LibraryCache cache(libraryCacheFolder());
    const std::string key =
        libraryCacheKey({std::string(kCacheFormat), compilerIdentity(compiler), joined(kCompilerFlags),
                         std::string(kCompatWindowsHeaderText), sourceTextForKey(listText), fieldsText});
    if (listRead) {
        if (const std::optional<std::string> cached = cache.load(key);
            cached && replaceFileContents(paths.libraryPath, *cached)) {
            result.ok = true;
            result.reused = true;
            return result;
        }
    }

    const std::string output = temporaryLibraryPath(paths);
    std::vector<std::string> arguments = {compiler};
    arguments.insert(arguments.end(), kCompilerFlags.begin(), kCompilerFlags.end());
    arguments.insert(arguments.end(), {"-I" + compatFolder.path(), "-o", output, paths.listPath,
                                       fieldsPath, "-lm"});
    const ProcessOutcome run = runProcess(arguments);
    result.diagnostics = run.output;
    std::error_code ec;
    std::string library;
    if (!run.succeeded) {
        if (run.started)
            result.diagnostics += compiler + ": compilation failed\n";
    } else if (!fs::exists(output, ec) || !readFileBytes(output, library)) {
        result.diagnostics += compiler + ": wrote no library\n";
    } else if (std::rename(output.c_str(), paths.libraryPath.c_str()) != 0) {
        result.diagnostics += "cannot rename the new library to " + paths.libraryPath + "\n";
    } else {
        result.ok = true;
        if (listRead)
            cache.store(key, library);
    }
    if (!result.ok)
        fs::remove(output, ec);
    return result;
}

CompileResult CheckCompiles(std::string_view source)
{
    CompileResult result;
    const std::string compiler = compilerProgram();
    const LibraryCache cache(libraryCacheFolder());
    const std::string key =
        libraryCacheKey({std::string(kCheckCacheFormat), compilerIdentity(compiler),
                         std::string(kCompatWindowsHeaderText), sourceTextForKey(source)});
    // The entry holds what the compiler printed when the check passed.
    if (std::optional<std::string> printed = cache.load(key)) {
        result.ok = true;
        result.reused = true;
        result.diagnostics = std::move(*printed);
        return result;
    }

    const CompatHeaderFolder compatFolder;
    if (compatFolder.path().empty()) {
        result.diagnostics = kNoCompatHeader;
        return result;
    }
    const ProcessOutcome run = runProcess(
        {compiler, "-fsyntax-only", "-I" + compatFolder.path(), "-x", "c", "-"}, source);
    result.diagnostics = run.output;
    result.ok = run.succeeded;
    if (run.started && !run.succeeded)
        result.diagnostics += compiler + ": compilation failed\n";
    if (result.ok)
        cache.store(key, result.diagnostics);
    return result;
}
