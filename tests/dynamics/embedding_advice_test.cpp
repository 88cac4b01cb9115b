#include "dynamics/embedding_advice.h"

#include "series_analysis_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(MutualInformation, IndependentValuesShareNothingBeyondDelayZero)
{
    const auto information = averageMutualInformation(series_data::uniformNoise(100000), 20);
    ASSERT_EQ(information.size(), 21u);
    // I(0) is the entropy of 16 nearly equally filled bins.
    EXPECT_NEAR(information[0], std::log(16.0), 0.01);
    for (std::size_t tau = 1; tau < information.size(); ++tau)
        EXPECT_LT(information[tau], 0.01) << "tau " << tau;
}

TEST(MutualInformation, DelayIsTheFirstLocalMinimumThenTheFirstDropBelowOneOverE)
{
    EXPECT_EQ(delayFromMutualInformation({2.0, 1.5, 1.0, 1.2, 0.5}), 2);
    // A plateau bottom counts from its first value.
    EXPECT_EQ(delayFromMutualInformation({2.0, 1.0, 1.0, 1.5}), 1);
    // Falling all the way: no minimum, so the first value below 2/e = 0.736.
    EXPECT_EQ(delayFromMutualInformation({2.0, 1.5, 1.0, 0.7, 0.6}), 3);
    EXPECT_FALSE(delayFromMutualInformation({2.0, 1.5, 1.0, 0.9}));
    EXPECT_FALSE(delayFromMutualInformation({}));
    // A constant series has no information and so no advice.
    EXPECT_FALSE(delayFromMutualInformation(averageMutualInformation(std::vector<double>(50, 3.0), 10)));
}

TEST(FalseNeighbours, SineWaveUnfoldsInTwoDimensions)
{
    const double period = 16.0 * std::numbers::pi;
    const FalseNeighbourResult result =
        falseNearestNeighbours(series_data::sine(5000, period), 13, 4);
    ASSERT_EQ(result.error, SeriesError::None);
    ASSERT_EQ(result.fractions.size(), 4u);
    // On a line the rising and the falling half of the wave overlap.
    EXPECT_GT(result.fractions[0], 0.3);
    EXPECT_LT(result.fractions[1], 0.01);
    EXPECT_EQ(result.dimension, 2);
}

TEST(FalseNeighbours, RefusesDelaysAndDimensionsThatLeaveTooFewVectors)
{
    const auto series = series_data::sine(100, 20.5);
    EXPECT_EQ(falseNearestNeighbours(series, 0, 3).error, SeriesError::DelayNotPositive);
    EXPECT_EQ(falseNearestNeighbours(series, 1, 0).error, SeriesError::DimensionOutOfRange);
    EXPECT_EQ(falseNearestNeighbours(series, 1, 11).error, SeriesError::DimensionOutOfRange);
    // Four coordinates 33 samples apart need 100 values for one vector only.
    EXPECT_EQ(falseNearestNeighbours(series, 33, 3).error, SeriesError::TooFewVectors);
    EXPECT_EQ(falseNearestNeighbours(series, 32, 3).error, SeriesError::None);
}

TEST(EmbeddingAdvice, NoDelayMeansNoDimension)
{
    const EmbeddingAdvice advice = adviseEmbedding(std::vector<double>(200, 1.0), 10, 5);
    EXPECT_EQ(advice.error, SeriesError::None);
    EXPECT_EQ(advice.mutualInformation.size(), 11u);
    EXPECT_FALSE(advice.delay);
    EXPECT_TRUE(advice.falseFractions.empty());
    EXPECT_FALSE(advice.dimension);
}

}  // namespace
