#include "dynamics/series_lyapunov.h"

#include "series_analysis_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stop_token>
#include <utility>

namespace {

TEST(SeriesLyapunov, LogisticMapDivergesAtLnTwoPerStep)
{
    SeriesLyapunovOptions options;
    options.theilerWindow = 1;
    options.steps = 12;
    options.fitFirst = 0;
    options.fitLast = 6;
    options.samplingInterval = 0.5;
    for (int dimension : {1, 2}) {
        const SeriesLyapunovResult result =
            largestLyapunovExponent(series_data::logisticMap(10000), dimension, 1, options);
        ASSERT_EQ(result.error, SeriesError::None);
        ASSERT_EQ(result.divergence.size(), 13u);
        EXPECT_NEAR(result.slope, std::log(2.0), 0.03) << "dimension " << dimension;
        EXPECT_DOUBLE_EQ(result.exponent, result.slope / 0.5);
    }
}

TEST(SeriesLyapunov, DefaultsFollowTheDelayAndKeepTheFitInsideTheCurve)
{
    const SeriesLyapunovOptions defaults = resolvedOptions({}, 3, 18);
    EXPECT_GE(defaults.theilerWindow, 2 * 18 + 1);  // beyond one vector's span
    EXPECT_LT(defaults.fitFirst, defaults.fitLast);
    EXPECT_LE(defaults.fitLast, defaults.steps);
    SeriesLyapunovOptions shortCurve;
    shortCurve.steps = 5;
    const SeriesLyapunovOptions cut = resolvedOptions(shortCurve, 3, 18);
    EXPECT_EQ(cut.steps, 5);
    EXPECT_LE(cut.fitLast, 5);
    EXPECT_LT(cut.fitFirst, cut.fitLast);
}

TEST(SeriesLyapunov, BadEmbeddingsAndRangesGiveErrorValues)
{
    const auto series = series_data::logisticMap(50);
    EXPECT_EQ(largestLyapunovExponent(series, 3, 0).error, SeriesError::DelayNotPositive);
    EXPECT_EQ(largestLyapunovExponent(series, 11, 1).error, SeriesError::DimensionOutOfRange);
    EXPECT_EQ(largestLyapunovExponent(series, 3, 25).error, SeriesError::TooFewVectors);
    SeriesLyapunovOptions options;
    options.fitFirst = 4;
    options.fitLast = 4;
    EXPECT_EQ(largestLyapunovExponent(series, 1, 1, options).error, SeriesError::InvalidParameter);
    options.fitFirst = 0;
    options.samplingInterval = 0.0;
    EXPECT_EQ(largestLyapunovExponent(series, 1, 1, options).error, SeriesError::InvalidParameter);
    // More steps than any neighbour pair can follow.
    SeriesLyapunovOptions far;
    far.theilerWindow = 1;
    far.steps = 60;
    EXPECT_EQ(largestLyapunovExponent(series, 1, 1, far).error, SeriesError::TooFewVectors);
}

TEST(SeriesLyapunov, RefitFollowsTheRangeAndRefusesEmptyOnes)
{
    // A curve that is a line of slope 0.5 from k = 3 on, bent before it.
    SeriesLyapunovResult result;
    for (int k = 0; k <= 10; ++k)
        result.divergence.push_back(k < 3 ? 0.0 : 2.0 + 0.5 * k);
    ASSERT_TRUE(refitDivergence(result, 3, 10, 2.0));
    EXPECT_NEAR(result.slope, 0.5, 1e-12);
    EXPECT_NEAR(result.intercept, 2.0, 1e-12);
    EXPECT_NEAR(result.exponent, 0.25, 1e-12);
    EXPECT_EQ(result.fitFirst, 3);
    EXPECT_EQ(result.fitLast, 10);
    const SeriesLyapunovResult before = result;
    for (const auto& [first, last] : {std::pair{5, 5}, std::pair{6, 4}, std::pair{-1, 4},
                                      std::pair{2, 11}}) {
        EXPECT_FALSE(refitDivergence(result, first, last, 1.0)) << first << ":" << last;
        EXPECT_EQ(result.fitFirst, before.fitFirst);
        EXPECT_EQ(result.exponent, before.exponent);
    }
    EXPECT_FALSE(refitDivergence(result, 3, 10, 0.0));
}

TEST(SeriesLyapunov, CancelStopsTheRun)
{
    std::stop_source stop;
    stop.request_stop();
    const JobControl control(stop.get_token(), {});
    const auto result = largestLyapunovExponent(series_data::logisticMap(5000), 2, 1, {}, control);
    EXPECT_EQ(result.error, SeriesError::Cancelled);
}

}  // namespace
