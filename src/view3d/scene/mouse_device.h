// The mouse device: polled once per frame (by the world it is registered in),
// it turns cursor motion, buttons and modifier keys into the pose and button
// word of the pointer attached to it.
//
// Per poll, with dx and dy the cursor motion in pixels since the last poll
// (y downward), and only while the left button is down:
//   Ctrl up, Shift up:   x += dx / 77, y -= dy / 77
//   Ctrl up, Shift down: x += dx / 77, z += dy / 27
//   Ctrl down:           rotate by 0.5 degree per pixel of drag length about
//                        (dy, dx, 0), the drag turned 90 degrees about the
//                        viewing axis, composed onto the current rotation in
//                        world axes (drag right turns the front to the right,
//                        drag down turns the top toward the viewer).
// The pointer's pose is the translation followed by the rotation; its button
// word has bit 0 set while the left button is down. The first poll only takes
// the cursor position, so the pointer never jumps by the cursor's distance
// from the screen corner.
#pragma once

#include "view3d/scene/matrix4.h"
#include "view3d/scene/pointer_input.h"
#include "core/vector3.h"

class CPointer;

class CMouseDevice {
public:
    // Pixels of drag per scene unit of translation: across and up the screen,
    // and toward the viewer.
    static constexpr double kPlaneStep = 77.0;
    static constexpr double kDepthStep = 27.0;
    // Degrees of rotation per pixel of drag.
    static constexpr double kDegreesPerPixel = 0.5;

    explicit CMouseDevice(PointerInput& input) : input_(input) {}
    CMouseDevice(const CMouseDevice&) = delete;
    CMouseDevice& operator=(const CMouseDevice&) = delete;

    // The pointer this device moves; null detaches.
    void attach(CPointer* pointer) { pointer_ = pointer; }
    CPointer* pointer() const { return pointer_; }

    void poll();
    // Back to the start: no translation, no rotation, and the next poll only
    // takes the cursor position. The attached pointer goes to the origin.
    void reset();

    const Vector3& translation() const { return translation_; }
    const Matrix4& rotation() const { return rotation_; }

private:
    PointerInput& input_;
    CPointer* pointer_ = nullptr;
    bool haveLast_ = false;
    ScreenPoint last_;
    Vector3 translation_;
    Matrix4 rotation_;
};
