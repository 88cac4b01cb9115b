// The document's multi-view operations: the view count, the active view,
// the active-view-only mode, the per-view scale and the camera layout.
#include "document/pointer_tools.h"
#include "document/scale_rules.h"
#include "document/user_document.h"
#include "document/view_layout.h"

#include <algorithm>

namespace {

// Adds the camera to the world unless it is there already.
void showCamera(CWorld& world, CCamera& camera)
{
    const auto& cameras = world.cameras();
    if (std::find(cameras.begin(), cameras.end(), &camera) == cameras.end())
        world.registerCamera(camera);
}

} // namespace

void CUser::setViewCount(int n)
{
    if (!isViewCount(n))
        return;
    activeView = 0;
    activeViewOnly = 0;
    // "ALL View" acts on the other views; with one view left it is off, so
    // its item is not left checked while disabled.
    if (n == 1)
        allViews = 0;
    for (int i = n; i < viewCount; ++i)
        dropView(i);
    for (int i = 0; i < n; ++i)
        views[static_cast<std::size_t>(i)].activeViewMarker.rebuild();
    viewCount = n;
    requestPointerRebind();
    requestDisplayLayout();
}

void CUser::dropView(int view)
{
    jobs.cancelView(view);
    closeViewWindows(view);
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    slot.applyCursorColour();
    slot.rebuildModelDisplays();
    slot.engine.applyEditedRecord();
    slot.engine.Release();
}

void CUser::selectViewAt(int x, int y, int width, int height)
{
    if (viewCount <= 1 || activeViewOnly == 1)
        return;
    const int index = viewIndexAt(viewCount, x, y, width, height);
    if (index < 0 || index == activeView)
        return;
    takePointerReference(views[static_cast<std::size_t>(index)], pointer);
    activeView = index;
    for (int v = 0; v < viewCount; ++v)
        views[static_cast<std::size_t>(v)].activeViewMarker.rebuild();
    requestPointerRebind();
}

void CUser::toggleActiveViewOnly()
{
    if (viewCount <= 1)
        return;
    activeViewOnly = activeViewOnly == 1 ? 0 : 1;
    requestDisplayLayout();
}

void CUser::wheelZoom(int delta)
{
    EnvironmentSettings& environment = activeSlot().environment;
    environment.scale = wheelZoomed(environment.scale, delta);
    environment.freeScale = 1;
    environment.rebuildLevel = RebuildLevel::VectorField;
}

void CUser::setScale(double value)
{
    forEachTargetView([value](ViewSlot& slot) {
        slot.environment.scale = value;
        slot.environment.rebuildLevel = RebuildLevel::VectorField;
    });
}

void CUser::toggleAutoScale()
{
    EnvironmentSettings& environment = activeSlot().environment;
    environment.autoScale = environment.autoScale == 1 ? 0 : 1;
    if (environment.autoScale == 1)
        forEachTargetView(
            [](ViewSlot& slot) { slot.environment.rebuildLevel = RebuildLevel::VectorField; });
}

void CUser::copyActiveToOtherViews()
{
    const ViewSlot& active = activeSlot();
    for (int v = 0; v < viewCount; ++v) {
        if (v == activeView)
            continue;
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        slot.objectTransform.setTransform(active.objectTransform.transform());
        slot.environment.pointerState = active.environment.pointerState;
        slot.applyCursorColour();
    }
}

void CUser::layoutViews(int width, int height)
{
    if (width < 1 || height < 1)
        return;
    for (int v = 0; v < viewCount; ++v) {
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        slot.world.unregisterCamera(slot.cameraB);
        if (activeViewOnly == 1) {
            if (v != activeView) {
                slot.world.unregisterCamera(slot.cameraA);
                continue;
            }
            showCamera(slot.world, slot.cameraA);
            placeViewCamera(slot.cameraA, Viewport{0, 0, width, height}, viewAspect(1, width, height),
                            viewEyePosition(1));
            continue;
        }
        showCamera(slot.world, slot.cameraA);
        placeViewCamera(slot.cameraA, *viewViewport(viewCount, v, width, height),
                        viewAspect(viewCount, width, height), viewEyePosition(viewCount));
    }
}

void CUser::fitViewsToWindow(int width, int height)
{
    if (width < 1 || height < 1)
        return;
    for (int v = 0; v < viewCount; ++v) {
        CWorld& world = views[static_cast<std::size_t>(v)].world;
        if (world.cameras().empty())
            continue;
        placeViewCamera(*world.cameras().front(), *viewViewport(viewCount, v, width, height),
                        viewAspect(viewCount, width, height), viewEyePosition(viewCount));
    }
}

std::vector<Viewport> CUser::emptyViewAreas() const
{
    std::vector<Viewport> areas;
    for (int v = 0; v < viewCount; ++v) {
        const ViewSlot& slot = views[static_cast<std::size_t>(v)];
        if (!slot.awaitsModel())
            continue;
        // A view that is not drawn (another is shown alone) has no camera.
        for (const CCamera* camera : slot.world.cameras())
            areas.push_back(camera->viewport());
    }
    return areas;
}
