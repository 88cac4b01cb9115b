// The buffered text output: the same text printf gives, read back exactly,
// and nothing lost or reordered across buffer flushes, into a stream or a
// string alike.
#include "dynamics/text_out.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

std::string printed17(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// What `write` gives through a stream; the string sink must give the same.
std::string written(const std::function<void(TextOut&)>& write)
{
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* memory = ::open_memstream(&data, &size);
    {
        TextOut out(memory);
        write(out);
        EXPECT_TRUE(out.finish());
    }
    std::fclose(memory);
    std::string text(data, size);
    std::free(data);
    std::string sunk;
    {
        TextOut out(sunk);
        write(out);
        EXPECT_TRUE(out.finish());
    }
    EXPECT_EQ(sunk, text);
    return text;
}

TEST(TextOut, NumbersMatchPrintfAndReadBackAcrossFlushes)
{
    // About 3 MB, so the buffer is flushed several times.
    std::vector<double> values;
    std::string expected;
    for (int i = 0; i < 120000; ++i) {
        values.push_back(std::sin(i * 0.37) * std::pow(10.0, i % 23 - 11));
        expected += printed17(values.back());
        expected += ' ';
    }
    const std::string text = written([&](TextOut& out) {
        for (const double value : values) {
            out.general17(value);
            out.put(' ');
        }
    });
    EXPECT_EQ(text, expected);

    const std::string shortest = written([](TextOut& out) {
        out.shortest(0.1);
        out.put(',');
        out.shortest(1.0 / 3.0);
        out.put(',');
        out.integer(7, 4);
        out.put(',');
        out.integer(12345, 2);
    });
    EXPECT_EQ(shortest, "0.1,0.3333333333333333,0007,12345");
}

// The 17-digit text is computed without printf for most values: check it
// where the rounding and the notation change (neighbours of powers of ten and
// two, exact halfway cases) and on random bit patterns of every magnitude.
TEST(TextOut, SeventeenDigitsAgreeWithPrintfAtBoundariesAndAtRandom)
{
    std::vector<double> values = {0.0, -0.0, 1.0, 0.5, 1e-4, 1e16, 9007199254740992.0,
                                  // Halfway between two 17-digit decimals: round to even.
                                  1125899906842624.25, 1125899906842624.75, -1125899906842624.25};
    for (int e = -8; e <= 18; ++e)
        for (double start : {std::pow(10.0, e), std::ldexp(1.0, e * 3)}) {
            double below = start, above = start;
            for (int step = 0; step < 4; ++step) {
                values.push_back(below);
                values.push_back(-above);
                below = std::nextafter(below, 0.0);
                above = std::nextafter(above, 1e300);
            }
        }
    std::mt19937_64 random(14);
    for (int i = 0; i < 200000; ++i) {
        // Exponents around the whole fixed-notation range and beyond it.
        const std::uint64_t exponent = 1023 - 24 + random() % 84;
        values.push_back(std::bit_cast<double>((random() & 0x800fffffffffffffULL) | (exponent << 52)));
    }

    const std::string text = written([&](TextOut& out) {
        for (double value : values) {
            out.general17(value);
            out.put('\n');
        }
    });
    int wrong = 0;
    std::size_t start = 0;
    for (double value : values) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        if (line != printed17(value) && ++wrong <= 5)
            ADD_FAILURE() << line << " written for " << printed17(value);
        start = end + 1;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(start, text.size());
}

}  // namespace
