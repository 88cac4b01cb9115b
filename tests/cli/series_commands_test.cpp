// Runs the time-series analysis commands of attrava-cli (embed,
// lyapunov-series, recurrence --rqa) on the shipped data files and on
// series written here, and checks the printed results and refusals.
#include "cli/cli_tool_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>

using namespace cli_test;

namespace {

const std::string kLorenzX = ATTRAVA_PROGRAM_DIR "/data/lorenz_x.txt";
const std::string kSunspots = ATTRAVA_PROGRAM_DIR "/data/sunspots.txt";

// The value after "name " on its own line of text; NaN when absent.
double valueOf(const std::string& text, const std::string& name)
{
    const std::string key = name + " ";
    for (std::size_t at = 0; (at = text.find(key, at)) != std::string::npos; at += key.size())
        if (at == 0 || text[at - 1] == '\n')
            return std::strtod(text.c_str() + at + key.size(), nullptr);
    return std::nan("");
}

class SeriesCommands : public CliToolTest {};

TEST_F(SeriesCommands, EmbedAdvisesThreeDimensionsForLorenz)
{
    Run run = runTool("embed '" + kLorenzX + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const double delay = valueOf(run.out, "delay");
    EXPECT_GE(delay, 10);
    EXPECT_LE(delay, 25);
    EXPECT_EQ(valueOf(run.out, "dimension"), 3) << run.out;

    run = runTool("embed '" + kLorenzX + "' --max-delay 30 --max-dim 4 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"delay\":", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\"dimension\":3,"), std::string::npos) << run.out;
    const std::size_t ami = run.out.find("\"ami\":[");
    const std::size_t fnn = run.out.find("\"fnn\":[");
    ASSERT_NE(ami, std::string::npos);
    ASSERT_NE(fnn, std::string::npos);
    const auto count = [&](std::size_t from, std::size_t to) {
        return std::count(run.out.begin() + static_cast<std::ptrdiff_t>(from),
                          run.out.begin() + static_cast<std::ptrdiff_t>(to), ',') + 1;
    };
    EXPECT_EQ(count(ami, run.out.find(']', ami)), 31) << "I(0) to I(30)";
    EXPECT_EQ(count(fnn, run.out.find(']', fnn)), 4) << "f(1) to f(4)";

    // Too few delays to see a minimum or a fall below I(0)/e.
    run = runTool("embed '" + kLorenzX + "' --max-delay 2");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "delay none\ndimension none\n");
}

TEST_F(SeriesCommands, LyapunovSeriesOfLorenzIsNearItsExponent)
{
    Run run = runTool("lyapunov-series '" + kLorenzX + "' --dim 3 --delay 18 --dt 0.01");
    ASSERT_EQ(run.status, 0) << run.err;
    const double lambda = valueOf(run.out, "lambda");
    EXPECT_NEAR(lambda, 0.906, 0.15 * 0.906) << run.out;

    run = runTool("lyapunov-series '" + kLorenzX + "' --dim 3 --delay 18 --fit 5:40 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"fit\":{\"first\":5,\"last\":40,"), std::string::npos) << run.out;
    const std::size_t curve = run.out.find("\"divergence\":[");
    ASSERT_NE(curve, std::string::npos);
    EXPECT_EQ(std::count(run.out.begin() + static_cast<std::ptrdiff_t>(curve), run.out.end(), ','),
              20 * 18) << "y(0) to y(360)";
}

TEST_F(SeriesCommands, RecurrenceMeasuresOfASine)
{
    std::ofstream sine(work / "sine.txt");
    for (int t = 0; t < 3000; ++t)
        sine << std::sin(2.0 * std::numbers::pi * t / (16.0 * std::numbers::pi)) << '\n';
    sine.close();
    const Run run = runTool("recurrence --series '" + (work / "sine.txt").string() +
                            "' --dim 2 --delay 13 --rqa --rr 0.05");
    ASSERT_EQ(run.status, 0) << run.err;
    const char* const order[] = {"RR", "DET", "L", "Lmax", "ENTR", "LAM", "TT"};
    std::size_t at = 0;
    for (const char* name : order) {
        const std::size_t found = run.out.find(std::string(name) + " ", at);
        ASSERT_EQ(found, at) << name << " in\n" << run.out;
        at = run.out.find('\n', found) + 1;
    }
    EXPECT_EQ(at, run.out.size());
    EXPECT_NEAR(valueOf(run.out, "RR"), 0.05, 0.005);
    EXPECT_GT(valueOf(run.out, "DET"), 0.95);
}

TEST_F(SeriesCommands, LayoutIsGuessedWhenNotGiven)
{
    // Reals with no layout option were once cut at the first decimal point.
    std::ofstream(work / "reals.txt") << "1.5 2 3 4.25 5 6\n";
    Run run = runTool("reconstruct '" + (work / "reals.txt").string() + "' --dim 3 --delay 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.5 2 3\n2 3 4.25\n3 4.25 5\n");

    // Year and value: the years are not data.
    run = runTool("reconstruct '" + kSunspots + "' --dim 3 --delay 1 --limit 4");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "5 11 16\n");
    EXPECT_NE(run.err.find("layout: time column, real data, integer time"), std::string::npos)
        << run.err;
}

TEST_F(SeriesCommands, RefusalsSayWhy)
{
    std::ofstream(work / "short.txt") << "1 2 3 4 5 6\n";
    const std::string path = (work / "short.txt").string();
    const std::string shortSeries = "'" + path + "'";
    struct Case {
        std::string arguments, message;
    };
    const Case cases[] = {
        {"lyapunov-series " + shortSeries + " --dim 3 --delay 0", "invalid value for --delay"},
        {"lyapunov-series " + shortSeries + " --dim 3 --delay 3", "fewer than two vectors"},
        {"lyapunov-series " + shortSeries + " --dim 11 --delay 1", "invalid value for --dim"},
        {"lyapunov-series " + shortSeries + " --dim 2", "--delay T is required"},
        {"lyapunov-series " + shortSeries + " --dim 2 --delay 1 --fit 3:3", "invalid value for --fit"},
        {"embed " + shortSeries + " --dim 3", "unknown option --dim"},
        {"embed " + shortSeries + " --max-dim 11", "invalid value for --max-dim"},
        {"recurrence --series " + shortSeries + " --dim 2 --delay 5 --rqa --eps 1",
         "fewer than two vectors"},
        {"recurrence --series " + shortSeries + " --dim 1 --delay 1 --rqa",
         "either --eps E or --rr R"},
        {"recurrence --series " + shortSeries + " --dim 1 --delay 1 --rqa --rr 1",
         "--rr must be below 1"},
        {"recurrence --series " + shortSeries + " --dim 1 --delay 1 --eps 1 --out x.ppm",
         "need --rqa"},
        {"recurrence --series " + shortSeries + " --dim 2 --delay 1 --out x.ppm",
         "the image needs --dim 3 to 6"},
    };
    for (const Case& c : cases) {
        const Run run = runTool(c.arguments);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
}

}  // namespace
