// A 4x4 transform of the scene library: a rotation and a translation in the
// column-major layout that glMultMatrixd expects. Scene nodes keep their pose
// in it, binders compose it with their objects', and the pointer tools use the
// rigid inverse to express a point in a binder's frame.
#pragma once

#include "core/vector3.h"

struct Matrix4 {
    // Element (row r, column c) is m[c * 4 + r]; a default Matrix4 is the identity.
    double m[16] = {1.0, 0.0, 0.0, 0.0,
                    0.0, 1.0, 0.0, 0.0,
                    0.0, 0.0, 1.0, 0.0,
                    0.0, 0.0, 0.0, 1.0};

    static Matrix4 translation(const Vector3& t);
    // Right-handed rotation by angleDegrees about axis (any non-zero length);
    // a zero axis gives the identity.
    static Matrix4 rotation(double angleDegrees, const Vector3& axis);

    double at(int row, int column) const { return m[column * 4 + row]; }
    double& at(int row, int column) { return m[column * 4 + row]; }

    // this * other: other is applied to a point first.
    Matrix4 operator*(const Matrix4& other) const;

    Vector3 transformPoint(const Vector3& p) const;
    Vector3 transformDirection(const Vector3& d) const;

    Vector3 translationPart() const { return {m[12], m[13], m[14]}; }
    void setTranslationPart(const Vector3& t);
    // The same matrix with its translation removed.
    Matrix4 rotationPart() const;

    // Inverse of a rotation-plus-translation matrix (transposed rotation).
    Matrix4 rigidInverse() const;
    // The rotation part re-orthonormalised (Gram-Schmidt on the columns), so
    // that long chains of composed rotations do not drift; translation kept.
    Matrix4 orthonormalized() const;

    bool operator==(const Matrix4&) const = default;
};
