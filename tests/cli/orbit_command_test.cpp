// Runs the attrava-cli executable on the shipped Lorenz model file and on
// broken inputs, and compares its output with an engine driven in process.
#include "cli/cli_tool_test.h"
#include "cli/model_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

using namespace cli_test;

namespace {

std::vector<std::vector<double>> parsePoints(const std::string& text, int fieldsPerLine)
{
    std::vector<std::vector<double>> points;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<double> point;
        std::string field;
        while (fields >> field)
            point.push_back(std::strtod(field.c_str(), nullptr));
        EXPECT_EQ(static_cast<int>(point.size()), fieldsPerLine) << "line \"" << line << "\"";
        points.push_back(point);
    }
    return points;
}

class OrbitCommand : public CliToolTest {
protected:

    // The orbit of the same model computed in this process.
    static std::vector<StateVector> engineOrbit(const ModelOptions& options,
                                                const std::string& modelFile = kLorenz)
    {
        CollectingReporter reporter;
        ModelSession session;
        EXPECT_TRUE(session.open(modelFile, options, reporter))
            << (reporter.messages.empty() ? "" : reporter.messages[0]);
        session.engine.computeOrbit();
        const auto& orbit = session.engine.orbit;
        return {orbit.begin(), orbit.begin() + session.engine.recordInUse.validPointCount};
    }

    static void expectSamePoints(const std::vector<StateVector>& expected,
                                 const std::vector<std::vector<double>>& actual, int dimension = 3)
    {
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            for (int k = 0; k < dimension; ++k)
                ASSERT_EQ(actual[i][k], expected[i][k]) << "point " << i << " component " << k;
    }
};

}  // namespace

// Long orbits are integrated and written a stretch at a time: the text is
// still that of one orbit, also when it diverges in a later stretch.
TEST_F(OrbitCommand, LorenzPrintsEveryPointExactly)
{
    const Run run = runTool("orbit '" + kLorenz + "' --points 40000");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "1 1 20");
    ModelOptions options;
    options.points = 40000;
    expectSamePoints(engineOrbit(options), parsePoints(run.out, 3));
    EXPECT_NE(run.err.find("40000 of 40000 points valid, not diverged"), std::string::npos) << run.err;
    EXPECT_TRUE(temporaryFoldersRemoved());

    // e^(0.046 t) passes the divergence bound near t = 300, point 30,034.
    const std::string growth = (work / "Growth.txt").string();
    std::ofstream(growth) << "Dimension = 1\nParameter = 0\nFunction\n0.046*x\nSetting = 1.0\n";
    const Run diverging = runTool("orbit '" + growth + "' --points 40000 --interval 0.01");
    ASSERT_EQ(diverging.status, 0) << diverging.err;
    options.interval = 0.01;
    const std::vector<StateVector> expected = engineOrbit(options, growth);
    ASSERT_GT(expected.size(), 20000u);
    ASSERT_LT(expected.size(), 40000u);
    expectSamePoints(expected, parsePoints(diverging.out, 1), 1);
    EXPECT_NE(diverging.err.find(std::to_string(expected.size()) + " of 40000 points valid, diverged"),
              std::string::npos)
        << diverging.err;
}

TEST_F(OrbitCommand, OptionsOverrideTheModelFileAndOutGoesToAFile)
{
    const std::string outFile = (work / "orbit.txt").string();
    const Run run = runTool("orbit '" + kLorenz +
                            "' --points 60 --auto 1e-6 --interval 0.02 --param b=20 --init z=5 --out '" +
                            outFile + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    ModelOptions options;
    options.points = 60;
    options.autoAccuracy = 1e-6;
    options.interval = 0.02;
    options.parameters = {{'b', 20.0}};
    options.initialValues = {{'z', 5.0}};
    const std::vector<StateVector> expected = engineOrbit(options);
    EXPECT_EQ(expected[0][2], 5.0);
    expectSamePoints(expected, parsePoints(readText(outFile), 3));
}

TEST_F(OrbitCommand, DivergedOrbitIsNotAFailure)
{
    const Run run = runTool("orbit '" + kLorenz + "' --points 10 --init x=3e6");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("0 of 10 points valid, diverged"), std::string::npos) << run.err;
}

TEST_F(OrbitCommand, FailuresExitNonZeroWithAMessage)
{
    fs::copy_file(kLorenz, work / "9Lorenz.txt");
    std::string lorenz = readText(kLorenz);
    lorenz.replace(lorenz.find("a*y-a*x"), 7, "a*y-a*");
    std::ofstream(work / "Broken.txt") << lorenz;

    struct Case {
        std::string arguments, environment, message;
    };
    const Case cases[] = {
        {"orbit '" + (work / "Missing.txt").string() + "'", "", "cannot read the model file"},
        {"orbit '" + (work / "9Lorenz.txt").string() + "'", "", "not a valid model name"},
        {"orbit '" + (work / "Broken.txt").string() + "'", "", "dx/dt"},
        {"orbit '" + kLorenz + "'", "ATTRAVA_CC=/bin/false", "compiling the model failed"},
        {"orbit '" + kLorenz + "' --param d=1", "", "parameter d is not used"},
        {"orbit '" + kLorenz + "' --points -5", "", "invalid value for --points"},
        {"orbit '" + kLorenz + "' --fast", "", "unknown option --fast"},
        {"orbit", "", "no model file given"},
        {"orbits", "", "unknown command"},
    };
    for (const Case& c : cases) {
        const Run run = runTool(c.arguments, c.environment);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments;
        EXPECT_NE(run.err.find("attrava-cli: "), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_TRUE(temporaryFoldersRemoved()) << c.arguments;
    }
}
