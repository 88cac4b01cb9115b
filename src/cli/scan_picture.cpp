// The drawing module of the scan picture, loaded by the batch tool only when
// a picture is asked for, so that no other command pays for loading Qt's GUI
// libraries. Text needs a font system, which Qt sets up with a GUI
// application object; the module makes one on the offscreen platform while it
// draws, so no display is needed.
#include "dynamics/colour_scale.h"
#include "dynamics/parameter_scan.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 600;
constexpr int kMargin = 60;
constexpr int kLegendWidth = 120;

// A GUI application on the offscreen platform for the time of one drawing,
// unless the process has one already.
class OffscreenApplication {
public:
    OffscreenApplication()
    {
        if (QCoreApplication::instance() != nullptr)
            return;
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[12] = "attrava-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

QColor scaleColour(double value, double low, double high)
{
    const double position = high > low ? (value - low) / (high - low) * 256.0 : 128.0;
    const ScaleColourBytes bytes = toBytes(ColourScale(position));
    return QColor(bytes.r, bytes.g, bytes.b);
}

QString number(double value) { return QString::number(value, 'g', 6); }

// The plot area and its frame with the parameter's range written under it.
struct Frame {
    QRectF area;
    double xLow = 0.0, xHigh = 1.0, yLow = 0.0, yHigh = 1.0;

    QPointF at(double x, double y) const
    {
        const double fx = xHigh > xLow ? (x - xLow) / (xHigh - xLow) : 0.5;
        const double fy = yHigh > yLow ? (y - yLow) / (yHigh - yLow) : 0.5;
        return {area.left() + fx * area.width(), area.bottom() - fy * area.height()};
    }
};

void drawFrame(QPainter& painter, const Frame& frame, const QString& xName, const QString& yName)
{
    painter.setPen(Qt::black);
    painter.drawRect(frame.area);
    const QRectF below(frame.area.left(), frame.area.bottom() + 4, frame.area.width(), 20);
    painter.drawText(below, Qt::AlignLeft, number(frame.xLow));
    painter.drawText(below, Qt::AlignRight, number(frame.xHigh));
    painter.drawText(below, Qt::AlignHCenter, xName);
    const QRectF left(0, frame.area.top(), kMargin - 4, frame.area.height());
    painter.drawText(left, Qt::AlignRight | Qt::AlignTop, number(frame.yHigh));
    painter.drawText(left, Qt::AlignRight | Qt::AlignBottom, number(frame.yLow));
    painter.drawText(left, Qt::AlignRight | Qt::AlignVCenter, yName);
}

void drawPoints(QPainter& painter, const ScanSettings& settings, const ScanResult& result)
{
    Frame frame;
    frame.area = QRectF(kMargin, kMargin / 2, kWidth - kMargin - kLegendWidth, kHeight - 1.5 * kMargin);
    frame.xLow = std::min(settings.axis.from, settings.axis.to);
    frame.xHigh = std::max(settings.axis.from, settings.axis.to);
    const bool spectrum = settings.kind == ScanKind::Spectrum;
    // The spectrum's lines leave out the dimension, the last value.
    const std::size_t drop = spectrum ? 1 : 0;
    bool any = false;
    for (const ScanCell& cell : result.cells) {
        for (std::size_t k = 0; cell.exists && k + drop < cell.values.size(); ++k) {
            const double v = cell.values[k];
            if (!std::isfinite(v))
                continue;
            frame.yLow = any ? std::min(frame.yLow, v) : v;
            frame.yHigh = any ? std::max(frame.yHigh, v) : v;
            any = true;
        }
    }
    const QString xName = QString(QChar(parameterLetter(settings.axis.parameter)));
    drawFrame(painter, frame, xName,
              spectrum ? QStringLiteral("lambda") : QString(QChar(variableLetter(settings.variable))));
    if (!spectrum) {
        painter.setPen(QPen(QColor(0, 0, 160, 140), 1.5));
        for (const ScanCell& cell : result.cells)
            for (std::size_t k = 0; cell.exists && k < cell.values.size(); ++k)
                painter.drawPoint(frame.at(cell.value, cell.values[k]));
        return;
    }
    // The zero line: where an exponent touches it the orbit is periodic.
    if (frame.yLow < 0.0 && frame.yHigh > 0.0) {
        painter.setPen(QPen(Qt::gray, 1.0, Qt::DashLine));
        const QPointF left = frame.at(frame.xLow, 0.0);
        painter.drawLine(left, frame.at(frame.xHigh, 0.0));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, left.y() - 10, kMargin - 4, 20), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("0"));
    }
    for (int k = 0; k < result.dimension; ++k) {
        const QColor colour = scaleColour(k, 0, std::max(result.dimension - 1, 1));
        // The legend names each curve's exponent after its variable.
        painter.setPen(colour);
        painter.drawText(QPointF(frame.area.right() + 6, frame.area.top() + 14 * (k + 1)),
                         QStringLiteral("lambda_") + QChar(variableLetter(k)));
        painter.setPen(QPen(colour, 1.5));
        QPointF previous;
        bool joined = false;
        for (const ScanCell& cell : result.cells) {
            const bool shown = cell.exists && std::isfinite(cell.values[static_cast<std::size_t>(k)]);
            const QPointF point =
                shown ? frame.at(cell.value, cell.values[static_cast<std::size_t>(k)]) : QPointF();
            if (shown && joined)
                painter.drawLine(previous, point);
            previous = point;
            joined = shown;
        }
    }
}

void drawGrid(QPainter& painter, const ScanSettings& settings, const ScanResult& result)
{
    const ScanAxis& axis2 = *settings.axis2;
    Frame frame;
    frame.area = QRectF(kMargin, kMargin / 2, kWidth - kMargin - kLegendWidth, kHeight - 1.5 * kMargin);
    frame.xLow = settings.axis.from;
    frame.xHigh = settings.axis.to;
    frame.yLow = axis2.from;
    frame.yHigh = axis2.to;
    double low = 0.0, high = 0.0;
    bool any = false;
    for (const ScanCell& cell : result.cells) {
        if (!cell.exists || !std::isfinite(cell.values[0]))
            continue;
        low = any ? std::min(low, cell.values[0]) : cell.values[0];
        high = any ? std::max(high, cell.values[0]) : cell.values[0];
        any = true;
    }
    const double cellWidth = frame.area.width() / settings.axis.count;
    const double cellHeight = frame.area.height() / axis2.count;
    painter.setPen(Qt::NoPen);
    for (const ScanCell& cell : result.cells) {
        // Cells without a value (diverged, or another shard's) stay grey.
        const bool shown = cell.exists && std::isfinite(cell.values[0]);
        painter.setBrush(shown ? scaleColour(cell.values[0], low, high) : QColor(200, 200, 200));
        painter.drawRect(QRectF(frame.area.left() + cell.i * cellWidth,
                                frame.area.bottom() - (cell.j + 1) * cellHeight, cellWidth + 0.5,
                                cellHeight + 0.5));
    }
    painter.setBrush(Qt::NoBrush);
    drawFrame(painter, frame, QString(QChar(parameterLetter(settings.axis.parameter))),
              QString(QChar(parameterLetter(axis2.parameter))));

    // The legend: the colour scale from the lowest value (bottom) to the highest.
    const QRectF bar(kWidth - kLegendWidth + 20, frame.area.top(), 24, frame.area.height());
    for (int row = 0; row < static_cast<int>(bar.height()); ++row) {
        const double fraction = 1.0 - row / bar.height();
        painter.setPen(scaleColour(fraction, 0.0, 1.0));
        painter.drawLine(QPointF(bar.left(), bar.top() + row), QPointF(bar.right(), bar.top() + row));
    }
    painter.setPen(Qt::black);
    painter.drawRect(bar);
    const QRectF labels(bar.right() + 4, bar.top(), kLegendWidth - 50, bar.height());
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, any ? number(high) : QStringLiteral("-"));
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignBottom, any ? number(low) : QStringLiteral("-"));
    const QString what = settings.kind == ScanKind::Spectrum ? QStringLiteral("lambda max")
                                                              : QStringLiteral("distinct");
    painter.drawText(QRectF(bar.left(), bar.bottom() + 4, kLegendWidth, 20), Qt::AlignLeft, what);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) bool
attrava_draw_scan_picture(const std::string& path, const ScanSettings& settings,
                          const ScanResult& result, std::string& error)
{
    const OffscreenApplication application;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        if (settings.axis2)
            drawGrid(painter, settings, result);
        else
            drawPoints(painter, settings, result);
    }
    if (!image.save(QString::fromStdString(path), "PNG")) {
        error = "cannot write the picture " + path;
        return false;
    }
    return true;
}
