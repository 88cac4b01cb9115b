// The drawing tick on an offscreen context: pointer binding, the mouse device
// and the foreground, the update of a view (rebuild, automatic scale), the
// pointer tools, environment changes and cursor colours.
#include "document_fixture.h"

#include "document/pointer_tools.h"

#include <GL/gl.h>

#include <algorithm>
#include <type_traits>
#include <vector>

namespace {

template <typename T>
bool listed(const std::vector<T*>& list, std::type_identity_t<const T*> item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

constexpr Rgba kGrey{0.5f, 0.5f, 0.5f, 1.0f};
constexpr Rgba kYellow{1.0f, 1.0f, 0.0f, 1.0f};
constexpr Rgba kGreen{0.0f, 1.0f, 0.0f, 1.0f};
constexpr Rgba kCyan{0.0f, 1.0f, 1.0f, 1.0f};

double stillModel(int*, double*, double*, double*) { return 0.0; }

class DrawTick : public GlDocumentTest {
protected:
    bool pointerBoundTo(int v)
    {
        return slot(v).boundPointer == &document().pointer &&
               listed(slot(v).world.binders(), &document().pointer);
    }
    bool mouseIn(int v) { return listed(slot(v).world.devices(), &document().mouseDevice); }
};

TEST_F(DrawTick, FirstTickBindsThePointerToViewZeroOnly)
{
    EXPECT_EQ(document().deviceRebindPending, 1);
    EXPECT_EQ(slot(0).boundPointer, nullptr) << "binding waits for the end of the tick";
    tick();
    EXPECT_EQ(document().deviceRebindPending, 0);
    EXPECT_TRUE(pointerBoundTo(0));
    EXPECT_TRUE(mouseIn(0));
    EXPECT_TRUE(document().pointer.isBound(slot(0).cursorSphere));
    EXPECT_TRUE(listed(slot(0).world.binders(), &slot(0).objectTransform));
    for (int v = 1; v < kViewSlotCount; ++v) {
        EXPECT_EQ(slot(v).boundPointer, nullptr) << v;
        EXPECT_FALSE(mouseIn(v)) << v;
        // The sphere rides on the pointer, which this world does not hold, so
        // it is not drawn there.
        EXPECT_TRUE(document().pointer.isBound(slot(v).cursorSphere)) << v;
        EXPECT_FALSE(listed(slot(v).world.binders(), &document().pointer)) << v;
    }
}

TEST_F(DrawTick, AllViewBindsThePointerToEveryShownView)
{
    tick();
    document().setViewCount(4);
    tick();
    document().toggleAllViews();
    tick();
    for (int v = 0; v < 4; ++v) {
        EXPECT_TRUE(pointerBoundTo(v)) << v;
        EXPECT_TRUE(mouseIn(v)) << v;
    }
    for (int v = 4; v < kViewSlotCount; ++v)
        EXPECT_EQ(slot(v).boundPointer, nullptr) << v;

    document().toggleAllViews();
    tick();
    EXPECT_TRUE(pointerBoundTo(0));
    for (int v = 1; v < 4; ++v) {
        EXPECT_EQ(slot(v).boundPointer, nullptr) << v;
        EXPECT_FALSE(mouseIn(v)) << v;
    }
}

TEST_F(DrawTick, ThePointerFollowsANewActiveViewAtTheNextTick)
{
    tick();
    document().setViewCount(2);
    document().selectViewAt(700, 10, 801, 601);
    EXPECT_TRUE(pointerBoundTo(0));
    tick();
    EXPECT_FALSE(pointerBoundTo(0));
    EXPECT_TRUE(pointerBoundTo(1));
}

TEST_F(DrawTick, InputDeviceChangesAtTheEndOfTheNextTick)
{
    tick();
    document().requestInputDevice(InputDevice::Phantom);
    EXPECT_EQ(document().inputDevice, InputDevice::Mouse);
    tick();
    EXPECT_EQ(document().inputDevice, InputDevice::Phantom);
    EXPECT_TRUE(pointerBoundTo(0));
    EXPECT_FALSE(mouseIn(0)) << "only the mouse has a device object";

    document().requestInputDevice(InputDevice::Mouse);
    tick();
    EXPECT_TRUE(mouseIn(0));
}

TEST_F(DrawTick, TheMouseLeavesTheWorldWhileTheFrameIsInTheBackground)
{
    tick();
    tick(false);
    EXPECT_FALSE(mouseIn(0));
    EXPECT_EQ(slot(0).mouseInWorld, 0);
    tick(false);
    EXPECT_FALSE(mouseIn(0));
    tick(true);
    EXPECT_TRUE(mouseIn(0));
    EXPECT_EQ(slot(0).mouseInWorld, 1);
}

TEST_F(DrawTick, ARebindWhileInTheBackgroundStillLeavesTheWorldAtTheNextTick)
{
    tick();
    tick(false);
    document().setViewCount(1);
    tick(false);
    // The re-binding registered the mouse again; the next background tick
    // must take it out once more.
    tick(false);
    EXPECT_FALSE(mouseIn(0));
}

// Drags the mouse 77 pixels to the right with the left button held, one
// step per tick, and returns the object transform's position afterwards.
Vector3 dragRight(ScriptedInput& input, CUser& document, bool foreground)
{
    document.drawAllViews(true);
    input.position = ScreenPoint{100, 100};
    input.buttonBits = PointerInput::kLeftButton;
    document.drawAllViews(foreground);
    document.drawAllViews(foreground);
    input.position = ScreenPoint{177, 100};
    document.drawAllViews(foreground);
    document.drawAllViews(foreground);
    return document.views[0].objectTransform.position();
}

TEST_F(DrawTick, GrabbingMovesTheObjectsWithThePointer)
{
    const Vector3 moved = dragRight(input(), document(), true);
    EXPECT_NEAR(moved.x, 1.0, 1e-12);
    EXPECT_NEAR(moved.y, 0.0, 1e-12);
    EXPECT_EQ(slot(0).grabbing, 1);
    EXPECT_TRUE(document().pointer.buttonDown(0));

    input().buttonBits = 0;
    tick();
    tick();
    EXPECT_EQ(slot(0).grabbing, 0);
}

TEST_F(DrawTick, NoGrabWhileTheFrameIsInTheBackground)
{
    const Vector3 moved = dragRight(input(), document(), false);
    EXPECT_EQ(moved, Vector3(0.0, 0.0, 0.0));
    EXPECT_EQ(slot(0).grabbing, 0);
}

TEST_F(DrawTick, BoundLorenzIsRebuiltAtTheNextTick)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    tick();
    tick();
    ASSERT_EQ(slot(0).orbit.rebuildMode(), CDrawObj::kNeverRebuild);
    slot(0).environment.rebuildLevel = RebuildLevel::Orbit;
    tick();
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::None);
    EXPECT_EQ(slot(0).orbit.rebuildMode(), CDrawObj::kRebuildOnce);
    tick();
    EXPECT_EQ(slot(0).orbit.rebuildMode(), CDrawObj::kNeverRebuild);
    EXPECT_NE(slot(0).orbit.displayList(), 0u);
}

TEST_F(DrawTick, ARebuildWaitsForAReadyOrbit)
{
    slot(0).environment.rebuildLevel = RebuildLevel::VectorField;
    tick();
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::VectorField);
}

TEST_F(DrawTick, OnlyTheActiveViewIsUpdatedWhileShownAlone)
{
    document().setViewCount(2);
    ASSERT_TRUE(bindShippedModel(document(), 1, "Lorenz"));
    slot(1).environment.rebuildLevel = RebuildLevel::Orbit;
    document().toggleActiveViewOnly();
    tick();
    EXPECT_EQ(slot(1).environment.rebuildLevel, RebuildLevel::Orbit);
    document().toggleActiveViewOnly();
    tick();
    EXPECT_EQ(slot(1).environment.rebuildLevel, RebuildLevel::None);
}

TEST_F(DrawTick, AutoScaleFitsTheOrbitAtTheNextUpdate)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    document().toggleAutoScale();
    tick();
    const DynamicsEngine& engine = slot(0).engine;
    double maxRange = 0.0;
    for (int k = 0; k < 3; ++k) {
        double low = engine.orbit[0][k];
        double high = low;
        for (int i = 0; i < engine.recordInUse.validPointCount; ++i) {
            low = std::min(low, engine.orbit[static_cast<std::size_t>(i)][k]);
            high = std::max(high, engine.orbit[static_cast<std::size_t>(i)][k]);
        }
        maxRange = std::max(maxRange, high - low);
    }
    ASSERT_GT(maxRange, 10.0) << "the Lorenz attractor spans tens of units";
    EXPECT_DOUBLE_EQ(slot(0).environment.scale, 100.0 / maxRange / engine.recordInUse.Display_Scale);

    // Any later scale command is followed by the automatic value again.
    document().setScale(100.0);
    tick();
    EXPECT_DOUBLE_EQ(slot(0).environment.scale, 100.0 / maxRange / engine.recordInUse.Display_Scale);
}

TEST_F(DrawTick, AutoScaleKeepsTheScaleOfAnOrbitWithoutExtent)
{
    DynamicsEngine& engine = slot(0).engine;
    engine.binding.BindFunction(stillModel, 3, 3);
    engine.recordInUse.Sampling_Point = 50;
    engine.computeOrbit();
    ASSERT_EQ(engine.orbitReady, 1);
    slot(0).environment.scale = 7.0;
    document().toggleAutoScale();
    tick();
    EXPECT_EQ(slot(0).environment.scale, 7.0);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::None);
}

TEST_F(DrawTick, InitialValueInputSetsThePointedState)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    DynamicsEngine& engine = slot(0).engine;
    engine.recordInUse.Setting = StateVector{1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
    slot(0).environment.pointerState = PointerState::InitialValueInput;
    // The object frame sits 0.1 to the right of the pointer.
    slot(0).objectTransform.setPosition({0.1, 0.0, 0.0});
    input().buttonBits = PointerInput::kLeftButton;
    tick();
    tick();
    tick();
    const double k = engine.recordInUse.Display_Scale * 1.0 * 0.02;
    const StateVector expected{-0.1 / k, 0.0, 0.0, 4.0, 0.0, 0.0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(engine.recordInUse.Setting[i], expected[i], 1e-12) << "component " << i;
        EXPECT_NEAR(engine.orbit[0][i], expected[i], 1e-12) << "orbit point 0, component " << i;
    }
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::Orbit);
    EXPECT_EQ(engine.orbitReady, 1);
}

TEST_F(DrawTick, PointingAtTheObjectFramesOriginGivesTheOriginState)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    DynamicsEngine& engine = slot(0).engine;
    engine.recordInUse.Setting = StateVector{1.0, 2.0, 3.0, 4.0, 5.0, 6.0};
    slot(0).environment.pointerState = PointerState::InitialValueInput;
    // Turned, but with its origin where the pointer is.
    slot(0).objectTransform.setTransform(Matrix4::rotation(35.0, {1.0, 2.0, 0.5}));
    int picks = 0;
    Vector3 picked{9.0, 9.0, 9.0};
    document().phasePointPicked = [&](int view, const Vector3& point) {
        EXPECT_EQ(view, 0);
        picked = point;
        ++picks;
    };
    input().buttonBits = PointerInput::kLeftButton;
    tick();
    tick();
    tick();
    const StateVector expected{0.0, 0.0, 0.0, 4.0, 0.0, 0.0};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(engine.recordInUse.Setting[i], expected[i], 1e-12) << "component " << i;
    EXPECT_GE(picks, 1);
    EXPECT_NEAR(picked.length(), 0.0, 1e-12) << "the status bar hears of the picked point";
}

TEST_F(DrawTick, NoInitialValueWhileTheFrameIsInTheBackground)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    const StateVector start{1.0, 2.0, 3.0, 0.0, 0.0, 0.0};
    slot(0).engine.recordInUse.Setting = start;
    slot(0).environment.pointerState = PointerState::InitialValueInput;
    input().buttonBits = PointerInput::kLeftButton;
    tick();
    tick();
    tick(false);
    tick(false);
    EXPECT_EQ(slot(0).engine.recordInUse.Setting, start);
    tick(true);
    EXPECT_NE(slot(0).engine.recordInUse.Setting, start);
}

TEST_F(DrawTick, PhasePointScalesInverselyWithTheViewScale)
{
    slot(0).engine.recordInUse.Display_Scale = 2.5;
    document().pointer.setPose(Matrix4::translation({0.1, 0.2, -0.3}));
    const auto atOne = phasePointUnderPointer(slot(0), document().pointer);
    ASSERT_TRUE(atOne);
    EXPECT_NEAR(atOne->x, 2.0, 1e-12);
    EXPECT_NEAR(atOne->y, 6.0, 1e-12);
    EXPECT_NEAR(atOne->z, 4.0, 1e-12);
    slot(0).environment.scale = 2.0;
    const auto atTwo = phasePointUnderPointer(slot(0), document().pointer);
    EXPECT_NEAR(atTwo->x, 1.0, 1e-12);
    EXPECT_NEAR(atTwo->y, 3.0, 1e-12);
    slot(0).environment.scale = 0.0;
    EXPECT_FALSE(phasePointUnderPointer(slot(0), document().pointer));
}

TEST_F(DrawTick, EnvironmentChangesNeedAReadyOrbit)
{
    tick();
    for (EnvironmentChange kind : {EnvironmentChange::OrbitDisplay, EnvironmentChange::Axes,
                                   EnvironmentChange::DisplayBasis}) {
        document().applyEnvironmentChange(kind);
        const int code = static_cast<int>(kind);
        EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::None) << "kind " << code;
        EXPECT_EQ(slot(0).engine.orbitReady, 0) << "kind " << code;
    }
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    document().applyEnvironmentChange(EnvironmentChange::OrbitDisplay);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::Orbit);
}

TEST_F(DrawTick, DisplayBasisChangeOnlyForFourVariables)
{
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    document().applyEnvironmentChange(EnvironmentChange::DisplayBasis);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::None);

    ASSERT_TRUE(bindShippedModel(document(), 0, "ResslerHyperchaos"));
    DynamicsEngine& engine = slot(0).engine;
    const Vector3 before = engine.displayBasis[0];
    engine.recordInUse.Basis_Axis_Mode = engine.recordInUse.Basis_Axis_Mode == 0 ? 1 : 0;
    document().applyEnvironmentChange(EnvironmentChange::DisplayBasis);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::VectorField);
    EXPECT_EQ(engine.orbitReady, 1);
    EXPECT_NE(engine.displayBasis[0], before);
    const Vector3 projected = engine.projectToDisplay(engine.orbit[100]);
    EXPECT_EQ(engine.displayPoints[100], projected) << "the orbit is projected with the new basis";
}

TEST_F(DrawTick, ClearColourAndRoomChanges)
{
    tick();
    tick();
    ASSERT_EQ(slot(0).room.rebuildMode(), CDrawObj::kNeverRebuild);
    slot(0).environment.BackGround_Color[0] = 0.25f;
    slot(0).environment.BackGround_Color[1] = 0.5f;
    slot(0).environment.BackGround_Color[2] = 0.75f;
    document().applyEnvironmentChange(EnvironmentChange::ClearColour);
    float clear[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[0], 0.25f);
    EXPECT_FLOAT_EQ(clear[1], 0.5f);
    EXPECT_FLOAT_EQ(clear[2], 0.75f);
    EXPECT_FLOAT_EQ(clear[3], 1.0f);

    document().applyEnvironmentChange(EnvironmentChange::Room);
    EXPECT_EQ(slot(0).room.rebuildMode(), CDrawObj::kRebuildOnce);
    EXPECT_EQ(slot(1).room.rebuildMode(), CDrawObj::kRebuildOnce) << "never drawn yet";
}

TEST_F(DrawTick, EnvironmentChangesReachEveryShownViewUnderAllView)
{
    document().setViewCount(2);
    ASSERT_TRUE(bindShippedModel(document(), 0, "Lorenz"));
    ASSERT_TRUE(bindShippedModel(document(), 1, "Lorenz"));
    document().toggleAllViews();
    document().applyEnvironmentChange(EnvironmentChange::OrbitDisplay);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::Orbit);
    EXPECT_EQ(slot(1).environment.rebuildLevel, RebuildLevel::Orbit);
}

TEST(CursorColour, FollowsThePointerToolAndTheProbe)
{
    EnvironmentSettings environment;
    environment.pointerState = PointerState::None;
    EXPECT_EQ(cursorColour(environment), kGrey);
    environment.pointerState = PointerState::TranslationRotation;
    EXPECT_EQ(cursorColour(environment), kYellow);
    environment.pointerState = PointerState::InitialValueInput;
    EXPECT_EQ(cursorColour(environment), kGreen);
    environment.probeMode = 1;
    EXPECT_EQ(cursorColour(environment), kCyan);
}

TEST_F(DrawTick, ScenesStartWithAYellowSmoothCursor)
{
    const CSphereObj& sphere = slot(3).cursorSphere;
    EXPECT_EQ(sphere.ambient, kYellow);
    EXPECT_EQ(sphere.diffuse, kYellow);
    EXPECT_EQ(sphere.specular, (Rgba{0.7f, 0.7f, 0.7f, 1.0f}));
    EXPECT_EQ(sphere.shininess, 80.0f);
    EXPECT_EQ(sphere.shadeModel(), ShadeModel::Smooth);
    EXPECT_DOUBLE_EQ(sphere.radius(), 0.04);
    EXPECT_EQ(slot(3).environment.viewIndex, 3);
    EXPECT_EQ(slot(3).world.lights().size(), 1u);
}

TEST_F(DrawTick, AnalysisStartLeavesTheActiveViewReadyForANewModel)
{
    document().setViewCount(2);
    document().selectViewAt(700, 0, 801, 601);
    document().toggleAllViews();
    ViewSlot& active = slot(1);
    active.environment.probeMode = 1;
    active.environment.scale = 10.0;
    active.engine.recordInUse.Dimension = 4;
    active.engine.recordInUse.Display_Scale = 1.8;
    active.applyCursorColour();
    slot(0).environment.scale = 5.0;

    document().prepareAnalysisStart(DataSource::Model, false);
    EXPECT_EQ(document().allViews, 0);
    EXPECT_EQ(document().activeView, 1);
    EXPECT_EQ(slot(0).environment.scale, 1.0) << "view 0 is reset whichever view is active";
    EXPECT_EQ(active.environment.dataSource, DataSource::Model);
    EXPECT_EQ(active.environment.presentationMode, PresentationMode::Structure);
    EXPECT_EQ(active.environment.probeMode, 0);
    EXPECT_EQ(active.environment.scale, 1.0);
    EXPECT_EQ(active.engine.recordInUse.Dimension, 3);
    EXPECT_EQ(active.engine.recordInUse.Display_Scale, 10.0);
    EXPECT_EQ(active.cursorSphere.diffuse, kYellow);

    document().prepareAnalysisStart(DataSource::Series, true);
    EXPECT_EQ(document().viewCount, 1);
    EXPECT_EQ(document().activeView, 0);
    EXPECT_EQ(slot(0).environment.dataSource, DataSource::Series);
}

} // namespace
