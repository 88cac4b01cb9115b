// The values that colour an orbit, checked against what they measure: the
// vector field's length, the distance between points, and the local Lyapunov
// exponent of systems whose growth rates are known.
#include "dynamics/orbit_colouring.h"

#include "dynamics/dynamics_engine.h"
#include "dynamics/test_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// Runge–Kutta's growth factor of dx/dt = −x over one step h.
double rungeKuttaDecay(double h)
{
    return 1.0 - h + h * h / 2.0 - h * h * h / 6.0 + h * h * h * h / 24.0;
}

void computeDecay(DynamicsEngine& engine, int dimension, int points, const StateVector& start)
{
    testmodels::bindModel(engine, testmodels::decay, dimension, 0);
    engine.recordInUse.Setting = start;
    engine.recordInUse.Sampling_Point = points;
    engine.computeOrbit();
}

TEST(ComponentColouring, DropsTheColourAxisFromTheFirstFour)
{
    const StateVector x(1.0, 2.0, 3.0, 4.0, 5.0, 6.0);
    EXPECT_EQ(componentPoint(x, 0), Vector3(2.0, 3.0, 4.0));
    EXPECT_EQ(componentPoint(x, 1), Vector3(1.0, 3.0, 4.0));
    EXPECT_EQ(componentPoint(x, 2), Vector3(1.0, 2.0, 4.0));
    EXPECT_EQ(componentPoint(x, 3), Vector3(1.0, 2.0, 3.0));
}

TEST(ComponentColouring, ValuesAreTheChosenComponentOfAllButTheLastPoint)
{
    DynamicsEngine engine;
    computeDecay(engine, 4, 5, StateVector(1.0, 2.0, 3.0, 4.0, 0.0, 0.0));
    std::vector<double> values;
    componentValues(engine, 3, 5, values);
    ASSERT_EQ(values.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(values[i], engine.orbit[i].c[3]);
}

TEST(VelocityColouring, ModelVelocityIsTheLengthOfTheVectorField)
{
    // For dx/dt = −x the field's length is the distance from the origin, over
    // exactly the model's components: the fifth component does not count for
    // a model of four.
    for (int dimension : {3, 4}) {
        DynamicsEngine engine;
        computeDecay(engine, dimension, 6, StateVector(1.0, -2.0, 2.0, 4.0, 7.0, 0.0));
        std::vector<double> values;
        modelVelocityValues(engine, 6, values);
        ASSERT_EQ(values.size(), 5u);
        for (int i = 0; i < 5; ++i) {
            const StateVector& x = engine.orbit[i];
            double expected = 0.0;
            for (int k = 0; k < dimension; ++k)
                expected += x.c[k] * x.c[k];
            EXPECT_NEAR(values[i], std::sqrt(expected), 1e-12)
                << "dimension " << dimension << " point " << i;
        }
    }
    DynamicsEngine engine;
    computeDecay(engine, 3, 2, StateVector(3.0, 4.0, 0.0, 10.0, 0.0, 0.0));
    std::vector<double> values;
    modelVelocityValues(engine, 2, values);
    EXPECT_DOUBLE_EQ(values[0], 5.0) << "w of a three-variable model is left out";
}

TEST(VelocityColouring, DataVelocityIsTheDistanceToTheNextPoint)
{
    DynamicsEngine engine;
    engine.displayPoints = {{0, 0, 0}, {3, 4, 0}, {3, 4, 2}, {0, 0, 0}};
    std::vector<double> values;
    dataVelocityValues(engine, 4, values);
    ASSERT_EQ(values.size(), 3u);
    EXPECT_DOUBLE_EQ(values[0], 5.0);
    EXPECT_DOUBLE_EQ(values[1], 2.0);
    EXPECT_DOUBLE_EQ(values[2], std::sqrt(29.0));
}

TEST(LocalLyapunov, LinearDecayGivesTheStepsGrowthRateAndKeepsTheErrorLength)
{
    DynamicsEngine engine;
    computeDecay(engine, 3, 50, StateVector(1.0, 0.5, 0.25, 0.0, 0.0, 0.0));
    StateVector delta(6e-9, 0.0, 8e-9, 0.0, 0.0, 0.0);
    std::vector<double> values;
    localLyapunovValues(engine, delta, 50, values);
    ASSERT_EQ(values.size(), 49u);
    const double expected = std::log(rungeKuttaDecay(0.01));
    for (int i = 0; i < 49; ++i)
        EXPECT_NEAR(values[i], expected, 1e-6) << "point " << i << ", limit 1e-6";
    // Every direction decays alike, so δ keeps its direction and its length.
    EXPECT_NEAR(norm(delta), 1e-8, 1e-16);
    EXPECT_NEAR(delta[0] / delta[2], 0.75, 1e-6);
}

TEST(LocalLyapunov, UsesTheStepTheOrbitTookInAutomaticMode)
{
    DynamicsEngine engine;
    testmodels::bindModel(engine, testmodels::decay, 3, 0);
    ModelRecord& record = engine.recordInUse;
    record.Setting = StateVector(1.0, 1.0, 1.0, 0.0, 0.0, 0.0);
    record.Sampling_Point = 40;
    record.Auto_Sampling_Interval_Flag = 1;
    record.Auto_Sampling_Interval_Upsilon = 1e-7;
    record.Sampling_Interval = 0.001;
    engine.computeOrbit();
    StateVector delta(1e-8, 0.0, 0.0, 0.0, 0.0, 0.0);
    std::vector<double> values;
    localLyapunovValues(engine, delta, 40, values);
    bool stepsVary = false;
    for (int i = 0; i < 39; ++i) {
        const double h = engine.stepSizes[i];
        stepsVary = stepsVary || h != engine.stepSizes[0];
        EXPECT_NEAR(values[i], std::log(rungeKuttaDecay(h)), 1e-6) << "point " << i << " step " << h;
    }
    EXPECT_TRUE(stepsVary) << "the automatic interval should have grown the step";
}

TEST(LocalLyapunov, MeanOverALorenzOrbitApproachesItsLargestExponent)
{
    DynamicsEngine engine;
    testmodels::bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 60000;
    engine.computeOrbit();
    StateVector delta(1e-8, 0.0, 0.0, 0.0, 0.0, 0.0);
    std::vector<double> values;
    localLyapunovValues(engine, delta, 60000, values);
    double sum = 0.0;
    for (double w : values)
        sum += w;
    const double exponent = sum / (static_cast<double>(values.size()) * 0.01);
    // The largest Lorenz exponent (10, 28, 8/3) is about 0.906.
    EXPECT_NEAR(exponent, 0.906, 0.1) << "mean local exponent, limit 0.1";
}

TEST(LocalLyapunov, AZeroPerturbationStartsAgainFromTheDefault)
{
    DynamicsEngine engine;
    computeDecay(engine, 3, 10, StateVector(1.0, 1.0, 1.0, 0.0, 0.0, 0.0));
    StateVector delta;
    std::vector<double> values;
    localLyapunovValues(engine, delta, 10, values);
    for (double w : values)
        EXPECT_TRUE(std::isfinite(w));
    EXPECT_NEAR(norm(delta), 1e-8, 1e-16);
    EXPECT_GT(delta[0], 0.0);
}

TEST(LocalLyapunov, AVanishingDifferenceKeepsThePerturbation)
{
    // A constant field carries every state alike, but a perturbation below the
    // states' rounding leaves no difference at all.
    DynamicsEngine engine;
    testmodels::bindModel(engine, testmodels::constantField, 3, 0);
    engine.recordInUse.Setting = StateVector(1e5, 1e5, 1e5, 0.0, 0.0, 0.0);
    engine.recordInUse.Sampling_Point = 5;
    engine.computeOrbit();
    StateVector delta(1e-12, 0.0, 0.0, 0.0, 0.0, 0.0);
    std::vector<double> values;
    localLyapunovValues(engine, delta, 5, values);
    EXPECT_EQ(delta, StateVector(1e-12, 0.0, 0.0, 0.0, 0.0, 0.0));
    EXPECT_EQ(values[0], -std::numeric_limits<double>::infinity());
}

TEST(ColourRange, SkipsValuesThatAreNotFinite)
{
    const double inf = std::numeric_limits<double>::infinity();
    const ValueRange range = valueRange({-inf, 2.0, std::nan(""), -1.0, 5.0, inf});
    EXPECT_EQ(range.min, -1.0);
    EXPECT_EQ(range.max, 5.0);
    const ValueRange none = valueRange({std::nan(""), inf});
    EXPECT_EQ(none.min, 0.0);
    EXPECT_EQ(none.max, 0.0);
}

TEST(ColourRange, MapsTheRangeOntoTheWholeScale)
{
    const ValueRange range{-1.0, 3.0};
    EXPECT_DOUBLE_EQ(scalePosition(-1.0, range), 0.0);
    EXPECT_DOUBLE_EQ(scalePosition(1.0, range), 128.0);
    EXPECT_DOUBLE_EQ(scalePosition(3.0, range), 256.0);
    EXPECT_EQ(scalePosition(2.0, ValueRange{2.0, 2.0}), 0.0) << "equal values sit at the low end";
}

} // namespace
