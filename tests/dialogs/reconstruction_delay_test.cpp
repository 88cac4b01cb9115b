// The delay slider of the reconstruction window: its range from the number
// of values, the positions and delays it trades, and a series too short for
// the dimension, which must give neither a division by zero nor delay 0.
#include "dialogs/reconstruction_window.h"

#include <gtest/gtest.h>

namespace {

TEST(ReconstructionDelay, SliderRangeFollowsTheValuesAndStopsAtOneHundred)
{
    EXPECT_EQ(reconstructionMaxDelay(250, 3), 83);
    EXPECT_EQ(reconstructionMaxDelay(10000, 3), 100);
    EXPECT_EQ(reconstructionMaxDelay(2, 3), 0);
    EXPECT_EQ(reconstructionMaxDelay(0, 3), 0);
}

TEST(ReconstructionDelay, PositionsAndDelaysMatchAndNeverGiveDelayZero)
{
    EXPECT_EQ(delayOfSliderPosition(1000, 100), 100);
    EXPECT_EQ(delayOfSliderPosition(15, 100), 1);
    EXPECT_EQ(delayOfSliderPosition(0, 100), 1);
    EXPECT_EQ(delaySliderPosition(4, 100), 40);
    EXPECT_EQ(delaySliderPosition(7, 83), 84);
    // A delay beyond the slider's reach leaves it at its right end.
    EXPECT_EQ(delaySliderPosition(500, 100), 1000);
    // No range: the slider stays at 0 and stands for delay 1.
    EXPECT_EQ(delaySliderPosition(5, 0), 0);
    EXPECT_EQ(delayOfSliderPosition(700, 0), 1);
}

}  // namespace
