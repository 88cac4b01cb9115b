// The sampled vector field: where the lattice points lie for each model
// dimension, and how their speeds become colours, including a field whose
// speed is the same everywhere.
#include "dynamics/vector_field.h"

#include "dynamics/dynamics_engine.h"
#include "dynamics/test_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stop_token>

namespace {

TEST(VectorFieldLattice, EvenLatticesReachFurtherBelowTheCentre)
{
    const StateVector centre{1.0, 2.0, 3.0, 7.0, 0.0, 0.0};
    const auto even = latticePoints(3, 10, 0.5, centre);
    ASSERT_EQ(even.size(), 1000u);
    EXPECT_EQ(even.front(), (StateVector{-1.5, -0.5, 0.5, 0.0, 0.0, 0.0}));
    EXPECT_EQ(even.back(), (StateVector{3.0, 4.0, 5.0, 0.0, 0.0, 0.0}));
    const auto odd = latticePoints(3, 11, 0.5, centre);
    ASSERT_EQ(odd.size(), 1331u);
    EXPECT_EQ(odd.front(), (StateVector{-1.5, -0.5, 0.5, 0.0, 0.0, 0.0}));
    EXPECT_EQ(odd.back(), (StateVector{3.5, 4.5, 5.5, 0.0, 0.0, 0.0}));
}

TEST(VectorFieldLattice, ShapeFollowsTheDimension)
{
    const StateVector centre{1.0, 1.0, 1.0, 7.0, 7.0, 7.0};
    const auto four = latticePoints(4, 10, 1.0, centre);
    ASSERT_EQ(four.size(), 10000u);
    // w runs over the offsets without the centre's 7.
    EXPECT_EQ(four.front()[3], -5.0);
    EXPECT_EQ(four.back()[3], 4.0);
    EXPECT_EQ(latticePoints(2, 10, 1.0, centre).size(), 100u);
    const auto six = latticePoints(6, 4, 1.0, centre);
    ASSERT_EQ(six.size(), 64u);
    for (const StateVector& p : six)
        EXPECT_EQ(p[3] + p[4] + p[5], 0.0);
    EXPECT_TRUE(latticePoints(3, 0, 1.0, centre).empty());
    EXPECT_TRUE(latticePoints(7, 10, 1.0, centre).empty());
}

TEST(VectorFieldColours, SpeedsSpanTheWholeScale)
{
    DynamicsEngine engine;
    testmodels::bindModel(engine, testmodels::decay, 3, 0);
    engine.recordInUse.Phase_Space_Sise = 1.0;
    engine.recordInUse.Phase_Space_Position = StateVector{};
    const VectorFieldSample field = sampleVectorField(engine, 3, false);
    ASSERT_EQ(field.lines.size(), 27u);
    // dx/dt = −x: the speed is the distance from the origin, 0 at the
    // centre and √3 at the corners.
    EXPECT_EQ(field.speedRange.min, 0.0);
    EXPECT_DOUBLE_EQ(field.speedRange.max, std::sqrt(3.0));
    EXPECT_EQ(field.lines[13].colour[0], 0.0);
    EXPECT_DOUBLE_EQ(field.lines[0].colour[0], 256.0);
    EXPECT_NEAR(field.lines[4].colour[0], 256.0 / std::sqrt(3.0), 1e-12);
    EXPECT_EQ(field.lines[0].count, 1);
}

TEST(VectorFieldColours, AFlatSpeedGivesOneColour)
{
    DynamicsEngine engine;
    testmodels::bindModel(engine, testmodels::constantField, 4, 0);
    const VectorFieldSample field = sampleVectorField(engine, 4, true);
    ASSERT_EQ(field.lines.size(), 256u);
    EXPECT_EQ(field.speedRange.min, field.speedRange.max);
    for (const FieldLine& line : field.lines) {
        for (int s = 0; s < line.count; ++s)
            ASSERT_EQ(line.colour[s], 0.0);
    }
}

TEST(VectorFieldStreamlines, FollowTheFieldInHalfSamplingSteps)
{
    DynamicsEngine engine;
    testmodels::bindModel(engine, testmodels::constantField, 3, 0);
    engine.recordInUse.Sampling_Interval = 0.2;
    const VectorFieldSample field = sampleVectorField(engine, 2, true);
    ASSERT_EQ(field.lines.size(), 8u);
    const FieldLine& line = field.lines[0];
    ASSERT_EQ(line.count, kStreamlinePoints);
    // The constant field (1, 1, 1) moves every component by 0.1 per step.
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(line.points[4][k] - line.points[0][k], 0.4, 1e-12) << k;
}

TEST(VectorFieldStreamlines, AStopRequestEndsTheSamplingUnfinished)
{
    DynamicsEngine engine;
    testmodels::bindModel(engine, testmodels::constantField, 3, 0);
    std::stop_source stop;
    stop.request_stop();
    EXPECT_TRUE(sampleVectorField(engine, 20, true, JobControl(stop.get_token(), {})).lines.empty());
    EXPECT_EQ(sampleVectorField(engine, 20, true).lines.size(), 8000u);
}

TEST(VectorFieldColours, NothingWithoutAModel)
{
    DynamicsEngine engine;
    EXPECT_TRUE(sampleVectorField(engine, 10, true).lines.empty());
}

} // namespace
