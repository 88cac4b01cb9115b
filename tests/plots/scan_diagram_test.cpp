// The scan window's picture from cells made by hand: spectrum lines broken
// where values are missing, dots for maxima, the picture spanning the frame,
// and columns that map back to their parameter values.
#include "plots/scan_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

ScanCell cell(int i, double value, bool exists, std::vector<double> values)
{
    ScanCell c;
    c.i = i;
    c.value = value;
    c.computed = true;
    c.exists = exists;
    c.values = std::move(values);
    return c;
}

TEST(ScanDiagram, SpectrumLinesBreakAtMissingValuesAndDotsCoverEveryValue)
{
    constexpr ScanFrameSize frame{104, 54};
    ScanSettings settings;
    settings.kind = ScanKind::Spectrum;
    settings.axis = {1, 10.0, 20.0, 5};
    // Value 2 has not come yet, value 4 diverged; the cells come out of order.
    const std::vector<ScanCell> cells = {cell(1, 12.5, true, {1.0, -1.0, 2.0}),
                                         cell(0, 10.0, true, {0.5, -2.0, 1.5}),
                                         cell(3, 17.5, true, {0.2, -0.5, 2.4}),
                                         cell(4, 20.0, false, {})};
    const PlotPicture spectrum = scanDiagram(cells, settings, 2, frame, std::nullopt);
    // The zero line, then per exponent the line through values 0 and 1 and
    // the lone value 3 as a dot.
    ASSERT_EQ(spectrum.lines.size(), 3u);
    ASSERT_EQ(spectrum.dots.size(), 2u);
    EXPECT_EQ(spectrum.lines[1].points.size(), 2);
    EXPECT_LT(spectrum.lines[1].points[0].x(), spectrum.lines[1].points[1].x());
    const int zero = spectrum.lines[0].points[0].y();
    EXPECT_LT(spectrum.lines[1].points[1].y(), zero);  // 1.0 above the zero line
    EXPECT_GT(spectrum.lines[2].points[0].y(), zero);  // -2.0 below it
    // The extreme values reach the top and bottom rows inside the edge; the
    // dimension (2.4) is not an exponent and stays off the plot.
    EXPECT_EQ(spectrum.lines[1].points[1].y(), 1);
    EXPECT_EQ(spectrum.lines[2].points[0].y(), frame.height - 4);

    settings.kind = ScanKind::Maxima;
    const PlotPicture maxima = scanDiagram(cells, settings, 2, frame, 15.0);
    ASSERT_EQ(maxima.dots.size(), 1u);
    EXPECT_EQ(maxima.dots[0].points.size(), 9);
    ASSERT_EQ(maxima.lines.size(), 1u);  // the marker
    EXPECT_EQ(maxima.lines[0].points[0].x(), scanColumn(15.0, settings.axis, frame));

    // The columns span the range and map back to within half a column.
    EXPECT_EQ(scanColumn(10.0, settings.axis, frame), 1);
    EXPECT_EQ(scanColumn(20.0, settings.axis, frame), frame.width - 4);
    for (const double v : {10.0, 12.34, 17.5, 20.0})
        EXPECT_NEAR(scanColumnValue(scanColumn(v, settings.axis, frame), settings.axis, frame), v,
                    0.5 * 10.0 / (frame.width - 5))
            << v;
}

}  // namespace
