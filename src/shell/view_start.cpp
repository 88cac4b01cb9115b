#include "shell/view_start.h"

#include "document/user_document.h"
#include "shell/view_windows.h"
#include "settings/environment_settings.h"

void placeObjectsAtDisplayPosition(ViewSlot& slot)
{
    slot.objectTransform.setTransform(Matrix4{});
    slot.objectTransform.setPosition(slot.engine.recordInUse.Display_Position);
}

void computeViewOrbit(ViewSlot& slot)
{
    slot.engine.computeOrbit();
    slot.environment.rebuildLevel = RebuildLevel::Orbit;
}

void startView(CUser& document, ViewWindows& windows, int view)
{
    ViewSlot& slot = document.views[static_cast<std::size_t>(view)];
    placeObjectsAtDisplayPosition(slot);
    if (slot.environment.dataSource == DataSource::Model)
        windows.open(WindowKind::SamplingInitialValue, view);
    else if (slot.environment.dataSource == DataSource::Series)
        windows.open(WindowKind::ReconstructionDelay, view);
}
