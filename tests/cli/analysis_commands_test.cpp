// Runs the analysis commands of attrava-cli (lyapunov, response, reconstruct,
// recurrence) on the shipped model files and the sample data files, and
// compares what they print with the engine driven in process.
#include "cli/cli_tool_test.h"
#include "cli/model_session.h"
#include "dynamics/kaplan_yorke.h"
#include "dynamics/recurrence.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

using namespace cli_test;

namespace {

const std::string kOneToTen = ATTRAVA_SOURCE_DIR "/tests/data/series_1_to_10.txt";
const std::string kLorenzSeries = ATTRAVA_SOURCE_DIR "/tests/data/lorenz_x_series.txt";

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

class AnalysisCommands : public CliToolTest {
protected:
    // The Lorenz model file integrated in this process with `points` points.
    static void openLorenz(ModelSession& session, int points, double x0 = 1.0)
    {
        CollectingReporter reporter;
        ModelOptions options;
        options.points = points;
        options.initialValues = {{'x', x0}};
        ASSERT_TRUE(session.open(kLorenz, options, reporter))
            << (reporter.messages.empty() ? "" : reporter.messages[0]);
        session.engine.computeOrbit();
    }
};

TEST_F(AnalysisCommands, LyapunovPrintsTheSpectrumAndDimension)
{
    const Run run = runTool("lyapunov '" + kLorenz + "' --points 20000");
    ASSERT_EQ(run.status, 0) << run.err;

    ModelSession session;
    openLorenz(session, 20000);
    const StateVector spectrum = session.engine.lyapunovSpectrum();
    const double dimension = session.engine.lyapunovDimension();
    const std::vector<std::string> expected = {
        "x " + format("%.6f", spectrum[0]), "y " + format("%.6f", spectrum[1]),
        "z " + format("%.6f", spectrum[2]), "DL " + format("%.6f", dimension)};
    EXPECT_EQ(lines(run.out), expected);
}

TEST_F(AnalysisCommands, LyapunovJsonCarriesFullPrecision)
{
    const Run run = runTool("lyapunov '" + kLorenz + "' --points 5000 --json");
    ASSERT_EQ(run.status, 0) << run.err;

    ModelSession session;
    openLorenz(session, 5000);
    const StateVector spectrum = session.engine.lyapunovSpectrum();
    const std::string prefix = "{\"model\": \"Lorenz\", \"points\": 5000, \"diverged\": false, "
                               "\"spectrum\": [";
    ASSERT_EQ(run.out.substr(0, prefix.size()), prefix) << run.out;
    std::istringstream values(run.out.substr(prefix.size()));
    for (int k = 0; k < 3; ++k) {
        double value = 0;
        char separator = 0;
        values >> value >> separator;
        EXPECT_EQ(value, spectrum[k]) << "exponent " << k << " in " << run.out;
    }
    const std::string key = "], \"dimension\": ";
    const std::size_t at = run.out.find(key);
    ASSERT_NE(at, std::string::npos) << run.out;
    EXPECT_EQ(std::strtod(run.out.c_str() + at + key.size(), nullptr),
              kaplanYorkeDimension(spectrum, 3));
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
}

TEST_F(AnalysisCommands, DivergedOrbitHasNoValues)
{
    Run run = runTool("lyapunov '" + kLorenz + "' --points 100 --init x=2e6");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{"x -", "y -", "z -", "DL -"}));

    run = runTool("lyapunov '" + kLorenz + "' --points 100 --init x=2e6 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"model\": \"Lorenz\", \"points\": 0, \"diverged\": true, "
                       "\"spectrum\": [null, null, null], \"dimension\": null}\n");
}

// Equations that divide by zero (infinite or 0/0) or overflow: the orbit is
// cut as diverged, with the fixed and the automatic interval, and every
// analysis value is "-".
TEST_F(AnalysisCommands, DivisionByZeroAndOverflowDivergeWithoutValues)
{
    const char* equations[] = {"y/0", "(x-x)/(x-x)", "exp(exp(exp(x+10)))"};
    for (const char* equation : equations) {
        const fs::path model = work / "Broken.txt";
        std::ofstream(model) << "Dimension = 3\nParameter = 0\nFunction\n"
                             << equation << "\ny\nz\nSetting = 1.0,1.0,1.0\n";
        for (const char* interval : {"", " --auto 1e-7"}) {
            const Run run = runTool("lyapunov '" + model.string() + "' --points 200" + interval);
            ASSERT_EQ(run.status, 0) << equation << interval << ": " << run.err;
            EXPECT_EQ(lines(run.out), (std::vector<std::string>{"x -", "y -", "z -", "DL -"}))
                << equation << interval;
        }
    }
}

TEST_F(AnalysisCommands, ResponseWritesOneRowPerStep)
{
    const std::string csv = (work / "response.csv").string();
    const Run run = runTool("response '" + kLorenz + "' --points 800 --out '" + csv + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = lines(readText(csv));
    ASSERT_EQ(rows.size(), 800u);
    EXPECT_EQ(rows[0], "point,lambda_x,lambda_y,lambda_z,DL");

    ModelSession session;
    openLorenz(session, 800);
    DynamicsEngine& engine = session.engine;
    engine.lyapunovResponses(LyapunovResponses::SpectrumAndDimension);
    for (int i : {0, 400, 798}) {
        std::istringstream row(rows[i + 1]);
        std::string field;
        std::getline(row, field, ',');
        EXPECT_EQ(field, std::to_string(i + 1));
        for (int k = 0; k < 3; ++k) {
            std::getline(row, field, ',');
            EXPECT_EQ(std::strtod(field.c_str(), nullptr), engine.spectrumResponse[k][i])
                << "row " << i << " exponent " << k;
        }
        std::getline(row, field, ',');
        EXPECT_EQ(std::strtod(field.c_str(), nullptr), engine.dimensionResponse[i]) << "row " << i;
    }
}

TEST_F(AnalysisCommands, ReconstructWritesTheDelayVectors)
{
    Run run = runTool("reconstruct '" + kOneToTen + "' --dim 3 --delay 2");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1 3 5\n2 4 6\n3 5 7\n4 6 8\n5 7 9\n");

    const std::string out = (work / "vectors.txt").string();
    run = runTool("reconstruct '" + kLorenzSeries + "' --real-data --dim 4 --delay 5 --limit 1000 "
                  "--out '" + out + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> vectors = lines(readText(out));
    ASSERT_EQ(vectors.size(), 1000u - 15u - 1u);
    EXPECT_EQ(vectors[0], "4.7411519999999996 14.205617 -0.28041300000000002 -4.2532500000000004")
        << "the first vector takes values 1, 6, 11 and 16 of the file";
}

TEST_F(AnalysisCommands, ReconstructSaysWhereReadingStopped)
{
    // The layout guess passes over "4,5" (not a number) and reads integers.
    std::ofstream(work / "mixed.txt") << "1 2 3 4,5 6 7\n";
    const Run run = runTool("reconstruct '" + (work / "mixed.txt").string() + "' --dim 3 --delay 1");
    ASSERT_EQ(run.status, 0) << run.err;
    // 4 values kept, so 4 - 2 - 1 = 1 vector.
    EXPECT_EQ(run.out, "1 2 3\n");
    EXPECT_NE(run.err.find("reading stopped at value 5: \",5\""), std::string::npos) << run.err;
}

TEST_F(AnalysisCommands, RecurrenceWritesTheImage)
{
    const std::string image = (work / "plot.ppm").string();
    Run run = runTool("recurrence '" + kLorenz + "' --points 10000 --out '" + image + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> printed = lines(run.out);
    ASSERT_EQ(printed.size(), 4u) << run.out;
    EXPECT_EQ(printed[0], "N 500");
    EXPECT_EQ(printed[1], "stride 20");

    ModelSession session;
    openLorenz(session, 10000);
    RecurrenceMatrix matrix;
    matrix.compute(session.engine, 500);
    EXPECT_EQ(printed[2], "dMin " + format("%.6e", matrix.dMin));
    EXPECT_EQ(printed[3], "dMax " + format("%.6e", matrix.dMax));
    const std::string header = "P6\n500 500\n255\n";
    const std::vector<unsigned char> pixels = renderRecurrenceImage(matrix);
    EXPECT_EQ(readText(image), header + std::string(pixels.begin(), pixels.end()));

    run = runTool("recurrence --series '" + kLorenzSeries +
                  "' --real-data --dim 3 --delay 3 --size 400 --out '" + image + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out)[0], "N 400");
    EXPECT_EQ(lines(run.out)[1], "stride 7") << "2993 vectors over 400 points";
    EXPECT_EQ(readText(image).size(), std::string("P6\n400 400\n255\n").size() + 400u * 400u * 3u);
}

TEST_F(AnalysisCommands, FailuresExitNonZeroWithAMessage)
{
    const std::string image = "--out '" + (work / "x.ppm").string() + "'";
    struct Case {
        std::string arguments, message;
    };
    const Case cases[] = {
        {"reconstruct '" + (work / "none.txt").string() + "' --dim 3 --delay 1",
         "cannot open the data file"},
        {"reconstruct '" + kOneToTen + "' --delay 1", "--dim and --delay are required"},
        {"reconstruct '" + kOneToTen + "' --dim 7 --delay 1", "invalid value for --dim"},
        {"reconstruct", "no data file given"},
        {"lyapunov '" + kLorenz + "' --verbose", "unknown option --verbose"},
        {"response", "no model file given"},
        {"recurrence " + image, "give either a model file or --series"},
        {"recurrence '" + kLorenz + "' --series '" + kOneToTen + "' " + image,
         "give either a model file or --series"},
        {"recurrence '" + kLorenz + "' --dim 3 " + image, "series options need --series"},
        {"recurrence --series '" + kOneToTen + "' --dim 3 --delay 1 --points 5 " + image,
         "model options need a model file"},
        {"recurrence '" + kLorenz + "' --size 0 " + image, "invalid value for --size"},
        {"recurrence '" + kLorenz + "'", "--out FILE.ppm is required"},
    };
    for (const Case& c : cases) {
        const Run run = runTool(c.arguments);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
}

}  // namespace
