#include "dynamics/general17.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

// The compiler's 128-bit integer (GCC and Clang).
__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t kTen16 = 10000000000000000ULL;
constexpr std::uint64_t kTen17 = 100000000000000000ULL;

// 10^p for p = 0..21 (10^21 needs 70 bits).
constexpr auto kPowersOfTen = [] {
    struct Table {
        Wide value[22];
    } table{};
    Wide power = 1;
    for (Wide& entry : table.value) {
        entry = power;
        power *= 10;
    }
    return table;
}();

// The direct road takes a value m * 2^-shift with a 53-bit m and shift in
// 0..kMaxShift (about 7.6e-6 <= |value| < 2^53): then m * 10^(16 - E) stays
// below 2^127 for every decimal exponent E of fixed notation (-4..15).
constexpr int kMaxShift = 69;

// The eight digits of d < 10^8 as eight characters in one word, the first
// digit in the lowest byte: the halves, the pairs and the digits are split
// in parallel lanes of the word by multiplying with reciprocals that are exact
// for the lanes' ranges.
std::uint64_t eightDigits(std::uint32_t d)
{
    std::uint64_t v = (d / 10000) | (std::uint64_t{d % 10000} << 32);
    const std::uint64_t hundreds = ((v * 10486) >> 20) & 0x0000007F0000007FULL;
    v = hundreds | ((v - hundreds * 100) << 16);
    const std::uint64_t tens = ((v * 103) >> 10) & 0x000F000F000F000FULL;
    v = tens | ((v - tens * 10) << 8);
    return v + 0x3030303030303030ULL;
}

}  // namespace

char* writeGeneral17(char* at, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    const int shift = 1075 - biased;
    if (shift < 0 || shift > kMaxShift)
        return std::to_chars(at, at + kGeneral17Bytes, value, std::chars_format::general, 17).ptr;

    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    // The decimal exponent E with 10^E <= |value| < 10^(E+1): a guess from
    // the binary exponent (log10 2 ~ 0.30103), corrected by the digit count
    // of floor(|value| * 10^(16 - E)), which has 17 digits exactly for the
    // right E.
    int exponent = ((biased - 1023) * 78913) >> 18;
    Wide scaled = 0;
    std::uint64_t digits = 0;
    for (;;) {
        const int power = 16 - exponent;
        if (exponent < -4 || power > 21)
            return std::to_chars(at, at + kGeneral17Bytes, value, std::chars_format::general, 17)
                .ptr;
        scaled = Wide{m} * kPowersOfTen.value[power];
        digits = static_cast<std::uint64_t>(scaled >> shift);
        if (digits < kTen16)
            --exponent;
        else if (digits >= kTen17)
            ++exponent;
        else
            break;
    }
    // Round half to even on the exact remainder.
    if (shift > 0) {
        const Wide remainder = scaled & ((Wide{1} << shift) - 1);
        const Wide half = Wide{1} << (shift - 1);
        if (remainder > half || (remainder == half && (digits & 1) != 0))
            ++digits;
        if (digits == kTen17) {
            digits = kTen16;
            ++exponent;
        }
    }

    // The 17 digits: the first apart, the other 16 as bytes of one wide
    // word, first digit lowest. They are only ever stored, never read back
    // from memory: reading freshly stored bytes as a wider piece stalls.
    constexpr std::uint64_t kTen8 = 100000000;
    const char first = static_cast<char>('0' + digits / kTen16);
    const std::uint64_t rest = digits % kTen16;
    const Wide others = Wide{eightDigits(static_cast<std::uint32_t>(rest / kTen8))} |
                        Wide{eightDigits(static_cast<std::uint32_t>(rest % kTen8))} << 64;
    // Trailing zeros are the highest bytes that hold '0'.
    const Wide values = others - (Wide{0x3030303030303030ULL} << 64 | 0x3030303030303030ULL);
    const auto high = static_cast<std::uint64_t>(values >> 64);
    const auto low = static_cast<std::uint64_t>(values);
    const int zeros = high != 0 ? std::countl_zero(high) / 8
                                : 8 + (low != 0 ? std::countl_zero(low) / 8 : 8);
    const int used = 17 - zeros;

    // Every store below is of a fixed size (plain moves); what they write
    // past the number's end is not counted.
    char* out = at;
    if ((bits >> 63) != 0)
        *out++ = '-';
    if (exponent < 0) {
        std::memcpy(out, "0.000", 5);
        out += 1 - exponent;
    }
    out[0] = first;
    std::memcpy(out + 1, &others, 16);
    const int whole = exponent + 1;
    if (exponent < 0 || used <= whole)
        return out + std::max(used, whole);
    // The fraction again, one place later behind the point.
    out[whole] = '.';
    const Wide fraction = others >> (8 * (whole - 1));
    std::memcpy(out + whole + 1, &fraction, 16);
    return out + used + 1;
}
