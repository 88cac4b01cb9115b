#include "dynamics/text_out.h"

#include "dynamics/general17.h"

#include <charconv>

namespace {

// Flush the text to the stream in pieces of about this size.
constexpr std::size_t kChunkBytes = 1 << 20;
// Room for one number of any kind (a double takes at most 24 characters).
constexpr std::size_t kNumberBytes = 32;

}  // namespace

TextOut::TextOut(std::FILE* out) : out_(out), buffer_(kChunkBytes + kNumberBytes, '\0') {}

TextOut::TextOut(std::string& sink) : sink_(&sink), buffer_(kChunkBytes + kNumberBytes, '\0') {}

void TextOut::flush()
{
    if (sink_ != nullptr)
        sink_->append(buffer_.data(), used_);
    else if (used_ > 0 && std::fwrite(buffer_.data(), 1, used_, out_) != used_)
        failed_ = true;
    used_ = 0;
}

void TextOut::reserve(std::size_t bytes)
{
    if (used_ + bytes <= buffer_.size())
        return;
    flush();
    if (bytes > buffer_.size())
        buffer_.resize(bytes);
}

void TextOut::shortest(double value)
{
    reserve(kNumberBytes);
    char* const at = buffer_.data() + used_;
    used_ += static_cast<std::size_t>(std::to_chars(at, at + kNumberBytes, value).ptr - at);
}

void TextOut::general17(double value)
{
    reserve(kGeneral17Bytes);
    char* const at = buffer_.data() + used_;
    used_ += static_cast<std::size_t>(writeGeneral17(at, value) - at);
}

void TextOut::integer(long value, int width)
{
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const auto length = static_cast<int>(end - digits);
    for (int k = length; k < width; ++k)
        put('0');
    text(std::string_view(digits, static_cast<std::size_t>(length)));
}

void TextOut::text(std::string_view piece)
{
    reserve(piece.size());
    piece.copy(buffer_.data() + used_, piece.size());
    used_ += piece.size();
}

void TextOut::put(char c)
{
    reserve(1);
    buffer_[used_++] = c;
}

bool TextOut::finish()
{
    flush();
    return !failed_;
}
