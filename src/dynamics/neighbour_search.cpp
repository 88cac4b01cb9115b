#include "dynamics/neighbour_search.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::uint32_t kLeafSize = 12;

}  // namespace

NeighbourSearch::NeighbourSearch(const PhasePoints& points) : dimension_(points.dimension)
{
    const std::size_t count = points.count();
    if (count == 0)
        return;
    index_.resize(count);
    std::iota(index_.begin(), index_.end(), 0u);
    nodes_.reserve(2 * (count / kLeafSize + 1));
    std::vector<double> source = points.coordinates;
    build(0, static_cast<std::uint32_t>(count), source);

    coordinates_.resize(points.coordinates.size());
    position_.resize(count);
    const std::size_t d = static_cast<std::size_t>(dimension_);
    for (std::size_t t = 0; t < count; ++t) {
        std::copy_n(points.point(index_[t]), d, &coordinates_[t * d]);
        position_[index_[t]] = static_cast<std::uint32_t>(t);
    }
}

int NeighbourSearch::build(std::uint32_t begin, std::uint32_t end, std::vector<double>& source)
{
    const int id = static_cast<int>(nodes_.size());
    nodes_.push_back(Node{begin, end});
    if (end - begin <= kLeafSize)
        return id;

    // Split along the coordinate with the widest spread.
    const std::size_t d = static_cast<std::size_t>(dimension_);
    int axis = 0;
    double widest = -1.0;
    for (int k = 0; k < dimension_; ++k) {
        double low = source[index_[begin] * d + k];
        double high = low;
        for (std::uint32_t t = begin + 1; t < end; ++t) {
            const double v = source[index_[t] * d + k];
            low = std::min(low, v);
            high = std::max(high, v);
        }
        if (high - low > widest) {
            widest = high - low;
            axis = k;
        }
    }
    const std::uint32_t middle = begin + (end - begin) / 2;
    std::nth_element(index_.begin() + begin, index_.begin() + middle, index_.begin() + end,
                     [&](std::uint32_t a, std::uint32_t b) {
                         return source[a * d + axis] < source[b * d + axis];
                     });
    const double split = source[index_[middle] * d + axis];
    const int left = build(begin, middle, source);
    const int right = build(middle, end, source);
    Node& node = nodes_[static_cast<std::size_t>(id)];
    node.axis = axis;
    node.split = split;
    node.left = left;
    node.right = right;
    return id;
}

NeighbourSearch::Neighbour NeighbourSearch::nearest(std::size_t q, std::size_t window) const
{
    Neighbour best;
    if (nodes_.empty())
        return best;
    const double* query = &coordinates_[position_[q] * static_cast<std::size_t>(dimension_)];
    nearestNode(0, query, q, std::max<std::size_t>(window, 1), best);
    return best;
}

void NeighbourSearch::nearestNode(int n, const double* query, std::size_t q, std::size_t window,
                                  Neighbour& best) const
{
    const Node& node = nodes_[static_cast<std::size_t>(n)];
    if (node.left < 0) {
        const double* p = &coordinates_[node.begin * static_cast<std::size_t>(dimension_)];
        for (std::uint32_t t = node.begin; t < node.end; ++t, p += dimension_) {
            const std::size_t j = index_[t];
            if ((j > q ? j - q : q - j) < window)
                continue;
            const double s = squaredDistance(p, query, dimension_);
            if (best.index < 0 || s < best.squaredDistance) {
                best.index = static_cast<std::ptrdiff_t>(j);
                best.squaredDistance = s;
            }
        }
        return;
    }
    const double offset = query[node.axis] - node.split;
    const int nearSide = offset <= 0.0 ? node.left : node.right;
    const int farSide = offset <= 0.0 ? node.right : node.left;
    nearestNode(nearSide, query, q, window, best);
    if (best.index < 0 || offset * offset <= best.squaredDistance)
        nearestNode(farSide, query, q, window, best);
}
