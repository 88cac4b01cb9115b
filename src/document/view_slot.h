// One view of the document: its engine (model, orbit, analyses), its display
// environment, its modeless windows, and its scene: world, the two cameras,
// the light, the cursor sphere that shows the pointer, the object transform
// that carries the orbit, and the drawing objects. The document owns nine of
// them for the life of the program and reaches into them directly.
#pragma once

#include "document/analysis_window.h"
#include "dynamics/dynamics_engine.h"
#include "view3d/objects/active_view_marker.h"
#include "view3d/objects/axes_object.h"
#include "view3d/objects/orbit_object.h"
#include "view3d/objects/probe_object.h"
#include "view3d/objects/room_object.h"
#include "view3d/objects/vector_field_object.h"
#include "view3d/scene/binder_obj.h"
#include "view3d/scene/camera.h"
#include "view3d/scene/light.h"
#include "view3d/scene/matrix4.h"
#include "view3d/scene/pointer.h"
#include "view3d/scene/sphere_obj.h"
#include "view3d/scene/world.h"
#include "settings/environment_settings.h"

#include <functional>
#include <vector>

class ProfileFile;

class ViewSlot {
public:
    // The environment loads section "EnvironmentData" from settings, the
    // model records their keys; markerShown tells the active-view outline
    // whether this view is the active one of several.
    ViewSlot(const ProfileFile& settings, std::function<bool()> markerShown);
    ViewSlot(const ViewSlot&) = delete;
    ViewSlot& operator=(const ViewSlot&) = delete;
    virtual ~ViewSlot() = default;

    // Builds the scene once the OpenGL context is current: clear colour from
    // the background (the global state first for the first view), light,
    // cursor sphere, drawing objects registered in the world, the object
    // transform bound into it, camera A registered.
    void buildScene(bool firstView);

    // Sends the background colour as the OpenGL clear colour.
    void applyClearColour() const;
    // Sets the cursor sphere's colour from the pointer tool and probeMode.
    void applyCursorColour();
    // Re-records the displays that show the model at the next draw: the
    // orbit and the axes, and at level VectorField the vector field too
    // (which records nothing while it is switched off).
    void rebuildModelDisplays(RebuildLevel level = RebuildLevel::VectorField);
    // Places the probe at the pointer's position, pointing along the last
    // local step.
    void placeProbe(const Matrix4& pointerPose);
    // The object transform back at its initial orientation, placed at the
    // record in use's display position.
    void placeObjectsAtDisplayPosition();
    // Whether the view has nothing to present yet: no orbit, no bound model
    // and no time series read for it.
    bool awaitsModel() const;

    DynamicsEngine engine;
    EnvironmentSettings environment;
    WindowTable windows;
    // The object transform relative to the pointer, taken when a grab starts
    // or the view becomes active, so the objects follow the pointer rigidly.
    Matrix4 pointerReference;
    int grabbing = 0;
    int mouseInWorld = 1;
    CWorld world;
    CCamera cameraA;  // draws the view
    CCamera cameraB;  // second eye of the stereo display modes
    CLight light;
    CPointer* boundPointer = nullptr;
    CSphereObj cursorSphere{0.04, 20, 20};
    // Carries the orbit, the axes and the vector field, so moving or turning
    // it moves them as one; the floor, the outline and the probe are not
    // under it.
    CBinderObj objectTransform;
    COrbitObject orbit{engine, environment};
    CRoomObject room{environment};
    CAxesObject axes{engine, environment};
    CVectorFieldObject vectorField{engine, environment};
    // The local-information probe, shown while probeMode is on.
    CProbeObject probe{environment};
    CActiveViewMarker activeViewMarker;
    // The last result of the local-information step (a world direction).
    Vector3 localStep;
    // The initial values before each drag of the initial-value tool, the
    // latest last, so the drags can be undone one by one.
    std::vector<StateVector> initialValueHistory;
    // 1 while a drag of the initial-value tool is setting initial values.
    int settingInitialValue = 0;
};

// The cursor colour (ambient and diffuse) of an environment: grey without a
// tool, yellow for translation and rotation, green for initial-value input;
// cyan while probing.
Rgba cursorColour(const EnvironmentSettings& environment);
