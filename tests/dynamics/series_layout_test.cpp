#include "dynamics/series_layout.h"

#include <gtest/gtest.h>

namespace {

void expectLayout(std::string_view text, bool timeColumn, bool realData, bool realTime)
{
    const SeriesLayout layout = detectSeriesLayout(text);
    EXPECT_EQ(layout.timeColumn, timeColumn) << text;
    EXPECT_EQ(layout.realData, realData) << text;
    EXPECT_EQ(layout.realTime, realTime) << text;
}

TEST(SeriesLayout, TellsIntegersFromRealsAndFindsTheTimeColumn)
{
    expectLayout("1 2 3\n4 5\n", false, false, false);
    expectLayout("1\n2\n3.5\n", false, true, false);
    expectLayout("1\n2e3\n", false, true, false);
    // Too large for a 32-bit integer: only a real conversion keeps it.
    expectLayout("1\n3000000000\n", false, true, false);
    expectLayout("1700 5\n1701 11\n1702 16.5\n", true, true, false);
    expectLayout("0.0 4\r\n0.5 7\r\n1.0 9\r\n", true, false, true);
    // A heading is passed over.
    expectLayout("YEAR VALUE\n1 2.5\n2 3.5\n", true, true, false);
}

TEST(SeriesLayout, PairsThatDoNotRiseInTheFirstColumnAreData)
{
    expectLayout("5 3\n4 2\n", false, false, false);
    expectLayout("1 2\n2 3\n4\n", false, false, false);
    // A single pair is no evidence of a time column.
    expectLayout("1 2.5\n", false, true, false);
    expectLayout("", false, false, false);
}

TEST(SeriesLayout, MissingFileGivesNothing)
{
    EXPECT_FALSE(detectSeriesLayoutOfFile("/nonexistent/attrava/series.txt"));
}

}  // namespace
