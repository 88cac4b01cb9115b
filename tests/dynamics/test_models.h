// Model functions that live in the test process, with the exported signature,
// so engine tests run without the C compiler, and a helper that binds one.
#pragma once

#include "dynamics/dynamics_engine.h"

#include <cmath>
#include <initializer_list>

namespace testmodels {

// Lorenz: dx/dt = a*y - a*x, dy/dt = -x*z + b*x - y, dz/dt = x*y - c*z.
inline double lorenz(int* dimension, double* v, double* p, double*)
{
    const double x = v[0], y = v[1], z = v[2];
    const double a = p[0], b = p[1], c = p[2];
    switch (dimension[0]) {
    case 0: return a * y - a * x;
    case 1: return -x * z + b * x - y;
    default: return x * y - c * z;
    }
}

// Independent exponential decay of every component: d(x_k)/dt = -x_k.
inline double decay(int* dimension, double* v, double*, double*) { return -v[dimension[0]]; }

// A constant vector field, integrated exactly by Runge-Kutta up to rounding.
inline double constantField(int*, double*, double*, double*) { return 1.0; }

// dx/dt = -1 while x >= 0 and NaN once a stage state turns negative
// (0 * sqrt(x) is NaN there).
inline double descendToNaN(int*, double* v, double*, double*)
{
    return 0.0 * std::sqrt(v[0]) - 1.0;
}

// Sets the record in use to n variables and p parameters with the given
// values, binds the in-process function and loads the parameters.
inline void bindModel(DynamicsEngine& engine, ModelFunction function, int n, int p,
                      std::initializer_list<double> parameters = {})
{
    engine.recordEdited.Dimension = n;
    engine.recordEdited.Parameter = p;
    int j = 0;
    for (double value : parameters)
        engine.recordEdited.Parameter_Default[j++] = value;
    engine.applyEditedRecord();
    engine.binding.BindFunction(function, n, p);
    engine.loadParameters();
}

inline void bindLorenz(DynamicsEngine& engine)
{
    bindModel(engine, lorenz, 3, 3, {10.0, 28.0, 8.0 / 3.0});
    engine.recordInUse.Setting = StateVector(1.0, 1.0, 1.0, 0.0, 0.0, 0.0);
}

}  // namespace testmodels
