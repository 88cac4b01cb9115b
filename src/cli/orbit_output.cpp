#include "cli/orbit_output.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

// Flush the text to the stream in pieces of about this size.
constexpr std::size_t kChunkBytes = 1 << 20;
// A "%.17g" double takes at most 24 characters, plus the separator.
constexpr std::size_t kMaxFieldBytes = 25;

}  // namespace

bool writeOrbitPoints(std::FILE* out, const std::vector<StateVector>& orbit, int count,
                      int dimension)
{
    const std::size_t points = std::min(static_cast<std::size_t>(std::max(count, 0)), orbit.size());
    std::string buffer(kChunkBytes + kMaxFieldBytes * 6 + 1, '\0');
    char* const begin = buffer.data();
    char* const end = begin + buffer.size();
    char* cursor = begin;
    const auto flush = [&] {
        const std::size_t size = static_cast<std::size_t>(cursor - begin);
        cursor = begin;
        return std::fwrite(begin, 1, size, out) == size;
    };
    for (std::size_t i = 0; i < points; ++i) {
        for (int k = 0; k < dimension; ++k) {
            if (k > 0)
                *cursor++ = ' ';
            cursor = std::to_chars(cursor, end, orbit[i].c[k], std::chars_format::general, 17).ptr;
        }
        *cursor++ = '\n';
        if (static_cast<std::size_t>(cursor - begin) >= kChunkBytes && !flush())
            return false;
    }
    return flush();
}
