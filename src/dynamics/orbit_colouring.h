// The values that colour an orbit, one per point i = 0 .. count−2, and their
// mapping onto the colour scale. Each function fills values (resized to
// count − 1, so a buffer reused for an orbit of the same length allocates
// nothing) and reads the first count points of the engine's arrays; the
// caller makes sure the orbit is ready and holds at least two points. Plain
// numerics over the engine; the attractor's drawing object picks the values
// its presentation asks for and turns their scale positions into colours.
#pragma once

#include "core/state_vector.h"
#include "core/vector3.h"

#include <vector>

class DynamicsEngine;

// The Cartesian-plus-colour-axis arrangement: the first four components of x
// without component colourAxis (0..3), in their order, as a display point.
Vector3 componentPoint(const StateVector& x, int colourAxis);

// Component colourAxis (0..3) of each orbit state.
void componentValues(const DynamicsEngine& engine, int colourAxis, int count,
                     std::vector<double>& values);

// The length of the model's vector field at each orbit state, over all the
// model's components. The engine must be bound to a model function.
void modelVelocityValues(DynamicsEngine& engine, int count, std::vector<double>& values);

// The distance from each display point to the next (data have no vector field).
void dataVelocityValues(const DynamicsEngine& engine, int count, std::vector<double>& values);

// The local Lyapunov exponent along the orbit: state i plus the perturbation δ
// is advanced one Runge–Kutta step of the step the orbit took from i to i+1
// (the sampling interval, or the engine's step size of i in automatic mode);
// the value is ln(|d| / |δ|) with d the difference to state i+1, and δ turns
// to d's direction at its old length. perturbation is read and left at the
// last δ, so the next recording continues from it. A perturbation of zero or
// non-finite length starts again from (1e−8, 0, 0, 0, 0, 0); a step whose d is
// zero or not finite keeps δ as it was. The engine must be bound.
void localLyapunovValues(DynamicsEngine& engine, StateVector& perturbation, int count,
                         std::vector<double>& values);

// Smallest and largest finite value; both 0 when no value is finite.
struct ValueRange {
    double min = 0.0;
    double max = 0.0;
};
ValueRange valueRange(const std::vector<double>& values);

// The position of value on the colour scale, (value − min)·256/(max − min).
// When all values are equal (max = min) every value sits at 0, the low end.
double scalePosition(double value, const ValueRange& range);
