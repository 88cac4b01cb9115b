#include "dynamics/dynamics_engine.h"
#include "dynamics/kaplan_yorke.h"
#include "lyapunov_reference.h"
#include "test_models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// dx/dt = p*x, dy/dt = q*y, dz/dt = r*z.
double linear(int* dimension, double* v, double* p, double*)
{
    return p[dimension[0]] * v[dimension[0]];
}

// x grows at rate 5 and the other components decay at rate 1, so the orbit
// soon diverges; the call counter proves that nothing is integrated when the
// spectrum cannot exist.
long g_calls = 0;
double countedGrowth(int* dimension, double* v, double*, double*)
{
    ++g_calls;
    return dimension[0] == 0 ? 5.0 * v[0] : -v[dimension[0]];
}

// 4-variable hyperchaotic Rossler: -z-y, a*y+x+w, z*x+b, d*w+c*z.
double resslerHyperchaos(int* dimension, double* v, double* p, double*)
{
    const double x = v[0], y = v[1], z = v[2], w = v[3];
    switch (dimension[0]) {
    case 0: return -z - y;
    case 1: return p[0] * y + x + w;
    case 2: return z * x + p[1];
    default: return p[3] * w + p[2] * z;
    }
}

reference::Model referenceModel(const DynamicsEngine& engine)
{
    reference::Model model{engine.binding.modelFunction, engine.recordInUse.Dimension, {}};
    for (int j = 0; j < 10; ++j)
        model.parameters[j] = engine.binding.parameterArg[j];
    return model;
}

std::vector<reference::Vec> validOrbit(const DynamicsEngine& engine)
{
    std::vector<reference::Vec> points;
    for (int i = 0; i < engine.recordInUse.validPointCount; ++i) {
        reference::Vec p;
        for (int k = 0; k < 6; ++k)
            p[k] = engine.orbit[i][k];
        points.push_back(p);
    }
    return points;
}

reference::Result referenceRun(const DynamicsEngine& engine)
{
    std::vector<double> steps;
    if (engine.recordInUse.Auto_Sampling_Interval_Flag == 1)
        steps.assign(engine.stepSizes.begin(),
                     engine.stepSizes.begin() + engine.recordInUse.validPointCount - 1);
    return reference::lyapunov(referenceModel(engine), validOrbit(engine),
                               engine.recordInUse.Sampling_Interval, steps);
}

void prepare(DynamicsEngine& engine, ModelFunction f, int n, std::initializer_list<double> p,
             const StateVector& start, int points, double interval)
{
    testmodels::bindModel(engine, f, n, static_cast<int>(p.size()), p);
    engine.recordInUse.Setting = start;
    engine.recordInUse.Sampling_Point = points;
    engine.recordInUse.Sampling_Interval = interval;
    engine.computeOrbit();
}

constexpr double kSixDecimals = 1e-6;

// Every mode of the engine against the plain reference on the same stored
// orbit: the spectrum, every written response entry, the bounds and the
// dimension response.
void expectMatchesReference(DynamicsEngine& engine)
{
    const int n = engine.recordInUse.Dimension;
    const int steps = engine.recordInUse.validPointCount - 1;
    const reference::Result expected = referenceRun(engine);
    ASSERT_EQ(static_cast<int>(expected.exponents.size()), steps);

    const StateVector spectrum = engine.lyapunovSpectrum();
    EXPECT_EQ(engine.spectrumExists, 1);
    for (int k = 0; k < n; ++k)
        EXPECT_NEAR(spectrum[k], expected.spectrum[k], kSixDecimals) << "exponent " << k;
    for (int k = n; k < 6; ++k)
        EXPECT_EQ(spectrum[k], 0.0);
    EXPECT_NEAR(engine.lyapunovDimension(), reference::dimension(expected.spectrum), kSixDecimals);

    engine.lyapunovResponses(LyapunovResponses::SpectrumAndDimension);
    ASSERT_EQ(static_cast<int>(engine.spectrumResponse.size()), n);
    ASSERT_EQ(static_cast<int>(engine.partialSumResponse.size()), n);
    double lowest = expected.exponents[0][0], highest = lowest;
    double lowestDl = expected.dimensions[0], highestDl = lowestDl;
    for (int i = 0; i < steps; ++i) {
        for (int k = 0; k < n; ++k) {
            ASSERT_NEAR(engine.spectrumResponse[k][i], expected.exponents[i][k], kSixDecimals)
                << "exponent " << k << " at step " << i;
            ASSERT_NEAR(engine.partialSumResponse[k][i], expected.partialSums[i][k], kSixDecimals)
                << "partial sum " << k << " at step " << i;
            lowest = std::min(lowest, expected.exponents[i][k]);
            highest = std::max(highest, expected.exponents[i][k]);
        }
        ASSERT_NEAR(engine.dimensionResponse[i], expected.dimensions[i], kSixDecimals)
            << "dimension at step " << i;
        lowestDl = std::min(lowestDl, expected.dimensions[i]);
        highestDl = std::max(highestDl, expected.dimensions[i]);
    }
    EXPECT_NEAR(engine.spectrumResponseMin, lowest, kSixDecimals);
    EXPECT_NEAR(engine.spectrumResponseMax, highest, kSixDecimals);
    EXPECT_NEAR(engine.dimensionResponseMin, lowestDl, kSixDecimals);
    EXPECT_NEAR(engine.dimensionResponseMax, highestDl, kSixDecimals);
}

TEST(LyapunovSpectrum, LinearModelGivesItsRatesInOrder)
{
    const double p = 0.05, q = -0.3, r = -1.2;
    DynamicsEngine engine;
    prepare(engine, linear, 3, {p, q, r}, StateVector(1, 1, 1, 0, 0, 0), 5000, 0.01);
    const StateVector spectrum = engine.lyapunovSpectrum();
    const double expected[3] = {p, q, r};
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(spectrum[k], expected[k], 1e-6)
            << "exponent " << k << ": expected " << expected[k] << ", actual " << spectrum[k]
            << ", limit 1e-6";
    for (int k = 3; k < 6; ++k)
        EXPECT_EQ(spectrum[k], 0.0);
}

TEST(LyapunovSpectrum, AutomaticIntervalMeasuresPerUnitOfModelTime)
{
    const double p = 0.05, q = -0.3, r = -1.2;
    DynamicsEngine engine;
    engine.recordEdited.Auto_Sampling_Interval_Flag = 1;
    engine.recordEdited.Auto_Sampling_Interval_Upsilon = 1e-11;
    prepare(engine, linear, 3, {p, q, r}, StateVector(1, 1, 1, 0, 0, 0), 2000, 0.01);
    ASSERT_EQ(engine.recordInUse.validPointCount, 2000);
    const double stepsTaken = engine.stepSizes[0] + engine.stepSizes[1];
    ASSERT_NE(stepsTaken, 0.02) << "the test needs steps different from the initial interval";

    const StateVector spectrum = engine.lyapunovSpectrum();
    const double expected[3] = {p, q, r};
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(spectrum[k], expected[k], 1e-5)
            << "exponent " << k << ": expected " << expected[k] << ", actual " << spectrum[k];
    expectMatchesReference(engine);
}

TEST(LyapunovSpectrum, LorenzMatchesReferenceInEveryMode)
{
    DynamicsEngine engine;
    prepare(engine, testmodels::lorenz, 3, {10.0, 28.0, 2.666667}, StateVector(1, 1, 20, 0, 0, 0),
            20000, 0.01);
    expectMatchesReference(engine);
}

TEST(LyapunovSpectrum, FourVariableHyperchaosMatchesReference)
{
    DynamicsEngine engine;
    prepare(engine, resslerHyperchaos, 4, {0.25, 3.0, -0.5, 0.05},
            StateVector(-10, -6, 0, 10, 0, 0), 20000, 0.01);
    ASSERT_EQ(engine.diverged, 0);
    expectMatchesReference(engine);
}

TEST(LyapunovSpectrum, LorenzReachesKnownExponentsAndDimension)
{
    const double a = 10.0, b = 28.0, c = 2.666667;
    DynamicsEngine engine;
    prepare(engine, testmodels::lorenz, 3, {a, b, c}, StateVector(1, 1, 20, 0, 0, 0), 100000,
            0.01);
    ASSERT_EQ(engine.diverged, 0);

    const StateVector spectrum = engine.lyapunovSpectrum();
    const double expected[3] = {0.906, 0.0, -14.57};
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(spectrum[k], expected[k], 0.03)
            << "exponent " << k << ": expected " << expected[k] << ", actual " << spectrum[k]
            << ", limit 0.03";
    const double sum = spectrum[0] + spectrum[1] + spectrum[2];
    EXPECT_NEAR(sum, -(a + 1 + c), 0.01)
        << "sum of exponents: expected " << -(a + 1 + c) << ", actual " << sum << ", limit 0.01";
    const double dl = engine.lyapunovDimension();
    EXPECT_NEAR(dl, 2.062, 0.01) << "DL: expected 2.062, actual " << dl << ", limit 0.01";
}

TEST(LyapunovSpectrum, DivergedOrbitGivesZeroVectorWithoutIntegrating)
{
    DynamicsEngine engine;
    prepare(engine, countedGrowth, 3, {}, StateVector(1, 1, 1, 0, 0, 0), 1000, 0.01);
    ASSERT_EQ(engine.diverged, 1);
    ASSERT_GT(engine.recordInUse.validPointCount, 2);

    g_calls = 0;
    EXPECT_EQ(engine.lyapunovSpectrum(), StateVector());
    EXPECT_EQ(engine.spectrumExists, 0);
    EXPECT_EQ(engine.lyapunovDimension(), 0.0);
    EXPECT_EQ(engine.spectrumExists, 0);
    EXPECT_EQ(g_calls, 0);
}

TEST(LyapunovSpectrum, ResponsesCoverOnlyTheValidPartOfADivergedOrbit)
{
    DynamicsEngine engine;
    prepare(engine, countedGrowth, 3, {}, StateVector(1, 1, 1, 0, 0, 0), 1000, 0.01);
    const int valid = engine.recordInUse.validPointCount;
    ASSERT_EQ(engine.diverged, 1);
    ASSERT_GT(valid, 2);

    for (LyapunovResponses mode : {LyapunovResponses::Spectrum, LyapunovResponses::SpectrumAndDimension}) {
        engine.lyapunovResponses(mode);
        for (int k = 0; k < 3; ++k) {
            ASSERT_EQ(engine.spectrumResponse[k].size(), 1000u);
            for (int i = 0; i < valid - 1; ++i)
                ASSERT_NE(engine.spectrumResponse[k][i], 0.0) << "mode " << static_cast<int>(mode) << " entry " << i;
            for (int i = valid - 1; i < 1000; ++i) {
                ASSERT_EQ(engine.spectrumResponse[k][i], 0.0) << "mode " << static_cast<int>(mode) << " entry " << i;
                ASSERT_EQ(engine.partialSumResponse[k][i], 0.0) << "mode " << static_cast<int>(mode) << " entry " << i;
            }
        }
        // The growth rate 5 of x leads, the decays follow. Near |x| = 1e6 a
        // deviation of 1e-8 keeps only a few digits, hence the loose limit.
        EXPECT_NEAR(engine.spectrumResponse[0][valid - 2], 5.0, 0.02);
        EXPECT_NEAR(engine.spectrumResponse[1][valid - 2], -1.0, 1e-3);
    }
    ASSERT_EQ(engine.dimensionResponse.size(), 1000u);
    for (int i = 0; i < valid - 1; ++i)
        ASSERT_NE(engine.dimensionResponse[i], 0.0) << "entry " << i;
    for (int i = valid - 1; i < 1000; ++i)
        ASSERT_EQ(engine.dimensionResponse[i], 0.0) << "entry " << i;
    // 5 - 1 - 1 > 0: every running sum stays positive, so DL is the variable count.
    EXPECT_EQ(engine.dimensionResponse[valid - 2], 3.0);
}

TEST(LyapunovSpectrum, FewerThanTwoPointsHasNoSpectrum)
{
    DynamicsEngine engine;
    prepare(engine, testmodels::lorenz, 3, {10.0, 28.0, 2.666667}, StateVector(1, 1, 20, 0, 0, 0),
            100, 0.01);
    engine.lyapunovSpectrum();
    ASSERT_EQ(engine.spectrumExists, 1);

    engine.recordInUse.Sampling_Point = 1;
    engine.computeOrbit();
    ASSERT_EQ(engine.recordInUse.validPointCount, 1);
    const StateVector spectrum = engine.lyapunovSpectrum();
    EXPECT_EQ(engine.spectrumExists, 0);
    for (int k = 0; k < 6; ++k)
        EXPECT_FALSE(std::isnan(spectrum[k])) << "component " << k;
    EXPECT_EQ(engine.lyapunovDimension(), 0.0);
    EXPECT_EQ(engine.spectrumExists, 0);

    engine.lyapunovResponses(LyapunovResponses::SpectrumAndDimension);
    EXPECT_EQ(engine.dimensionResponse, std::vector<double>(1, 0.0));
    EXPECT_EQ(engine.spectrumResponseMin, 0.0);
    EXPECT_EQ(engine.spectrumResponseMax, 0.0);
}

TEST(KaplanYorkeDimension, FollowsTheRunningSumOfTheSpectrum)
{
    struct Case {
        StateVector spectrum;
        int n;
        double expected;
    };
    const Case cases[] = {
        {StateVector(0.9, 0.0, -14.5, 0, 0, 0), 3, 2.0 + 0.9 / 14.5},
        {StateVector(-1, -2, -3, 0, 0, 0), 3, 0.0},
        {StateVector(0.5, -0.2, -0.4, 0, 0, 0), 3, 2.75},
        // Every running sum positive: the full variable count.
        {StateVector(0.3, 0.2, -0.1, 0, 0, 0), 3, 3.0},
        {StateVector(0.2, 0.1, 0.05, -0.1, 0, 0), 4, 4.0},
        // Hyperchaos: two positive exponents, j = 3.
        {StateVector(0.11, 0.02, 0.0, -25.0, 0, 0), 4, 3.0 + 0.13 / 25.0},
        // A zero first exponent stops at once with no fraction instead of 0/0.
        {StateVector(0.0, -1.0, -2.0, 0, 0, 0), 3, 0.0},
    };
    for (const Case& c : cases) {
        const double dl = kaplanYorkeDimension(c.spectrum, c.n);
        EXPECT_NEAR(dl, c.expected, 1e-12)
            << "spectrum (" << c.spectrum[0] << ", " << c.spectrum[1] << ", " << c.spectrum[2]
            << ", " << c.spectrum[3] << "), n = " << c.n;
    }
    EXPECT_NEAR(kaplanYorkeDimension(StateVector(0.9, 0.0, -14.5, 0, 0, 0), 3), 2.062, 5e-4);
    EXPECT_TRUE(std::isnan(kaplanYorkeDimension(StateVector(0.5, std::nan(""), -1, 0, 0, 0), 3)));
}

}  // namespace
