// The drawing surface of the plot windows: a frame of fixed logical size that
// paints a plot picture, a white area, one-pixel polylines and dots in given
// colours, in logical pixels. On a screen with a device pixel ratio of 2 the
// same picture covers the same place and is drawn with twice the pixels.
#pragma once

#include <QColor>
#include <QFrame>
#include <QPolygon>

#include <vector>

// A polyline of one colour; two points make a line segment.
struct PlotPolyline {
    QColor colour;
    QPolygon points;
};

struct PlotPicture {
    // Fill the area from (1, 1) to (width - 3, height - 3), right and bottom
    // edges exclusive, white before drawing the lines.
    bool clearWhite = true;
    std::vector<PlotPolyline> lines;
    // Point sets drawn as single pixels, after the lines.
    std::vector<PlotPolyline> dots;
};

// The colour of exponent k (0-based) in the plots of a spectrum: red, green,
// blue, magenta, cyan, yellow.
QColor exponentColour(int k);

// The polyline through the rows of `values` at the given entries: column m
// at x = m + 1, y by the value's place between low and high.
struct PlotScale;
QPolygon columnPolyline(const std::vector<double>& values, const std::vector<std::size_t>& entries,
                        double low, double high, const PlotScale& scale);

class CPlotFrame : public QFrame {
    Q_OBJECT
public:
    explicit CPlotFrame(QWidget* parent = nullptr);

    void setPicture(PlotPicture picture);
    const PlotPicture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlotPicture picture_;
};
