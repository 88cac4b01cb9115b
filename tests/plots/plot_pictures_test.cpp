// What the response plots and the colour bar draw, from engines and ranges
// set up by hand: flat responses, grid lines, the strip's colours and layout,
// and the title rule.
#include "dynamics/dynamics_engine.h"
#include "plots/colour_bar_window.h"
#include "plots/plot_text.h"
#include "plots/response_window.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A three-variable engine with `points` valid points whose responses are
// given by value(k, i).
template <typename Value>
void fillResponses(DynamicsEngine& engine, int points, Value value)
{
    engine.recordInUse.Dimension = 3;
    engine.recordInUse.Sampling_Point = points;
    engine.recordInUse.validPointCount = points;
    engine.recordInUse.Auto_Sampling_Interval_Flag = 0;
    engine.spectrumResponse.assign(3, std::vector<double>(points));
    engine.dimensionResponse.assign(points, 0.0);
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < points; ++i)
            engine.spectrumResponse[k][i] = value(k, i);
    for (int i = 0; i < points; ++i)
        engine.dimensionResponse[i] = value(0, i);
    const auto [low, high] = std::minmax_element(engine.spectrumResponse[0].begin(),
                                                 engine.spectrumResponse[0].end());
    engine.spectrumResponseMin = engine.dimensionResponseMin = *low;
    engine.spectrumResponseMax = engine.dimensionResponseMax = *high;
}

// The black lines of a picture: every line but the coloured curves.
std::vector<int> blackLineRows(const PlotPicture& picture)
{
    std::vector<int> rows;
    for (const PlotPolyline& line : picture.lines)
        if (line.colour == QColor(Qt::black))
            rows.push_back(line.points.first().y());
    return rows;
}

TEST(ResponsePlots, AFlatResponseIsDrawnInTheMiddleWithOneValueOnEveryLabel)
{
    DynamicsEngine engine;
    fillResponses(engine, 1000, [](int, int) { return 0.25; });
    for (const ResponsePlot& plot : {spectrumResponsePlot(engine), dimensionResponsePlot(engine)}) {
        ASSERT_FALSE(plot.picture.lines.empty());
        const QPolygon& curve = plot.picture.lines.front().points;
        EXPECT_EQ(curve.size(), kResponseColumns);
        for (const QPoint& point : curve)
            EXPECT_EQ(point.y(), 99);
        for (const QString& label : plot.valueLabels)
            EXPECT_EQ(label, QStringLiteral("0.250"));
        EXPECT_EQ(plot.pointLabels[2], QStringLiteral("1000"));
    }
}

TEST(ResponsePlots, ShowOneCurvePerExponentInItsColourAndTheZeroLine)
{
    DynamicsEngine engine;
    fillResponses(engine, 5000, [](int k, int i) { return (1.0 - k) * (1.0 + 1.0 / (i + 1)); });
    const ResponsePlot plot = spectrumResponsePlot(engine);
    ASSERT_EQ(plot.picture.lines.size(), 4u);
    EXPECT_EQ(plot.picture.lines[0].colour, QColor(255, 0, 0));
    EXPECT_EQ(plot.picture.lines[1].colour, QColor(0, 255, 0));
    EXPECT_EQ(plot.picture.lines[2].colour, QColor(0, 0, 255));
    // Exponent 1 is 0 throughout, so its curve runs along the zero line.
    const int zeroRow = blackLineRows(plot.picture).at(0);
    for (const QPoint& point : plot.picture.lines[1].points)
        EXPECT_EQ(point.y(), zeroRow);
    for (const QPoint& point : plot.picture.lines[0].points)
        EXPECT_LT(point.y(), zeroRow);
}

TEST(ResponsePlots, TheDimensionPlotDrawsOnlyTheWholeDimensionsInsideIt)
{
    DynamicsEngine engine;
    fillResponses(engine, 2000, [](int, int i) { return 1.8 + 0.5 * (i % 7) / 6.0; });
    const std::vector<int> rows = blackLineRows(dimensionResponsePlot(engine).picture);
    ASSERT_EQ(rows.size(), 1u);
    // DL = 2 lies 0.2 of 0.5 above the bottom.
    EXPECT_NEAR(rows[0], 196 - 0.4 * 195, 1);
}

TEST(ColourBar, RunsFromBlueAtTheBottomToRedAtTheTopOrShowsOneColourWhenFlat)
{
    const PlotPicture picture = colourBarPicture(40, 294, false);
    ASSERT_EQ(picture.lines.size(), 292u);
    EXPECT_FALSE(picture.clearWhite);
    const PlotPolyline& bottom = picture.lines.front();
    const PlotPolyline& top = picture.lines.back();
    EXPECT_EQ(bottom.colour, QColor(0, 0, 255));
    EXPECT_EQ(bottom.points.first(), QPoint(1, 291));
    EXPECT_EQ(top.points.last(), QPoint(37, 0));
    EXPECT_GT(top.colour.red(), 250);
    EXPECT_EQ(top.colour.blue(), 0);

    for (const PlotPolyline& line : colourBarPicture(40, 294, true).lines)
        EXPECT_EQ(line.colour, bottom.colour);
}

TEST(ColourBar, ALayoutOf100By300HasAStripOf40By294AndLabelsBesideIt)
{
    const ColourBarLayout layout = colourBarLayout(100, 300);
    EXPECT_EQ(layout.strip, QRect(2, 2, 40, 294));
    EXPECT_EQ(layout.labels[0].topLeft(), QPoint(45, 2));
    EXPECT_EQ(layout.labels[1].topLeft(), QPoint(45, 144));
    EXPECT_EQ(layout.labels[2].topLeft(), QPoint(45, 286));
}

TEST(PlotTitles, NameTheViewOnlyWhenSeveralAreShown)
{
    const QString one = windowTitleFor("T", "T View-%1", std::nullopt);
    EXPECT_EQ(one, QStringLiteral("T"));
    EXPECT_EQ(windowTitleFor("T", "T View-%1", 3), QStringLiteral("T View-3"));
    EXPECT_EQ(valueLabelText(2.5), QStringLiteral("2.500"));
}

}  // namespace
