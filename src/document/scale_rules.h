// The display magnification rules of a view: the fixed magnifications of the
// Scale menu, the automatic fit of the scale to the orbit's extent, and the
// mouse-wheel zoom. Pure functions over plain values.
#pragma once

#include "core/state_vector.h"

#include <array>
#include <optional>

inline constexpr int kScaleTableSize = 11;
// The Scale menu's magnifications, in menu order.
inline constexpr std::array<double, kScaleTableSize> kScaleTableValues{
    100.0, 50.0, 10.0, 5.0, 1.0, 0.5, 0.1, 0.05, 0.01, 0.005, 0.001};

// The scale that fits an orbit: (100 / maxRange) / displayScale, with
// maxRange the largest extent orbitMax[i] - orbitMin[i] over the first
// `dimension` components. Empty when that has no finite positive value (an
// orbit without extent, a zero display scale): the view then keeps its scale.
std::optional<double> autoScaleFor(const StateVector& orbitMin, const StateVector& orbitMax,
                                   int dimension, double displayScale);

// The scale after a wheel turn of `delta` (120 a notch, positive away from
// the user): scale * 2^k with k = -(delta / 120) truncated toward zero. A
// turn so large that the result would overflow to infinity or underflow to
// zero leaves the scale as it is.
double wheelZoomed(double scale, int delta);

// Whether scale equals one of the table's values exactly.
bool isTableScale(double scale, const double (&table)[kScaleTableSize]);
