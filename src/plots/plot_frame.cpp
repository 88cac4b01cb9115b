#include "plots/plot_frame.h"

#include "plots/plot_geometry.h"

#include <QPainter>

#include <iterator>
#include <utility>

QPolygon columnPolyline(const std::vector<double>& values, const std::vector<std::size_t>& entries,
                        double low, double high, const PlotScale& scale)
{
    QPolygon points;
    points.reserve(static_cast<int>(entries.size()));
    int x = 1;
    for (const std::size_t entry : entries) {
        if (entry >= values.size())
            break;
        points.append(QPoint(x, valueToPixel(values[entry], low, high, scale)));
        ++x;
    }
    return points;
}

QColor exponentColour(int k)
{
    static const QColor colours[] = {
        QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),
        QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 255, 0),
    };
    return colours[static_cast<std::size_t>(k) % std::size(colours)];
}

CPlotFrame::CPlotFrame(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void CPlotFrame::setPicture(PlotPicture picture)
{
    picture_ = std::move(picture);
    update();
}

void CPlotFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (picture_.clearWhite)
        painter.fillRect(QRect(1, 1, width() - 4, height() - 4), Qt::white);
    // Lines end inside the plot area; the frame's edge stays visible.
    painter.setClipRect(QRect(1, 1, width() - 2, height() - 2));
    for (const PlotPolyline& line : picture_.lines) {
        painter.setPen(QPen(line.colour, 1));
        painter.drawPolyline(line.points);
    }
    for (const PlotPolyline& dots : picture_.dots) {
        painter.setPen(QPen(dots.colour, 1));
        painter.drawPoints(dots.points);
    }
}
