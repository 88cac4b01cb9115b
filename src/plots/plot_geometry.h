// The arithmetic every plot window shares: where a value lands vertically in a
// plot frame, which array entry each pixel column shows when a long array is
// sampled onto the frame's columns (by index, or by model time when the
// orbit was integrated with the automatic interval), and the values of the
// three value labels and three point labels beside a plot.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

class DynamicsEngine;

// The vertical scale of a plot frame: a value at the low bound is drawn at
// y = base, one at the high bound at y = base - height.
struct PlotScale {
    int base = 0;
    int height = 0;
};

// The pixel row of value v between the bounds low and high, truncated toward
// zero. Flat bounds (low = high) put every value in the middle,
// base - height / 2; a value or bound that is not a finite number goes to
// the base, so no drawing ever gets an undefined pixel.
int valueToPixel(double v, double low, double high, PlotScale scale);

// Column m = 0..columns-1 of `count` points by index: entry
// ((count - 1) * m) div columns. Empty for no points.
std::vector<std::size_t> fixedColumnEntries(std::size_t count, int columns);

// Columns placed at equal model times: column m stands for the time
// m * elapsedTime / (columns + 2) and shows the first point whose running
// sum of step sizes passes it. Entries never pass the last step.
std::vector<std::size_t> timedColumnEntries(const std::vector<double>& stepSizes,
                                            double elapsedTime, int columns);

// The entries of the view's orbit for the columns of a plot of `count`
// points: by model time when the record samples automatically, by index
// otherwise. Every entry is below count.
std::vector<std::size_t> orbitColumnEntries(const DynamicsEngine& engine, std::size_t count,
                                            int columns);

// The three value labels, top to bottom: high, the middle, low.
std::array<double, 3> valueLabelValues(double low, double high);
// The three point labels, left to right: 0, count div 2, count.
std::array<long, 3> pointLabelValues(long count);
