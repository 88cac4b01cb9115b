// Recomputing a view's orbit after its parameter values changed, coalesced
// to one computation per drawing tick so that a dragged slider never queues
// up work behind the pointer.
#include "document/user_document.h"

void CUser::requestParameterRecompute(int view)
{
    if (view >= 0 && view < kViewSlotCount)
        parameterRecomputes_[static_cast<std::size_t>(view)] = true;
}

bool CUser::parameterRecomputePending(int view) const
{
    return view >= 0 && view < kViewSlotCount && parameterRecomputes_[static_cast<std::size_t>(view)];
}

void CUser::runParameterRecomputes()
{
    for (int v = 0; v < kViewSlotCount; ++v) {
        if (!std::exchange(parameterRecomputes_[static_cast<std::size_t>(v)], false))
            continue;
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        // A view whose model was released meanwhile has nothing to compute.
        if (slot.engine.binding.bound != 1)
            continue;
        slot.engine.loadParameters();
        computeViewOrbit(v, slot.engine.recordInUse.Sampling_Point <= kLiveOrbitPoints);
        slot.environment.rebuildLevel = RebuildLevel::VectorField;
    }
}
