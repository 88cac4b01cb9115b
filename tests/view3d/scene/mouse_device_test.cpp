// The mouse device turning scripted cursor motion, buttons and modifier keys
// into the pointer's pose and button word.
#include "view3d/scene/mouse_device.h"
#include "view3d/scene/pointer.h"
#include "view3d/scene/world.h"
#include "scripted_input.h"
#include "vector_expect.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class MouseDeviceTest : public ::testing::Test {
protected:
    MouseDeviceTest() { device.attach(&pointer); }

    // Moves the cursor to (x, y) with the given buttons and keys, then polls.
    void moveTo(int x, int y, unsigned buttons, unsigned keys = 0)
    {
        input.position = ScreenPoint{x, y};
        input.buttonBits = buttons;
        input.modifierBits = keys;
        device.poll();
    }

    static constexpr unsigned kLeft = PointerInput::kLeftButton;
    static constexpr unsigned kShift = PointerInput::kShiftKey;
    static constexpr unsigned kCtrl = PointerInput::kControlKey;

    ScriptedInput input;
    CMouseDevice device{input};
    CPointer pointer;
};

} // namespace

TEST_F(MouseDeviceTest, FirstPollOnlyTakesTheCursorPosition)
{
    moveTo(500, 400, kLeft);
    expectVectorNear({0.0, 0.0, 0.0}, pointer.position());
    EXPECT_TRUE(pointer.buttonDown(0));
}

TEST_F(MouseDeviceTest, LeftDragMovesAcrossAndUpTheScreen)
{
    moveTo(100, 100, 0);
    moveTo(177, 23, kLeft);
    expectVectorNear({1.0, 1.0, 0.0}, pointer.position());
    EXPECT_EQ(CPointer::kPrimaryButton, pointer.buttons());
    moveTo(100, 100, kLeft);
    expectVectorNear({0.0, 0.0, 0.0}, pointer.position());
}

TEST_F(MouseDeviceTest, ShiftDragDownMovesTowardTheViewer)
{
    moveTo(0, 0, 0);
    moveTo(77, 54, kLeft, kShift);
    expectVectorNear({1.0, 0.0, 2.0}, pointer.position());
}

TEST_F(MouseDeviceTest, MotionWithoutTheLeftButtonMovesNothing)
{
    moveTo(0, 0, 0);
    moveTo(300, 200, PointerInput::kRightButton);
    moveTo(10, 20, 0, kCtrl);
    expectVectorNear({0.0, 0.0, 0.0}, pointer.position());
    expectIdentity(pointer.pose());
    EXPECT_EQ(0u, pointer.buttons());
}

TEST_F(MouseDeviceTest, FailedCursorReadUsesTheLastPosition)
{
    moveTo(100, 100, kLeft);
    input.position.reset();
    device.poll();
    expectVectorNear({0.0, 0.0, 0.0}, pointer.position());
    moveTo(254, 100, kLeft);
    expectVectorNear({2.0, 0.0, 0.0}, pointer.position());
}

TEST_F(MouseDeviceTest, CtrlDragTurnsWithoutMoving)
{
    moveTo(0, 0, 0);
    // 180 pixels to the right: a quarter turn about the vertical axis; the
    // front of the pointer (+z) turns to the right (+x).
    moveTo(180, 0, kLeft, kCtrl);
    expectVectorNear({0.0, 0.0, 0.0}, pointer.position());
    expectVectorNear({1.0, 0.0, 0.0}, pointer.pose().transformDirection({0.0, 0.0, 1.0}));
    // Then 180 pixels down, composed about the screen's horizontal axis: the
    // top (+y) turns toward the viewer (+z).
    moveTo(180, 180, kLeft, kCtrl);
    expectVectorNear({0.0, 0.0, 1.0}, pointer.pose().transformDirection({0.0, 1.0, 0.0}));
    expectVectorNear({1.0, 0.0, 0.0}, pointer.pose().transformDirection({0.0, 0.0, 1.0}));
}

TEST_F(MouseDeviceTest, PoseIsTranslationThenRotation)
{
    moveTo(0, 0, 0);
    moveTo(77, 0, kLeft);
    moveTo(77 + 180, 0, kLeft, kCtrl);
    expectVectorNear({1.0, 0.0, 0.0}, pointer.position());
    expectVectorNear({2.0, 0.0, 0.0}, pointer.pose().transformPoint({0.0, 0.0, 1.0}));
}

TEST_F(MouseDeviceTest, ManySmallTurnsStayARotationAndAddUp)
{
    moveTo(0, 0, 0);
    // 720 one-pixel drags to the right: 360 degrees in half-degree steps.
    for (int x = 1; x <= 720; ++x)
        moveTo(x, 0, kLeft, kCtrl);
    const Matrix4 r = device.rotation();
    expectIdentity(r.rigidInverse() * r, 1e-12);
    expectIdentity(r, 1e-9);
}

TEST_F(MouseDeviceTest, WorldUpdatePollsOnlyRegisteredDevices)
{
    CWorld world;
    moveTo(0, 0, 0);
    input.buttonBits = kLeft;
    input.position = ScreenPoint{77, 0};
    world.update();
    expectVectorNear({0.0, 0.0, 0.0}, pointer.position());

    ASSERT_TRUE(world.registerDevice(device));
    world.update();
    expectVectorNear({1.0, 0.0, 0.0}, pointer.position());

    ASSERT_TRUE(world.unregisterDevice(device));
    input.position = ScreenPoint{154, 0};
    world.update();
    expectVectorNear({1.0, 0.0, 0.0}, pointer.position());
}
