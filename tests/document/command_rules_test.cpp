// Enabled states and check marks of the document's commands, and the
// command effects behind the view-count and "ALL View" items.
#include "document_fixture.h"

#include "document/command_rules.h"
#include "document/pointer_tools.h"

namespace {

class CommandRules : public DocumentTest {
protected:
    ViewSlot& slot(int v) { return document.views[static_cast<std::size_t>(v)]; }
};

const ViewPredicate always = [](const ViewSlot&) { return true; };
const ViewPredicate structureShown = [](const ViewSlot& s) {
    return s.environment.presentationMode == PresentationMode::Structure;
};

TEST_F(CommandRules, ViewRuleNeedsAReadyOrbitAndKeepsTheMarkWhenDisabled)
{
    slot(0).environment.presentationMode = PresentationMode::Structure;
    CommandUpdate update = viewRule(document, always, structureShown);
    EXPECT_FALSE(update.enabled);
    EXPECT_FALSE(update.checked.has_value()) << "a disabled item keeps its mark";

    slot(0).engine.orbitReady = 1;
    update = viewRule(document, always, structureShown);
    EXPECT_TRUE(update.enabled);
    EXPECT_EQ(update.checked, true);

    const ViewPredicate modelShown = [](const ViewSlot& s) {
        return s.environment.dataSource == DataSource::Model;
    };
    update = viewRule(document, modelShown, structureShown);
    EXPECT_FALSE(update.enabled);
}

TEST_F(CommandRules, AllViewClearsEveryPresentationMark)
{
    document.setViewCount(2);
    document.allViews = 1;
    slot(0).environment.presentationMode = PresentationMode::Structure;
    slot(0).engine.orbitReady = 1;
    EXPECT_EQ(viewRule(document, always, structureShown).checked, false);
    slot(0).engine.orbitReady = 0;
    const CommandUpdate disabled = viewRule(document, always, structureShown);
    EXPECT_FALSE(disabled.enabled);
    EXPECT_EQ(disabled.checked, false);
}

TEST_F(CommandRules, WindowRuleChecksAShowingWindow)
{
    const int spectrum = static_cast<int>(WindowKind::LyapunovSpectrum);
    slot(0).engine.orbitReady = 1;
    EXPECT_EQ(windowRule(document, always, spectrum).checked, false);
    FakeWindow& window = openFakeWindow(document, 0, WindowKind::LyapunovSpectrum, windowCloses);
    EXPECT_EQ(windowRule(document, always, spectrum).checked, true);
    window.open = false;
    EXPECT_EQ(windowRule(document, always, spectrum).checked, false)
        << "a hidden window is not open";
}

TEST_F(CommandRules, ViewCountItems)
{
    EXPECT_EQ(viewCountRule(document, 1).checked, true);
    EXPECT_EQ(viewCountRule(document, 4).checked, false);
    EXPECT_FALSE(allViewsRule(document).enabled);
    document.chooseViewCount(4);
    EXPECT_EQ(viewCountRule(document, 4).checked, true);
    EXPECT_TRUE(allViewsRule(document).enabled);
    document.toggleAllViews();
    EXPECT_EQ(allViewsRule(document).checked, true);
}

TEST_F(CommandRules, OneViewCommandRebuildsTheShownMarkers)
{
    document.chooseViewCount(4);
    for (int v = 0; v < 4; ++v)
        slot(v).activeViewMarker.requestRebuild(PS_REBUILD_NEVER);
    document.chooseViewCount(1);
    for (int v = 0; v < 4; ++v)
        EXPECT_EQ(slot(v).activeViewMarker.rebuildMode(), CDrawObj::kRebuildOnce) << v;
    EXPECT_EQ(document.viewCount, 1);
}

TEST_F(CommandRules, ChoosingTheShownCountAgainChangesNothing)
{
    document.chooseViewCount(4);
    document.activeView = 2;
    document.deviceRebindPending = 0;
    document.chooseViewCount(4);
    EXPECT_EQ(document.activeView, 2);
    EXPECT_EQ(document.deviceRebindPending, 0);
}

TEST_F(CommandRules, AllViewCopiesTheActiveViewWhenTurningOn)
{
    document.chooseViewCount(2);
    slot(0).environment.pointerState = PointerState::None;
    slot(0).objectTransform.setPosition({0.0, 0.5, 0.0});
    document.deviceRebindPending = 0;
    document.toggleAllViews();
    EXPECT_EQ(slot(1).environment.pointerState, PointerState::None);
    EXPECT_EQ(slot(1).objectTransform.position(), Vector3(0.0, 0.5, 0.0));
    EXPECT_EQ(document.deviceRebindPending, 1);

    slot(0).objectTransform.setPosition({0.0, 0.0, 0.0});
    document.toggleAllViews();
    EXPECT_EQ(slot(1).objectTransform.position(), Vector3(0.0, 0.5, 0.0)) << "no copy when turning off";
}

TEST_F(CommandRules, ScaleMarksFollowTheActiveViewExactly)
{
    document.setScale(5.0);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(scaleRule(document, i).checked, document.scaleTable[i] == 5.0) << "item " << i;
    EXPECT_EQ(freeScaleRule(document).checked, false);

    document.setScale(0.3);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(scaleRule(document, i).checked, false) << "item " << i;
    EXPECT_EQ(freeScaleRule(document).checked, true) << "none of the eleven match";

    // A free value equal to a table value checks that item, not "x Free".
    document.setScale(0.005);
    EXPECT_EQ(scaleRule(document, 9).checked, true);
    EXPECT_EQ(freeScaleRule(document).checked, false);

    document.wheelZoom(120);
    EXPECT_EQ(freeScaleRule(document).checked, true);
}

TEST_F(CommandRules, ScaleTableHoldsTheMenuValuesInOrder)
{
    const double expected[11] = {100, 50, 10, 5, 1, 0.5, 0.1, 0.05, 0.01, 0.005, 0.001};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(document.scaleTable[i], expected[i]) << i;
}

TEST_F(CommandRules, AutoScaleAndDeviceItems)
{
    EXPECT_EQ(autoScaleRule(document).checked, false);
    document.toggleAutoScale();
    EXPECT_EQ(autoScaleRule(document).checked, true);

    EXPECT_TRUE(inputDeviceRule(document, InputDevice::Mouse).enabled);
    EXPECT_EQ(inputDeviceRule(document, InputDevice::Mouse).checked, true);
    EXPECT_FALSE(inputDeviceRule(document, InputDevice::Phantom).enabled);
    EXPECT_FALSE(inputDeviceRule(document, InputDevice::Spidar).enabled);
    document.inputDevice = InputDevice::Spidar;
    EXPECT_EQ(inputDeviceRule(document, InputDevice::Spidar).checked, true);
    EXPECT_EQ(inputDeviceRule(document, InputDevice::Mouse).checked, false);
}

TEST_F(CommandRules, WindowQueriesOutsideTheKindsAreFalse)
{
    openFakeWindow(document, 0, WindowKind::ModelEquation, windowCloses);
    EXPECT_TRUE(document.isAnalysisWindowOpen(13, 0));
    EXPECT_FALSE(document.isAnalysisWindowOpen(15, 0));
    EXPECT_FALSE(document.isAnalysisWindowOpen(-1, 0));
    EXPECT_FALSE(document.isAnalysisWindowOpen(13, 9));
    document.closeAnalysisWindow(13, 0);
    EXPECT_FALSE(document.isAnalysisWindowOpen(13, 0));
    EXPECT_EQ(windowCloses, 1);
}

TEST(WindowEntries, KindsLandInTheirTableEntries)
{
    EXPECT_EQ(windowEntry(WindowKind::SamplingInitialValue), 0);
    EXPECT_EQ(windowEntry(WindowKind::ParameterSetting), 4);
    EXPECT_EQ(windowEntry(WindowKind::SeriesData), 5);
    EXPECT_EQ(windowEntry(WindowKind::DimensionResponse), 9);
    EXPECT_EQ(windowEntry(WindowKind::RecurrencePlot), 10);
    EXPECT_EQ(windowEntry(WindowKind::AnalysedSeriesData), 12);
    EXPECT_EQ(windowEntry(WindowKind::ModelEquation), 14);
    EXPECT_EQ(windowEntry(WindowKind::ParameterScan), 11);
    bool used[kWindowEntryCount] = {};
    for (int kind = 0; kind < kWindowKindCount; ++kind) {
        const int entry = windowEntry(static_cast<WindowKind>(kind));
        EXPECT_FALSE(used[entry]) << "entry " << entry << " twice";
        used[entry] = true;
    }
    EXPECT_FALSE(used[kEnvironmentSheetEntry]);
    EXPECT_FALSE(used[kDefaultParameterSheetEntry]);
}

} // namespace
