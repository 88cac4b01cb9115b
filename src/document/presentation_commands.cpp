// Menu command effects on what the views present and on the pointer tools:
// the three colourings (structure, velocity, local Lyapunov distribution), the vector field, the three pointer tools,
// the axes, the display position, and undoing initial-value drags.
#include "document/pointer_tools.h"
#include "document/user_document.h"

#include <algorithm>

namespace {

constexpr double kInitialError = 1e-8;

bool orbitReady(const ViewSlot& slot) { return slot.engine.orbitReady == 1; }

} // namespace

void CUser::showPresentationMode(PresentationMode mode)
{
    for (int v = 0; v < viewCount; ++v) {
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        if (!isTargetView(v) || !orbitReady(slot))
            continue;
        if (mode == PresentationMode::LocalLyapunov) {
            slot.environment.perturbation = StateVector{kInitialError, 0.0, 0.0, 0.0, 0.0, 0.0};
            openAnalysisWindow(WindowKind::LocalLyapunovError, v);
        }
        slot.environment.presentationMode = mode;
        slot.environment.rebuildLevel = std::max(slot.environment.rebuildLevel, RebuildLevel::Orbit);
    }
}

void CUser::showAttractorStructure() { showPresentationMode(PresentationMode::Structure); }

void CUser::showVelocityDistribution() { showPresentationMode(PresentationMode::Velocity); }

void CUser::showLocalLyapunov() { showPresentationMode(PresentationMode::LocalLyapunov); }

void CUser::toggleVectorField()
{
    for (int v = 0; v < viewCount; ++v) {
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        if (!isTargetView(v) || !orbitReady(slot))
            continue;
        EnvironmentSettings& environment = slot.environment;
        environment.vectorFieldOn = environment.vectorFieldOn == 1 ? 0 : 1;
        rebuildVectorField(v);
        if (environment.vectorFieldOn == 1) {
            openAnalysisWindow(WindowKind::PhaseSpaceSettings, v);
            continue;
        }
        // Without a field there is nothing to probe.
        ViewSlot& active = activeSlot();
        if (active.environment.probeMode == 1) {
            active.environment.probeMode = 0;
            active.environment.pointerState = PointerState::TranslationRotation;
            active.applyCursorColour();
        }
    }
}

void CUser::toggleTranslationRotation()
{
    ViewSlot& slot = activeSlot();
    EnvironmentSettings& environment = slot.environment;
    if (environment.pointerState != PointerState::TranslationRotation) {
        environment.probeMode = 0;
        takePointerReference(slot, pointer);
        environment.pointerState = PointerState::TranslationRotation;
    } else {
        environment.pointerState = PointerState::None;
    }
    slot.applyCursorColour();
    if (allViews == 1)
        copyActiveToOtherViews();
}

void CUser::toggleInitialValueInput()
{
    ViewSlot& slot = activeSlot();
    EnvironmentSettings& environment = slot.environment;
    if (environment.pointerState != PointerState::InitialValueInput) {
        environment.probeMode = 0;
        environment.pointerState = PointerState::InitialValueInput;
    } else {
        environment.pointerState = PointerState::None;
    }
    slot.applyCursorColour();
    if (allViews == 1)
        copyActiveToOtherViews();
}

void CUser::toggleLocalInformation()
{
    ViewSlot& slot = activeSlot();
    EnvironmentSettings& environment = slot.environment;
    if (environment.probeMode == 1) {
        environment.probeMode = 0;
        environment.pointerState = PointerState::TranslationRotation;
        slot.applyCursorColour();
        return;
    }
    environment.pointerState = PointerState::None;
    // The probe starts at the pointer; the drawing tick keeps it there.
    slot.placeProbe(pointer.pose());
    environment.probeMode = 1;
    slot.applyCursorColour();
    if (allViews == 1)
        copyActiveToOtherViews();
}

void CUser::toggleAxes()
{
    forEachTargetView([](ViewSlot& slot) {
        if (!orbitReady(slot))
            return;
        slot.environment.Axis_Flag_Display = slot.environment.Axis_Flag_Display == 1 ? 0 : 1;
        slot.axes.rebuild();
    });
}

void CUser::resetDisplayPosition()
{
    if (inputDevice == InputDevice::Mouse)
        mouseDevice.reset();
    forEachTargetView([](ViewSlot& slot) {
        if (orbitReady(slot))
            slot.objectTransform.setTransform(Matrix4{});
    });
}

bool CUser::undoInitialValue()
{
    if (!undoInitialValueDrag(activeSlot()))
        return false;
    computeViewOrbit(activeView);
    return true;
}
