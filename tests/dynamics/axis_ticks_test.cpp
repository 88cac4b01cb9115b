// The scale numbers of the measured axes frame: known frames, and the orbits
// that would otherwise never finish scaling or pile up equal numbers.
#include "dynamics/axis_ticks.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

StateVector uniform(double value) { return {value, value, value, value, value, value}; }

TEST(AxisTicks, WholeNumbersForARangeOfTens)
{
    const AxisTicks ticks = computeAxisTicks(uniform(-20.0), uniform(25.0), 3, 6);
    EXPECT_EQ(ticks.precision, 1.0);
    EXPECT_EQ(ticks.decimals, 0);
    const std::vector<double> expected{-20, -13, -6, 1, 8, 15, 22};
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(tickValues(ticks, k), expected) << "component " << k;
    EXPECT_EQ(tickLabel(-13.0, ticks.decimals), "-13");
}

TEST(AxisTicks, ThousandthsForASmallRangeAndNarrowComponentsWidened)
{
    const StateVector lo{0.012, 0.014, 0.0, 0.0, 0.0, 0.0};
    const StateVector hi{0.019, 0.015, 0.0, 0.0, 0.0, 0.0};
    const AxisTicks ticks = computeAxisTicks(lo, hi, 2, 6);
    EXPECT_DOUBLE_EQ(ticks.precision, 1000.0);
    EXPECT_EQ(ticks.decimals, 3);
    const std::vector<double> x = tickValues(ticks, 0);
    ASSERT_EQ(x.size(), 8u);
    EXPECT_EQ(tickLabel(x.front(), ticks.decimals), "0.012");
    EXPECT_EQ(tickLabel(x.back(), ticks.decimals), "0.019");
    // y spans a seventh of x's range but gets numbers over the widened range,
    // and its box grows to hold them.
    EXPECT_LT(ticks.boxMin[1], lo[1]);
    EXPECT_GT(ticks.boxMax[1], hi[1]);
    for (int k = 0; k < 2; ++k) {
        EXPECT_LE(ticks.boxMin[k], lo[k]);
        EXPECT_GE(ticks.boxMax[k], hi[k]);
    }
}

TEST(AxisTicks, AnOrbitAtOnePointOrTooFewNumbersStillFinish)
{
    const AxisTicks still = computeAxisTicks(uniform(3.4), uniform(3.4), 3, 6);
    EXPECT_EQ(still.precision, 1.0);
    EXPECT_EQ(tickValues(still, 0), std::vector<double>{3.0});

    for (int numbers : {0, -5}) {
        const AxisTicks few = computeAxisTicks(uniform(0.0), uniform(45.0), 3, numbers);
        EXPECT_EQ(few.precision, 0.1) << numbers;
        EXPECT_FALSE(tickValues(few, 0).empty()) << numbers;
    }
    const double inf = std::numeric_limits<double>::infinity();
    const AxisTicks endless = computeAxisTicks(uniform(0.0), uniform(inf), 3, 6);
    EXPECT_EQ(endless.precision, 1.0);
}

TEST(AxisTicks, AStepCutToZeroGivesOneNumberNotAPile)
{
    // One number over 0.2 .. 0.3: precision 10, and the step (0.3 − 0.2)/1 is
    // a hair below 0.1, which cuts to 0 at that precision.
    const AxisTicks ticks = computeAxisTicks(uniform(0.2), uniform(0.2 + 0.1), 1, 1);
    EXPECT_EQ(ticks.precision, 10.0);
    ASSERT_EQ(ticks.tickStep[0], 0.0);
    EXPECT_EQ(tickValues(ticks, 0), std::vector<double>{ticks.tickStart[0]});
}

TEST(AxisTicks, ManyNumbersStopAtTheCap)
{
    AxisTicks ticks = computeAxisTicks(uniform(0.0), uniform(1000.0), 1, 6);
    ticks.tickStep[0] = 1.0;
    EXPECT_EQ(static_cast<int>(tickValues(ticks, 0).size()), kMaxTickCount);
}

TEST(AxisTicks, FittedLengthIsTheLargestBound)
{
    const StateVector lo{-3.0, 1.0, 0.0, -100.0, 0.0, 0.0};
    const StateVector hi{8.0, 2.0, 0.5, 100.0, 0.0, 0.0};
    EXPECT_EQ(fittedAxisLength(lo, hi, 3), 8.0);
    EXPECT_EQ(fittedAxisLength(lo, hi, 4), 100.0);
    EXPECT_EQ(fittedAxisLength(lo, hi, 0), 0.0);
}

} // namespace
