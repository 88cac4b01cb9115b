// The option blocks of the commands (model options beside a command's own),
// the refusals the tool reports for them, and the orbit text output.
#include "cli/cli_tool.h"
#include "cli/model_options.h"
#include "cli/option_checks.h"
#include "cli/orbit_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <sstream>

namespace {

// A command with a required input file, the model options and --out FILE.
struct ModelCommand {
    CLI::App parser;
    ModelOptions options;
    std::string file, outPath;

    ModelCommand()
    {
        parser.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        addInputFile(parser, file, "MODEL_FILE", "the model file", true);
        addModelOptions(parser, options);
        addOutputOption(parser, outPath, "FILE", "output");
    }

    // The tool's text for a refused line; nothing when the line was taken.
    std::optional<std::string> parse(std::vector<std::string> args)
    {
        std::reverse(args.begin(), args.end());  // the parser takes the last argument first
        try {
            parser.parse(args);
        } catch (const CLI::ParseError& error) {
            return describeParseError(parser, error);
        }
        return std::nullopt;
    }
};

}  // namespace

TEST(ModelOptions, ReadsEveryModelOption)
{
    ModelCommand command;
    const std::optional<std::string> error =
        command.parse({"m.txt", "--points", "250", "--interval", "0.005", "--auto", "1e-9", "--param",
                       "b=20.5", "--init", "w=-3", "--param", "j=1"});
    ASSERT_FALSE(error) << *error;
    const ModelOptions& options = command.options;
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
    const std::vector<std::string> refused[] = {
        {"--points", "0"},        {"--points", "12x"},     {"--points", "10000001"},
        {"--interval", "-0.01"},  {"--interval", "inf"},   {"--auto", "0"},
        {"--param", "k=1"},       {"--param", "a:1"},      {"--init", "q=1"},
        {"--init", "x="},         {"--init", "x=nan"},     {"--points"},
    };
    for (std::vector<std::string> args : refused) {
        ModelCommand command;
        args.insert(args.begin(), "m.txt");
        const std::optional<std::string> error = command.parse(args);
        ASSERT_TRUE(error) << args[1] << " " << args.back();
        EXPECT_NE(error->find(args[1]), std::string::npos) << "names the option: " << *error;
    }
}

TEST(ModelOptions, LeavesOtherArgumentsToTheCommand)
{
    ModelCommand command;
    const std::optional<std::string> error =
        command.parse({"--out", "file.txt", "m.txt", "--points", "5"});
    ASSERT_FALSE(error) << *error;
    EXPECT_EQ(command.outPath, "file.txt");
    EXPECT_EQ(command.file, "m.txt");
    EXPECT_EQ(command.options.points, 5);
    EXPECT_TRUE(command.options.parameters.empty());
}

TEST(CommandLine, NumbersAreDecimalAndTheLastRepetitionHolds)
{
    ModelCommand command;
    ASSERT_FALSE(command.parse({"m.txt", "--points", "010", "--points", "0012"}));
    EXPECT_EQ(command.options.points, 12) << "a leading zero is no octal prefix";
}

TEST(CommandLine, RefusalsNameWhatIsWrong)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"m.txt", "--points", "0"}, "invalid value for --points: \"0\" (1 to 10000000)"},
        {{"m.txt", "--fast"}, "unknown option --fast"},
        {{"m.txt", "n.txt"}, "more than one input file given (n.txt)"},
        {{"--points", "5"}, "no model file given"},
    };
    for (const auto& [args, message] : cases) {
        ModelCommand command;
        EXPECT_EQ(command.parse(args).value_or("taken"), message) << args.back();
    }
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
