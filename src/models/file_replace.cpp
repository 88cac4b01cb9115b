#include "models/file_replace.h"

#include "models/stale_temporaries.h"

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <set>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and tells whether the close succeeded (a late write error shows here).
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAllAt(int fd, std::string_view content, off_t offset)
{
    while (!content.empty()) {
        const ssize_t written = ::pwrite(fd, content.data(), content.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

bool readAll(int fd, std::string& content)
{
    char buffer[65536];
    for (off_t offset = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        content.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
}

// Whether an errno of creating or renaming in a folder means the folder may
// not be changed (while the file in it may still be writable).
bool folderRefused(int error)
{
    return error == EACCES || error == EPERM || error == EROFS || error == EBUSY || error == EXDEV;
}

// Opens a new file beside target under a short name of its own, so that a
// target name near the file-name length limit still leaves room for it. The
// file gets the usual permissions (0666 less the umask), as a plain create would.
// Temporary files that killed writers left in the folder are removed first.
int createTemporaryBeside(const fs::path& target, fs::path& temporary)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    removeStaleTemporaries(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = nextTemporaryName(folder);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the temporary file the old file's owner, group and permission bits.
// The owner is set first, since changing it clears set-id bits. An owner the
// process may not give away is left as created; the bits are required.
bool takeOverAttributes(int fd, const struct stat& old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

void syncFolder(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// Rewrites an existing file through its own descriptor, for a folder that
// refuses a new name. Growth is reserved first where the file system can, so
// that a full disk is found before the old contents are touched; when a write
// fails all the same, the old contents and length are written back.
bool rewriteInPlace(const fs::path& target, std::string_view content)
{
    Descriptor fd(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    std::string old;
    if (fd.get() < 0 || !readAll(fd.get(), old))
        return false;
    const off_t newSize = static_cast<off_t>(content.size());
    const off_t oldSize = static_cast<off_t>(old.size());
    if (newSize > oldSize) {
        const int reserved = ::posix_fallocate(fd.get(), 0, newSize);
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
            (void)::ftruncate(fd.get(), oldSize);
            return false;
        }
    }
    if (writeAllAt(fd.get(), content, 0) && ::ftruncate(fd.get(), newSize) == 0 &&
        ::fsync(fd.get()) == 0)
        return fd.close();
    (void)writeAllAt(fd.get(), old, 0);
    (void)::ftruncate(fd.get(), oldSize);
    (void)::fsync(fd.get());
    return false;
}


// The scratch folders, each ending with '/'.
std::mutex scratchMutex;
std::set<std::string> scratchFolders;

std::string folderKey(std::string folder)
{
    if (!folder.ends_with('/'))
        folder.push_back('/');
    return folder;
}

bool inScratchFolder(const fs::path& target)
{
    const std::string folder = folderKey(target.parent_path().string());
    const std::lock_guard lock(scratchMutex);
    return scratchFolders.count(folder) != 0;
}

}  // namespace

void markScratchFolder(const std::string& folder)
{
    const std::lock_guard lock(scratchMutex);
    scratchFolders.insert(folderKey(folder));
}

void unmarkScratchFolder(const std::string& folder)
{
    const std::lock_guard lock(scratchMutex);
    scratchFolders.erase(folderKey(folder));
}

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
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;

    fs::path temporary;
    Descriptor fd(createTemporaryBeside(target, temporary));
    if (fd.get() < 0)
        return exists && folderRefused(errno) && rewriteInPlace(target, content);
    const bool flush = !inScratchFolder(target);
    bool ok = !exists || takeOverAttributes(fd.get(), old);
    ok = ok && writeAllAt(fd.get(), content, 0) && (!flush || ::fsync(fd.get()) == 0);
    ok = fd.close() && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return exists && folderRefused(error) && rewriteInPlace(target, content);
    }
    if (flush)
        syncFolder(target);
    return true;
}
