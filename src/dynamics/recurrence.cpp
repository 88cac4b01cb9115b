#include "dynamics/recurrence.h"

#include "dynamics/colour_scale.h"
#include "dynamics/dynamics_engine.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace {

// Maps value from [low, high] to 0..256; a NaN, an empty range or a value
// outside it ends at the nearest end (NaN and an empty range at 0).
double scaleValue(double value, double low, double high)
{
    if (!(high > low))
        return 0.0;
    const double v = (value - low) * 256.0 / (high - low);
    if (!(v > 0.0))
        return 0.0;
    return v < 256.0 ? v : 256.0;
}

}  // namespace

void RecurrenceMatrix::compute(const DynamicsEngine& engine, int requestedSize,
                               const JobControl& control)
{
    const int stored = static_cast<int>(std::min(
        static_cast<std::size_t>(std::max(
            std::min(engine.recordInUse.Sampling_Point, engine.recordInUse.validPointCount), 0)),
        engine.orbit.size()));
    if (requestedSize < 1) {
        N = 0;
        stride = 1;
    } else if (stored > requestedSize) {
        N = requestedSize;
        stride = stored / requestedSize;
    } else {
        N = stored;
        stride = 1;
    }

    const std::size_t size = static_cast<std::size_t>(N);
    distances.assign(size * size, 0.0);
    bool haveRange = false;
    bool havePositive = false;
    double smallestPositive = 0.0;
    // Row i holds size - i - 1 distances: the rows are looked at often enough
    // when the control is consulted every few rows.
    constexpr std::size_t kRowsPerCheck = 8;
    for (std::size_t i = 0; i < size; ++i) {
        if (i % kRowsPerCheck == 0) {
            if (control.stopRequested())
                return;
            const double left = static_cast<double>(size - i);
            control.report(1.0 - left * left / (static_cast<double>(size) * size));
        }
        const StateVector& a = engine.orbit[i * static_cast<std::size_t>(stride)];
        for (std::size_t j = i + 1; j < size; ++j) {
            const double d = norm(a - engine.orbit[j * static_cast<std::size_t>(stride)]);
            distances[i * size + j] = d;
            distances[j * size + i] = d;
            if (!std::isfinite(d))
                continue;
            if (!haveRange) {
                dMin = dMax = d;
                haveRange = true;
            } else if (d < dMin) {
                dMin = d;
            } else if (d > dMax) {
                dMax = d;
            }
            if (d > 0.0 && (!havePositive || d < smallestPositive)) {
                smallestPositive = d;
                havePositive = true;
            }
        }
    }
    if (!haveRange)
        dMin = dMax = 0.0;
    logLow_ = havePositive ? std::log(smallestPositive) : 0.0;
    logHigh_ = havePositive ? std::log(dMax) : 0.0;
}

void RecurrenceMatrix::clear()
{
    distances.clear();
    distances.shrink_to_fit();
}

double RecurrenceMatrix::colourValue(int i, int j) const
{
    if (i == j)
        return 0.0;
    const double d = distance(i, j);
    if (i > j)
        return scaleValue(d, dMin, dMax);
    if (!(d > 0.0))
        return 0.0;
    return scaleValue(std::log(d), logLow_, logHigh_);
}

std::vector<unsigned char> renderRecurrenceImage(const RecurrenceMatrix& matrix)
{
    const int n = matrix.N;
    std::vector<unsigned char> image(static_cast<std::size_t>(n) * n * 3, 255);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (i == j)
                continue;
            const ScaleColourBytes c = toBytes(ColourScale(matrix.colourValue(i, j)));
            unsigned char* pixel = &image[(static_cast<std::size_t>(n - 1 - j) * n + i) * 3];
            pixel[0] = c.r;
            pixel[1] = c.g;
            pixel[2] = c.b;
        }
    }
    return image;
}

std::vector<unsigned char> renderThresholdImage(const RecurrenceMatrix& matrix, double epsilon,
                                                int theilerWindow)
{
    constexpr unsigned char kBandGrey = 215;
    const int n = matrix.N;
    std::vector<unsigned char> image(static_cast<std::size_t>(n) * n * 3, 255);
    if (matrix.distances.size() != static_cast<std::size_t>(n) * n)
        return image;
    const long stride = std::max(matrix.stride, 1);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            unsigned char value = 255;
            if (std::abs(i - j) * stride < theilerWindow)
                value = kBandGrey;
            else if (matrix.distance(i, j) <= epsilon)
                value = 0;
            unsigned char* pixel = &image[(static_cast<std::size_t>(n - 1 - j) * n + i) * 3];
            pixel[0] = pixel[1] = pixel[2] = value;
        }
    }
    return image;
}
