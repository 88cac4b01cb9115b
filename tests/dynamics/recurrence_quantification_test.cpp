#include "dynamics/recurrence_quantification.h"

#include "series_analysis_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

PhasePoints embed(const std::vector<double>& series, int dimension, int delay)
{
    PhasePoints points;
    EXPECT_EQ(delayEmbed(series, dimension, delay, points), SeriesError::None);
    return points;
}

// Seven values on a line, eps 0.5: the six zeros (points 0-3, 5, 6) recur
// with each other, point 4 with nothing. Counted by hand over the 7 x 7
// matrix without its diagonal (42 cells, 30 recurrences):
//   diagonal lines of the upper triangle by offset d = j - i:
//     d=1: (0,1)(1,2)(2,3) length 3, (5,6) 1     d=2: (0,2)(1,3) 2, (3,5) 1
//     d=3: (0,3) 1, (2,5)(3,6) 2                 d=4: (1,5)(2,6) 2
//     d=5: (0,5)(1,6) 2                          d=6: (0,6) 1
//   so, both triangles, lines of length >= 2: 2 of 3 and 8 of 2;
//   vertical lines by column: 0: rows 1-3, 5-6; 1: 0, 2-3, 5-6;
//   2: 0-1, 3, 5-6; 3: 0-2, 5-6; 5: 0-3, 6; 6: 0-3, 5
//   so, of length >= 2: 2 of 4, 2 of 3, 6 of 2 (26 recurrences in 10 lines).
TEST(RecurrenceQuantification, HandCountedMatrix)
{
    RecurrenceOptions options;
    options.epsilon = 0.5;
    const RecurrenceQuantities q =
        quantifyRecurrence(embed({0, 0, 0, 0, 5, 0, 0}, 1, 1), options);
    ASSERT_EQ(q.error, SeriesError::None);
    EXPECT_DOUBLE_EQ(q.RR, 30.0 / 42.0);
    EXPECT_DOUBLE_EQ(q.DET, 22.0 / 30.0);
    EXPECT_DOUBLE_EQ(q.L, 22.0 / 10.0);
    EXPECT_EQ(q.Lmax, 3);
    EXPECT_NEAR(q.ENTR, -(0.2 * std::log(0.2) + 0.8 * std::log(0.8)), 1e-12);
    EXPECT_DOUBLE_EQ(q.LAM, 26.0 / 30.0);
    EXPECT_DOUBLE_EQ(q.TT, 26.0 / 10.0);

    // A band of width 3 also removes the offsets 1 and 2: 20 cells remain,
    // of which 16 recur (d=3: 3, d=4: 2, d=5: 2, d=6: 1 in each triangle).
    options.theilerWindow = 3;
    const RecurrenceQuantities banded =
        quantifyRecurrence(embed({0, 0, 0, 0, 5, 0, 0}, 1, 1), options);
    EXPECT_DOUBLE_EQ(banded.RR, 16.0 / 20.0);
    EXPECT_EQ(banded.Lmax, 2);
}

TEST(RecurrenceQuantification, SineIsDeterministicNoiseIsNot)
{
    RecurrenceOptions options;
    options.targetRate = 0.05;
    const RecurrenceQuantities sine =
        quantifyRecurrence(embed(series_data::sine(3000, 16.0 * std::numbers::pi), 2, 13), options);
    ASSERT_EQ(sine.error, SeriesError::None);
    EXPECT_NEAR(sine.RR, 0.05, 0.005);
    EXPECT_GT(sine.DET, 0.95);

    const RecurrenceQuantities noise =
        quantifyRecurrence(embed(series_data::uniformNoise(3000), 1, 1), options);
    ASSERT_EQ(noise.error, SeriesError::None);
    EXPECT_NEAR(noise.RR, 0.05, 0.005);
    EXPECT_LT(noise.DET, 0.3);
    for (const RecurrenceQuantities* q : {&sine, &noise}) {
        EXPECT_GE(q->L, 2.0);
        EXPECT_GE(static_cast<double>(q->Lmax), q->L);
        EXPECT_GE(q->LAM, 0.0);
        EXPECT_LE(q->LAM, 1.0);
    }
}

TEST(RecurrenceQuantification, SampledRadiusMeetsTheTargetRate)
{
    // 4000 points hold eight million pairs, and two million outside a band
    // of 2000, so the radius comes from a sample.
    const PhasePoints points = embed(series_data::uniformNoise(4001, 3), 2, 1);
    for (int window : {1, 2000})
        for (double rate : {0.02, 0.1}) {
            RecurrenceOptions options;
            options.targetRate = rate;
            options.theilerWindow = window;
            const RecurrenceQuantities q = quantifyRecurrence(points, options);
            EXPECT_NEAR(q.RR, rate, 0.1 * rate) << "rate " << rate << " window " << window;
            EXPECT_EQ(q.epsilon, radiusForRecurrenceRate(points, rate, window));
        }
}

TEST(RecurrenceQuantification, RefusesMeaninglessSettings)
{
    const PhasePoints points = embed({1, 2, 3, 4}, 1, 1);
    RecurrenceOptions options;
    EXPECT_EQ(quantifyRecurrence(points, options).error, SeriesError::InvalidParameter);
    options.targetRate = 1.0;
    EXPECT_EQ(quantifyRecurrence(points, options).error, SeriesError::InvalidParameter);
    options.epsilon = -1.0;
    EXPECT_EQ(quantifyRecurrence(points, options).error, SeriesError::InvalidParameter);
    options.epsilon = 1.0;
    options.theilerWindow = 4;
    EXPECT_EQ(quantifyRecurrence(points, options).error, SeriesError::TooFewVectors);
    EXPECT_EQ(quantifyRecurrence(embed({1, 2}, 1, 1), {.epsilon = 1.0}).error, SeriesError::None);
}

}  // namespace
