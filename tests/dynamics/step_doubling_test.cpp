#include "dynamics/dynamics_engine.h"
#include "test_models.h"

#include <gtest/gtest.h>

#include <cmath>

using testmodels::bindLorenz;
using testmodels::bindModel;

namespace {

void useAutomaticInterval(DynamicsEngine& engine, double initial, double upsilon, int points)
{
    engine.recordInUse.Auto_Sampling_Interval_Flag = 1;
    engine.recordInUse.Auto_Sampling_Interval_Upsilon = upsilon;
    engine.recordInUse.Sampling_Interval = initial;
    engine.recordInUse.Sampling_Point = points;
}

// True when value / base is an integer power of two (positive or negative).
bool isPowerOfTwoMultiple(double value, double base)
{
    int exponent = 0;
    return std::frexp(value / base, &exponent) == 0.5;
}

}  // namespace

TEST(StepDoubling, DecayStepsArePowersOfTwoOfTheInitialIntervalAndAreTheStepsTaken)
{
    DynamicsEngine engine;
    bindModel(engine, testmodels::decay, 1, 0);
    engine.recordInUse.Setting = StateVector(1, 0, 0, 0, 0, 0);
    useAutomaticInterval(engine, 0.01, 1e-7, 400);
    engine.computeOrbit();
    ASSERT_EQ(engine.recordInUse.validPointCount, 400);

    double time = engine.recordInUse.Sampling_Interval;
    bool grew = false, shrank = false;
    for (int k = 0; k + 1 < 400; ++k) {
        const double h = engine.stepSizes[k];
        ASSERT_TRUE(isPowerOfTwoMultiple(h, 0.01)) << "step " << k << " = " << h;
        grew = grew || h > 0.01;
        shrank = shrank || h < 0.01;
        const StateVector expected = engine.rungeKuttaStep(engine.orbit[k], h);
        ASSERT_EQ(engine.orbit[k + 1][0], expected[0]) << "step " << k << " with h " << h;
        time += h;
    }
    EXPECT_TRUE(grew || shrank);
    EXPECT_DOUBLE_EQ(engine.elapsedTime, time);

    // The accepted steps keep the solution close to exp(-t).
    double t = 0.0;
    for (int k = 0; k + 1 < 400; ++k) {
        t += engine.stepSizes[k];
        const double exact = std::exp(-t);
        ASSERT_NEAR(engine.orbit[k + 1][0], exact, 1e-5 * exact + 1e-300) << "point " << k + 1;
    }
}

TEST(StepDoubling, LorenzHalvesATooLargeStep)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Auto_Sampling_Interval_Flag = 1;
    engine.recordInUse.Auto_Sampling_Interval_Upsilon = 1e-9;
    const StateVector x(1, 1, 20, 0, 0, 0);
    double h = 0.25;
    const StateVector next = engine.advance(x, h);
    EXPECT_LT(h, 0.25);
    EXPECT_TRUE(isPowerOfTwoMultiple(h, 0.25));
    EXPECT_TRUE(next == engine.rungeKuttaStep(x, h)) << "h " << h;
}

TEST(StepDoubling, FixedIntervalAdvanceIsOneRungeKuttaStep)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    const StateVector x(1, 2, 3, 0, 0, 0);
    double h = 0.25;
    EXPECT_TRUE(engine.advance(x, h) == engine.rungeKuttaStep(x, 0.25));
    EXPECT_EQ(h, 0.25);
}

TEST(StepDoubling, ExactlyReproducedStepReportsTheStepTaken)
{
    // From 0 with a power-of-two step the two half steps of a constant field
    // give exactly the full step: the state moved by h, so h is reported.
    DynamicsEngine engine;
    bindModel(engine, testmodels::constantField, 1, 0);
    engine.recordInUse.Auto_Sampling_Interval_Flag = 1;
    double h = 0.5;
    const StateVector next = engine.advance(StateVector(), h);
    EXPECT_EQ(next[0], 0.5);
    EXPECT_EQ(h, 0.5);
}

TEST(StepDoubling, GrowthStopsOnAConstantField)
{
    DynamicsEngine engine;
    bindModel(engine, testmodels::constantField, 2, 0);
    engine.recordInUse.Setting = StateVector(0.1, 0.3, 0, 0, 0, 0);
    useAutomaticInterval(engine, 0.01, 1e-7, 40);
    engine.computeOrbit();

    const double limit = 0.01 * 1048576.0;
    double largest = 0.0;
    for (int k = 0; k + 1 < engine.recordInUse.validPointCount; ++k) {
        ASSERT_TRUE(std::isfinite(engine.stepSizes[k])) << "step " << k;
        ASSERT_LE(engine.stepSizes[k], limit) << "step " << k;
        largest = std::max(largest, engine.stepSizes[k]);
    }
    EXPECT_GT(largest, 0.01);
    EXPECT_TRUE(std::isfinite(engine.elapsedTime));
}

TEST(StepDoubling, GrowthNeedsAStrictlySmallerRatioAndUndefinedRatiosPass)
{
    // x moves exactly with power-of-two steps (ratio 0); y is NaN throughout,
    // so its ratio is undefined and passes both tests.
    DynamicsEngine engine;
    bindModel(engine, testmodels::constantField, 2, 0);
    engine.recordInUse.Auto_Sampling_Interval_Flag = 1;
    engine.recordInUse.Sampling_Interval = 0.01;
    const StateVector start(0, std::nan(""), 0, 0, 0, 0);

    engine.recordInUse.Auto_Sampling_Interval_Upsilon = 0.0;
    double h = 0.5;
    EXPECT_EQ(engine.advance(start, h)[0], 0.5);
    EXPECT_EQ(h, 0.5);

    // With a positive U the step doubles up to the largest power-of-two
    // multiple of 0.5 within 2^20 times the sampling interval.
    engine.recordInUse.Auto_Sampling_Interval_Upsilon = 1e-7;
    h = 0.5;
    EXPECT_EQ(engine.advance(start, h)[0], 8192.0);
    EXPECT_EQ(h, 8192.0);
}
