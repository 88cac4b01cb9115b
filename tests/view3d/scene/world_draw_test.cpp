// Drawing worlds into a real OpenGL context and reading the pixels back:
// cameras and viewports, display-list rebuild modes, binders and the pointer,
// lights, materials and the state a draw leaves behind.
#include "view3d/scene/binder_obj.h"
#include "view3d/scene/camera.h"
#include "view3d/scene/draw_obj.h"
#include "view3d/scene/gl_state.h"
#include "view3d/scene/light.h"
#include "view3d/scene/pointer.h"
#include "view3d/scene/sphere_obj.h"
#include "view3d/scene/world.h"
#include "gl_context.h"

#include <gtest/gtest.h>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

const Rgb kBlue{0, 0, 255};
const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 255, 0};

// An unlit square of side 2 * half centred on (cx, cy) at depth z.
void square(float cx, float cy, float z, float half, float r, float g, float b)
{
    glDisable(GL_LIGHTING);
    glColor3f(r, g, b);
    glBegin(GL_QUADS);
    glVertex3f(cx - half, cy - half, z);
    glVertex3f(cx + half, cy - half, z);
    glVertex3f(cx + half, cy + half, z);
    glVertex3f(cx - half, cy + half, z);
    glEnd();
    glEnable(GL_LIGHTING);
}

// Counts its recordings through the virtual geometry routine.
class CountingObj : public CDrawObj {
public:
    int recorded = 0;

protected:
    void drawImplementation() override
    {
        ++recorded;
        square(0.0f, 0.0f, 0.0f, 0.25f, 1.0f, 0.0f, 0.0f);
    }
};

class WorldDrawTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        initSceneGlobalState();
        glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
        // The view spans -1..1 in x and y: pixel = 32 + 32 * coordinate.
        camera.setViewport(0, 0, kSize, kSize);
        camera.setOrtho(-1.0, 1.0, -1.0, 1.0, 0.1, 100.0);
        world.registerCamera(camera);
    }

    // A red square of half-size 0.25 at the object's origin.
    static void redSquare() { square(0.0f, 0.0f, 0.0f, 0.25f, 1.0f, 0.0f, 0.0f); }

    CWorld world;
    CCamera camera;
};

} // namespace

TEST_F(WorldDrawTest, OneCameraAndOneObjectDrawTheExpectedPixels)
{
    CDrawObj object;
    object.setGeometryCallback(redSquare);
    world.registerObject(object);
    world.draw(true);
    EXPECT_EQ(kRed, pixel(32, 32));
    EXPECT_EQ(kBlue, pixel(2, 2));

    object.setPosition({0.5, 0.5, 0.0});
    world.draw(true);
    EXPECT_EQ(kRed, pixel(48, 48));
    EXPECT_EQ(kBlue, pixel(32, 32));
}

TEST_F(WorldDrawTest, ClearingIsOnlyDoneWhenAsked)
{
    CDrawObj object;
    object.setGeometryCallback(redSquare);
    world.registerObject(object);
    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    world.draw(false);
    EXPECT_EQ(kGreen, pixel(2, 2));
    EXPECT_EQ(kRed, pixel(32, 32));
    world.draw(true);
    EXPECT_EQ(kBlue, pixel(2, 2));
}

TEST_F(WorldDrawTest, EveryCameraDrawsInItsOwnViewport)
{
    CDrawObj object;
    object.setGeometryCallback(redSquare);
    world.registerObject(object);
    camera.setViewport(0, 0, kSize / 2, kSize);
    CCamera right;
    right.setViewport(kSize / 2, 0, kSize / 2, kSize);
    right.setOrtho(-1.0, 1.0, -1.0, 1.0, 0.1, 100.0);
    world.registerCamera(right);
    world.draw(true);
    EXPECT_EQ(kRed, pixel(16, 32));
    EXPECT_EQ(kRed, pixel(48, 32));
    EXPECT_EQ(kBlue, pixel(32, 32));

    world.unregisterCamera(right);
    world.draw(true);
    EXPECT_EQ(kRed, pixel(16, 32));
    EXPECT_EQ(kBlue, pixel(48, 32));
}

TEST_F(WorldDrawTest, RebuildModesDecideHowOftenTheListIsRecorded)
{
    CountingObj object;
    world.registerObject(object);
    EXPECT_EQ(CDrawObj::kRebuildOnce, object.rebuildMode());
    for (int frame = 0; frame < 3; ++frame)
        world.draw(true);
    EXPECT_EQ(1, object.recorded) << "rebuild once records at the first draw only";
    EXPECT_EQ(CDrawObj::kNeverRebuild, object.rebuildMode());
    EXPECT_EQ(kRed, pixel(32, 32)) << "the list is replayed without recording";

    object.requestRebuild(PS_REBUILD_EVERY_DRAW);
    for (int frame = 0; frame < 4; ++frame)
        world.draw(true);
    EXPECT_EQ(5, object.recorded) << "rebuild at every draw";

    object.requestRebuild(PS_REBUILD_NEVER);
    world.draw(true);
    EXPECT_EQ(5, object.recorded);

    object.requestRebuild(PS_REBUILD_ONCE);
    world.draw(true);
    world.draw(true);
    EXPECT_EQ(6, object.recorded);

    object.setShadeModel(ShadeModel::Smooth);
    world.draw(true);
    world.draw(true);
    EXPECT_EQ(7, object.recorded) << "setting the shade model requests one rebuild";

    object.requestRebuild(PS_REBUILD_EVERY_DRAW);
    object.setShadeModel(ShadeModel::Flat);
    EXPECT_EQ(CDrawObj::kRebuildEveryDraw, object.rebuildMode());
}

TEST_F(WorldDrawTest, CallbackTakesPrecedenceOverTheVirtualRoutine)
{
    CountingObj object;
    int calls = 0;
    object.setGeometryCallback([&calls] {
        ++calls;
        square(0.0f, 0.0f, 0.0f, 0.25f, 0.0f, 1.0f, 0.0f);
    });
    object.requestRebuild(PS_REBUILD_EVERY_DRAW);
    world.registerObject(object);
    world.draw(true);
    world.draw(true);
    EXPECT_EQ(2, calls);
    EXPECT_EQ(0, object.recorded);
    EXPECT_EQ(kGreen, pixel(32, 32));

    object.setGeometryCallback({});
    world.draw(true);
    EXPECT_EQ(1, object.recorded);
    EXPECT_EQ(kRed, pixel(32, 32));
}

TEST_F(WorldDrawTest, BinderTransformIsAppliedBeforeTheObjects)
{
    CBinderObj binder;
    CDrawObj object;
    object.setGeometryCallback(redSquare);
    object.setPosition({0.5, 0.0, 0.0});
    binder.rotate(90.0, {0.0, 0.0, 1.0});
    binder.bind(object);
    world.registerObject(object);

    world.draw(true);
    EXPECT_EQ(kBlue, pixel(48, 32)) << "a bound object shows only once its binder is in the world";

    world.bindBinder(binder);
    world.draw(true);
    // Binder after object would leave the square at (0.5, 0): it is at (0, 0.5).
    EXPECT_EQ(kRed, pixel(32, 48));
    EXPECT_EQ(kBlue, pixel(48, 32));

    binder.translate({-0.5, 0.0, 0.0});
    world.draw(true);
    EXPECT_EQ(kRed, pixel(16, 48));
}

TEST_F(WorldDrawTest, DepthTestFlagLetsALaterObjectCoverANearerOne)
{
    CDrawObj nearer, farther;
    nearer.setGeometryCallback(redSquare);
    nearer.setPosition({0.0, 0.0, 1.0});
    farther.setGeometryCallback([] { square(0.0f, 0.0f, 0.0f, 0.5f, 0.0f, 1.0f, 0.0f); });
    world.registerObject(nearer);
    world.registerObject(farther);
    world.draw(true);
    EXPECT_EQ(kRed, pixel(32, 32));
    EXPECT_EQ(kGreen, pixel(32 + 12, 32));

    farther.setDepthTest(false);
    world.draw(true);
    EXPECT_EQ(kGreen, pixel(32, 32));
}

TEST_F(WorldDrawTest, PolygonModeIsAppliedAtReplay)
{
    CDrawObj object;
    object.setGeometryCallback(redSquare);
    object.setPolygonMode(PolygonMode::Line);
    world.registerObject(object);
    world.draw(true);
    EXPECT_EQ(kBlue, pixel(32, 32)) << "an outlined square is empty inside";
    object.setPolygonMode(PolygonMode::Fill);
    world.draw(true);
    EXPECT_EQ(kRed, pixel(32, 32));
}

TEST_F(WorldDrawTest, DrawLeavesDepthWritesOnAndBlendingOff)
{
    CDrawObj object;
    object.setGeometryCallback([] {
        glEnable(GL_BLEND);
        glDepthMask(GL_FALSE);
    });
    world.registerObject(object);
    world.draw(true);
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_EQ(GL_TRUE, depthWrites);
    EXPECT_EQ(GL_FALSE, glIsEnabled(GL_BLEND));
}

TEST_F(WorldDrawTest, LightsGetConsecutiveNumbersAndAreSentAfterTheCamera)
{
    camera.setPerspective(40.0, 1.0, 0.1, 100.0);
    CLight directional, positional;
    positional.positional = true;
    positional.diffuse = {0.5f, 0.25f, 0.125f, 1.0f};
    ASSERT_TRUE(world.registerLight(directional));
    ASSERT_TRUE(world.registerLight(positional));
    EXPECT_EQ(GL_TRUE, glIsEnabled(GL_LIGHT0));
    EXPECT_EQ(GL_TRUE, glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(GL_FALSE, glIsEnabled(GL_LIGHT2));
    world.draw(true);

    // The camera looks from (0, 0, 5): a light at (0, 0, 10) is 5 in front of
    // the eye; a direction is not moved by the eye.
    GLfloat place[4] = {};
    glGetLightfv(GL_LIGHT0, GL_POSITION, place);
    EXPECT_FLOAT_EQ(10.0f, place[2]);
    EXPECT_EQ(0.0f, place[3]);
    glGetLightfv(GL_LIGHT1, GL_POSITION, place);
    EXPECT_FLOAT_EQ(5.0f, place[2]);
    EXPECT_EQ(1.0f, place[3]);
    GLfloat colour[4] = {};
    glGetLightfv(GL_LIGHT1, GL_DIFFUSE, colour);
    EXPECT_EQ(0.25f, colour[1]);
    GLfloat spot[3] = {};
    glGetLightfv(GL_LIGHT1, GL_SPOT_DIRECTION, spot);
    EXPECT_FLOAT_EQ(-1.0f, spot[2]);
    GLfloat value = 0.0f;
    glGetLightfv(GL_LIGHT1, GL_SPOT_EXPONENT, &value);
    EXPECT_EQ(64.0f, value);
    glGetLightfv(GL_LIGHT1, GL_SPOT_CUTOFF, &value);
    EXPECT_EQ(30.0f, value);
}

TEST_F(WorldDrawTest, NinthLightIsRefusedWithItsNotice)
{
    CLight lights[9];
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(world.registerLight(lights[i])) << "light " << i;
    CaptureStdout();
    EXPECT_FALSE(world.registerLight(lights[8]));
    EXPECT_EQ("CWorld: Too many Lights!\n", GetCapturedStdout());
    EXPECT_EQ(8u, world.lights().size());

    CaptureStdout();
    EXPECT_FALSE(world.registerLight(lights[0]));
    EXPECT_EQ("CWorld: The identical Object is already registered!\n", GetCapturedStdout());
}

TEST_F(WorldDrawTest, CursorSphereShowsItsMaterialAndFollowsThePointer)
{
    camera.setPerspective(40.0, 1.0, 0.1, 100.0);
    CLight light;
    light.ambient = {0.4f, 0.4f, 0.4f, 1.0f};
    light.diffuse = {0.5f, 0.5f, 0.5f, 1.0f};
    world.registerLight(light);

    CSphereObj sphere(0.5, 20, 20);
    sphere.setShadeModel(ShadeModel::Smooth);
    // No specular highlight, so every lit pixel shows the material colour.
    sphere.setMaterial({1.0f, 1.0f, 0.0f, 1.0f}, {1.0f, 1.0f, 0.0f, 1.0f},
                       {0.0f, 0.0f, 0.0f, 1.0f}, 0.0f);
    world.registerObject(sphere);
    CPointer pointer;
    pointer.bind(sphere);
    pointer.setPosition({1.0, 0.0, 0.0});

    world.draw(true);
    EXPECT_EQ(kBlue, pixel(32, 32)) << "the pointer is not bound into the world";

    world.bindBinder(pointer);
    world.draw(true);
    // 1.0 to the right at distance 5 with a 40-degree view: about 17.6 pixels
    // right, the sphere about 8.8 pixels in radius.
    const Rgb yellow = pixel(50, 32);
    EXPECT_GT(int{yellow[0]}, 150);
    EXPECT_GT(int{yellow[1]}, 150);
    EXPECT_LT(int{yellow[2]}, 60);
    EXPECT_EQ(kBlue, pixel(32, 32));

    // A new colour needs no rebuild: the material is sent at every replay.
    ASSERT_EQ(CDrawObj::kNeverRebuild, sphere.rebuildMode());
    sphere.setAmbientAndDiffuse({0.0f, 1.0f, 1.0f, 1.0f});
    world.draw(true);
    const Rgb cyan = pixel(50, 32);
    EXPECT_LT(int{cyan[0]}, 60);
    EXPECT_GT(int{cyan[1]}, 150);
    EXPECT_GT(int{cyan[2]}, 150);

    world.unbindBinder(pointer);
    world.draw(true);
    EXPECT_EQ(kBlue, pixel(50, 32));
}
