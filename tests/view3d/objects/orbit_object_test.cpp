// The attractor object in each presentation mode, captured through feedback:
// which segments it records, where their ends lie in the scene, their
// colours, and the colour range it leaves in the environment.
#include "view3d/objects/orbit_object.h"

#include "dynamics/colour_scale.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/test_models.h"
#include "view3d/objects/scene_mapping.h"
#include "view3d/objects/view_light.h"
#include "view3d/scene/gl_state.h"
#include "view3d/scene/light.h"
#include "view3d/scene/gl_context.h"
#include "settings/environment_settings.h"
#include "feedback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPlace = 1e-4;
constexpr float kTint = 1.5f / 255.0f;

void expectAt(const FeedbackVertex& v, const Vector3& p, const char* what)
{
    EXPECT_NEAR(v.x, p.x, kPlace) << what;
    EXPECT_NEAR(v.y, p.y, kPlace) << what;
    EXPECT_NEAR(v.z, p.z, kPlace) << what;
}

void expectColour(const FeedbackVertex& v, double r, double g, double b, const char* what)
{
    EXPECT_NEAR(v.r, r, kTint) << what << ": red";
    EXPECT_NEAR(v.g, g, kTint) << what << ": green";
    EXPECT_NEAR(v.b, b, kTint) << what << ": blue";
}

void expectScaleColour(const FeedbackVertex& v, double position, const char* what)
{
    const ScaleColour c = ColourScale(position);
    expectColour(v, c.r, c.g, c.b, what);
}

// Splits consecutive segments into strips wherever one does not start where
// the previous one ended.
std::vector<std::vector<FeedbackLine>> strips(const std::vector<FeedbackLine>& lines)
{
    std::vector<std::vector<FeedbackLine>> result;
    for (const FeedbackLine& line : lines) {
        const bool joined = !result.empty() &&
                            std::abs(result.back().back().end.x - line.start.x) < kPlace &&
                            std::abs(result.back().back().end.y - line.start.y) < kPlace &&
                            std::abs(result.back().back().end.z - line.start.z) < kPlace;
        if (!joined)
            result.emplace_back();
        result.back().push_back(line);
    }
    return result;
}

constexpr PresentationMode kDrawnModes[] = {PresentationMode::Structure, PresentationMode::Velocity,
                                            PresentationMode::LocalLyapunov};

class OrbitObjectTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        initSceneGlobalState();
        configureViewLight(light);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        light.apply(0);
        glEnable(GL_LIGHT0);
        environment.dataSource = DataSource::Model;
        environment.presentationMode = PresentationMode::Structure;
    }

    // A decaying orbit dx/dt = −x of n points from start.
    void decayOrbit(int dimension, int n, const StateVector& start)
    {
        testmodels::bindModel(engine, testmodels::decay, dimension, 0);
        engine.recordInUse.Setting = start;
        engine.recordInUse.Sampling_Point = n;
        engine.computeOrbit();
    }

    Vector3 scenePoint(int i) const
    {
        return toScene(engine.displayPoints[i], sceneScale(engine.recordInUse, environment));
    }

    Feedback capture()
    {
        COrbitObject orbit(engine, environment);
        return captureFeedback(orbit);
    }

    DynamicsEngine engine;
    EnvironmentSettings environment;
    CLight light;
};

TEST_F(OrbitObjectTest, FlatStructureIsOneStripInTheOrbitColour)
{
    decayOrbit(3, 8, StateVector(1.0, 2.0, 3.0, 0.0, 0.0, 0.0));
    environment.Orbit_Type_Num = 0;
    environment.Orbit_Color[0] = 0.25f;
    environment.Orbit_Color[1] = 0.5f;
    environment.Orbit_Color[2] = 0.75f;
    environment.scale = 2.5;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 7u) << "eight points";
    ASSERT_EQ(strips(fb.lines).size(), 1u);
    for (int i = 0; i < 7; ++i) {
        expectAt(fb.lines[i].start, scenePoint(i), "start");
        expectAt(fb.lines[i].end, scenePoint(i + 1), "end");
        expectColour(fb.lines[i].start, 0.25, 0.5, 0.75, "unlit orbit colour");
    }
    // Phase (x, y, z) lands at (s·x, s·z, −s·y) with s = 10 × 2.5 × 0.02.
    const StateVector& x0 = engine.orbit[0];
    expectAt(fb.lines[0].start, {0.5 * x0[0], 0.5 * x0[2], -0.5 * x0[1]}, "scene mapping");
}

TEST_F(OrbitObjectTest, ShadedStructureIsSixDisplacedDifferentlyLitStrips)
{
    decayOrbit(3, 6, StateVector(1.0, 2.0, 3.0, 0.0, 0.0, 0.0));
    environment.Orbit_Type_Num = 1;
    const Feedback fb = capture();
    const auto passes = strips(fb.lines);
    ASSERT_EQ(passes.size(), 6u);
    const Vector3 normals[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
    const float* c = environment.Orbit_Color;
    for (int k = 0; k < 6; ++k) {
        ASSERT_EQ(passes[k].size(), 5u) << "pass " << k;
        for (int i = 0; i < 5; ++i) {
            const Vector3 p = scenePoint(i);
            const Vector3 moved{p.x + 0.003 * normals[k].x, p.y + 0.003 * normals[k].y,
                                p.z + 0.003 * normals[k].z};
            expectAt(passes[k][i].start, moved, "displaced point");
        }
        // Light 0 shines along −z: ambient 0.4 plus the global 0.2 everywhere,
        // and its diffuse 0.5 only on the strip whose normal faces it.
        const double lit = k == 4 ? 1.1 : 0.6;
        expectColour(passes[k][0].start, std::min(1.0, lit * c[0]), std::min(1.0, lit * c[1]),
                     std::min(1.0, lit * c[2]), "lit strip");
    }
}

TEST_F(OrbitObjectTest, NothingIsRecordedWhileTheOrbitIsNotReady)
{
    decayOrbit(3, 6, StateVector(1.0, 2.0, 3.0, 0.0, 0.0, 0.0));
    engine.orbitReady = 0;
    for (PresentationMode mode : kDrawnModes) {
        environment.presentationMode = mode;
        EXPECT_TRUE(capture().lines.empty()) << "mode " << static_cast<int>(mode);
    }
    EXPECT_EQ(environment.colourMax, 0.0) << "no colouring ran";
}

TEST_F(OrbitObjectTest, TheVectorFieldCanHideTheAttractor)
{
    decayOrbit(3, 6, StateVector(1.0, 2.0, 3.0, 0.0, 0.0, 0.0));
    environment.vectorFieldOn = 1;
    environment.Vector_Flag_Display_Attractor = 0;
    for (PresentationMode mode : kDrawnModes) {
        environment.presentationMode = mode;
        EXPECT_TRUE(capture().lines.empty()) << "mode " << static_cast<int>(mode);
    }
    environment.Vector_Flag_Display_Attractor = 1;
    EXPECT_FALSE(capture().lines.empty());
}

TEST_F(OrbitObjectTest, ModelVelocityBlendsBlueToRedOverItsRange)
{
    // The decay slows down along the orbit: the first point is the fastest and
    // point n − 2, the last one coloured, the slowest.
    decayOrbit(3, 10, StateVector(3.0, 0.0, 4.0, 0.0, 0.0, 0.0));
    environment.presentationMode = PresentationMode::Velocity;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 8u) << "n − 2 separate segments";
    const double fastest = norm(engine.orbit[0]);
    const double slowest = norm(engine.orbit[8]);
    EXPECT_NEAR(environment.colourMax, fastest, 1e-12);
    EXPECT_NEAR(environment.colourMin, slowest, 1e-12);
    expectScaleColour(fb.lines[0].start, 256.0, "fastest point is red");
    expectScaleColour(fb.lines[7].end, 0.0, "slowest point is blue");
    for (int i = 0; i < 8; ++i) {
        expectAt(fb.lines[i].start, scenePoint(i), "segment start");
        expectAt(fb.lines[i].end, scenePoint(i + 1), "segment end");
        const double start = (norm(engine.orbit[i]) - slowest) * 256.0 / (fastest - slowest);
        const double end = (norm(engine.orbit[i + 1]) - slowest) * 256.0 / (fastest - slowest);
        expectScaleColour(fb.lines[i].start, start, "start colour");
        expectScaleColour(fb.lines[i].end, end, "end colour blends to the next point");
    }
}

TEST_F(OrbitObjectTest, DataVelocityColoursBothEndsOfASegmentAlike)
{
    decayOrbit(3, 10, StateVector(3.0, 0.0, 4.0, 0.0, 0.0, 0.0));
    environment.dataSource = DataSource::Series;
    environment.presentationMode = PresentationMode::Velocity;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 8u);
    std::vector<double> steps;
    for (int i = 0; i < 9; ++i) {
        const Vector3& a = engine.displayPoints[i];
        const Vector3& b = engine.displayPoints[i + 1];
        steps.push_back(Vector3{b.x - a.x, b.y - a.y, b.z - a.z}.length());
    }
    const double top = *std::max_element(steps.begin(), steps.end());
    const double bottom = *std::min_element(steps.begin(), steps.end());
    EXPECT_NEAR(environment.colourMax, top, 1e-12);
    EXPECT_NEAR(environment.colourMin, bottom, 1e-12);
    for (int i = 0; i < 8; ++i) {
        const double position = (steps[i] - bottom) * 256.0 / (top - bottom);
        expectScaleColour(fb.lines[i].start, position, "start colour");
        expectScaleColour(fb.lines[i].end, position, "end keeps the start colour");
    }
}

TEST_F(OrbitObjectTest, VelocityWithoutADataSourceRecordsNothing)
{
    decayOrbit(3, 10, StateVector(3.0, 0.0, 4.0, 0.0, 0.0, 0.0));
    environment.dataSource = DataSource::None;
    environment.presentationMode = PresentationMode::Velocity;
    EXPECT_TRUE(capture().lines.empty());
    environment.dataSource = DataSource::Model;
    environment.presentationMode = PresentationMode::None;
    EXPECT_TRUE(capture().lines.empty()) << "no presentation mode";
}

TEST_F(OrbitObjectTest, ComponentColouringPlacesTheOtherThreeAndColoursByTheChosenOne)
{
    engine.recordEdited.Basis_Axis_Mode = 3;
    decayOrbit(4, 7, StateVector(1.0, 2.0, 3.0, 4.0, 0.0, 0.0));
    engine.recordInUse.Color_Axis_Number = 1;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 5u);
    const double s = 0.2;
    const double top = engine.orbit[0][1];
    const double bottom = engine.orbit[5][1];
    EXPECT_DOUBLE_EQ(environment.colourMax, top);
    EXPECT_DOUBLE_EQ(environment.colourMin, bottom);
    for (int i = 0; i < 5; ++i) {
        const StateVector& x = engine.orbit[i];
        // (x, z, w) drawn at (s·x, s·w, −s·z).
        expectAt(fb.lines[i].start, {s * x[0], s * x[3], -s * x[2]}, "x, z, w point");
        expectScaleColour(fb.lines[i].start, (x[1] - bottom) * 256.0 / (top - bottom), "y colour");
    }
}

TEST_F(OrbitObjectTest, ColourAxisArrangementOfAThreeVariableModelDrawsTheStructure)
{
    engine.recordEdited.Basis_Axis_Mode = 3;
    decayOrbit(3, 7, StateVector(1.0, 2.0, 3.0, 0.0, 0.0, 0.0));
    environment.Orbit_Type_Num = 0;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 6u) << "one strip through all seven points";
    expectAt(fb.lines[0].start, scenePoint(0), "structure point");
}

TEST_F(OrbitObjectTest, EqualValuesAllTakeTheLowEndOfTheScale)
{
    // Steps of a constant field are all alike.
    testmodels::bindModel(engine, testmodels::constantField, 3, 0);
    engine.recordInUse.Sampling_Point = 6;
    engine.computeOrbit();
    environment.presentationMode = PresentationMode::Velocity;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 4u);
    EXPECT_EQ(environment.colourMax, environment.colourMin);
    for (const FeedbackLine& line : fb.lines) {
        expectScaleColour(line.start, 0.0, "start");
        expectScaleColour(line.end, 0.0, "end");
    }
}

TEST_F(OrbitObjectTest, LocalLyapunovColouringCarriesThePerturbationAcrossRecordings)
{
    testmodels::bindLorenz(engine);
    engine.recordInUse.Sampling_Point = 200;
    engine.computeOrbit();
    environment.scale = 0.5;
    environment.presentationMode = PresentationMode::LocalLyapunov;
    environment.perturbation = StateVector(1e-8, 0.0, 0.0, 0.0, 0.0, 0.0);
    COrbitObject orbit(engine, environment);
    const Feedback first = captureFeedback(orbit);
    ASSERT_EQ(first.lines.size(), 198u);
    EXPECT_LT(environment.colourMin, environment.colourMax);
    const StateVector carried = environment.perturbation;
    EXPECT_NEAR(norm(carried), 1e-8, 1e-15) << "length kept";
    EXPECT_NE(carried, StateVector(1e-8, 0.0, 0.0, 0.0, 0.0, 0.0)) << "direction turned";

    // The next recording starts from the carried perturbation, so its colours
    // differ from those of a fresh start.
    const double firstMax = environment.colourMax;
    orbit.rebuild();
    captureFeedback(orbit);
    EXPECT_NE(environment.perturbation, carried);
    EXPECT_NE(environment.colourMax, firstMax);
}

TEST_F(OrbitObjectTest, ReplaysTheSameListUntilRebuilt)
{
    decayOrbit(3, 8, StateVector(1.0, 2.0, 3.0, 0.0, 0.0, 0.0));
    environment.Orbit_Type_Num = 0;
    COrbitObject orbit(engine, environment);
    EXPECT_EQ(captureFeedback(orbit).lines.size(), 7u);
    environment.Orbit_Type_Num = 1;
    EXPECT_EQ(captureFeedback(orbit).lines.size(), 7u) << "replayed";
    orbit.rebuild();
    EXPECT_EQ(captureFeedback(orbit).lines.size(), 42u) << "re-recorded as a tube";
}

TEST_F(OrbitObjectTest, FlatOrbitShowsItsColourOnScreen)
{
    // A straight orbit along phase x through the middle of the view.
    testmodels::bindModel(engine, testmodels::constantField, 1, 0);
    engine.displayBasis[0] = Vector3(1.0, 0.0, 0.0);
    engine.recordInUse.Setting = StateVector(-5.0, 0.0, 0.0, 0.0, 0.0, 0.0);
    engine.recordInUse.Sampling_Point = 2;
    engine.recordInUse.Sampling_Interval = 10.0;
    engine.computeOrbit();
    environment.Orbit_Type_Num = 0;
    COrbitObject orbit(engine, environment);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2.0, 2.0, -2.0, 2.0, -2.0, 2.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    orbit.draw();
    glFinish();
    const Rgb expected{153, 255, 255};
    bool found = false;
    for (int y = kSize / 2 - 2; y <= kSize / 2 + 1 && !found; ++y)
        found = pixel(kSize / 2, y) == expected;
    EXPECT_TRUE(found) << "no pixel of the orbit colour (0.6, 1, 1) in the middle column";
}

} // namespace
