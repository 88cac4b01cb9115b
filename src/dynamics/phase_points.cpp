#include "dynamics/phase_points.h"

#include <algorithm>

const char* describe(SeriesError error)
{
    switch (error) {
    case SeriesError::None:
        return "no error";
    case SeriesError::DimensionOutOfRange:
        return "the dimension must be 1 to 10";
    case SeriesError::DelayNotPositive:
        return "the delay must be 1 or more";
    case SeriesError::TooFewVectors:
        return "the series is too short for this dimension and delay (fewer than two vectors)";
    case SeriesError::InvalidParameter:
        return "an analysis parameter is out of range";
    case SeriesError::Cancelled:
        return "cancelled";
    }
    return "unknown error";
}

std::size_t delayVectorCount(std::size_t length, int dimension, int delay)
{
    if (dimension < 1 || delay < 0)
        return 0;
    const std::size_t span = static_cast<std::size_t>(dimension - 1) * static_cast<std::size_t>(delay);
    return length > span ? length - span : 0;
}

SeriesError checkEmbedding(std::size_t length, int dimension, int delay)
{
    if (dimension < kMinAnalysisDimension || dimension > kMaxAnalysisDimension)
        return SeriesError::DimensionOutOfRange;
    if (delay < 1)
        return SeriesError::DelayNotPositive;
    if (delayVectorCount(length, dimension, delay) < 2)
        return SeriesError::TooFewVectors;
    return SeriesError::None;
}

SeriesError delayEmbed(const std::vector<double>& series, int dimension, int delay,
                       PhasePoints& out)
{
    out = PhasePoints{};
    const SeriesError error = checkEmbedding(series.size(), dimension, delay);
    if (error != SeriesError::None)
        return error;
    const std::size_t count = delayVectorCount(series.size(), dimension, delay);
    out.dimension = dimension;
    out.coordinates.resize(count * static_cast<std::size_t>(dimension));
    double* row = out.coordinates.data();
    for (std::size_t k = 0; k < count; ++k)
        for (int j = 0; j < dimension; ++j)
            *row++ = series[k + static_cast<std::size_t>(j) * static_cast<std::size_t>(delay)];
    return SeriesError::None;
}

PhasePoints orbitPoints(const std::vector<StateVector>& orbit, std::size_t count, int dimension)
{
    PhasePoints points;
    dimension = std::clamp(dimension, 1, 6);
    count = std::min(count, orbit.size());
    points.dimension = dimension;
    points.coordinates.reserve(count * static_cast<std::size_t>(dimension));
    for (std::size_t k = 0; k < count; ++k)
        for (int j = 0; j < dimension; ++j)
            points.coordinates.push_back(orbit[k][j]);
    return points;
}
