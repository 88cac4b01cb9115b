#include "document/scale_rules.h"

#include <algorithm>
#include <cmath>

std::optional<double> autoScaleFor(const StateVector& orbitMin, const StateVector& orbitMax,
                                   int dimension, double displayScale)
{
    double maxRange = 0.0;
    for (int i = 0; i < std::clamp(dimension, 0, 6); ++i) {
        const double range = orbitMax[i] - orbitMin[i];
        if (range >= maxRange)
            maxRange = range;
    }
    const double scale = (100.0 / maxRange) / displayScale;
    if (!std::isfinite(scale) || scale <= 0.0)
        return std::nullopt;
    return scale;
}

double wheelZoomed(double scale, int delta)
{
    const int k = -(delta / 120);
    const double zoomed = std::ldexp(scale, k);
    if (!std::isfinite(zoomed) || (zoomed == 0.0 && scale != 0.0))
        return scale;
    return zoomed;
}

bool isTableScale(double scale, const double (&table)[kScaleTableSize])
{
    return std::find(std::begin(table), std::end(table), scale) != std::end(table);
}
