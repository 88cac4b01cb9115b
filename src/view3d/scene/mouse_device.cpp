#include "view3d/scene/mouse_device.h"

#include "view3d/scene/pointer.h"

#include <cmath>

void CMouseDevice::poll()
{
    const std::optional<ScreenPoint> read = input_.cursorPosition();
    if (!read && !haveLast_)
        return;
    const ScreenPoint now = read ? *read : last_;
    if (!haveLast_) {
        last_ = now;
        haveLast_ = true;
    }
    const double dx = now.x - last_.x;
    const double dy = now.y - last_.y;
    last_ = now;

    const bool left = input_.buttons() & PointerInput::kLeftButton;
    const unsigned keys = input_.modifiers();
    const bool ctrl = keys & PointerInput::kControlKey;
    const bool shift = keys & PointerInput::kShiftKey;

    if (left && !ctrl) {
        translation_.x += dx / kPlaneStep;
        if (shift)
            translation_.z += dy / kDepthStep;
        else
            translation_.y -= dy / kPlaneStep;
    }
    if (left && ctrl && (dx != 0.0 || dy != 0.0)) {
        const double angle = std::hypot(dx, dy) * kDegreesPerPixel;
        rotation_ = (Matrix4::rotation(angle, {dy, dx, 0.0}) * rotation_).orthonormalized();
    }

    if (pointer_) {
        pointer_->setPose(Matrix4::translation(translation_) * rotation_);
        pointer_->setButtons(left ? CPointer::kPrimaryButton : 0u);
    }
}

void CMouseDevice::reset()
{
    translation_ = Vector3{};
    rotation_ = Matrix4{};
    haveLast_ = false;
    if (pointer_)
        pointer_->setPose(rotation_);
}
