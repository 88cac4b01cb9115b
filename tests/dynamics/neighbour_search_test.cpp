#include "dynamics/neighbour_search.h"

#include <gtest/gtest.h>

#include <random>

namespace {

PhasePoints randomPoints(std::size_t count, int dimension)
{
    std::mt19937 random(11);
    std::normal_distribution<double> value(0.0, 1.0);
    PhasePoints points;
    points.dimension = dimension;
    points.coordinates.resize(count * static_cast<std::size_t>(dimension));
    for (double& v : points.coordinates)
        v = value(random);
    return points;
}

// The tree answers what a scan over every point answers.
TEST(NeighbourSearch, AgreesWithAnExhaustiveScan)
{
    for (int dimension : {1, 3, 10}) {
        const PhasePoints points = randomPoints(700, dimension);
        const NeighbourSearch search(points);
        for (std::size_t q : {0u, 1u, 350u, 699u}) {
            for (std::size_t window : {1u, 40u}) {
                std::ptrdiff_t best = -1;
                double bestDistance = 0.0;
                for (std::size_t j = 0; j < points.count(); ++j) {
                    const double s = squaredDistance(points.point(q), points.point(j), dimension);
                    if ((j > q ? j - q : q - j) >= window && (best < 0 || s < bestDistance)) {
                        best = static_cast<std::ptrdiff_t>(j);
                        bestDistance = s;
                    }
                }
                const NeighbourSearch::Neighbour found = search.nearest(q, window);
                EXPECT_EQ(found.index, best) << "dimension " << dimension << " q " << q;
                EXPECT_EQ(found.squaredDistance, bestDistance);
            }
            const double radius = dimension == 1 ? 0.05 : 1.5;
            std::size_t expected = 0, reported = 0;
            for (std::size_t j = 0; j < points.count(); ++j)
                expected += squaredDistance(points.point(q), points.point(j), dimension) <=
                            radius * radius;
            search.forEachWithin(q, radius, [&](std::size_t j) {
                ++reported;
                EXPECT_LE(squaredDistance(points.point(q), points.point(j), dimension),
                          radius * radius);
            });
            EXPECT_EQ(reported, expected) << "dimension " << dimension << " q " << q;
        }
    }
}

}  // namespace
