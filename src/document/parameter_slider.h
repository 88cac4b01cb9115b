// The mapping between a parameter value and the position of its slider in
// the parameter setting window: the slider runs over 0 .. 1000 steps between
// the row's lower and upper limit.
#pragma once

#include <optional>

inline constexpr int kParameterSliderSteps = 1000;

// The slider position of value v with lower limit m and upper limit M: the
// fraction of the range in steps, rounded half up (truncated toward zero
// after adding one half), held at the nearest end when v lies outside the
// limits. Empty when the limits are equal (or not finite): such a row has no
// slider mapping.
std::optional<int> sliderPosition(double v, double m, double M);

// The value at slider position s of a row with limits m and M.
double sliderValue(int s, double m, double M);
