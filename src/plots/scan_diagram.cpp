#include "plots/scan_diagram.h"

#include "plots/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

const QColor kDotColour(0, 0, 128);
const QColor kMarkerColour(160, 160, 160);

// The drawable area inside the frame's edge: columns 1 .. width - 4, rows
// 1 .. height - 4.
int columnCount(ScanFrameSize frame) { return std::max(frame.width - 4, 2); }

PlotScale verticalScale(ScanFrameSize frame) { return {frame.height - 4, frame.height - 5}; }

// The values a cell puts on the plot: its maxima or section values, or its
// exponents (without the dimension that follows them).
std::span<const double> plottedValues(const ScanCell& cell, ScanKind kind, int dimension)
{
    if (!cell.exists)
        return {};
    const std::size_t count = kind == ScanKind::Spectrum
                                  ? std::min(cell.values.size(), static_cast<std::size_t>(dimension))
                                  : cell.values.size();
    return {cell.values.data(), count};
}

}  // namespace

ScanValueRange scanValueRange(const std::vector<ScanCell>& cells, ScanKind kind, int dimension)
{
    std::optional<ScanValueRange> range;
    if (kind == ScanKind::Spectrum)
        range = ScanValueRange{0.0, 0.0};
    for (const ScanCell& cell : cells) {
        for (const double v : plottedValues(cell, kind, dimension)) {
            if (!std::isfinite(v))
                continue;
            range = range ? ScanValueRange{std::min(range->low, v), std::max(range->high, v)}
                          : ScanValueRange{v, v};
        }
    }
    return range.value_or(ScanValueRange{});
}

int scanColumn(double value, const ScanAxis& axis, ScanFrameSize frame)
{
    const int columns = columnCount(frame);
    const double span = axis.to - axis.from;
    const double t = span != 0.0 ? std::clamp((value - axis.from) / span, 0.0, 1.0) : 0.5;
    return 1 + static_cast<int>(std::lround(t * (columns - 1)));
}

double scanColumnValue(int x, const ScanAxis& axis, ScanFrameSize frame)
{
    const int columns = columnCount(frame);
    const double t = std::clamp(static_cast<double>(x - 1) / (columns - 1), 0.0, 1.0);
    return axis.from + (axis.to - axis.from) * t;
}

PlotPicture scanDiagram(const std::vector<ScanCell>& cells, const ScanSettings& settings, int dimension,
                        ScanFrameSize frame, std::optional<double> marker)
{
    PlotPicture picture;
    const ScanValueRange range = scanValueRange(cells, settings.kind, dimension);
    const PlotScale scale = verticalScale(frame);
    const auto y = [&](double v) { return valueToPixel(v, range.low, range.high, scale); };
    const auto x = [&](const ScanCell& cell) { return scanColumn(cell.value, settings.axis, frame); };
    if (marker) {
        const int at = scanColumn(*marker, settings.axis, frame);
        picture.lines.push_back({kMarkerColour, QPolygon({QPoint(at, 1), QPoint(at, frame.height - 4)})});
    }

    if (settings.kind != ScanKind::Spectrum) {
        PlotPolyline dots{kDotColour, {}};
        for (const ScanCell& cell : cells)
            for (const double v : plottedValues(cell, settings.kind, dimension))
                if (std::isfinite(v))
                    dots.points.append(QPoint(x(cell), y(v)));
        picture.dots.push_back(std::move(dots));
        return picture;
    }

    picture.lines.push_back({Qt::black, QPolygon({QPoint(1, y(0.0)), QPoint(frame.width - 4, y(0.0))})});
    // Cells by index; each exponent's line runs through neighbouring cells
    // that have a spectrum, a lone one is a dot.
    std::vector<const ScanCell*> byIndex(static_cast<std::size_t>(std::max(settings.axis.count, 0)), nullptr);
    for (const ScanCell& cell : cells)
        if (cell.i >= 0 && cell.i < settings.axis.count && cell.exists)
            byIndex[static_cast<std::size_t>(cell.i)] = &cell;
    for (int k = 0; k < dimension; ++k) {
        QPolygon run;
        const auto endRun = [&] {
            if (run.size() > 1)
                picture.lines.push_back({exponentColour(k), run});
            else if (run.size() == 1)
                picture.dots.push_back({exponentColour(k), run});
            run.clear();
        };
        for (const ScanCell* cell : byIndex) {
            if (cell == nullptr || static_cast<int>(cell->values.size()) <= k ||
                !std::isfinite(cell->values[static_cast<std::size_t>(k)])) {
                endRun();
                continue;
            }
            run.append(QPoint(x(*cell), y(cell->values[static_cast<std::size_t>(k)])));
        }
        endRun();
    }
    return picture;
}
