// The picture of a parameter scan in the scan window's plot frame, drawn
// from the cells that have come so far: the parameter runs left to right
// over its range, the recorded values bottom to top between the bounds of
// those cells. Maxima and section values are dots; a spectrum is one line per
// exponent through neighbouring values, with the zero line; the view's own
// parameter value is a grey vertical line. Columns map back to parameter
// values, so a click on the plot picks a value.
#pragma once

#include "dynamics/parameter_scan.h"
#include "plots/plot_frame.h"

#include <optional>
#include <vector>

// The plot frame's size in logical pixels; the picture stays inside the
// frame's edge.
struct ScanFrameSize {
    int width = 0;
    int height = 0;
};

// The value range the picture spans: every maximum or section value, or
// every exponent and 0 for a spectrum, over the cells that exist.
struct ScanValueRange {
    double low = 0.0;
    double high = 0.0;
};
ScanValueRange scanValueRange(const std::vector<ScanCell>& cells, ScanKind kind, int dimension);

// The pixel column of a parameter value and the value of a pixel column
// (clamped to the range).
int scanColumn(double value, const ScanAxis& axis, ScanFrameSize frame);
double scanColumnValue(int x, const ScanAxis& axis, ScanFrameSize frame);

// cells: the cells received, in any order; marker: the view's value of the
// scanned parameter.
PlotPicture scanDiagram(const std::vector<ScanCell>& cells, const ScanSettings& settings, int dimension,
                        ScanFrameSize frame, std::optional<double> marker);
