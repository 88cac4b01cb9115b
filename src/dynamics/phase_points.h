// Points of a reconstructed (or integrated) phase space for the time-series
// analyses: N points of dimension 1 to 10, stored row after row. Delay
// embedding of a series, the checks that keep an embedding meaningful, and the
// error values the analyses return instead of dividing by zero or running on
// nothing.
#pragma once

#include "core/state_vector.h"

#include <cstddef>
#include <vector>

// The embedding dimensions the analyses accept.
constexpr int kMinAnalysisDimension = 1;
constexpr int kMaxAnalysisDimension = 10;

enum class SeriesError {
    None,
    DimensionOutOfRange,  // outside 1..10
    DelayNotPositive,     // a delay of 0 (or less) embeds nothing
    TooFewVectors,        // the series is too short for the dimension and delay
    InvalidParameter,     // a radius, rate, window or range that makes no sense
    Cancelled,
};

// A short English sentence for the batch tool and logs.
const char* describe(SeriesError error);

struct PhasePoints {
    int dimension = 0;
    std::vector<double> coordinates;  // count() rows of `dimension` values

    std::size_t count() const
    {
        return dimension > 0 ? coordinates.size() / static_cast<std::size_t>(dimension) : 0;
    }
    const double* point(std::size_t k) const
    {
        return coordinates.data() + k * static_cast<std::size_t>(dimension);
    }
};

// The number of delay vectors (s[k], s[k+tau], ..., s[k+(m-1)tau]) a series of
// `length` values holds: length - (m-1) tau, or 0 when it holds none.
std::size_t delayVectorCount(std::size_t length, int dimension, int delay);

// None when the series holds at least two delay vectors of dimension m at
// delay tau; otherwise the reason.
SeriesError checkEmbedding(std::size_t length, int dimension, int delay);

// All delay vectors of the series; out is left empty on an error.
SeriesError delayEmbed(const std::vector<double>& series, int dimension, int delay,
                       PhasePoints& out);

// The first `count` orbit points with their first `dimension` components.
PhasePoints orbitPoints(const std::vector<StateVector>& orbit, std::size_t count, int dimension);

// Squared Euclidean distance of two points of the given dimension.
inline double squaredDistance(const double* a, const double* b, int dimension)
{
    double sum = 0.0;
    for (int k = 0; k < dimension; ++k) {
        const double d = a[k] - b[k];
        sum += d * d;
    }
    return sum;
}
