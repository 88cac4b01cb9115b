#include "settings/profile_values.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <locale.h>
#include <stdlib.h>

int parseProfileInt(std::string_view text, int defaultValue)
{
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string_view::npos)
        return defaultValue;
    const bool negative = text[i] == '-';
    if (negative)
        ++i;
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return defaultValue;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), 1LL + INT_MAX);
    const long long signedValue = negative ? -magnitude : magnitude;
    return static_cast<int>(std::clamp<long long>(signedValue, INT_MIN, INT_MAX));
}

double parseDecimal(std::string_view text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string terminated(text);
    return strtod_l(terminated.c_str(), nullptr, cLocale);
}

std::string formatDecimal(double value)
{
    // Room for the 309 integer digits of the largest double, the point and six decimals.
    char buffer[330];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}
