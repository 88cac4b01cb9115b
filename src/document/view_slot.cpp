#include "document/view_slot.h"

#include "view3d/objects/view_background.h"
#include "view3d/objects/view_light.h"
#include "view3d/scene/gl_state.h"
#include "settings/profile_file.h"

#include <utility>

namespace {

constexpr Rgba kCursorSpecular{0.7f, 0.7f, 0.7f, 1.0f};
constexpr float kCursorShininess = 80.0f;

} // namespace

ViewSlot::ViewSlot(const ProfileFile& settings, std::function<bool()> markerShown)
    : engine(&settings), environment(settings), activeViewMarker(std::move(markerShown))
{
}

void ViewSlot::buildScene(bool firstView)
{
    applyClearColour();
    if (firstView)
        initSceneGlobalState();

    configureViewLight(light);
    world.registerLight(light);

    const Rgba colour = cursorColour(environment);
    cursorSphere.setMaterial(colour, colour, kCursorSpecular, kCursorShininess);
    cursorSphere.setShadeModel(ShadeModel::Smooth);

    objectTransform.bind(orbit);
    objectTransform.bind(axes);
    objectTransform.bind(vectorField);
    world.registerObject(room);
    world.registerObject(activeViewMarker);
    world.registerObject(orbit);
    world.registerObject(axes);
    world.registerObject(vectorField);
    world.registerObject(probe);
    world.registerObject(cursorSphere);
    world.bindBinder(objectTransform);
    world.registerCamera(cameraA);
}

void ViewSlot::applyClearColour() const { applyBackgroundColour(environment); }

void ViewSlot::applyCursorColour() { cursorSphere.setAmbientAndDiffuse(cursorColour(environment)); }

void ViewSlot::rebuildModelDisplays(RebuildLevel level)
{
    orbit.rebuild();
    axes.rebuild();
    // Also while the field is off, so a field switched off leaves the view.
    if (level == RebuildLevel::VectorField)
        vectorField.rebuild();
}

void ViewSlot::placeProbe(const Matrix4& pointerPose)
{
    probe.place(pointerPose.translationPart(), localStep);
}

void ViewSlot::placeObjectsAtDisplayPosition()
{
    objectTransform.setTransform(Matrix4{});
    objectTransform.setPosition(engine.recordInUse.Display_Position);
}

bool ViewSlot::awaitsModel() const
{
    const bool seriesRead = environment.dataSource == DataSource::Series && !engine.series.empty();
    return engine.orbitReady != 1 && engine.binding.bound != 1 && !seriesRead;
}

Rgba cursorColour(const EnvironmentSettings& environment)
{
    if (environment.probeMode == 1)
        return {0.0f, 1.0f, 1.0f, 1.0f};
    switch (environment.pointerState) {
    case PointerState::TranslationRotation:
        return {1.0f, 1.0f, 0.0f, 1.0f};
    case PointerState::InitialValueInput:
        return {0.0f, 1.0f, 0.0f, 1.0f};
    case PointerState::None:
        break;
    }
    return {0.5f, 0.5f, 0.5f, 1.0f};
}
