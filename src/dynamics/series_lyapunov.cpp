#include "dynamics/series_lyapunov.h"

#include "dynamics/neighbour_search.h"

#include <algorithm>
#include <cmath>

namespace {

// Least-squares line through (k, y[k]) for k = first..last.
void fitLine(const std::vector<double>& y, int first, int last, double& slope, double& intercept)
{
    const double n = last - first + 1;
    double sk = 0.0, sy = 0.0, skk = 0.0, sky = 0.0;
    for (int k = first; k <= last; ++k) {
        sk += k;
        sy += y[static_cast<std::size_t>(k)];
        skk += static_cast<double>(k) * k;
        sky += k * y[static_cast<std::size_t>(k)];
    }
    slope = (n * sky - sk * sy) / (n * skk - sk * sk);
    intercept = (sy - slope * sk) / n;
}

}  // namespace

SeriesLyapunovOptions resolvedOptions(SeriesLyapunovOptions options, int dimension, int delay)
{
    if (options.theilerWindow == 0)
        options.theilerWindow = dimension * delay;
    if (options.steps == 0)
        options.steps = std::max(20 * delay, options.fitLast);
    if (options.fitLast == 0)
        options.fitLast = std::min(15 * delay, options.steps);
    if (options.fitFirst < 0)
        options.fitFirst = std::min(2 * delay, options.fitLast - 1);
    return options;
}

SeriesLyapunovResult largestLyapunovExponent(const std::vector<double>& series, int dimension,
                                             int delay, const SeriesLyapunovOptions& requested,
                                             const JobControl& control)
{
    SeriesLyapunovResult result;
    PhasePoints points;
    result.error = delayEmbed(series, dimension, delay, points);
    if (result.error != SeriesError::None)
        return result;
    const SeriesLyapunovOptions options = resolvedOptions(requested, dimension, delay);
    result.theilerWindow = options.theilerWindow;
    result.fitFirst = options.fitFirst;
    result.fitLast = options.fitLast;
    if (options.theilerWindow < 1 || options.steps < 1 || options.fitFirst < 0 ||
        options.fitLast <= options.fitFirst || options.fitLast > options.steps ||
        !(options.samplingInterval > 0.0) || !std::isfinite(options.samplingInterval)) {
        result.error = SeriesError::InvalidParameter;
        return result;
    }

    const std::size_t count = points.count();
    const std::size_t steps = static_cast<std::size_t>(options.steps);
    std::vector<double> sums(steps + 1, 0.0);
    std::vector<std::size_t> pairs(steps + 1, 0);
    const NeighbourSearch search(points);
    const int m = points.dimension;
    for (std::size_t i = 0; i < count; ++i) {
        if (i % 2048 == 0) {
            if (control.stopRequested()) {
                result.error = SeriesError::Cancelled;
                return result;
            }
            control.report(static_cast<double>(i) / count);
        }
        const NeighbourSearch::Neighbour nb =
            search.nearest(i, static_cast<std::size_t>(options.theilerWindow));
        if (nb.index < 0)
            continue;
        const std::size_t j = static_cast<std::size_t>(nb.index);
        const std::size_t reach = std::min(steps + 1, count - std::max(i, j));
        for (std::size_t k = 0; k < reach; ++k) {
            const double s = squaredDistance(points.point(i + k), points.point(j + k), m);
            if (s > 0.0) {
                sums[k] += 0.5 * std::log(s);
                ++pairs[k];
            }
        }
    }
    control.report(1.0);

    result.divergence.resize(steps + 1);
    for (std::size_t k = 0; k <= steps; ++k) {
        if (pairs[k] == 0) {
            // No pair separated by k steps: the fit range cannot be covered.
            result.error = SeriesError::TooFewVectors;
            result.divergence.resize(k);
            return result;
        }
        result.divergence[k] = sums[k] / static_cast<double>(pairs[k]);
    }
    refitDivergence(result, options.fitFirst, options.fitLast, options.samplingInterval);
    return result;
}

bool refitDivergence(SeriesLyapunovResult& result, int fitFirst, int fitLast,
                     double samplingInterval)
{
    if (fitFirst < 0 || fitLast <= fitFirst ||
        static_cast<std::size_t>(fitLast) >= result.divergence.size() || !(samplingInterval > 0.0))
        return false;
    result.fitFirst = fitFirst;
    result.fitLast = fitLast;
    fitLine(result.divergence, fitFirst, fitLast, result.slope, result.intercept);
    result.exponent = result.slope / samplingInterval;
    return true;
}
