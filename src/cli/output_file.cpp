#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// An existing file is not truncated when opened but overwritten from its
// start and cut to the new length when closed: rewriting a large output again
// (as a script does) then reuses its blocks instead of freeing them all and
// allocating them anew, which costs the file system more than the writing.
std::FILE* openOutput(const std::string& path)
{
    if (path.empty())
        return stdout;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* out = ::fdopen(fd, "wb");
    if (out == nullptr)
        ::close(fd);
    return out;
}

bool closeOutput(std::FILE* out)
{
    bool ok = std::ferror(out) == 0;
    if (out == stdout)
        return std::fflush(out) == 0 && ok;
    ok = std::fflush(out) == 0 && ok;
    // Whatever was written ends the file, also after a failed write.
    const int fd = ::fileno(out);
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const off_t end = ::lseek(fd, 0, SEEK_CUR);
        ok = end >= 0 && ::ftruncate(fd, end) == 0 && ok;
    }
    return std::fclose(out) == 0 && ok;
}
