#include "plots/plot_geometry.h"

#include "dynamics/dynamics_engine.h"

#include <algorithm>
#include <cmath>

int valueToPixel(double v, double low, double high, PlotScale scale)
{
    if (!std::isfinite(v) || !std::isfinite(low) || !std::isfinite(high))
        return scale.base;
    if (high == low)
        return scale.base - scale.height / 2;
    const double y = scale.base - (v - low) / (high - low) * scale.height;
    // Values far outside the bounds stay within an int.
    const double limit = 1e6;
    return static_cast<int>(std::clamp(y, -limit, limit));
}

std::vector<std::size_t> fixedColumnEntries(std::size_t count, int columns)
{
    std::vector<std::size_t> entries;
    if (count == 0 || columns <= 0)
        return entries;
    entries.reserve(static_cast<std::size_t>(columns));
    const auto q = static_cast<unsigned long long>(columns);
    for (unsigned long long m = 0; m < q; ++m)
        entries.push_back(static_cast<std::size_t>((count - 1) * m / q));
    return entries;
}

std::vector<std::size_t> timedColumnEntries(const std::vector<double>& stepSizes,
                                            double elapsedTime, int columns)
{
    std::vector<std::size_t> entries;
    if (columns <= 0)
        return entries;
    entries.reserve(static_cast<std::size_t>(columns));
    std::size_t k = 0;
    double sum = 0.0;
    for (int m = 0; m < columns; ++m) {
        const double t = m * elapsedTime / (columns + 2);
        while (k < stepSizes.size() && t >= sum) {
            sum += stepSizes[k];
            ++k;
        }
        entries.push_back(k);
    }
    return entries;
}

std::vector<std::size_t> orbitColumnEntries(const DynamicsEngine& engine, std::size_t count,
                                            int columns)
{
    if (count == 0)
        return {};
    std::vector<std::size_t> entries =
        engine.recordInUse.Auto_Sampling_Interval_Flag == 1
            ? timedColumnEntries(engine.stepSizes, engine.elapsedTime, columns)
            : fixedColumnEntries(count, columns);
    for (std::size_t& entry : entries)
        entry = std::min(entry, count - 1);
    return entries;
}

std::array<double, 3> valueLabelValues(double low, double high)
{
    return {high, low + (high - low) * 0.5, low};
}

std::array<long, 3> pointLabelValues(long count) { return {0, count / 2, count}; }
