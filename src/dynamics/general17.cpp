#include "dynamics/general17.h"

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

// "00" to "99".
constexpr auto kDigitPairs = [] {
    struct Table {
        char pair[200];
    } table{};
    for (int k = 0; k < 100; ++k) {
        table.pair[2 * k] = static_cast<char>('0' + k / 10);
        table.pair[2 * k + 1] = static_cast<char>('0' + k % 10);
    }
    return table;
}();

// Writes the eight digits of d < 10^8.
void writeEight(char* out, std::uint32_t d)
{
    const std::uint32_t high = d / 10000, low = d % 10000;
    std::memcpy(out, kDigitPairs.pair + 2 * (high / 100), 2);
    std::memcpy(out + 2, kDigitPairs.pair + 2 * (high % 100), 2);
    std::memcpy(out + 4, kDigitPairs.pair + 2 * (low / 100), 2);
    std::memcpy(out + 6, kDigitPairs.pair + 2 * (low % 100), 2);
}

// Writes the 17 digits of d (10^16 <= d < 10^17).
void writeDigits(char* out, std::uint64_t d)
{
    constexpr std::uint64_t kTen8 = 100000000;
    out[0] = static_cast<char>('0' + d / kTen16);
    const std::uint64_t rest = d % kTen16;
    writeEight(out + 1, static_cast<std::uint32_t>(rest / kTen8));
    writeEight(out + 9, static_cast<std::uint32_t>(rest % kTen8));
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

    // The digits, padded so that the fixed-size copies below stay inside.
    char text[32] = {};
    writeDigits(text, digits);
    int used = 17;
    while (text[used - 1] == '0')
        --used;

    char* out = at;
    if ((bits >> 63) != 0)
        *out++ = '-';
    if (exponent >= 0) {
        // The whole part, then the fraction one place later behind the
        // point; the copies are of a fixed size (16 bytes), which compiles
        // to plain moves, and what they write past the end is not counted.
        const int whole = exponent + 1;
        std::memcpy(out, text, 16);
        if (used <= whole)
            return out + whole;
        out[whole] = '.';
        std::memcpy(out + whole + 1, text + whole, 16);
        return out + used + 1;
    }
    std::memcpy(out, "0.000", 5);
    out += 1 - exponent;
    std::memcpy(out, text, 17);
    return out + used;
}
