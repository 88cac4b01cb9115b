// The plot base: where values land, which entries the columns show, and the
// labels beside a plot.
#include "plots/plot_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr PlotScale kResponse{196, 195};

TEST(ValueToPixel, BoundsLandAtTheBaseAndTheTopAndValuesBetweenInOrder)
{
    EXPECT_EQ(valueToPixel(-2.0, -2.0, 3.0, kResponse), 196);
    EXPECT_EQ(valueToPixel(3.0, -2.0, 3.0, kResponse), 1);
    // Truncated toward zero: 196 - 0.5 * 195 = 98.5.
    EXPECT_EQ(valueToPixel(0.5, -2.0, 3.0, kResponse), 98);
    int previous = valueToPixel(-2.0, -2.0, 3.0, kResponse);
    for (double v = -1.9; v <= 3.0; v += 0.1) {
        const int y = valueToPixel(v, -2.0, 3.0, kResponse);
        EXPECT_LE(y, previous);
        previous = y;
    }
}

TEST(ValueToPixel, FlatBoundsAndUndefinedValuesGiveAPixelInsideThePlot)
{
    // Every value of a flat plot sits in the middle.
    for (const double v : {1.5, 0.0, 100.0})
        EXPECT_EQ(valueToPixel(v, 1.5, 1.5, kResponse), 99);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(valueToPixel(nan, 0.0, 1.0, kResponse), 196);
    EXPECT_EQ(valueToPixel(0.5, 0.0, inf, kResponse), 196);
    EXPECT_EQ(valueToPixel(0.5, nan, 1.0, kResponse), 196);
}

TEST(FixedColumns, SpreadTheIndicesEvenlyFromTheFirstPoint)
{
    const auto entries = fixedColumnEntries(10000, 396);
    ASSERT_EQ(entries.size(), 396u);
    EXPECT_EQ(entries[0], 0u);
    EXPECT_EQ(entries[395], 9973u);
    for (std::size_t m = 1; m < entries.size(); ++m)
        EXPECT_GE(entries[m], entries[m - 1]);
    // Fewer points than columns repeat entries and never pass the last.
    for (const std::size_t entry : fixedColumnEntries(5, 477))
        EXPECT_LT(entry, 5u);
    EXPECT_TRUE(fixedColumnEntries(0, 477).empty());
}

TEST(TimedColumns, GiveEachStretchOfTheOrbitTheWidthOfItsModelTime)
{
    // Equal steps of 0.5: column m stands for time m and shows the point
    // reached after the first step that passes it.
    const std::vector<double> equal(10, 0.5);
    EXPECT_EQ(timedColumnEntries(equal, 5.0, 3), (std::vector<std::size_t>{1, 3, 5}));

    // One time unit in 100 small steps, then one in 10 large ones: half of
    // the columns fall in each unit, not 100 of 110.
    std::vector<double> steps(100, 0.01);
    steps.insert(steps.end(), 10, 0.1);
    const auto entries = timedColumnEntries(steps, 2.0, 98);
    ASSERT_EQ(entries.size(), 98u);
    int inSmallSteps = 0;
    for (const std::size_t entry : entries) {
        EXPECT_LE(entry, steps.size());
        if (entry <= 100)
            ++inSmallSteps;
    }
    EXPECT_NEAR(inSmallSteps, 50, 1);
}

TEST(PlotLabels, RunFromTheHighBoundDownAndFromZeroAcross)
{
    const auto values = valueLabelValues(0.5, 2.5);
    EXPECT_DOUBLE_EQ(values[0], 2.5);
    EXPECT_DOUBLE_EQ(values[1], 1.5);
    EXPECT_DOUBLE_EQ(values[2], 0.5);
    const auto points = pointLabelValues(10001);
    EXPECT_EQ(points[0], 0);
    EXPECT_EQ(points[1], 5000);
    EXPECT_EQ(points[2], 10001);
}

}  // namespace
