// The fixed furniture of a view, captured through feedback: the grid and
// checked floors, the active-view outline and the view light.
#include "view3d/objects/active_view_marker.h"
#include "view3d/objects/room_object.h"
#include "view3d/objects/view_light.h"
#include "view3d/scene/camera.h"
#include "view3d/scene/gl_state.h"
#include "view3d/scene/light.h"
#include "view3d/scene/world.h"
#include "view3d/scene/gl_context.h"
#include "settings/environment_settings.h"
#include "feedback.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPlace = 1e-4; // scene units; feedback positions are floats
constexpr float kTint = 1.0f / 255.0f;

void expectAt(const FeedbackVertex& v, double x, double y, double z)
{
    EXPECT_NEAR(v.x, x, kPlace) << "x of vertex";
    EXPECT_NEAR(v.y, y, kPlace) << "y of vertex";
    EXPECT_NEAR(v.z, z, kPlace) << "z of vertex";
}

void expectColour(const FeedbackVertex& v, float r, float g, float b)
{
    EXPECT_NEAR(v.r, r, kTint) << "red";
    EXPECT_NEAR(v.g, g, kTint) << "green";
    EXPECT_NEAR(v.b, b, kTint) << "blue";
    EXPECT_NEAR(v.a, 1.0f, kTint) << "alpha";
}

// Twice the signed area of a polygon in the floor plane, positive when it is
// counter-clockwise seen from above (looking down −y at x right, z down).
double signedArea(const std::vector<FeedbackVertex>& polygon)
{
    double sum = 0.0;
    for (std::size_t k = 0; k < polygon.size(); ++k) {
        const FeedbackVertex& a = polygon[k];
        const FeedbackVertex& b = polygon[(k + 1) % polygon.size()];
        sum += a.z * b.x - a.x * b.z;
    }
    return sum;
}

class RoomTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        initSceneGlobalState();
        environment.Wall_Color[0] = 0.3f;
        environment.Wall_Color[1] = 0.4f;
        environment.Wall_Color[2] = 0.5f;
    }

    Feedback capture(FeedbackView view = FeedbackView::Front)
    {
        CRoomObject room(environment);
        return captureFeedback(room, view);
    }

    EnvironmentSettings environment;
};

TEST_F(RoomTest, GridWithoutDivisionsIsAThreeSidedOutline)
{
    environment.Wall_Type_Num = 1;
    environment.Wall_Latice_Num = 0;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 3u);
    expectAt(fb.lines[0].start, -2.0, -1.5, -4.2);
    expectAt(fb.lines[0].end, -2.0, -1.5, 0.85);
    expectAt(fb.lines[1].end, 2.0, -1.5, 0.85);
    expectAt(fb.lines[2].end, 2.0, -1.5, -4.2);
    for (const FeedbackLine& line : fb.lines)
        expectColour(line.start, 0.3f, 0.4f, 0.5f);
    EXPECT_TRUE(fb.polygons.empty());
}

TEST_F(RoomTest, GridDrawsEveryFifthLineBrighter)
{
    environment.Wall_Type_Num = 1;
    environment.Wall_Latice_Num = 20;
    const Feedback fb = capture();
    ASSERT_EQ(fb.lines.size(), 42u);
    for (int i = 0; i <= 20; ++i) {
        const FeedbackLine& across = fb.lines[static_cast<std::size_t>(i)];
        const double x = 4.0 * i / 20 - 2.0;
        expectAt(across.start, x, -1.5, -4.2);
        expectAt(across.end, x, -1.5, 0.85);
        const FeedbackLine& along = fb.lines[static_cast<std::size_t>(21 + i)];
        const double z = 5.05 * i / 20 - 4.2;
        expectAt(along.start, -2.0, -1.5, z);
        expectAt(along.end, 2.0, -1.5, z);
        const float lift = i % 5 == 0 ? 0.1f : 0.0f;
        SCOPED_TRACE(i);
        expectColour(across.start, 0.3f + lift, 0.4f + lift, 0.5f + lift);
        expectColour(along.end, 0.3f + lift, 0.4f + lift, 0.5f + lift);
    }
}

TEST_F(RoomTest, BrightenedLinesOfALightFloorClampAtFullIntensity)
{
    environment.Wall_Type_Num = 1;
    environment.Wall_Latice_Num = 5;
    environment.Wall_Color[0] = environment.Wall_Color[1] = environment.Wall_Color[2] = 0.95f;
    CRoomObject room(environment);
    CCamera camera;
    camera.setViewport(0, 0, kSize, kSize);
    camera.setOrtho(-2.5, 2.5, -2.5, 2.5, -10.0, 10.0);
    camera.setEyePosition({0.0, 5.0, 0.0});
    camera.setLookAt({0.0, 0.0, 0.0});
    camera.setUpVector({0.0, 0.0, -1.0});
    CWorld world;
    world.registerCamera(camera);
    world.registerObject(room);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    world.draw(true);
    // The line x = -2 (index 0) falls on column 6 of the 64-pixel view of -2.5..2.5.
    const int column = static_cast<int>(std::lround((-2.0 + 2.5) / 5.0 * kSize));
    bool found = false;
    for (int dx = -1; dx <= 1 && !found; ++dx)
        found = pixel(column + dx, kSize / 2) == Rgb{255, 255, 255};
    EXPECT_TRUE(found) << "no full-white pixel near column " << column;
}

TEST_F(RoomTest, CheckedFloorAlternatesWallColourAndBlackFacingUp)
{
    environment.Wall_Type_Num = 2;
    environment.Wall_Latice_Num = 4;
    const Feedback fb = capture(FeedbackView::Above);
    ASSERT_EQ(fb.lines.size(), 3u) << "the outline";
    expectColour(fb.lines[0].start, 0.3f, 0.4f, 0.5f);
    // Back faces are culled, so a quad wound the wrong way would be missing.
    double area[2] = {0.0, 0.0};
    ASSERT_FALSE(fb.polygons.empty());
    for (const auto& polygon : fb.polygons) {
        ASSERT_GE(polygon.size(), 3u);
        const double twice = signedArea(polygon);
        EXPECT_GT(twice, 0.0) << "polygon wound clockwise seen from above";
        const bool black = polygon[0].r == 0.0f && polygon[0].g == 0.0f && polygon[0].b == 0.0f;
        if (!black)
            expectColour(polygon[0], 0.3f, 0.4f, 0.5f);
        area[black ? 1 : 0] += twice / 2.0;
        for (const FeedbackVertex& v : polygon)
            EXPECT_NEAR(v.y, -1.5, kPlace);
    }
    const double whole = 4.0 * 5.05;
    EXPECT_NEAR(area[0], whole / 2.0, 1e-3) << "wall-coloured squares";
    EXPECT_NEAR(area[1], whole / 2.0, 1e-3) << "black squares";
}

TEST_F(RoomTest, CheckedFloorKnowsTheColourOfEachSquare)
{
    environment.Wall_Type_Num = 2;
    environment.Wall_Latice_Num = 2;
    const Feedback fb = capture(FeedbackView::Above);
    // Square (i, j) has its centre at x = -1 + 2i, z = -4.2 + 1.2625 (2j + 1).
    for (const auto& polygon : fb.polygons) {
        double cx = 0.0, cz = 0.0;
        for (const FeedbackVertex& v : polygon) {
            cx += v.x;
            cz += v.z;
        }
        cx /= static_cast<double>(polygon.size());
        cz /= static_cast<double>(polygon.size());
        const int i = cx < 0.0 ? 0 : 1;
        const int j = cz < -4.2 + 2.525 ? 0 : 1;
        SCOPED_TRACE(testing::Message() << "square " << i << "," << j);
        if ((i + j) % 2 == 0)
            expectColour(polygon[0], 0.3f, 0.4f, 0.5f);
        else
            expectColour(polygon[0], 0.0f, 0.0f, 0.0f);
    }
    EXPECT_FALSE(fb.polygons.empty());
}

TEST_F(RoomTest, CheckedFloorWithoutDivisionsIsTheOutlineOnly)
{
    environment.Wall_Type_Num = 2;
    environment.Wall_Latice_Num = 0;
    const Feedback fb = capture(FeedbackView::Above);
    EXPECT_EQ(fb.lines.size(), 3u);
    EXPECT_TRUE(fb.polygons.empty());
}

TEST_F(RoomTest, UnknownFloorTypesDrawNothing)
{
    for (int type : {0, 3, -1}) {
        environment.Wall_Type_Num = type;
        const Feedback fb = capture(FeedbackView::Above);
        EXPECT_TRUE(fb.lines.empty() && fb.polygons.empty()) << "type " << type;
    }
}

TEST_F(RoomTest, FloorFollowsItsSettingsOnlyWhenRebuilt)
{
    environment.Wall_Type_Num = 1;
    environment.Wall_Latice_Num = 0;
    CRoomObject room(environment);
    EXPECT_EQ(captureFeedback(room).lines.size(), 3u);
    environment.Wall_Latice_Num = 1;
    EXPECT_EQ(captureFeedback(room).lines.size(), 3u) << "replayed without a rebuild";
    room.rebuild();
    EXPECT_EQ(captureFeedback(room).lines.size(), 4u);
}

TEST_F(RoomTest, ActiveViewOutlineShowsOnlyWhenAsked)
{
    bool shown = true;
    CActiveViewMarker marker([&] { return shown; });
    const Feedback fb = captureFeedback(marker);
    ASSERT_EQ(fb.lines.size(), 4u) << "a closed loop";
    expectAt(fb.lines[0].start, -2.0, -1.495, 0.85);
    expectAt(fb.lines[1].start, 2.0, -1.495, 0.85);
    expectAt(fb.lines[2].start, 2.0, -1.495, -4.2);
    expectAt(fb.lines[3].start, -2.0, -1.495, -4.2);
    expectAt(fb.lines[3].end, -2.0, -1.495, 0.85);
    for (const FeedbackLine& line : fb.lines)
        expectColour(line.end, 0.6f, 0.6f, 0.6f);

    shown = false;
    EXPECT_EQ(captureFeedback(marker).lines.size(), 4u) << "decided at recording time";
    marker.rebuild();
    EXPECT_TRUE(captureFeedback(marker).lines.empty());
}

TEST_F(RoomTest, ViewLightIsAGreyDirectionalSpotFromAbove)
{
    CLight light;
    light.ambient = {1.0f, 0.0f, 0.0f, 1.0f};
    light.setPosition({3.0, 4.0, 5.0});
    light.positional = true;
    light.spotExponent = 1.0f;
    configureViewLight(light);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    light.apply(0);

    GLfloat value[4] = {};
    glGetLightfv(GL_LIGHT0, GL_AMBIENT, value);
    EXPECT_FLOAT_EQ(value[0], 0.4f);
    EXPECT_FLOAT_EQ(value[3], 1.0f);
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, value);
    EXPECT_FLOAT_EQ(value[1], 0.5f);
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, value);
    EXPECT_FLOAT_EQ(value[2], 1.0f);
    glGetLightfv(GL_LIGHT0, GL_POSITION, value);
    EXPECT_FLOAT_EQ(value[2], 10.0f);
    EXPECT_FLOAT_EQ(value[3], 0.0f) << "sent as a direction";
    glGetLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, value);
    EXPECT_FLOAT_EQ(value[0], 0.0f);
    EXPECT_FLOAT_EQ(value[1], 0.0f);
    EXPECT_FLOAT_EQ(value[2], -1.0f);
    glGetLightfv(GL_LIGHT0, GL_SPOT_EXPONENT, value);
    EXPECT_FLOAT_EQ(value[0], 64.0f);
    glGetLightfv(GL_LIGHT0, GL_SPOT_CUTOFF, value);
    EXPECT_FLOAT_EQ(value[0], 30.0f);
}

} // namespace
