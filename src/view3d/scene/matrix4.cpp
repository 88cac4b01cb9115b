#include "view3d/scene/matrix4.h"

#include <cmath>
#include <numbers>

Matrix4 Matrix4::translation(const Vector3& t)
{
    Matrix4 r;
    r.setTranslationPart(t);
    return r;
}

Matrix4 Matrix4::rotation(double angleDegrees, const Vector3& axis)
{
    Vector3 a = axis;
    a.normalize();
    Matrix4 r;
    if (a.length() == 0.0)
        return r;
    const double rad = angleDegrees * std::numbers::pi / 180.0;
    const double c = std::cos(rad);
    const double s = std::sin(rad);
    const double t = 1.0 - c;
    r.at(0, 0) = t * a.x * a.x + c;
    r.at(0, 1) = t * a.x * a.y - s * a.z;
    r.at(0, 2) = t * a.x * a.z + s * a.y;
    r.at(1, 0) = t * a.x * a.y + s * a.z;
    r.at(1, 1) = t * a.y * a.y + c;
    r.at(1, 2) = t * a.y * a.z - s * a.x;
    r.at(2, 0) = t * a.x * a.z - s * a.y;
    r.at(2, 1) = t * a.y * a.z + s * a.x;
    r.at(2, 2) = t * a.z * a.z + c;
    return r;
}

Matrix4 Matrix4::operator*(const Matrix4& other) const
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += at(row, k) * other.at(k, col);
            r.at(row, col) = sum;
        }
    }
    return r;
}

Vector3 Matrix4::transformPoint(const Vector3& p) const
{
    const Vector3 d = transformDirection(p);
    return {d.x + m[12], d.y + m[13], d.z + m[14]};
}

Vector3 Matrix4::transformDirection(const Vector3& d) const
{
    return {at(0, 0) * d.x + at(0, 1) * d.y + at(0, 2) * d.z,
            at(1, 0) * d.x + at(1, 1) * d.y + at(1, 2) * d.z,
            at(2, 0) * d.x + at(2, 1) * d.y + at(2, 2) * d.z};
}

void Matrix4::setTranslationPart(const Vector3& t)
{
    m[12] = t.x;
    m[13] = t.y;
    m[14] = t.z;
}

Matrix4 Matrix4::rotationPart() const
{
    Matrix4 r = *this;
    r.setTranslationPart({});
    return r;
}

Matrix4 Matrix4::rigidInverse() const
{
    Matrix4 r;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            r.at(row, col) = at(col, row);
    const Vector3 t = r.transformDirection(translationPart());
    r.setTranslationPart({-t.x, -t.y, -t.z});
    return r;
}

Matrix4 Matrix4::orthonormalized() const
{
    auto column = [this](int c) { return Vector3(at(0, c), at(1, c), at(2, c)); };
    auto dot = [](const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; };
    Vector3 x = column(0);
    x.normalize();
    Vector3 y = column(1);
    const double xy = dot(x, y);
    y = {y.x - xy * x.x, y.y - xy * x.y, y.z - xy * x.z};
    y.normalize();
    const Vector3 z = {x.y * y.z - x.z * y.y, x.z * y.x - x.x * y.z, x.x * y.y - x.y * y.x};
    Matrix4 r = *this;
    const Vector3 cols[3] = {x, y, z};
    for (int c = 0; c < 3; ++c)
        for (int row = 0; row < 3; ++row)
            r.at(row, c) = cols[c][row];
    return r;
}
