// attrava-cli on broken inputs: every failure is told in English (no byte
// outside ASCII), says what failed, and values that do not exist print as
// "-".
#include "cli/cli_tool_test.h"
#include "cli/failure_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/stat.h>

using namespace cli_test;

namespace {

bool isAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string lorenzWith(const std::string& from, const std::string& to)
{
    std::string text = readText(kLorenz);
    text.replace(text.find(from), from.size(), to);
    return text;
}

class EnglishFailures : public CliToolTest {
protected:
    std::string file(const std::string& name, const std::string& text)
    {
        std::ofstream(work / name, std::ios::binary) << text;
        std::string argument = "'";
        argument += (work / name).string();
        return argument + "'";
    }
};

TEST_F(EnglishFailures, EveryErrorPathSaysWhatFailedInEnglish)
{
    // A compiler that answers in the user's language unless told otherwise.
    const std::string compiler = (work / "cc").string();
    std::ofstream(compiler) << "#!/bin/sh\n"
                               "if [ \"$LC_ALL\" = C ]; then echo \"error: bad input\"; "
                               "else echo \"\xe3\x82\xa8\xe3\x83\xa9\xe3\x83\xbc\"; fi\nexit 1\n";
    ::chmod(compiler.c_str(), 0755);
    fs::create_directory(work / "Folder.txt");

    struct Case {
        std::string arguments, environment, message;
    };
    const Case cases[] = {
        {"orbit " + file("Counts.txt", lorenzWith("Dimension = 3", "Dimension = 9")), "",
         "has a Dimension outside 1 to 6"},
        {"orbit '" + (work / "Folder.txt").string() + "'", "", "cannot read the model file"},
        {"lyapunov " + file("Zero.txt", lorenzWith("0.010000", "0.000000")), "",
         "has the sampling interval 0; it must be a number greater than 0"},
        {"orbit " + file("Check.txt", lorenzWith("x*y-c*z", "x*y-c*q")), "",
         "the equation of dz/dt is not valid: the name \"q\" is not allowed; usable are x, y, z, "
         "a, b, c"},
        {"orbit '" + kLorenz + "'", "LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 ATTRAVA_CC='" + compiler + "'",
         "compiling the model failed (model \"Lorenz\"):\nerror: bad input"},
        {"reconstruct '" + (work / "absent.txt").string() + "' --dim 3 --delay 1", "",
         "cannot open the data file"},
        {"reconstruct '" + work.string() + "' --dim 3 --delay 1", "", "cannot open the data file"},
    };
    for (const Case& c : cases) {
        const Run run = runTool(c.arguments, c.environment);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_TRUE(isAscii(run.out + run.err)) << c.arguments << ": " << run.err;
    }
}

TEST_F(EnglishFailures, ASeriesRefusesNonFiniteValuesAndSaysSo)
{
    const Run run = runTool("reconstruct " + file("s.txt", "1.5 2 3 4 nan 6") +
                            " --real-data --dim 3 --delay 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1.5 2 3\n");
    EXPECT_NE(run.err.find("\"nan\" is not a finite number and non-finite values are refused"),
              std::string::npos)
        << run.err;
}

TEST_F(EnglishFailures, ExponentsThatAreNotNumbersPrintAsMissing)
{
    // The orbit rests at x = 0.05; a displaced copy meets an infinite field,
    // so the spectrum is measured but holds no finite value.
    const std::string spike = file(
        "Spike.txt", "Dimension = 3\nParameter = 0\nFunction\n(x > 0.05) ? 1e300*1e300 : 0\n0\n0\n"
                     "Setting = 0.05,0,0\nSampling_Interval = 0.01\nSampling_Point = 100\n");
    Run run = runTool("lyapunov " + spike);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "x -\ny -\nz -\nDL -\n");
    run = runTool("lyapunov " + spike + " --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"model\": \"Spike\", \"points\": 100, \"diverged\": false, "
                       "\"spectrum\": [null, null, null], \"dimension\": null}\n");
}

TEST(EnglishText, EveryFailureKindHasAnAsciiText)
{
    for (int kind = 0; kind <= static_cast<int>(FailureKind::NoListChosen); ++kind) {
        const std::string text = englishText({static_cast<FailureKind>(kind), "/p/m.txt"});
        EXPECT_FALSE(text.empty()) << kind;
        EXPECT_TRUE(isAscii(text)) << text;
    }
    Failure equation{FailureKind::EquationRefused};
    for (int kind = 0; kind <= static_cast<int>(EquationFaultKind::ArgumentCount); ++kind) {
        equation.fault = {static_cast<EquationFaultKind>(kind), "t", "w", 1};
        const std::string text = englishText(equation);
        EXPECT_FALSE(text.ends_with(": ")) << kind;
        EXPECT_TRUE(isAscii(text)) << text;
    }
}

}  // namespace
