// Menu command effects that the document performs itself: the view-count
// commands, "ALL View", the preparation of a new analysis, the choice of
// input device and the single view of the display-mode commands.
#include "document/user_document.h"

void CUser::chooseViewCount(int n)
{
    if (n == viewCount)
        return;
    if (n == 1) {
        for (int v = 0; v < viewCount; ++v)
            views[static_cast<std::size_t>(v)].activeViewMarker.rebuild();
    }
    setViewCount(n);
}

void CUser::toggleAllViews()
{
    allViews = allViews == 1 ? 0 : 1;
    if (allViews == 1)
        copyActiveToOtherViews();
    requestPointerRebind();
}

void CUser::prepareAnalysisStart(DataSource dataSource, bool singleView)
{
    if (singleView) {
        setViewCount(1);
    } else {
        // Leaving "ALL View" takes the pointer off the other views, and
        // leaving the active-view-only mode gives them their cameras back.
        if (allViews == 1)
            requestPointerRebind();
        const bool relayout = activeViewOnly == 1;
        allViews = 0;
        activeViewOnly = 0;
        if (relayout)
            requestDisplayLayout();
        closeViewWindows(0);
    }
    resetActiveViewForAnalysis(dataSource);
}

void CUser::resetActiveViewForAnalysis(DataSource dataSource)
{
    ViewSlot& slot = activeSlot();
    EnvironmentSettings& environment = slot.environment;
    environment.probeMode = 0;
    environment.pointerState = PointerState::None;
    environment.reset();
    slot.engine.recordInUse.reset();
    slot.rebuildModelDisplays();
    slot.applyCursorColour();
    environment.dataSource = dataSource;
    environment.presentationMode = PresentationMode::Structure;
}

void CUser::requestInputDevice(InputDevice device)
{
    if (device == inputDevice)
        return;
    requestedDevice = device;
    deviceRebindPending = 1;
}

void CUser::startWithInputDevice(InputDevice device)
{
    inputDevice = device;
    requestedDevice = device;
}

void CUser::showFirstViewAlone()
{
    viewCount = 1;
    activeView = 0;
    activeViewOnly = 0;
    allViews = 0;
    views[0].activeViewMarker.rebuild();
    requestPointerRebind();
}
