// The 3-D pointer: a binder whose pose (position and orientation) an input
// device sets every frame, with the device's button word. Objects attached to
// it (the cursor sphere) follow the pose; a world shows them while the pointer
// is bound into it. The pointer also carries the output vector that the
// document hands it each frame, the force a haptic device would render.
#pragma once

#include "view3d/scene/binder_obj.h"
#include "core/vector3.h"

class CPointer : public CBinderObj {
public:
    // Button bits: bit 0 the primary button; bits 1 and 2 further device buttons.
    static constexpr unsigned kPrimaryButton = 1u << 0;

    // The pose in world coordinates (the node's transform).
    const Matrix4& pose() const { return transform(); }
    void setPose(const Matrix4& pose) { setTransform(pose); }

    unsigned buttons() const { return buttons_; }
    void setButtons(unsigned buttons) { buttons_ = buttons; }
    bool buttonDown(int bit) const { return (buttons_ >> bit) & 1u; }

    const Vector3& output() const { return output_; }
    void setOutput(const Vector3& output) { output_ = output; }

private:
    unsigned buttons_ = 0;
    Vector3 output_;
};
