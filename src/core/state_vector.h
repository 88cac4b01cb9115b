// The phase-space vector of the engine: six doubles x, y, z, w, v, u.
// It serves as a state, a difference of states, a deviation vector and a list
// of up to six numbers (exponents, bounds). A plain value: no allocation, no
// virtual dispatch, no index checks, because the integrator and the Lyapunov
// loops combine millions of them.
#pragma once

#include "core/vector3.h"

#include <cmath>

struct StateVector {
    double c[6] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

    constexpr StateVector() = default;
    constexpr StateVector(double x, double y, double z, double w, double v, double u)
        : c{x, y, z, w, v, u} {}

    constexpr double& operator[](int k) { return c[k]; }
    constexpr double operator[](int k) const { return c[k]; }

    // A picked display point becomes a state: x, y, z from it, v and u cleared,
    // w kept (so a 4-variable model keeps its fourth initial value).
    constexpr StateVector& operator=(const Vector3& p)
    {
        c[0] = p.x;
        c[1] = p.y;
        c[2] = p.z;
        c[4] = 0.0;
        c[5] = 0.0;
        return *this;
    }
    constexpr StateVector& operator=(const StateVector&) = default;
    constexpr StateVector(const StateVector&) = default;

    // Exact comparison of all six components, no tolerance (NaN never equals).
    constexpr bool operator==(const StateVector& o) const
    {
        return c[0] == o.c[0] && c[1] == o.c[1] && c[2] == o.c[2] && c[3] == o.c[3] &&
               c[4] == o.c[4] && c[5] == o.c[5];
    }

    constexpr StateVector& operator-=(const StateVector& o)
    {
        for (int k = 0; k < 6; ++k)
            c[k] -= o.c[k];
        return *this;
    }
};

constexpr StateVector operator+(const StateVector& a, const StateVector& b)
{
    StateVector r;
    for (int k = 0; k < 6; ++k)
        r.c[k] = a.c[k] + b.c[k];
    return r;
}

constexpr StateVector operator-(const StateVector& a, const StateVector& b)
{
    StateVector r;
    for (int k = 0; k < 6; ++k)
        r.c[k] = a.c[k] - b.c[k];
    return r;
}

constexpr StateVector operator*(double s, const StateVector& a)
{
    StateVector r;
    for (int k = 0; k < 6; ++k)
        r.c[k] = s * a.c[k];
    return r;
}

constexpr double dot(const StateVector& a, const StateVector& b)
{
    double sum = 0.0;
    for (int k = 0; k < 6; ++k)
        sum += a.c[k] * b.c[k];
    return sum;
}

inline double norm(const StateVector& a) { return std::sqrt(dot(a, a)); }
