#include "document/pointer_tools.h"

#include "document/view_slot.h"
#include "view3d/objects/scene_mapping.h"
#include "view3d/scene/pointer.h"
#include "settings/environment_settings.h"

namespace {

constexpr int kPrimaryBit = 0;
constexpr int kSpidarInitialValueBit = 1;
constexpr int kSpidarGrabBit = 2;

} // namespace

std::optional<Vector3> runPointerTick(ViewSlot& slot, const CPointer& pointer,
                                      InputDevice inputDevice)
{
    if (inputDevice == InputDevice::Spidar) {
        grabStep(slot, pointer, kSpidarGrabBit);
        return initialValueStep(slot, pointer, kSpidarInitialValueBit);
    }
    if (slot.environment.pointerState == PointerState::TranslationRotation)
        grabStep(slot, pointer, kPrimaryBit);
    else if (slot.environment.pointerState == PointerState::InitialValueInput)
        return initialValueStep(slot, pointer, kPrimaryBit);
    return std::nullopt;
}

void takePointerReference(ViewSlot& slot, const CPointer& pointer)
{
    slot.pointerReference = pointer.pose().rigidInverse() * slot.objectTransform.transform();
}

void grabStep(ViewSlot& slot, const CPointer& pointer, int buttonBit)
{
    if (!pointer.buttonDown(buttonBit)) {
        slot.grabbing = 0;
        return;
    }
    if (slot.grabbing == 0) {
        takePointerReference(slot, pointer);
        slot.grabbing = 1;
    }
    slot.objectTransform.setTransform((pointer.pose() * slot.pointerReference).orthonormalized());
}

std::optional<Vector3> phasePointUnderPointer(const ViewSlot& slot, const CPointer& pointer)
{
    const double k = sceneScale(slot.engine.recordInUse, slot.environment);
    if (k == 0.0)
        return std::nullopt;
    const Vector3 local =
        slot.objectTransform.transform().rigidInverse().transformPoint(pointer.pose().translationPart());
    return Vector3{local.x / k, -local.z / k, local.y / k};
}

std::optional<Vector3> initialValueStep(ViewSlot& slot, const CPointer& pointer, int buttonBit)
{
    if (!pointer.buttonDown(buttonBit)) {
        slot.settingInitialValue = 0;
        return std::nullopt;
    }
    if (slot.environment.rebuildLevel != RebuildLevel::None || slot.engine.binding.bound == 0)
        return std::nullopt;
    const std::optional<Vector3> point = phasePointUnderPointer(slot, pointer);
    if (!point)
        return std::nullopt;
    StateVector& setting = slot.engine.recordInUse.Setting;
    if (slot.settingInitialValue == 0) {
        std::vector<StateVector>& history = slot.initialValueHistory;
        if (history.size() == kInitialValueHistoryDepth)
            history.erase(history.begin());
        history.push_back(setting);
        slot.settingInitialValue = 1;
    }
    setting[0] = point->x;
    setting[1] = point->y;
    setting[2] = point->z;
    setting[4] = 0.0;
    setting[5] = 0.0;
    return point;
}

void localInformationStep(ViewSlot& slot, const CPointer& pointer)
{
    if (!pointer.buttonDown(kPrimaryBit) || slot.environment.rebuildLevel != RebuildLevel::None ||
        slot.engine.binding.bound == 0)
        return;
    const std::optional<Vector3> point = phasePointUnderPointer(slot, pointer);
    if (!point)
        return;
    StateVector start = slot.engine.recordInUse.Setting;
    start[0] = point->x;
    start[1] = point->y;
    start[2] = point->z;
    double h = slot.engine.recordInUse.Sampling_Interval;
    const StateVector next = slot.engine.advance(start, h);
    const Vector3 phaseStep{next[0] - start[0], next[1] - start[1], next[2] - start[2]};
    const Vector3 sceneStep{phaseStep.x, phaseStep.z, -phaseStep.y};
    slot.localStep = slot.objectTransform.transform().transformDirection(sceneStep);
}

bool undoInitialValueDrag(ViewSlot& slot)
{
    if (slot.initialValueHistory.empty())
        return false;
    slot.engine.recordInUse.Setting = slot.initialValueHistory.back();
    slot.initialValueHistory.pop_back();
    return true;
}
