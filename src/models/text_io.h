// Text-file primitives shared by the model file and model list code: reading
// in pieces of bounded length and reading a file whole. Writing goes through
// replaceFileContents (file_replace.h).
#pragma once

#include <cstdio>
#include <memory>
#include <string>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Opens path for reading; null when it cannot be opened or is a folder.
FileHandle openForReading(const std::string& path);

// Reads a text file the way the model file and list formats are defined: at
// most kMaxPiece characters per piece, the line feed included, so a longer
// physical line comes back as several pieces. A CR LF pair is read as one line
// feed, so files written with CR LF line ends read exactly like LF files.
class TextPieceReader {
public:
    static constexpr std::size_t kMaxPiece = 198;

    explicit TextPieceReader(std::FILE* file) : file_(file) {}

    // The next piece, or false at end of file (piece is then left unchanged).
    bool next(std::string& piece);

private:
    std::FILE* file_;
};

// The whole file as bytes; false when it cannot be opened or read.
bool readFileBytes(const std::string& path, std::string& bytes);
