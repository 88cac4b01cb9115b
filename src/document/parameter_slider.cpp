#include "document/parameter_slider.h"

#include <algorithm>
#include <cmath>

std::optional<int> sliderPosition(double v, double m, double M)
{
    const double range = M - m;
    if (range == 0.0 || !std::isfinite(range) || !std::isfinite(v))
        return std::nullopt;
    const double steps = (v - m) / range * kParameterSliderSteps + 0.5;
    return static_cast<int>(std::trunc(std::clamp(steps, 0.0, double(kParameterSliderSteps))));
}

double sliderValue(int s, double m, double M)
{
    return (M - m) * s * 0.001 + m;
}
