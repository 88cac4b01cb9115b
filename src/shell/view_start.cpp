#include "shell/view_start.h"

#include "document/user_document.h"
#include "shell/view_windows.h"

namespace {

constexpr int kModelSource = 1;
constexpr int kSeriesSource = 2;

}  // namespace

void placeObjectsAtDisplayPosition(ViewSlot& slot)
{
    slot.objectTransform.setTransform(Matrix4{});
    slot.objectTransform.setPosition(slot.engine.recordInUse.Display_Position);
}

void computeViewOrbit(ViewSlot& slot)
{
    slot.engine.computeOrbit();
    slot.environment.rebuildLevel = 1;
}

void startView(CUser& document, ViewWindows& windows, int view)
{
    ViewSlot& slot = document.views[static_cast<std::size_t>(view)];
    placeObjectsAtDisplayPosition(slot);
    if (slot.environment.dataSource == kModelSource)
        windows.open(WindowKind::SamplingInitialValue, view);
    else if (slot.environment.dataSource == kSeriesSource)
        windows.open(WindowKind::ReconstructionDelay, view);
}
