#include "document/user_document.h"

#include "document/pointer_tools.h"
#include "document/scale_rules.h"
#include "models/reporter.h"
#include "settings/environment_settings.h"
#include "settings/profile_file.h"

#include <algorithm>

namespace {

constexpr double kPointerOutputDivisor = 15.0;

} // namespace

template <std::size_t... I>
std::array<ViewSlot, kViewSlotCount> CUser::makeViewSlots(const ProfileFile& settings,
                                                          std::index_sequence<I...>)
{
    return {{ViewSlot(settings, [this] {
        return viewCount >= 2 && activeView == static_cast<int>(I);
    })...}};
}

CUser::CUser(const ProfileFile& settings, Reporter& reporter, std::string programFolder,
             PointerInput& pointerInput)
    : settingsFile(settings.path()),
      views(makeViewSlots(settings, std::make_index_sequence<kViewSlotCount>{})),
      mouseDevice(pointerInput), reporter_(reporter)
{
    libraryPaths.programFolder = std::move(programFolder);
    std::copy(kScaleTableValues.begin(), kScaleTableValues.end(), scaleTable);
}

CUser::~CUser()
{
    for (int v = 0; v < kViewSlotCount; ++v) {
        for (int kind = 0; kind < kWindowKindCount; ++kind)
            closeAnalysisWindow(kind, v);
    }
}

void CUser::initialiseScenes()
{
    if (scenesInitialised_)
        return;
    mouseDevice.attach(&pointer);
    for (int i = 0; i < kViewSlotCount; ++i) {
        ViewSlot& slot = views[static_cast<std::size_t>(i)];
        slot.environment.viewIndex = i;
        slot.buildScene(i == 0);
        // Every cursor sphere rides on the one pointer, so it is drawn only in
        // the worlds the pointer is bound into, never stranded at the origin.
        pointer.bind(slot.cursorSphere);
    }
    requestPointerRebind();
    scenesInitialised_ = true;
}

void CUser::drawAllViews(bool frameIsForeground)
{
    deliverFinishedJobs();
    runParameterRecomputes();
    if (!scenesInitialised_)
        return;
    for (int v = 0; v < viewCount; ++v) {
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        slot.world.draw(v == 0);
        if (activeViewOnly == 1 && v != activeView)
            continue;
        updateView(slot);
        if (deviceRebindPending == 0 && (v == activeView || allViews == 1) && slot.boundPointer &&
            frameIsForeground) {
            const std::optional<Vector3> picked = runPointerTick(slot, pointer, inputDevice);
            if (picked) {
                computeViewOrbit(v);
                if (phasePointPicked)
                    phasePointPicked(v, *picked);
            }
        }
    }
    for (int v = 0; v < viewCount; ++v) {
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        slot.world.update();
        pointerDisplayStep(slot, frameIsForeground);
    }
    if (deviceRebindPending == 1)
        rebindPointer();
}

void CUser::setDevicePixelRatio(double ratio)
{
    for (ViewSlot& slot : views)
        slot.axes.setDevicePixelRatio(ratio);
}

void CUser::updateView(ViewSlot& slot)
{
    EnvironmentSettings& environment = slot.environment;
    DynamicsEngine& engine = slot.engine;
    if (environment.rebuildLevel != RebuildLevel::None && engine.orbitReady == 1) {
        if (environment.autoScale == 1) {
            engine.computeBounds();
            // An orbit without extent has no finite fit; the view keeps its scale.
            if (const auto fitted = autoScaleFor(engine.orbitMin, engine.orbitMax,
                                                 engine.recordInUse.Dimension,
                                                 engine.recordInUse.Display_Scale))
                environment.scale = *fitted;
        }
        slot.rebuildModelDisplays(RebuildLevel::Orbit);
        if (environment.rebuildLevel == RebuildLevel::VectorField)
            rebuildVectorField(static_cast<int>(&slot - views.data()));
        environment.rebuildLevel = RebuildLevel::None;
    }
    if (environment.probeMode == 1)
        slot.placeProbe(pointer.pose());
}

void CUser::pointerDisplayStep(ViewSlot& slot, bool frameIsForeground)
{
    if (!slot.boundPointer)
        return;
    if (inputDevice == InputDevice::Mouse) {
        if (!frameIsForeground && slot.mouseInWorld == 1) {
            slot.world.unregisterDevice(mouseDevice);
            slot.mouseInWorld = 0;
        } else if (frameIsForeground && slot.mouseInWorld == 0) {
            slot.world.registerDevice(mouseDevice);
            slot.mouseInWorld = 1;
        }
    }
    Vector3 output;
    if (slot.environment.probeMode == 1) {
        localInformationStep(slot, pointer);
        output = {slot.localStep.x / kPointerOutputDivisor, slot.localStep.y / kPointerOutputDivisor,
                  slot.localStep.z / kPointerOutputDivisor};
    }
    pointer.setOutput(output);
}

void CUser::rebindPointer()
{
    for (ViewSlot& slot : views) {
        if (inputDevice == InputDevice::Mouse)
            slot.world.unregisterDevice(mouseDevice);
        if (slot.boundPointer)
            slot.world.unbindBinder(*slot.boundPointer);
        slot.boundPointer = nullptr;
    }
    inputDevice = requestedDevice;
    deviceRebindPending = 0;
    for (int v = 0; v < viewCount; ++v) {
        if (v != activeView && allViews == 0)
            continue;
        ViewSlot& slot = views[static_cast<std::size_t>(v)];
        if (inputDevice == InputDevice::Mouse) {
            slot.world.registerDevice(mouseDevice);
            // Registered now, whatever the last tick decided, so the next
            // foreground check starts from the truth.
            slot.mouseInWorld = 1;
        }
        slot.boundPointer = &pointer;
        slot.world.bindBinder(pointer);
    }
}

void CUser::requestPointerRebind()
{
    requestedDevice = inputDevice;
    deviceRebindPending = 1;
}

void CUser::requestDisplayLayout()
{
    if (displayLayoutRequest)
        displayLayoutRequest();
}

bool CUser::isTargetView(int v) const
{
    if (v < 0 || v >= viewCount)
        return false;
    return allViews == 1 || v == activeView;
}

void CUser::applyEnvironmentChange(EnvironmentChange kind)
{
    forEachTargetView([this, kind](ViewSlot& slot) { changeEnvironment(slot, kind); });
}

void CUser::changeEnvironment(ViewSlot& slot, EnvironmentChange kind)
{
    DynamicsEngine& engine = slot.engine;
    switch (kind) {
    case EnvironmentChange::ClearColour:
        slot.applyClearColour();
        break;
    case EnvironmentChange::Room:
        slot.room.rebuild();
        break;
    case EnvironmentChange::OrbitDisplay:
        if (engine.orbitReady == 1)
            slot.environment.rebuildLevel = RebuildLevel::Orbit;
        break;
    case EnvironmentChange::DisplayBasis:
        if (engine.orbitReady != 1 || engine.recordInUse.Dimension != 4)
            break;
        engine.computeDisplayBasis();
        if (slot.environment.dataSource == DataSource::Model && engine.binding.bound == 1)
            computeViewOrbit(static_cast<int>(&slot - views.data()));
        else if (slot.environment.dataSource == DataSource::Series)
            engine.reconstruct();
        slot.environment.rebuildLevel = RebuildLevel::VectorField;
        break;
    case EnvironmentChange::Axes:
        if (engine.orbitReady == 1)
            slot.axes.rebuild();
        break;
    }
}

bool CUser::isAnalysisWindowOpen(int kind, int view) const
{
    if (kind < 0 || kind >= kWindowKindCount || view < 0 || view >= kViewSlotCount)
        return false;
    const auto& window = views[static_cast<std::size_t>(view)]
                             .windows[static_cast<std::size_t>(windowEntry(static_cast<WindowKind>(kind)))];
    return window && window->isOpen();
}

void CUser::closeAnalysisWindow(int kind, int view)
{
    if (!isAnalysisWindowOpen(kind, view))
        return;
    views[static_cast<std::size_t>(view)]
        .windows[static_cast<std::size_t>(windowEntry(static_cast<WindowKind>(kind)))]
        ->close();
}

void CUser::closeViewWindows(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    views[static_cast<std::size_t>(view)].environment.reset();
    for (int kind = 0; kind < kWindowKindCount; ++kind)
        closeAnalysisWindow(kind, view);
}

ModelLibraryPaths CUser::currentLibraryPaths() const
{
    return computeLibraryPaths(libraryPaths.programFolder, modelListPath);
}

bool CUser::bindModel(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return false;
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    jobs.cancelView(view);
    slot.engine.applyEditedRecord();
    // Undoing a drag must not bring back a start of the model bound before.
    slot.initialValueHistory.clear();
    // The new record has no orbit yet: the view stops showing the previous one.
    slot.rebuildModelDisplays();
    return rebindRecordInUse(view);
}

bool CUser::rebindRecordInUse(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return false;
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    DynamicsEngine& engine = slot.engine;
    // Results of the model bound so far must not land on the new one.
    jobs.cancelView(view);
    libraryPaths = currentLibraryPaths();
    engine.Release();
    std::string reason;
    if (!engine.Bind(libraryPaths.libraryPath, &reason)) {
        engine.orbitReady = 0;
        slot.rebuildModelDisplays();
        Failure failure{FailureKind::BindFailed, libraryPaths.libraryPath};
        failure.name = engine.recordInUse.ModelName;
        failure.detail = reason;
        reporter_.report(failure);
        refreshViewWindows(view);
        return false;
    }
    engine.loadParameters();
    // The view's windows show the model now bound, or no values without an orbit.
    refreshViewWindows(view);
    return true;
}

CompileResult CUser::compileModelLibrary()
{
    activeSlot().engine.Release();
    libraryPaths = currentLibraryPaths();
    return Compile(libraryPaths);
}
