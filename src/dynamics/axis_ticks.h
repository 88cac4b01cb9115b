// The numbers of the measured axes frame: per state component the box that
// holds the orbit, the first and last scale number, the step between numbers
// and the number of decimals they are printed with, plus the length of the
// plain axes through the origin. Plain numerics over the orbit's bounds; the
// axes drawing object only draws what these give.
#pragma once

#include "core/state_vector.h"

#include <string>
#include <vector>

// At most this many scale numbers per component.
inline constexpr int kMaxTickCount = 101;

struct AxisTicks {
    int dimension = 0;
    StateVector boxMin;
    StateVector boxMax;
    StateVector tickStart;
    StateVector tickEnd;
    StateVector tickStep;
    // A power of ten, the same for every component: the numbers are
    // multiples of 1/precision.
    double precision = 1.0;
    // Decimals of the printed numbers: 0 for a precision up to 1, then one
    // per power of ten, at most 10.
    int decimals = 0;
};

// The frame of an orbit whose components 0 .. dimension−1 span lo .. hi, with
// about numbers scale numbers per component. Every component's range is
// widened to the largest one for the numbers, so all components share one
// precision, chosen so that numbers ≤ range·precision < 10·numbers. Guards:
// numbers below 1 count as 1, and when the largest range is 0 or not finite
// the precision stays 1 (the orbit sits at one point: one number).
AxisTicks computeAxisTicks(const StateVector& lo, const StateVector& hi, int dimension,
                           int numbers);

// The scale numbers of component k: tickStart, tickStart + tickStep, ... up
// to boxMax, at most kMaxTickCount of them, none when tickStart lies beyond
// boxMax. A step that is not positive (a range that cuts to 0 at the
// precision) gives the first number alone rather than a pile of equal ones.
std::vector<double> tickValues(const AxisTicks& ticks, int k);

// A scale number as printed with the given decimals ("%.*f").
std::string tickLabel(double value, int decimals);

// Half-length of the plain axes fitted to an orbit: the largest absolute
// value of any component's bound, 0 for no components.
double fittedAxisLength(const StateVector& lo, const StateVector& hi, int dimension);
