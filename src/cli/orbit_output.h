// Writes orbit points as text: one line per point, the first `dimension`
// components with "%.17g" (enough digits to read every double back exactly),
// separated by one blank, through the large buffer of TextOut, so half a
// million points take a fraction of a second.
#pragma once

#include "core/state_vector.h"

#include <cstdio>
#include <vector>

// False when a write fails.
bool writeOrbitPoints(std::FILE* out, const std::vector<StateVector>& orbit, int count,
                      int dimension);
