#include "models/text_io.h"

#include <sys/stat.h>

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
