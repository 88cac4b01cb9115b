// Nearest-neighbour and fixed-radius searches among phase points: a k-d tree
// over a copy of the points stored in tree order, split at the median of the
// widest coordinate. Searches are by point index, so a temporal exclusion
// window (Theiler window) can keep the points of the same stretch of orbit out
// of the answer. Building takes O(N log N); a search on a low-dimensional
// attractor visits O(log N) nodes plus the points it reports.
#pragma once

#include "dynamics/phase_points.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class NeighbourSearch {
public:
    explicit NeighbourSearch(const PhasePoints& points);

    std::size_t size() const { return index_.size(); }

    struct Neighbour {
        std::ptrdiff_t index = -1;  // -1 when no point qualifies
        double squaredDistance = 0.0;
    };

    // The nearest point j to point q among those with |j - q| >= window; the
    // window is at least 1, so q is never its own neighbour.
    Neighbour nearest(std::size_t q, std::size_t window = 1) const;

    // Calls visit(j) for every point j (q included) whose distance from point
    // q is at most radius.
    template <typename Visit>
    void forEachWithin(std::size_t q, double radius, Visit&& visit) const
    {
        if (nodes_.empty())
            return;
        const double* query = &coordinates_[position_[q] * static_cast<std::size_t>(dimension_)];
        withinNode(0, query, radius, radius * radius, visit);
    }

private:
    struct Node {
        std::uint32_t begin = 0;  // points [begin, end) in tree order
        std::uint32_t end = 0;
        std::int32_t left = -1;   // children, -1 for a leaf
        std::int32_t right = -1;
        int axis = 0;
        double split = 0.0;  // left holds values <= split, right values >= split
    };

    int build(std::uint32_t begin, std::uint32_t end, std::vector<double>& source);
    void nearestNode(int node, const double* query, std::size_t q, std::size_t window,
                     Neighbour& best) const;

    template <typename Visit>
    void withinNode(int n, const double* query, double radius, double squaredRadius,
                    Visit& visit) const
    {
        const Node& node = nodes_[static_cast<std::size_t>(n)];
        if (node.left < 0) {
            const double* p = &coordinates_[node.begin * static_cast<std::size_t>(dimension_)];
            for (std::uint32_t t = node.begin; t < node.end; ++t, p += dimension_)
                if (squaredDistance(p, query, dimension_) <= squaredRadius)
                    visit(static_cast<std::size_t>(index_[t]));
            return;
        }
        const double offset = query[node.axis] - node.split;
        if (offset <= radius)
            withinNode(node.left, query, radius, squaredRadius, visit);
        if (offset >= -radius)
            withinNode(node.right, query, radius, squaredRadius, visit);
    }

    int dimension_ = 0;
    std::vector<double> coordinates_;     // points in tree order
    std::vector<std::uint32_t> index_;    // tree position -> point index
    std::vector<std::uint32_t> position_; // point index -> tree position
    std::vector<Node> nodes_;
};
