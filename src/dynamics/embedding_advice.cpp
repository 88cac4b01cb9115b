#include "dynamics/embedding_advice.h"

#include "dynamics/neighbour_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// Bin of every value: equal widths over [min, max], the maximum in the last bin.
std::vector<int> binIndices(const std::vector<double>& series)
{
    const auto [low, high] = std::minmax_element(series.begin(), series.end());
    const double width = (*high - *low) / kMutualInformationBins;
    std::vector<int> bins(series.size(), 0);
    if (!(width > 0.0))
        return bins;
    for (std::size_t t = 0; t < series.size(); ++t)
        bins[t] = std::min(static_cast<int>((series[t] - *low) / width), kMutualInformationBins - 1);
    return bins;
}

double mutualInformationAt(const std::vector<int>& bins, std::size_t delay)
{
    constexpr int B = kMutualInformationBins;
    std::array<double, B * B> joint{};
    std::array<double, B> first{}, second{};
    const std::size_t pairs = bins.size() - delay;
    for (std::size_t t = 0; t < pairs; ++t)
        joint[static_cast<std::size_t>(bins[t] * B + bins[t + delay])] += 1.0;
    for (int a = 0; a < B; ++a)
        for (int b = 0; b < B; ++b) {
            first[static_cast<std::size_t>(a)] += joint[static_cast<std::size_t>(a * B + b)];
            second[static_cast<std::size_t>(b)] += joint[static_cast<std::size_t>(a * B + b)];
        }
    const double n = static_cast<double>(pairs);
    double information = 0.0;
    for (int a = 0; a < B; ++a)
        for (int b = 0; b < B; ++b) {
            const double count = joint[static_cast<std::size_t>(a * B + b)];
            if (count > 0.0)
                information += count / n *
                               std::log(count * n / (first[static_cast<std::size_t>(a)] *
                                                     second[static_cast<std::size_t>(b)]));
        }
    return information;
}

}  // namespace

std::vector<double> averageMutualInformation(const std::vector<double>& series, int maxDelay)
{
    std::vector<double> information;
    if (series.size() < 3 || maxDelay < 0)
        return information;
    const std::vector<int> bins = binIndices(series);
    const std::size_t last = std::min(static_cast<std::size_t>(maxDelay), series.size() - 2);
    for (std::size_t delay = 0; delay <= last; ++delay)
        information.push_back(mutualInformationAt(bins, delay));
    return information;
}

std::optional<int> delayFromMutualInformation(const std::vector<double>& information)
{
    for (std::size_t t = 1; t + 1 < information.size(); ++t)
        if (information[t] < information[t - 1] && information[t] <= information[t + 1])
            return static_cast<int>(t);
    if (information.empty())
        return std::nullopt;
    const double threshold = information[0] / std::numbers::e;
    for (std::size_t t = 1; t < information.size(); ++t)
        if (information[t] < threshold)
            return static_cast<int>(t);
    return std::nullopt;
}

FalseNeighbourResult falseNearestNeighbours(const std::vector<double>& series, int delay,
                                            int maxDimension, const FalseNeighbourOptions& options,
                                            const JobControl& control)
{
    FalseNeighbourResult result;
    if (maxDimension < kMinAnalysisDimension || maxDimension > kMaxAnalysisDimension) {
        result.error = SeriesError::DimensionOutOfRange;
        return result;
    }
    if (delay < 1) {
        result.error = SeriesError::DelayNotPositive;
        return result;
    }
    // The largest dimension needs one coordinate more than it uses.
    if (delayVectorCount(series.size(), maxDimension + 1, delay) < 2) {
        result.error = SeriesError::TooFewVectors;
        return result;
    }

    double mean = 0.0;
    for (double v : series)
        mean += v;
    mean /= static_cast<double>(series.size());
    double variance = 0.0;
    for (double v : series)
        variance += (v - mean) * (v - mean);
    const double attractorSize = std::sqrt(variance / static_cast<double>(series.size()));
    const double squaredLimit = std::pow(options.attractorTolerance * attractorSize, 2);

    const std::size_t step = static_cast<std::size_t>(delay);
    for (int m = 1; m <= maxDimension; ++m) {
        // Vectors whose (m+1)-th coordinate s[k + m tau] exists.
        std::vector<double> shortened(series.begin(),
                                      series.end() - static_cast<std::ptrdiff_t>(step));
        PhasePoints points;
        delayEmbed(shortened, m, delay, points);
        const NeighbourSearch search(points);
        const std::size_t count = points.count();
        const std::size_t added = static_cast<std::size_t>(m) * step;
        std::size_t falseCount = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (i % 4096 == 0) {
                if (control.stopRequested()) {
                    result.error = SeriesError::Cancelled;
                    return result;
                }
                control.report((m - 1 + static_cast<double>(i) / count) / maxDimension);
            }
            const NeighbourSearch::Neighbour nb = search.nearest(i);
            const double separation =
                std::abs(series[i + added] - series[static_cast<std::size_t>(nb.index) + added]);
            const bool grows = separation * separation >
                               options.distanceTolerance * options.distanceTolerance *
                                   nb.squaredDistance;
            const bool leaves = nb.squaredDistance + separation * separation > squaredLimit;
            if (grows || leaves)
                ++falseCount;
        }
        result.fractions.push_back(static_cast<double>(falseCount) / static_cast<double>(count));
        if (!result.dimension && result.fractions.back() < options.acceptedFraction)
            result.dimension = m;
    }
    control.report(1.0);
    return result;
}

EmbeddingAdvice adviseEmbedding(const std::vector<double>& series, int maxDelay, int maxDimension,
                                const JobControl& control)
{
    EmbeddingAdvice advice;
    if (maxDimension < kMinAnalysisDimension || maxDimension > kMaxAnalysisDimension) {
        advice.error = SeriesError::DimensionOutOfRange;
        return advice;
    }
    if (maxDelay < 1) {
        advice.error = SeriesError::DelayNotPositive;
        return advice;
    }
    advice.mutualInformation = averageMutualInformation(series, maxDelay);
    advice.delay = delayFromMutualInformation(advice.mutualInformation);
    if (!advice.delay)
        return advice;
    FalseNeighbourResult neighbours = falseNearestNeighbours(series, *advice.delay, maxDimension, {}, control);
    if (neighbours.error == SeriesError::Cancelled)
        advice.error = SeriesError::Cancelled;
    advice.falseFractions = std::move(neighbours.fractions);
    advice.dimension = neighbours.dimension;
    return advice;
}
