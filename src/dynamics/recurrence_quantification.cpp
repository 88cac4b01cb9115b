#include "dynamics/recurrence_quantification.h"

#include "dynamics/neighbour_search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr std::uint64_t kExactPairLimit = 1000000;
constexpr std::size_t kSampledPairs = 200000;

// Number of cells (i, j) of an N x N matrix with |i - j| >= W.
std::uint64_t pairsOutsideBand(std::uint64_t n, std::uint64_t w)
{
    return w >= n ? 0 : (n - w) * (n - w + 1);
}

// Number of lines of each length (index = length).
using LineLengths = std::vector<std::uint64_t>;

struct LineSummary {
    double points = 0.0;  // recurrences on lines of length >= minLine
    double lines = 0.0;
    double entropy = 0.0;
    std::int64_t longest = 0;
};

LineSummary summarise(const LineLengths& lengths, std::size_t minLine)
{
    LineSummary s;
    for (std::size_t l = minLine; l < lengths.size(); ++l) {
        const double c = static_cast<double>(lengths[l]);
        if (c == 0.0)
            continue;
        s.points += c * static_cast<double>(l);
        s.lines += c;
        s.longest = static_cast<std::int64_t>(l);
    }
    for (std::size_t l = minLine; l < lengths.size(); ++l)
        if (lengths[l] > 0) {
            const double p = static_cast<double>(lengths[l]) / s.lines;
            s.entropy -= p * std::log(p);
        }
    return s;
}

double share(double part, double whole) { return whole > 0.0 ? part / whole : 0.0; }

}  // namespace

double radiusForRecurrenceRate(const PhasePoints& points, double rate, int theilerWindow)
{
    const std::size_t n = points.count();
    const std::size_t w = static_cast<std::size_t>(std::max(theilerWindow, 1));
    const std::uint64_t pairs = pairsOutsideBand(n, w) / 2;  // one triangle
    if (pairs == 0)
        return 0.0;
    const int d = points.dimension;
    std::vector<double> distances;
    if (pairs <= kExactPairLimit) {
        distances.reserve(pairs);
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = i + w; j < n; ++j)
                distances.push_back(squaredDistance(points.point(i), points.point(j), d));
    } else {
        // Cell k of the upper triangle outside the band, counting the
        // diagonals from the shortest: the diagonal of length L holds cells
        // T(L-1) .. T(L)-1 with T(u) = u (u + 1) / 2, and lies at offset n - L.
        std::mt19937_64 random(20070101);
        std::uniform_int_distribution<std::uint64_t> pick(0, pairs - 1);
        const auto triangle = [](std::uint64_t u) { return u * (u + 1) / 2; };
        distances.reserve(kSampledPairs);
        while (distances.size() < kSampledPairs) {
            const std::uint64_t k = pick(random);
            auto u = static_cast<std::uint64_t>(
                (std::sqrt(8.0 * static_cast<double>(k) + 1.0) - 1.0) / 2.0);
            while (triangle(u) > k)
                --u;
            while (triangle(u + 1) <= k)
                ++u;
            const std::size_t i = static_cast<std::size_t>(k - triangle(u));
            const std::size_t j = i + n - static_cast<std::size_t>(u + 1);
            distances.push_back(squaredDistance(points.point(i), points.point(j), d));
        }
    }
    const double wanted =
        std::ceil(std::clamp(rate, 0.0, 1.0) * static_cast<double>(distances.size()));
    const std::size_t k = static_cast<std::size_t>(std::max(wanted, 1.0)) - 1;
    std::nth_element(distances.begin(), distances.begin() + static_cast<std::ptrdiff_t>(k),
                     distances.end());
    return std::sqrt(distances[k]);
}

RecurrenceQuantities quantifyRecurrence(const PhasePoints& points, const RecurrenceOptions& options,
                                        const JobControl& control)
{
    RecurrenceQuantities q;
    const std::size_t n = points.count();
    if (points.dimension < kMinAnalysisDimension || points.dimension > kMaxAnalysisDimension) {
        q.error = SeriesError::DimensionOutOfRange;
        return q;
    }
    if (n < 2) {
        q.error = SeriesError::TooFewVectors;
        return q;
    }
    const bool byRate = options.epsilon == 0.0;
    if (options.theilerWindow < 1 || options.minLine < 1 ||
        (byRate ? !(options.targetRate > 0.0 && options.targetRate < 1.0)
                : !(options.epsilon > 0.0 && std::isfinite(options.epsilon)))) {
        q.error = SeriesError::InvalidParameter;
        return q;
    }
    const std::size_t w = static_cast<std::size_t>(options.theilerWindow);
    const std::uint64_t pairs = pairsOutsideBand(n, w);
    if (pairs == 0) {
        q.error = SeriesError::TooFewVectors;
        return q;
    }
    q.epsilon = byRate ? radiusForRecurrenceRate(points, options.targetRate, options.theilerWindow)
                       : options.epsilon;

    // Only the upper triangle j >= i + W is visited; the lower one mirrors it.
    // A diagonal line there has its mirror image below; a vertical line of
    // the whole matrix is either a vertical run in the upper triangle or the
    // mirror of a horizontal run in it.
    const NeighbourSearch search(points);
    const std::size_t words = (n + 63) / 64;
    std::vector<std::uint64_t> row(words, 0);
    // The line running along the diagonal at offset d = j - i, and the one
    // running down column j: its length so far and the row of its last cell.
    std::vector<std::uint64_t> diagonalRun(n, 0), columnRun(n, 0);
    std::vector<std::size_t> diagonalRow(n, 0), columnRow(n, 0);
    LineLengths diagonal(n + 1, 0), vertical(n + 1, 0);
    std::uint64_t recurrences = 0;
    const auto follow = [](std::uint64_t& run, std::size_t& last, std::size_t here,
                           std::uint64_t mirrors, LineLengths& lines) {
        if (run > 0 && last + 1 == here) {
            ++run;
        } else {
            if (run > 0)
                lines[run] += mirrors;
            run = 1;
        }
        last = here;
    };

    for (std::size_t i = 0; i < n; ++i) {
        if (i % 1024 == 0) {
            if (control.stopRequested()) {
                q.error = SeriesError::Cancelled;
                return q;
            }
            control.report(static_cast<double>(i) / n);
        }
        std::size_t low = words, high = 0;
        search.forEachWithin(i, q.epsilon, [&](std::size_t j) {
            if (j < i + w)
                return;
            row[j >> 6] |= std::uint64_t{1} << (j & 63);
            low = std::min(low, j >> 6);
            high = std::max(high, j >> 6);
        });
        std::uint64_t rowRun = 0;
        std::size_t previous = 0;
        for (std::size_t word = low; word <= high && low < words; ++word) {
            std::uint64_t bits = row[word];
            row[word] = 0;
            while (bits != 0) {
                const std::size_t j = (word << 6) + static_cast<std::size_t>(std::countr_zero(bits));
                bits &= bits - 1;
                recurrences += 2;
                follow(rowRun, previous, j, 1, vertical);
                follow(columnRun[j], columnRow[j], i, 1, vertical);
                follow(diagonalRun[j - i], diagonalRow[j - i], i, 2, diagonal);
            }
        }
        if (rowRun > 0)
            ++vertical[rowRun];
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (diagonalRun[k] > 0)
            diagonal[diagonalRun[k]] += 2;
        if (columnRun[k] > 0)
            ++vertical[columnRun[k]];
    }
    control.report(1.0);

    const std::size_t minLine = static_cast<std::size_t>(options.minLine);
    const LineSummary diagonals = summarise(diagonal, minLine);
    const LineSummary verticals = summarise(vertical, minLine);
    const double total = static_cast<double>(recurrences);
    q.RR = total / static_cast<double>(pairs);
    q.DET = share(diagonals.points, total);
    q.L = share(diagonals.points, diagonals.lines);
    q.Lmax = diagonals.longest;
    q.ENTR = diagonals.entropy;
    q.LAM = share(verticals.points, total);
    q.TT = share(verticals.points, verticals.lines);
    return q;
}
