// The base of every scene item that has a place in the scene: a pose
// (position and orientation) kept as one 4x4 transform. Objects, binders,
// lights and the pointer are nodes; the pointer tools move and turn binders
// through this interface.
#pragma once

#include "view3d/scene/matrix4.h"
#include "core/vector3.h"

class CNode {
public:
    CNode() = default;
    CNode(const CNode&) = delete;
    CNode& operator=(const CNode&) = delete;
    virtual ~CNode() = default;

    const Matrix4& transform() const { return transform_; }
    void setTransform(const Matrix4& transform) { transform_ = transform; }

    Vector3 position() const { return transform_.translationPart(); }
    void setPosition(const Vector3& position) { transform_.setTranslationPart(position); }
    // Moves the node by delta in its parent's frame.
    void translate(const Vector3& delta);

    // The rotation part of the transform (no translation).
    Matrix4 orientation() const { return transform_.rotationPart(); }
    // Replaces the rotation part with that of orientation; the position stays.
    void setOrientation(const Matrix4& orientation);
    // Turns the node about its own origin by angleDegrees about axis, the
    // axis given in the parent's frame.
    void rotate(double angleDegrees, const Vector3& axis);

private:
    Matrix4 transform_;
};
