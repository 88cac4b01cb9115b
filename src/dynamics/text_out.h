// Text output of the batch commands through one large buffer: numbers are
// formatted with std::to_chars straight into it, and it goes to the stream in
// pieces of about a megabyte, so millions of numbers take a fraction of a
// second. A failed write is remembered and reported by finish(). The
// program's windows write the same text into a string, for their CSV files.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class TextOut {
public:
    explicit TextOut(std::FILE* out);
    // Appends to `sink`, which must outlive the output.
    explicit TextOut(std::string& sink);
    TextOut(const TextOut&) = delete;
    TextOut& operator=(const TextOut&) = delete;

    // The shortest text that reads back as the same double.
    void shortest(double value);
    // "%.17g": 17 significant digits.
    void general17(double value);
    // value in decimal, padded with leading zeros to at least `width` digits.
    void integer(long value, int width = 0);
    void text(std::string_view piece);
    void put(char c);

    // Writes what is buffered; false when any write failed.
    bool finish();

private:
    // Makes room for at least `bytes` more characters.
    void reserve(std::size_t bytes);
    void flush();

    std::FILE* out_ = nullptr;
    std::string* sink_ = nullptr;
    std::string buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};
