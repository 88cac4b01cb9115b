// The automatic scale and the wheel zoom as pure rules.
#include "document/scale_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(AutoScale, FitsTheLargestExtentOfTheUsedComponents)
{
    const StateVector minimum{-10.0, -20.0, 0.0, -500.0, 0.0, 0.0};
    const StateVector maximum{10.0, 30.0, 40.0, 500.0, 0.0, 0.0};
    // y spans 50, the widest of x, y, z; w is beyond the dimension.
    const auto scale = autoScaleFor(minimum, maximum, 3, 2.5);
    ASSERT_TRUE(scale);
    EXPECT_DOUBLE_EQ(*scale, (100.0 / 50.0) / 2.5);
    // With four components w's span of 1000 counts.
    EXPECT_DOUBLE_EQ(*autoScaleFor(minimum, maximum, 4, 2.5), (100.0 / 1000.0) / 2.5);
}

TEST(AutoScale, NoFitWithoutExtentOrDisplayScale)
{
    const StateVector point{1.0, 2.0, 3.0, 0.0, 0.0, 0.0};
    EXPECT_FALSE(autoScaleFor(point, point, 3, 10.0));
    EXPECT_FALSE(autoScaleFor(StateVector{}, StateVector{1.0, 1.0, 1.0, 0, 0, 0}, 3, 0.0));
    EXPECT_FALSE(autoScaleFor(StateVector{}, StateVector{1.0, 1.0, 1.0, 0, 0, 0}, 0, 10.0));
}

TEST(WheelZoom, NotchesHalveAndDouble)
{
    EXPECT_DOUBLE_EQ(wheelZoomed(1.0, 120), 0.5);
    EXPECT_DOUBLE_EQ(wheelZoomed(1.0, -120), 2.0);
    EXPECT_DOUBLE_EQ(wheelZoomed(3.0, -240), 12.0);
    EXPECT_DOUBLE_EQ(wheelZoomed(3.0, 360), 0.375);
}

TEST(WheelZoom, PartialNotchesTruncateTowardZero)
{
    EXPECT_DOUBLE_EQ(wheelZoomed(5.0, 60), 5.0);
    EXPECT_DOUBLE_EQ(wheelZoomed(5.0, -119), 5.0);
    EXPECT_DOUBLE_EQ(wheelZoomed(5.0, 239), 2.5);
    EXPECT_DOUBLE_EQ(wheelZoomed(5.0, -239), 10.0);
}

TEST(WheelZoom, AHugeTurnKeepsTheScaleFinite)
{
    const int huge = std::numeric_limits<int>::max();
    EXPECT_DOUBLE_EQ(wheelZoomed(1.0, -huge), 1.0);
    EXPECT_DOUBLE_EQ(wheelZoomed(1.0, huge), 1.0);
}

TEST(ScaleTable, ExactMembershipOnly)
{
    double table[kScaleTableSize];
    std::copy(kScaleTableValues.begin(), kScaleTableValues.end(), table);
    EXPECT_TRUE(isTableScale(0.005, table));
    EXPECT_TRUE(isTableScale(100.0, table));
    EXPECT_FALSE(isTableScale(0.3, table));
    EXPECT_FALSE(isTableScale(std::nextafter(5.0, 6.0), table));
}

} // namespace
