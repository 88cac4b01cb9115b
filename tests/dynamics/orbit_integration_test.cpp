#include "dynamics/dynamics_engine.h"
#include "test_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sys/resource.h>

using testmodels::bindLorenz;
using testmodels::bindModel;

namespace {

// One classical Runge-Kutta step of Lorenz, written out from the formula.
StateVector referenceLorenzStep(const StateVector& x, double h)
{
    double parameters[3] = {10.0, 28.0, 8.0 / 3.0};
    double input[1] = {0.0};
    auto f = [&](int k, const double* state) {
        int selector[1] = {k};
        double variables[3] = {state[0], state[1], state[2]};
        return testmodels::lorenz(selector, variables, parameters, input);
    };
    double k1[3], k2[3], k3[3], k4[3], s1[3], s2[3], s3[3];
    for (int k = 0; k < 3; ++k) {
        k1[k] = h * f(k, x.c);
        s1[k] = x.c[k] + k1[k] * 0.5;
    }
    for (int k = 0; k < 3; ++k) {
        k2[k] = h * f(k, s1);
        s2[k] = x.c[k] + k2[k] * 0.5;
    }
    for (int k = 0; k < 3; ++k) {
        k3[k] = h * f(k, s2);
        s3[k] = x.c[k] + k3[k];
    }
    for (int k = 0; k < 3; ++k)
        k4[k] = h * f(k, s3);
    StateVector result = x;
    for (int k = 0; k < 3; ++k)
        result.c[k] = (((k2[k] + k3[k]) * 2 + k4[k]) + k1[k]) * 0.16666666666666666 + x.c[k];
    return result;
}

}  // namespace

TEST(OrbitIntegration, LorenzOrbitMatchesTheReferenceStepBitForBit)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 5000;
    engine.recordInUse.Sampling_Interval = 0.01;
    engine.computeOrbit();
    ASSERT_EQ(engine.recordInUse.validPointCount, 5000);
    EXPECT_EQ(engine.orbitReady, 1);
    EXPECT_EQ(engine.diverged, 0);

    StateVector x = engine.recordInUse.Setting;
    for (int i = 0; i < 5000; ++i) {
        for (int k = 0; k < 6; ++k)
            ASSERT_EQ(engine.orbit[i].c[k], x.c[k]) << "point " << i << " component " << k;
        EXPECT_EQ(engine.displayPoints[i], engine.projectToDisplay(x)) << "point " << i;
        x = referenceLorenzStep(x, 0.01);
    }
}

TEST(OrbitIntegration, RungeKuttaIsFourthOrderOnExponentialDecay)
{
    DynamicsEngine engine;
    bindModel(engine, testmodels::decay, 1, 0);
    const StateVector start(1, 0, 0, 0, 0, 0);

    // Local error of one step falls as h^5, the global error at t = 1 as h^4.
    double previousLocal = 0.0, previousGlobal = 0.0;
    for (double h = 0.2; h >= 0.0125; h *= 0.5) {
        const double local = std::fabs(engine.rungeKuttaStep(start, h)[0] - std::exp(-h));
        StateVector x = start;
        for (int i = 0; i < std::lround(1.0 / h); ++i)
            x = engine.rungeKuttaStep(x, h);
        const double global = std::fabs(x[0] - std::exp(-1.0));
        if (previousLocal > 0.0) {
            EXPECT_NEAR(previousLocal / local, 32.0, 3.0) << "h " << h << " local error " << local;
            EXPECT_NEAR(previousGlobal / global, 16.0, 1.5) << "h " << h << " global error " << global;
        }
        previousLocal = local;
        previousGlobal = global;
    }
}

TEST(OrbitIntegration, UnusedComponentsKeepTheInitialValues)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Setting = StateVector(1, 1, 1, 4, 5, 6);
    engine.recordInUse.Sampling_Point = 300;
    for (int flag : {0, 1}) {
        engine.recordInUse.Auto_Sampling_Interval_Flag = flag;
        engine.computeOrbit();
        ASSERT_EQ(engine.recordInUse.validPointCount, 300);
        for (const StateVector& x : engine.orbit)
            ASSERT_TRUE(x[3] == 4 && x[4] == 5 && x[5] == 6) << "automatic " << flag;
    }
}

TEST(OrbitIntegration, SinglePointOrbitIsTheInitialValue)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 1;
    engine.recordInUse.Sampling_Interval = 0.02;
    engine.computeOrbit();
    ASSERT_EQ(engine.orbit.size(), 1u);
    EXPECT_TRUE(engine.orbit[0] == engine.recordInUse.Setting);
    EXPECT_EQ(engine.recordInUse.validPointCount, 1);
    EXPECT_EQ(engine.elapsedTime, 0.0);

    engine.recordInUse.Auto_Sampling_Interval_Flag = 1;
    engine.computeOrbit();
    EXPECT_TRUE(engine.orbit[0] == engine.recordInUse.Setting);
    EXPECT_EQ(engine.elapsedTime, 0.02);
}

TEST(OrbitIntegration, FixedIntervalWritesOnlyTheFirstStepSize)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 100;
    engine.recordInUse.Sampling_Interval = 0.005;
    engine.computeOrbit();
    ASSERT_EQ(engine.stepSizes.size(), 100u);
    EXPECT_EQ(engine.stepSizes[0], 0.005);
    for (std::size_t k = 1; k < engine.stepSizes.size(); ++k)
        ASSERT_EQ(engine.stepSizes[k], 0.0) << "entry " << k;
    EXPECT_EQ(engine.elapsedTime, 0.0);
}

TEST(OrbitIntegration, DivergenceIsStrictlyOutsideTheBound)
{
    DynamicsEngine engine;
    bindModel(engine, testmodels::decay, 3, 0);
    engine.recordInUse.Sampling_Point = 10;

    engine.recordInUse.Setting = StateVector(0, 2000000.0, 0, 0, 0, 0);
    engine.computeOrbit();
    EXPECT_EQ(engine.recordInUse.validPointCount, 0);
    EXPECT_EQ(engine.diverged, 1);
    EXPECT_EQ(engine.orbitReady, 1);
    EXPECT_TRUE(engine.orbit[0] == engine.recordInUse.Setting);

    engine.recordInUse.Setting = StateVector(1000000.0, -1000000.0, 0, 0, 0, 0);
    engine.computeOrbit();
    EXPECT_EQ(engine.recordInUse.validPointCount, 10);
    EXPECT_EQ(engine.diverged, 0);

    // Components beyond the model's dimension are not watched.
    engine.recordInUse.Setting = StateVector(1, 1, 1, 5000000.0, 0, 0);
    engine.computeOrbit();
    EXPECT_EQ(engine.diverged, 0);
}

TEST(OrbitIntegration, NaNStateEndsTheValidPart)
{
    DynamicsEngine engine;
    bindModel(engine, testmodels::descendToNaN, 1, 0);
    engine.recordInUse.Setting = StateVector(0.25, 0, 0, 0, 0, 0);
    engine.recordInUse.Sampling_Interval = 0.1;
    engine.recordInUse.Sampling_Point = 20;
    engine.computeOrbit();
    // 0.25, 0.15, 0.05; the next step has a negative stage state.
    EXPECT_EQ(engine.recordInUse.validPointCount, 3);
    EXPECT_EQ(engine.diverged, 1);
    EXPECT_TRUE(std::isnan(engine.orbit[3][0]));
    EXPECT_EQ(engine.orbit[4][0], 0.0);
}

TEST(OrbitIntegration, BoundsCoverTheValidPointsOfTheUsedComponents)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 2000;
    engine.computeOrbit();
    engine.orbitMax[4] = 77.0;
    engine.orbitMin[4] = -77.0;
    engine.computeBounds();
    for (int k = 0; k < 3; ++k) {
        double lo = engine.orbit[0][k], hi = lo;
        for (const StateVector& x : engine.orbit) {
            lo = std::min(lo, x[k]);
            hi = std::max(hi, x[k]);
        }
        EXPECT_EQ(engine.orbitMin[k], lo) << "component " << k;
        EXPECT_EQ(engine.orbitMax[k], hi) << "component " << k;
    }
    EXPECT_EQ(engine.orbitMax[4], 77.0);
    EXPECT_EQ(engine.orbitMin[4], -77.0);
    EXPECT_GT(engine.orbitMax[2], 40.0);  // the attractor's z range reaches above 40
}

TEST(OrbitIntegration, BoundsLeaveOutTheDivergingPoint)
{
    DynamicsEngine engine;
    bindModel(engine, testmodels::descendToNaN, 1, 0);
    engine.recordInUse.Setting = StateVector(0.25, 0, 0, 0, 0, 0);
    engine.recordInUse.Sampling_Interval = 0.1;
    engine.recordInUse.Sampling_Point = 20;
    engine.computeOrbit();
    engine.computeBounds();
    EXPECT_EQ(engine.orbitMax[0], 0.25);
    EXPECT_NEAR(engine.orbitMin[0], 0.05, 1e-15);
}

TEST(OrbitIntegration, ParametersComeFromTheRecordOnlyWhenLoaded)
{
    DynamicsEngine engine;
    bindModel(engine, testmodels::lorenz, 3, 2, {10.0, 28.0, 5.0});
    EXPECT_EQ(engine.binding.parameterArg[0], 10.0);
    EXPECT_EQ(engine.binding.parameterArg[1], 28.0);
    EXPECT_EQ(engine.binding.parameterArg[2], 0.0);  // beyond the parameter count

    engine.recordInUse.Parameter_Default[0] = 3.0;
    EXPECT_EQ(engine.binding.parameterArg[0], 10.0);
    engine.loadParameters();
    EXPECT_EQ(engine.binding.parameterArg[0], 3.0);
}

TEST(OrbitIntegration, UnboundEngineLeavesNoOrbit)
{
    DynamicsEngine engine;
    engine.recordInUse.Sampling_Point = 10;
    engine.computeOrbit();
    EXPECT_EQ(engine.orbitReady, 0);
    EXPECT_EQ(engine.recordInUse.validPointCount, 0);
}

TEST(OrbitIntegration, AnOrbitTooLargeForTheMemoryIsNotReadyInsteadOfAnAbort)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 100;
    ASSERT_TRUE(engine.computeOrbit());
    {
        // Some 100 GB of orbit arrays, refused whatever memory the machine has.
        rlimit old{};
        ::getrlimit(RLIMIT_AS, &old);
        rlimit capped = old;
        capped.rlim_cur = rlim_t{8} << 30;
        ::setrlimit(RLIMIT_AS, &capped);
        engine.recordInUse.Sampling_Point = 2000000000;
        EXPECT_FALSE(engine.computeOrbit());
        ::setrlimit(RLIMIT_AS, &old);
    }
    EXPECT_EQ(engine.orbitReady, 0);
    EXPECT_EQ(engine.recordInUse.validPointCount, 0);
    EXPECT_TRUE(engine.orbit.empty());
    EXPECT_TRUE(engine.displayPoints.empty());

    engine.recordInUse.Sampling_Point = 100;
    EXPECT_TRUE(engine.computeOrbit());
    EXPECT_EQ(engine.orbitReady, 1);
    EXPECT_EQ(engine.recordInUse.validPointCount, 100);
}

TEST(OrbitIntegration, RecomputationReplacesTheArraysWhole)
{
    DynamicsEngine engine;
    bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 500;
    engine.computeOrbit();
    engine.recordInUse.Sampling_Point = 200;
    engine.computeOrbit();
    EXPECT_EQ(engine.orbit.size(), 200u);
    EXPECT_EQ(engine.displayPoints.size(), 200u);
    EXPECT_EQ(engine.stepSizes.size(), 200u);
    EXPECT_EQ(engine.recordInUse.validPointCount, 200);
}
