#include "models/text_io.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

FileHandle openForReading(const std::string& path)
{
    FileHandle file(std::fopen(path.c_str(), "rb"));
    // A folder opens for reading but yields no bytes; it is no file to read.
    struct stat status {};
    if (file && (::fstat(::fileno(file.get()), &status) != 0 || S_ISDIR(status.st_mode)))
        file.reset();
    return file;
}

bool TextPieceReader::next(std::string& piece)
{
    std::string read;
    while (read.size() < kMaxPiece) {
        int c = std::getc(file_);
        if (c == EOF)
            break;
        if (c == '\r') {
            const int following = std::getc(file_);
            if (following == '\n')
                c = '\n';
            else if (following != EOF)
                std::ungetc(following, file_);
        }
        read.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    if (read.empty())
        return false;
    piece = std::move(read);
    return true;
}

bool readFileBytes(const std::string& path, std::string& bytes)
{
    FileHandle file = openForReading(path);
    if (!file)
        return false;
    std::string result;
    char buffer[65536];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        result.append(buffer, count);
    if (std::ferror(file.get()))
        return false;
    bytes = std::move(result);
    return true;
}

namespace {

// Opens a new file beside target under a name no other writer uses; the file
// gets the usual permissions (0666 less the umask), as a plain create would.
int createTemporaryBeside(const fs::path& target, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(".");
        name += target.filename().string();
        name += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        temporaryPath = (folder / name).string();
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool replaceFileContents(const std::string& path, std::string_view content)
{
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    if (fs::is_directory(target, ec))
        return false;

    std::string temporaryPath;
    const int fd = createTemporaryBeside(target, temporaryPath);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        std::remove(temporaryPath.c_str());
        return false;
    }
    return true;
}
