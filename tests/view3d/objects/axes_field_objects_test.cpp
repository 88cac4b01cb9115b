// The axes and vector-field objects captured through feedback: how many box
// edges a frame records for three and four variables, where the plain axes
// end, and one speed-coloured dot per lattice point.
#include "view3d/objects/axes_object.h"
#include "view3d/objects/vector_field_object.h"

#include "dynamics/dynamics_engine.h"
#include "dynamics/test_models.h"
#include "view3d/scene/gl_state.h"
#include "view3d/scene/gl_context.h"
#include "settings/environment_settings.h"
#include "feedback.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class AxesAndFieldTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        initSceneGlobalState();
        environment.scale = 1.0;
    }

    // A decaying orbit of the given dimension from (1, 2, 3, 4): every
    // component spans 0 .. its start.
    void computeDecay(int dimension)
    {
        testmodels::bindModel(engine, testmodels::decay, dimension, 0);
        engine.recordInUse.Display_Scale = 1.0;
        engine.recordInUse.Setting = StateVector{1.0, 2.0, 3.0, 4.0, 0.0, 0.0};
        engine.recordInUse.Sampling_Point = 2000;
        engine.computeOrbit();
        ASSERT_EQ(engine.orbitReady, 1);
    }

    DynamicsEngine engine;
    EnvironmentSettings environment;
};

TEST_F(AxesAndFieldTest, TheFrameHasEveryBoxEdgeOrOnlyThoseFromTheLowestCorner)
{
    environment.Axis_Flag_Display = 1;
    environment.Axis_Num_Type = 1;
    for (const int dimension : {3, 4}) {
        computeDecay(dimension);
        CAxesObject axes(engine, environment);
        environment.Axis_Type1_Flag_Box = 1;
        // 12 edges of the cube, 32 of the four-dimensional box.
        EXPECT_EQ(captureFeedback(axes).lines.size(), dimension == 3 ? 12u : 32u) << dimension;
        environment.Axis_Type1_Flag_Box = 0;
        axes.rebuild();
        EXPECT_EQ(captureFeedback(axes).lines.size(), static_cast<std::size_t>(dimension)) << dimension;
    }
}

TEST_F(AxesAndFieldTest, PlainAxesReachTheLargestBoundAndNothingWhenSwitchedOff)
{
    computeDecay(3);
    environment.Axis_Flag_Display = 1;
    environment.Axis_Num_Type = 0;
    CAxesObject axes(engine, environment);
    const Feedback drawn = captureFeedback(axes);
    ASSERT_EQ(drawn.lines.size(), 3u);
    // The z axis (scene up) ends at 3 phase units times 0.02.
    EXPECT_NEAR(std::abs(drawn.lines[2].end.y), 3.0 * 0.02, 1e-5);
    EXPECT_FALSE(drawn.polygons.empty()) << "the cones";

    environment.Axis_Flag_Display = 0;
    axes.rebuild();
    const Feedback off = captureFeedback(axes);
    EXPECT_TRUE(off.lines.empty());
    EXPECT_TRUE(off.polygons.empty());
}

TEST_F(AxesAndFieldTest, DotsLeaveTheSpeedRangeAndStreamlinesTheirSegments)
{
    testmodels::bindModel(engine, testmodels::decay, 3, 0);
    environment.vectorFieldOn = 1;
    environment.Vector_Flag_Display_Vector = 0;
    environment.Vector_Space_Num = 3;
    CVectorFieldObject field(engine, environment);
    const Feedback dots = captureFeedback(field);
    EXPECT_TRUE(dots.lines.empty());
    EXPECT_EQ(environment.colourMin, 0.0);
    EXPECT_DOUBLE_EQ(environment.colourMax, std::sqrt(3.0));

    // Away from the resting origin every point moves: per lattice point four
    // segments and four black arrowhead edges.
    engine.recordInUse.Phase_Space_Position = StateVector{10.0, 10.0, 10.0, 0.0, 0.0, 0.0};
    environment.Vector_Flag_Display_Vector = 1;
    field.rebuild();
    const Feedback lines = captureFeedback(field);
    EXPECT_EQ(lines.lines.size(), 27u * 8u);

    environment.vectorFieldOn = 0;
    field.rebuild();
    EXPECT_TRUE(captureFeedback(field).lines.empty());
}

} // namespace
