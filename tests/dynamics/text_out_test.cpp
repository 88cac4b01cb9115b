// The buffered text output: the same text printf gives, read back exactly,
// and nothing lost or reordered across buffer flushes, into a stream or a
// string alike.
#include "dynamics/text_out.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

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
        char printed[40];
        std::snprintf(printed, sizeof printed, "%.17g", values.back());
        expected += printed;
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

}  // namespace
