// The Lyapunov (Kaplan–Yorke) dimension of a spectrum, shared by the
// whole-orbit dimension and its temporal response.
#pragma once

#include "core/state_vector.h"

// Exponents spectrum[0..n-1] in the order the spectrum computation delivers
// them (not sorted). j is the index of the first exponent whose addition makes
// the running sum zero or negative, and sum the running sum before it; the
// dimension is j + sum / |spectrum[j]|. When every running sum stays positive
// the dimension is n. A zero exponent at the stopping index (only possible with
// a zero sum) adds no fraction, so the result is j rather than 0/0. An
// undefined (NaN) exponent makes the result NaN.
double kaplanYorkeDimension(const StateVector& spectrum, int n);
