#include "dynamics/orbit_events.h"

#include <algorithm>

std::vector<double> localMaxima(std::span<const StateVector> points, int variable)
{
    std::vector<double> maxima;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const double before = points[i - 1].c[variable];
        const double at = points[i].c[variable];
        const double after = points[i + 1].c[variable];
        if (!(at > before && at >= after))
            continue;
        // Vertex of the parabola through (-1, before), (0, at), (1, after).
        const double curvature = before - 2.0 * at + after;
        maxima.push_back(curvature < 0.0
                             ? at - 0.125 * (before - after) * (before - after) / curvature
                             : at);
    }
    return maxima;
}

std::vector<double> sectionCrossings(std::span<const StateVector> points, int sectionVariable,
                                     double level, int variable)
{
    std::vector<double> crossings;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const StateVector& p = points[i - 1];
        const StateVector& q = points[i];
        if (!(p.c[sectionVariable] < level && q.c[sectionVariable] >= level))
            continue;
        const double s = (level - p.c[sectionVariable]) / (q.c[sectionVariable] - p.c[sectionVariable]);
        crossings.push_back(p.c[variable] + s * (q.c[variable] - p.c[variable]));
    }
    return crossings;
}

int distinctValueCount(std::vector<double> values, double tolerance)
{
    std::sort(values.begin(), values.end());
    int groups = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (i == 0 || values[i] - values[i - 1] > tolerance)
            ++groups;
    return groups;
}
