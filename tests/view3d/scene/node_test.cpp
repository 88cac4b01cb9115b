// Transforms, nodes, binders, cameras, lights and world registration: the
// parts of the scene library that need no OpenGL context.
#include "view3d/scene/binder_obj.h"
#include "view3d/scene/camera.h"
#include "view3d/scene/draw_obj.h"
#include "view3d/scene/light.h"
#include "view3d/scene/matrix4.h"
#include "view3d/scene/mouse_device.h"
#include "view3d/scene/world.h"
#include "scripted_input.h"
#include "vector_expect.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

TEST(Matrix4, RotationIsRightHandedAndProductAppliesRightFactorFirst)
{
    const Matrix4 rz = Matrix4::rotation(90.0, {0.0, 0.0, 2.0});
    expectVectorNear({0.0, 1.0, 0.0}, rz.transformPoint({1.0, 0.0, 0.0}));
    const Matrix4 ry = Matrix4::rotation(90.0, {0.0, 1.0, 0.0});
    expectVectorNear({1.0, 0.0, 0.0}, ry.transformPoint({0.0, 0.0, 1.0}));

    const Matrix4 t = Matrix4::translation({1.0, 2.0, 3.0});
    expectVectorNear({1.0, 3.0, 3.0}, (t * rz).transformPoint({1.0, 0.0, 0.0}));
    expectVectorNear({-2.0, 1.0, 0.0}, (rz * t).transformPoint({0.0, 0.0, -3.0}));
    expectVectorNear({0.0, 1.0, 0.0}, (t * rz).transformDirection({1.0, 0.0, 0.0}));
}

TEST(Matrix4, RigidInverseUndoesRotationAndTranslation)
{
    const Matrix4 m = Matrix4::translation({0.3, -1.2, 4.0}) * Matrix4::rotation(37.0, {1.0, 2.0, -0.5})
                      * Matrix4::rotation(-80.0, {0.0, 1.0, 1.0});
    expectIdentity(m.rigidInverse() * m);
    expectIdentity(m * m.rigidInverse());
    const Vector3 p{1.5, -2.5, 0.25};
    expectVectorNear(p, m.rigidInverse().transformPoint(m.transformPoint(p)));
}

TEST(Node, TranslateAndRotateKeepTheOtherPartOfThePose)
{
    CNode node;
    node.setPosition({1.0, 2.0, 3.0});
    node.rotate(90.0, {0.0, 0.0, 1.0});
    expectVectorNear({1.0, 2.0, 3.0}, node.position());
    expectVectorNear({0.0, 1.0, 0.0}, node.orientation().transformDirection({1.0, 0.0, 0.0}));

    node.translate({-1.0, 0.5, 0.0});
    expectVectorNear({0.0, 2.5, 3.0}, node.position());
    expectVectorNear({0.0, 1.0, 0.0}, node.orientation().transformDirection({1.0, 0.0, 0.0}));

    // Rotations compose about the parent's axes: z then x.
    node.rotate(90.0, {1.0, 0.0, 0.0});
    expectVectorNear({0.0, 0.0, 1.0}, node.orientation().transformDirection({1.0, 0.0, 0.0}));
}

TEST(Binder, ObjectTransformFollowsTheBinderTransform)
{
    CBinderObj binder;
    CDrawObj object;
    object.setPosition({1.0, 0.0, 0.0});
    binder.rotate(90.0, {0.0, 0.0, 1.0});
    binder.setPosition({0.0, 0.0, -2.0});
    expectVectorNear({1.0, 0.0, 0.0}, object.worldTransform().transformPoint({}));
    ASSERT_TRUE(binder.bind(object));
    // Binder after object: the object's offset is turned by the binder, then moved.
    expectVectorNear({0.0, 1.0, -2.0}, object.worldTransform().transformPoint({}));
}

TEST(Binder, BindingTwiceLeavesOneEntryAndPrintsTheNotice)
{
    CBinderObj binder;
    CDrawObj object;
    ASSERT_TRUE(binder.bind(object));
    CaptureStdout();
    EXPECT_FALSE(binder.bind(object));
    EXPECT_EQ("CBinderObj: The identical Object is Binded!\n", GetCapturedStdout());
    EXPECT_EQ(1u, binder.objects().size());
    EXPECT_EQ(&binder, object.binder());
}

TEST(Binder, RebindingMovesTheObjectAndDestructionReleasesTheLinks)
{
    CBinderObj first;
    CDrawObj kept;
    {
        CBinderObj second;
        auto object = std::make_unique<CDrawObj>();
        first.bind(*object);
        second.bind(*object);
        EXPECT_TRUE(first.objects().empty());
        EXPECT_EQ(&second, object->binder());
        object.reset();
        EXPECT_TRUE(second.objects().empty());
        second.bind(kept);
    }
    EXPECT_EQ(nullptr, kept.binder());
    EXPECT_FALSE(first.unbind(kept));
}

TEST(Camera, DefaultsAndEyeMoveKeepTheViewingOffset)
{
    CCamera camera;
    EXPECT_EQ(0, camera.viewport().x);
    EXPECT_EQ(0, camera.viewport().y);
    EXPECT_EQ(640, camera.viewport().width);
    EXPECT_EQ(480, camera.viewport().height);
    EXPECT_EQ(PS_PERSPECTIVE, camera.projectionKind());
    EXPECT_EQ(40.0, camera.fieldOfView());
    EXPECT_EQ(1.0, camera.aspect());
    EXPECT_EQ(static_cast<double>(0.1f), camera.nearPlane()) << "the single-precision 0.1, widened";
    EXPECT_NEAR(0.100000001490116, camera.nearPlane(), 1e-15);
    EXPECT_EQ(100.0, camera.farPlane());
    expectVectorNear({0.0, 1.0, 0.0}, camera.upVector());

    camera.setEyePosition({0.0, 1.0, 8.2});
    expectVectorNear({0.0, 1.0, 8.2}, camera.eyePosition());
    expectVectorNear({0.0, 1.0, 3.2}, camera.lookAt());

    camera.setLookAt({1.0, 1.0, 1.0});
    camera.setEyePosition({-2.0, 0.0, 0.0});
    expectVectorNear({-1.0, 0.0, -7.2}, camera.lookAt());
}

TEST(Light, DefaultsAimTheSpotFromPositionToLookAt)
{
    CLight light;
    expectVectorNear({0.0, 0.0, 10.0}, light.position());
    EXPECT_EQ((Rgba{0.0f, 0.0f, 0.0f, 1.0f}), light.ambient);
    EXPECT_EQ((Rgba{1.0f, 1.0f, 1.0f, 1.0f}), light.diffuse);
    EXPECT_EQ((std::array<float, 3>{0.0f, 0.0f, -1.0f}), light.spotDirection);
    EXPECT_EQ(64.0f, light.spotExponent);
    EXPECT_EQ(30.0f, light.spotCutoff);
    EXPECT_FALSE(light.positional);

    light.setPosition({3.0, 0.0, 4.0});
    light.aimAt({0.0, 0.0, 0.0});
    EXPECT_FLOAT_EQ(-0.6f, light.spotDirection[0]);
    EXPECT_FLOAT_EQ(0.0f, light.spotDirection[1]);
    EXPECT_FLOAT_EQ(-0.8f, light.spotDirection[2]);
}

TEST(WorldRegistration, DuplicatesLeaveOneEntryAndPrintTheNotice)
{
    const std::string notice = "CWorld: The identical Object is already registered!\n";
    CWorld world;
    CCamera camera;
    CDrawObj object;
    CBinderObj binder;
    ScriptedInput input;
    CMouseDevice device(input);
    ASSERT_TRUE(world.registerCamera(camera));
    ASSERT_TRUE(world.registerObject(object));
    ASSERT_TRUE(world.bindBinder(binder));
    ASSERT_TRUE(world.registerDevice(device));

    CaptureStdout();
    EXPECT_FALSE(world.registerCamera(camera));
    EXPECT_EQ(notice, GetCapturedStdout());
    CaptureStdout();
    EXPECT_FALSE(world.registerObject(object));
    EXPECT_EQ(notice, GetCapturedStdout());
    CaptureStdout();
    EXPECT_FALSE(world.bindBinder(binder));
    EXPECT_EQ(notice, GetCapturedStdout());
    CaptureStdout();
    EXPECT_FALSE(world.registerDevice(device));
    EXPECT_EQ(notice, GetCapturedStdout());

    EXPECT_EQ(1u, world.cameras().size());
    EXPECT_EQ(1u, world.objects().size());
    EXPECT_EQ(1u, world.binders().size());
    EXPECT_EQ(1u, world.devices().size());
}

TEST(WorldRegistration, UnregisterRemovesOnlyWhatIsThere)
{
    CWorld world;
    CCamera a, b;
    CDrawObj object;
    world.registerCamera(a);
    world.registerCamera(b);
    world.registerObject(object);
    EXPECT_TRUE(world.unregisterCamera(a));
    EXPECT_FALSE(world.unregisterCamera(a));
    ASSERT_EQ(1u, world.cameras().size());
    EXPECT_EQ(&b, world.cameras()[0]);
    EXPECT_TRUE(world.unregisterObject(object));
    EXPECT_TRUE(world.objects().empty());
    EXPECT_TRUE(world.registerCamera(a)) << "an unregistered camera can come back";
    EXPECT_EQ(&a, world.cameras()[1]);
}
