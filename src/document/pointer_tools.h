// What the 3-D pointer does to a view at each drawing tick: grabbing the
// view's objects to move and turn them, setting the model's initial state by
// pointing into phase space, and the vector field's local-information probe.
// Scene coordinates (xs, ys, zs) map to the phase components as x = xs,
// y = -zs, z = ys, divided by the view's scene scale.
#pragma once

#include "core/vector3.h"
#include "settings/program_settings.h"

#include <cstddef>
#include <optional>

class CPointer;
class ViewSlot;

// The pointer tick of a view whose pointer is bound, run while the program's
// frame is in the foreground: SPIDAR G grabs with button bit 2 and sets
// initial values with bit 1 whatever the tool; otherwise the translation and
// rotation tool grabs and the initial-value tool sets initial values with the
// primary button. Returns the phase point the initial-value tool set as the
// new initial state at this tick, if any; the caller then computes its orbit.
std::optional<Vector3> runPointerTick(ViewSlot& slot, const CPointer& pointer,
                                      InputDevice inputDevice);

// Takes the pointer's current pose as the start of the object transform's
// reference, so the objects do not jump when a grab starts.
void takePointerReference(ViewSlot& slot, const CPointer& pointer);

// While the button is held the object transform follows the pointer rigidly;
// releasing it ends the grab.
void grabStep(ViewSlot& slot, const CPointer& pointer, int buttonBit);

// How many drags of the initial-value tool a view can undo.
inline constexpr std::size_t kInitialValueHistoryDepth = 50;

// While the button is held and no rebuild is pending: the phase point under
// the pointer becomes the initial state (x, y, z; v and u 0; w kept) and is
// returned: the orbit must be computed anew. The first change of a drag keeps
// the initial state it replaces in the view's history. Nothing (empty)
// without a bound model.
std::optional<Vector3> initialValueStep(ViewSlot& slot, const CPointer& pointer, int buttonBit);

// While the primary button is held and no rebuild is pending: the model's one
// integration step from the phase point under the pointer, as a world
// direction, is kept in slot.localStep, along which the view's probe points.
// Nothing without a bound model.
void localInformationStep(ViewSlot& slot, const CPointer& pointer);

// The phase point (first three components) under the pointer, through the
// inverse of the object transform and the scene scale. Empty when the scene
// scale is zero.
std::optional<Vector3> phasePointUnderPointer(const ViewSlot& slot, const CPointer& pointer);

// Puts back the initial state from before the view's last initial-value drag
// and drops it from the history. False, with nothing changed, when no drag is
// left to undo.
bool undoInitialValueDrag(ViewSlot& slot);
