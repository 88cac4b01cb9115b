#include "dynamics/axis_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Scales w (and the bounds with it) by tens until numbers ≤ w < 10·numbers;
// returns the factor applied. w must be positive and finite.
double scaleToNumbers(double w, double numbers, double& lo, double& hi)
{
    double p = 1.0;
    while (w < numbers || w >= 10.0 * numbers) {
        const double f = w < numbers ? 10.0 : 0.1;
        w *= f;
        lo *= f;
        hi *= f;
        p *= f;
    }
    return p;
}

int decimalsOf(double precision)
{
    const int m = static_cast<int>(std::lround(std::log10(precision)));
    return std::clamp(m, 0, 10);
}

} // namespace

AxisTicks computeAxisTicks(const StateVector& lo, const StateVector& hi, int dimension,
                           int numbers)
{
    AxisTicks ticks;
    ticks.dimension = std::clamp(dimension, 0, 6);
    const int d = ticks.dimension;
    const double n = std::max(numbers, 1);
    double range = 0.0;
    for (int k = 0; k < d; ++k)
        range = std::max(range, hi[k] - lo[k]);
    const bool scalable = range > 0.0 && std::isfinite(range);
    for (int k = 0; k < d; ++k) {
        ticks.boxMin[k] = lo[k];
        ticks.boxMax[k] = hi[k];
        const double widen = (range - (hi[k] - lo[k])) / 2.0;
        double l = lo[k] - widen;
        double h = hi[k] + widen;
        const double p = scalable ? scaleToNumbers(range, n, l, h) : 1.0;
        ticks.precision = p;
        ticks.tickEnd[k] = std::round(h) / p;
        ticks.tickStart[k] = std::round(l) / p;
        const double step = (ticks.tickEnd[k] - ticks.tickStart[k]) / n;
        ticks.tickStep[k] = std::trunc(step * p) / p;
        ticks.boxMax[k] = std::max(ticks.boxMax[k], ticks.tickEnd[k]);
        ticks.boxMin[k] = std::min(ticks.boxMin[k], ticks.tickStart[k]);
    }
    ticks.decimals = decimalsOf(ticks.precision);
    return ticks;
}

std::vector<double> tickValues(const AxisTicks& ticks, int k)
{
    std::vector<double> values;
    const double start = ticks.tickStart[k];
    const double step = ticks.tickStep[k];
    const double last = ticks.boxMax[k];
    if (!(start <= last))
        return values;
    if (!(step > 0.0))
        return {start};
    // Sums of the step drift by rounding; a number that lands within a
    // billionth of a step past the box end is still the box's last number.
    const double limit = last + step * 1e-9;
    for (int j = 0; j < kMaxTickCount; ++j) {
        const double v = start + j * step;
        if (v > limit)
            break;
        values.push_back(v);
    }
    return values;
}

std::string tickLabel(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

double fittedAxisLength(const StateVector& lo, const StateVector& hi, int dimension)
{
    double length = 0.0;
    for (int k = 0; k < std::clamp(dimension, 0, 6); ++k)
        length = std::max({length, std::abs(lo[k]), std::abs(hi[k])});
    return length;
}
