// The document's multi-view operations: view count, active view, the
// active-view-only mode, scale, wheel and camera layout.
#include "document_fixture.h"

#include "document/view_layout.h"

#include <algorithm>

namespace {

constexpr int kWidth = 801;
constexpr int kHeight = 601;

bool hasCamera(const ViewSlot& slot, const CCamera& camera)
{
    const auto& cameras = slot.world.cameras();
    return std::find(cameras.begin(), cameras.end(), &camera) != cameras.end();
}

class MultiView : public DocumentTest {
protected:
    ViewSlot& slot(int v) { return document.views[static_cast<std::size_t>(v)]; }
    // Shows n views and forgets the pointer re-binding that asks for.
    void showViews(int n)
    {
        document.setViewCount(n);
        document.deviceRebindPending = 0;
    }
};

TEST_F(MultiView, ViewCountChangeResetsTheMultiViewStateAndAsksForALayout)
{
    int layouts = 0;
    document.displayLayoutRequest = [&] { ++layouts; };
    showViews(4);
    document.activeView = 3;
    document.activeViewOnly = 1;
    document.allViews = 1;

    document.setViewCount(9);
    EXPECT_EQ(document.viewCount, 9);
    EXPECT_EQ(document.activeView, 0);
    EXPECT_EQ(document.activeViewOnly, 0);
    EXPECT_EQ(document.allViews, 1);
    EXPECT_EQ(document.deviceRebindPending, 1);
    EXPECT_EQ(document.requestedDevice, document.inputDevice);
    EXPECT_EQ(layouts, 2);

    document.setViewCount(3);
    EXPECT_EQ(document.viewCount, 9);
    EXPECT_EQ(layouts, 2);

    // One view leaves "ALL View" nothing to act on: it is cleared, not kept
    // checked behind a disabled item.
    document.setViewCount(1);
    EXPECT_EQ(document.allViews, 0);
}

TEST_F(MultiView, LoweringTheCountResetsTheViewsThatDropOut)
{
    showViews(9);
    ASSERT_TRUE(bindShippedModel(document, 5, "Lorenz"));
    ASSERT_TRUE(bindShippedModel(document, 2, "Lorenz"));
    slot(5).environment.scale = 5.0;
    slot(5).environment.presentationMode = PresentationMode::Velocity;
    int& closes = windowCloses;
    FakeWindow& spectrum = openFakeWindow(document, 5, WindowKind::LyapunovSpectrum, closes);
    auto sheetWindow = std::make_unique<FakeWindow>(closes);
    FakeWindow& sheet = *sheetWindow;
    slot(5).windows[kEnvironmentSheetEntry] = std::move(sheetWindow);

    document.setViewCount(4);
    EXPECT_FALSE(spectrum.open);
    EXPECT_TRUE(sheet.open) << "the property sheets are not analysis windows";
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(slot(5).environment.scale, 1.0);
    EXPECT_EQ(slot(5).environment.dataSource, DataSource::None);
    EXPECT_EQ(slot(5).environment.presentationMode, PresentationMode::None);
    EXPECT_EQ(slot(5).engine.orbitReady, 0);
    EXPECT_EQ(slot(5).engine.binding.bound, 0);
    // A view that stays keeps its model.
    EXPECT_EQ(slot(2).engine.orbitReady, 1);
    EXPECT_EQ(slot(2).engine.binding.bound, 1);

    showViews(9);
    EXPECT_EQ(slot(5).engine.orbitReady, 0);
    EXPECT_EQ(slot(5).environment.scale, 1.0);
    EXPECT_FALSE(document.isAnalysisWindowOpen(static_cast<int>(WindowKind::LyapunovSpectrum), 5));
}

TEST_F(MultiView, FirstViewAloneKeepsTheStateOfTheHiddenViews)
{
    showViews(4);
    int layouts = 0;
    document.displayLayoutRequest = [&] { ++layouts; };
    document.activeView = 2;
    document.activeViewOnly = 1;
    document.allViews = 1;
    slot(2).environment.presentationMode = PresentationMode::Velocity;
    slot(2).environment.scale = 5.0;

    document.showFirstViewAlone();
    EXPECT_EQ(document.viewCount, 1);
    EXPECT_EQ(document.activeView, 0);
    EXPECT_EQ(document.activeViewOnly, 0);
    EXPECT_EQ(document.allViews, 0);
    EXPECT_EQ(document.deviceRebindPending, 1);
    EXPECT_EQ(layouts, 0) << "the display mode lays the views out itself";
    EXPECT_EQ(slot(2).environment.presentationMode, PresentationMode::Velocity);
    EXPECT_EQ(slot(2).environment.scale, 5.0) << "not reset as a lower view count would";
}

TEST_F(MultiView, ClickSelectsTheViewUnderThePoint)
{
    showViews(2);
    document.selectViewAt(kWidth / 2, 10, kWidth, kHeight);
    EXPECT_EQ(document.activeView, 1);
    EXPECT_EQ(document.deviceRebindPending, 1);
    EXPECT_EQ(slot(0).activeViewMarker.rebuildMode(), CDrawObj::kRebuildOnce);

    showViews(9);
    document.selectViewAt(kWidth - 1, kHeight - 1, kWidth, kHeight);
    EXPECT_EQ(document.activeView, 8);
    document.selectViewAt(300, 250, kWidth, kHeight);
    EXPECT_EQ(document.activeView, 4);
}

TEST_F(MultiView, ClickingTheActiveViewAgainChangesNothing)
{
    showViews(4);
    document.selectViewAt(500, 100, kWidth, kHeight);
    ASSERT_EQ(document.activeView, 1);
    document.deviceRebindPending = 0;
    document.selectViewAt(700, 200, kWidth, kHeight);
    EXPECT_EQ(document.activeView, 1);
    EXPECT_EQ(document.deviceRebindPending, 0);
}

TEST_F(MultiView, ClicksDoNothingWithOneViewOrWhileOnlyTheActiveViewShows)
{
    document.selectViewAt(kWidth - 1, 0, kWidth, kHeight);
    EXPECT_EQ(document.activeView, 0);
    EXPECT_EQ(document.deviceRebindPending, 0);

    showViews(2);
    document.toggleActiveViewOnly();
    document.selectViewAt(kWidth - 1, 0, kWidth, kHeight);
    EXPECT_EQ(document.activeView, 0);
}

TEST_F(MultiView, SelectingAViewTakesThePointerReference)
{
    showViews(2);
    document.pointer.setPose(Matrix4::translation({1.0, 2.0, 3.0}));
    slot(1).objectTransform.setPosition({1.0, 0.0, 0.0});
    document.selectViewAt(kWidth - 1, 0, kWidth, kHeight);
    // The object transform seen from the pointer.
    EXPECT_EQ(slot(1).pointerReference.translationPart(), Vector3(0.0, -2.0, -3.0));
}

TEST_F(MultiView, ActiveViewOnlyNeedsSeveralViews)
{
    int layouts = 0;
    document.displayLayoutRequest = [&] { ++layouts; };
    document.toggleActiveViewOnly();
    EXPECT_EQ(document.activeViewOnly, 0);
    EXPECT_EQ(layouts, 0);
    showViews(2);
    document.toggleActiveViewOnly();
    EXPECT_EQ(document.activeViewOnly, 1);
    document.toggleActiveViewOnly();
    EXPECT_EQ(document.activeViewOnly, 0);
    EXPECT_EQ(layouts, 3);
}

TEST_F(MultiView, WheelZoomsTheActiveViewOnly)
{
    showViews(2);
    document.allViews = 1;
    slot(0).environment.scale = 3.0;
    slot(1).environment.scale = 3.0;

    document.wheelZoom(60);
    EXPECT_EQ(slot(0).environment.scale, 3.0);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::VectorField);
    EXPECT_EQ(slot(0).environment.freeScale, 1);

    document.wheelZoom(-240);
    EXPECT_EQ(slot(0).environment.scale, 12.0);
    EXPECT_EQ(slot(1).environment.scale, 3.0);
    EXPECT_EQ(slot(1).environment.rebuildLevel, RebuildLevel::None);
    EXPECT_EQ(slot(1).environment.freeScale, 0);
}

TEST_F(MultiView, ScaleGoesToTheTargetViews)
{
    showViews(4);
    document.setScale(0.05);
    EXPECT_EQ(slot(0).environment.scale, 0.05);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::VectorField);
    EXPECT_EQ(slot(1).environment.scale, 1.0);

    document.allViews = 1;
    document.setScale(50.0);
    for (int v = 0; v < 4; ++v) {
        EXPECT_EQ(slot(v).environment.scale, 50.0) << "view " << v;
        EXPECT_EQ(slot(v).environment.rebuildLevel, RebuildLevel::VectorField) << "view " << v;
    }
    EXPECT_EQ(slot(4).environment.scale, 1.0) << "a view not shown is no target";
}

TEST_F(MultiView, SettingTheSameScaleAgainStillAsksForARebuild)
{
    document.setScale(5.0);
    slot(0).environment.rebuildLevel = RebuildLevel::None;
    document.setScale(5.0);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::VectorField);
}

TEST_F(MultiView, AutoScaleToggleAsksTheTargetsForARebuildWhenTurningOn)
{
    showViews(2);
    document.allViews = 1;
    document.toggleAutoScale();
    EXPECT_EQ(slot(0).environment.autoScale, 1);
    EXPECT_EQ(slot(1).environment.autoScale, 0) << "only the active view's flag flips";
    EXPECT_EQ(slot(1).environment.rebuildLevel, RebuildLevel::VectorField);

    slot(0).environment.rebuildLevel = RebuildLevel::None;
    document.toggleAutoScale();
    EXPECT_EQ(slot(0).environment.autoScale, 0);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::None);
}

TEST_F(MultiView, CopyGivesTheOtherViewsTheActiveTransformAndTool)
{
    showViews(4);
    document.activeView = 2;
    slot(2).objectTransform.setTransform(Matrix4::translation({0.5, 0.0, -1.0}) *
                                         Matrix4::rotation(30.0, {0.0, 1.0, 0.0}));
    slot(2).environment.pointerState = PointerState::InitialValueInput;
    document.copyActiveToOtherViews();
    for (int v : {0, 1, 3}) {
        EXPECT_EQ(slot(v).objectTransform.transform(), slot(2).objectTransform.transform()) << v;
        EXPECT_EQ(slot(v).environment.pointerState, PointerState::InitialValueInput) << v;
        EXPECT_EQ(slot(v).cursorSphere.diffuse, (Rgba{0.0f, 1.0f, 0.0f, 1.0f})) << v;
    }
    EXPECT_EQ(slot(4).environment.pointerState, PointerState::TranslationRotation);
}

TEST_F(MultiView, LayoutPlacesCameraAOfEveryShownView)
{
    showViews(4);
    slot(1).world.registerCamera(slot(1).cameraB);
    document.layoutViews(kWidth, kHeight);
    for (int v = 0; v < 4; ++v) {
        ASSERT_TRUE(hasCamera(slot(v), slot(v).cameraA)) << v;
        EXPECT_FALSE(hasCamera(slot(v), slot(v).cameraB)) << v;
        const Viewport& viewport = slot(v).cameraA.viewport();
        const Viewport expected = *viewViewport(4, v, kWidth, kHeight);
        EXPECT_EQ(viewport.x, expected.x) << v;
        EXPECT_EQ(viewport.y, expected.y) << v;
        EXPECT_EQ(viewport.width, 400) << v;
        EXPECT_EQ(slot(v).cameraA.eyePosition(), Vector3(0.0, 0.0, 5.0)) << v;
        EXPECT_DOUBLE_EQ(slot(v).cameraA.aspect(), 801.0 / 601.0) << v;
        EXPECT_DOUBLE_EQ(slot(v).cameraA.farPlane(), 60.0) << v;
    }
    EXPECT_TRUE(slot(4).world.cameras().empty()) << "views not shown are left alone";

    showViews(2);
    document.layoutViews(kWidth, kHeight);
    EXPECT_EQ(slot(1).cameraA.viewport().x, 400);
    EXPECT_EQ(slot(1).cameraA.eyePosition(), Vector3(0.0, 1.0, 8.2));
    EXPECT_DOUBLE_EQ(slot(1).cameraA.aspect(), 0.5 * 801.0 / 601.0);
    EXPECT_EQ(slot(0).world.cameras().size(), 1u) << "layout never registers a camera twice";
}

TEST_F(MultiView, ActiveViewOnlyLayoutShowsOneViewOverTheWholeWindow)
{
    showViews(2);
    document.layoutViews(kWidth, kHeight);
    document.selectViewAt(kWidth - 1, 0, kWidth, kHeight);
    document.toggleActiveViewOnly();
    document.layoutViews(kWidth, kHeight);
    EXPECT_TRUE(slot(0).world.cameras().empty());
    ASSERT_TRUE(hasCamera(slot(1), slot(1).cameraA));
    const Viewport& viewport = slot(1).cameraA.viewport();
    EXPECT_EQ(viewport.x, 0);
    EXPECT_EQ(viewport.width, kWidth);
    EXPECT_EQ(viewport.height, kHeight);
    EXPECT_DOUBLE_EQ(slot(1).cameraA.aspect(), 801.0 / 601.0);
    EXPECT_EQ(slot(1).cameraA.eyePosition(), Vector3(0.0, 0.0, 5.0));
    EXPECT_NEAR(slot(1).cameraA.lookAt().y, 0.0, 1e-12);
}

TEST_F(MultiView, ResizeGivesOnlyViewsWithACameraTheirCells)
{
    showViews(2);
    document.layoutViews(kWidth, kHeight);
    document.toggleActiveViewOnly();
    document.layoutViews(kWidth, kHeight);
    document.fitViewsToWindow(1001, 501);
    EXPECT_TRUE(slot(1).world.cameras().empty());
    EXPECT_EQ(slot(0).cameraA.viewport().width, 500);
    EXPECT_EQ(slot(0).cameraA.viewport().height, 501);

    document.fitViewsToWindow(0, 400);
    EXPECT_EQ(slot(0).cameraA.viewport().width, 500) << "an empty window changes nothing";
}

} // namespace
