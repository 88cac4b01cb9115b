// A point or direction in display space: three doubles x, y, z.
// A plain value type shared by the scene library and the engine's projection.
#pragma once

#include <cmath>

struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vector3() = default;
    constexpr Vector3(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    constexpr double& operator[](int k) { return k == 0 ? x : (k == 1 ? y : z); }
    constexpr double operator[](int k) const { return k == 0 ? x : (k == 1 ? y : z); }

    double length() const { return std::sqrt(x * x + y * y + z * z); }

    // Scales to unit length; the zero vector stays zero.
    void normalize()
    {
        const double len = length();
        if (len > 0.0) {
            x /= len;
            y /= len;
            z /= len;
        }
    }

    constexpr bool operator==(const Vector3&) const = default;
};
