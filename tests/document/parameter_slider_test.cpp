// The slider mapping of the parameter setting window: known positions with
// their rounding, values outside the limits at the nearest end, rows without
// a range, and that every position survives the trip through its value.
#include "document/parameter_slider.h"

#include <gtest/gtest.h>

namespace {

TEST(ParameterSlider, PositionsRoundHalfUpAndStayOnTheSlider)
{
    EXPECT_EQ(sliderPosition(2.5, 0.0, 10.0), 250);
    EXPECT_DOUBLE_EQ(sliderValue(251, 0.0, 10.0), 2.51);
    EXPECT_EQ(sliderPosition(2.504, 0.0, 10.0), 250) << "0.4 of a step rounds down";
    EXPECT_EQ(sliderPosition(2.506, 0.0, 10.0), 251) << "0.6 of a step rounds up";
    EXPECT_EQ(sliderPosition(28.0, 0.0, 100.0), 280);
    EXPECT_EQ(sliderPosition(-0.5, -1.0, 1.0), 250);
    // Values outside the limits are allowed; the slider shows the nearest end.
    EXPECT_EQ(sliderPosition(20.0, 0.0, 10.0), 1000);
    EXPECT_EQ(sliderPosition(-3.0, 0.0, 10.0), 0);
}

TEST(ParameterSlider, EqualLimitsHaveNoPosition)
{
    EXPECT_EQ(sliderPosition(5.0, 5.0, 5.0), std::nullopt);
    EXPECT_EQ(sliderPosition(0.0, 0.0, 0.0), std::nullopt);
    EXPECT_DOUBLE_EQ(sliderValue(700, 5.0, 5.0), 5.0);
}

TEST(ParameterSlider, EveryPositionComesBackFromItsValue)
{
    for (const auto& [m, M] : {std::pair{0.0, 10.0}, std::pair{-3.7, 12.9}, std::pair{0.001, 0.002},
                               std::pair{-1e6, 1e6}}) {
        for (int s = 0; s <= kParameterSliderSteps; ++s)
            ASSERT_EQ(sliderPosition(sliderValue(s, m, M), m, M), s) << m << " .. " << M;
    }
}

}  // namespace
