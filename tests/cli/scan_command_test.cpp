// attrava-cli scan: the road from a model file to CSV and picture, the shard
// files that put together and sorted give the file of one run, and the
// option texts the scan parses.
#include "cli/scan_options.h"

#include "cli/cli_tool_test.h"

#include <algorithm>
#include <vector>

namespace {

using cli_test::CliToolTest;
using cli_test::kLorenz;

std::vector<std::string> sortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

class ScanCommand : public CliToolTest {};

TEST_F(ScanCommand, ShardsPutTogetherAndSortedAreTheFileOfOneRun)
{
    for (const std::string scan : {"--param b=20:40:7 --points 1500 --transient 300",
                                   "--param b=20:40:4 --param2 a=8:12:3 --kind spectrum --points 800 "
                                   "--transient 100 --continue"}) {
        const std::string args = "scan '" + kLorenz + "' " + scan;
        const auto whole = runTool(args + " --threads 2");
        ASSERT_EQ(whole.status, 0) << whole.err;
        const std::vector<std::string> lines = sortedLines(whole.out);
        EXPECT_EQ(whole.out.front(), '#') << "the header comes first";
        std::string together;
        for (int shard = 0; shard < 3; ++shard) {
            const auto part = runTool(args + " --threads 1 --shard " + std::to_string(shard) + "/3");
            ASSERT_EQ(part.status, 0) << part.err;
            together += part.out;
        }
        EXPECT_EQ(sortedLines(together), lines) << scan;
        std::string joined;
        for (const std::string& line : lines)
            joined += line + "\n";
        EXPECT_EQ(joined, whole.out) << "one run is already in sorted order";
    }
    EXPECT_TRUE(temporaryFoldersRemoved());
}

TEST_F(ScanCommand, WritesThePictureAndRefusesWhatTheModelLacks)
{
    const auto run = runTool("scan '" + kLorenz + "' --param b=20:30:3 --points 500 --transient 10 "
                             "--kind section --section x=0 --var y --out '" + (work / "s.csv").string() +
                             "' --image '" + (work / "s.png").string() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(cli_test::readText(work / "s.png").substr(1, 3), "PNG");
    EXPECT_EQ(cli_test::readText(work / "s.csv").substr(0, 9), "#i,k,b,y\n");

    EXPECT_NE(runTool("scan '" + kLorenz + "' --param e=0:1:3").status, 0) << "Lorenz has a, b, c";
    EXPECT_NE(runTool("scan '" + kLorenz + "' --param b=0:1:3 --var w").status, 0);
    EXPECT_NE(runTool("scan '" + kLorenz + "' --param b=0:1:3 --param2 b=0:1:2").status, 0);
}

TEST(ScanOptions, TextsAndTheirRefusals)
{
    ScanAxis axis;
    EXPECT_EQ(parseScanAxis("c=1.5:-2:40", axis), "");
    EXPECT_EQ(axis.parameter, 2);
    EXPECT_EQ(axis.valueAt(0), 1.5);
    EXPECT_EQ(axis.valueAt(39), -2.0);
    for (const char* bad : {"c=1:2", "k=1:2:3", "c=1:2:0", "c=1:x:3", "c1:2:3", "c=1:2:3:4"})
        EXPECT_NE(parseScanAxis(bad, axis), "") << bad;

    int index = 0, count = 0;
    EXPECT_EQ(parseShard("2/5", index, count), "");
    EXPECT_EQ(index, 2);
    EXPECT_EQ(count, 5);
    for (const char* bad : {"5/5", "-1/3", "1/0", "1"})
        EXPECT_NE(parseShard(bad, index, count), "") << bad;

    int variable = 0;
    double level = 0.0;
    EXPECT_EQ(parseSectionPlane("w=-0.25", variable, level), "");
    EXPECT_EQ(variable, 3);
    EXPECT_EQ(level, -0.25);
    EXPECT_NE(parseSectionPlane("q=1", variable, level), "");
}

}  // namespace
