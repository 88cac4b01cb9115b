#include "cli/model_session.h"
#include "cli/orbit_output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace {

OptionOutcome parseAll(const CommandArguments& args, ModelOptions& options, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const OptionOutcome outcome = parseModelOption(args, i, options, error);
        if (outcome != OptionOutcome::Taken)
            return outcome;
    }
    return OptionOutcome::Taken;
}

}  // namespace

TEST(ModelOptions, ReadsEveryModelOption)
{
    ModelOptions options;
    std::string error;
    ASSERT_EQ(parseAll({"--points", "250", "--interval", "0.005", "--auto", "1e-9", "--param",
                        "b=20.5", "--init", "w=-3", "--param", "j=1"},
                       options, error),
              OptionOutcome::Taken)
        << error;
    EXPECT_EQ(options.points, 250);
    EXPECT_EQ(options.interval, 0.005);
    EXPECT_EQ(options.autoAccuracy, 1e-9);
    ASSERT_EQ(options.parameters.size(), 2u);
    EXPECT_EQ(options.parameters[0], std::make_pair('b', 20.5));
    EXPECT_EQ(options.parameters[1], std::make_pair('j', 1.0));
    ASSERT_EQ(options.initialValues.size(), 1u);
    EXPECT_EQ(options.initialValues[0], std::make_pair('w', -3.0));
}

TEST(ModelOptions, RefusesValuesOutsideTheirRange)
{
    const CommandArguments refused[] = {
        {"--points", "0"},        {"--points", "12x"},     {"--points", "10000001"},
        {"--interval", "-0.01"},  {"--interval", "inf"},   {"--auto", "0"},
        {"--param", "k=1"},       {"--param", "a:1"},      {"--init", "q=1"},
        {"--init", "x="},         {"--init", "x=nan"},     {"--points"},
    };
    for (const CommandArguments& args : refused) {
        ModelOptions options;
        std::string error;
        EXPECT_EQ(parseAll(args, options, error), OptionOutcome::Invalid) << args[0] << " " << args.back();
        EXPECT_FALSE(error.empty());
    }
}

TEST(ModelOptions, LeavesOtherArgumentsToTheCommand)
{
    ModelOptions options;
    std::string error;
    const CommandArguments args = {"--out", "file.txt"};
    std::size_t i = 0;
    EXPECT_EQ(parseModelOption(args, i, options, error), OptionOutcome::NotModelOption);
    EXPECT_EQ(i, 0u);
}

TEST(OrbitOutput, WritesTheUsedComponentsOfTheValidPointsExactly)
{
    const std::vector<StateVector> orbit = {
        StateVector(0.1, -1.0 / 3.0, 1e-300, 7, 7, 7),
        StateVector(std::numeric_limits<double>::max(), 2.5, -0.0, 7, 7, 7),
        StateVector(99, 99, 99, 99, 99, 99),
    };
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(writeOrbitPoints(file, orbit, 2, 3));
    std::rewind(file);
    std::string text;
    char chunk[512];
    while (std::size_t n = std::fread(chunk, 1, sizeof chunk, file))
        text.append(chunk, n);
    std::fclose(file);

    std::istringstream lines(text);
    std::string line;
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(std::getline(lines, line)) << "line " << i;
        std::istringstream fields(line);
        std::string field;
        for (int k = 0; k < 3; ++k) {
            ASSERT_TRUE(fields >> field) << "line " << i;
            EXPECT_EQ(std::strtod(field.c_str(), nullptr), orbit[i][k]) << "line " << i << " field " << field;
        }
        EXPECT_FALSE(fields >> field) << "extra field on line " << i;
    }
    EXPECT_FALSE(std::getline(lines, line)) << "the third point is not valid";
    EXPECT_NE(text.find("0.10000000000000001 "), std::string::npos) << text;
}

TEST(OrbitOutput, LargeOrbitsAreWrittenCompletely)
{
    std::vector<StateVector> orbit(300000);
    for (std::size_t i = 0; i < orbit.size(); ++i)
        orbit[i] = StateVector(static_cast<double>(i), 0.5, -1.25, 0, 0, 0);
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(writeOrbitPoints(file, orbit, static_cast<int>(orbit.size()), 3));
    std::rewind(file);
    long lines = 0;
    int c = 0, last = 0;
    while ((c = std::fgetc(file)) != EOF) {
        lines += c == '\n';
        last = c;
    }
    std::fclose(file);
    EXPECT_EQ(lines, 300000);
    EXPECT_EQ(last, '\n');
}
