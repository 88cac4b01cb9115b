#include "dynamics/series_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

enum class NumberKind { NotNumber, Integer, Real };

struct Number {
    NumberKind kind = NumberKind::NotNumber;
    double value = 0.0;
};

Number classify(std::string_view token)
{
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    const char* first = token.data();
    const char* last = first + token.size();
    int integer = 0;
    const auto asInteger = std::from_chars(first, last, integer);
    if (asInteger.ec == std::errc() && asInteger.ptr == last)
        return {NumberKind::Integer, static_cast<double>(integer)};
    double real = 0.0;
    const auto asReal = std::from_chars(first, last, real);
    if (asReal.ec == std::errc() && asReal.ptr == last && std::isfinite(real))
        return {NumberKind::Real, real};
    return {};
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

SeriesLayout detectSeriesLayout(std::string_view text)
{
    SeriesLayout layout;
    bool anyReal[2] = {false, false};  // first and second number of a line
    bool allReal = false;
    bool pairsOnly = true;
    bool increasing = true;
    std::size_t numberLines = 0;
    double previousTime = 0.0;

    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));

        std::vector<Number> numbers;
        while (!line.empty()) {
            std::size_t start = 0;
            while (start < line.size() && isSpace(line[start]))
                ++start;
            std::size_t stop = start;
            while (stop < line.size() && !isSpace(line[stop]))
                ++stop;
            if (stop > start) {
                const Number number = classify(line.substr(start, stop - start));
                if (number.kind != NumberKind::NotNumber)
                    numbers.push_back(number);
            }
            line.remove_prefix(stop);
        }
        if (numbers.empty())
            continue;
        for (const Number& number : numbers)
            allReal = allReal || number.kind == NumberKind::Real;
        if (numbers.size() != 2) {
            pairsOnly = false;
            continue;
        }
        for (int k = 0; k < 2; ++k)
            anyReal[k] = anyReal[k] || numbers[static_cast<std::size_t>(k)].kind == NumberKind::Real;
        if (numberLines > 0 && !(numbers[0].value > previousTime))
            increasing = false;
        previousTime = numbers[0].value;
        ++numberLines;
    }

    layout.timeColumn = pairsOnly && increasing && numberLines >= 2;
    if (layout.timeColumn) {
        layout.realTime = anyReal[0];
        layout.realData = anyReal[1];
    } else {
        layout.realData = allReal;
    }
    return layout;
}

std::optional<SeriesLayout> detectSeriesLayoutOfFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return detectSeriesLayout(text.str());
}
