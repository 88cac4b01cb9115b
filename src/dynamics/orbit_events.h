// Events along a stored orbit that a parameter scan records: the local maxima
// of one variable, the crossings of a section plane x_k = c, and how many
// distinct values a list of them holds.
#pragma once

#include "core/state_vector.h"

#include <span>
#include <vector>

// The local maxima of component `variable`: each point higher than the one
// before it and at least as high as the one after it (so a flat top counts
// once). Its value is the top of the parabola through the point and its two
// neighbours, which follows the continuous orbit's maximum much more closely
// than the sampled point does. The first and last points have no maximum.
std::vector<double> localMaxima(std::span<const StateVector> points, int variable);

// The value of component `variable` wherever the orbit crosses the plane
// x[sectionVariable] = level upward (from below the level to at or above it),
// interpolated linearly on the step that crosses.
std::vector<double> sectionCrossings(std::span<const StateVector> points, int sectionVariable,
                                     double level, int variable);

// The number of groups the values fall into when values closer than
// tolerance to their sorted neighbour count as one.
int distinctValueCount(std::vector<double> values, double tolerance);
