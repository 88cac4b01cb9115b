#include "shell/program_pictures.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QPointF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int bitmapWidth = 480;
constexpr int bitmapHeight = 320;

using Point3 = std::array<double, 3>;

Point3 lorenz(const Point3& p)
{
    constexpr double sigma = 10.0;
    constexpr double rho = 28.0;
    constexpr double beta = 8.0 / 3.0;
    return {sigma * (p[1] - p[0]), p[0] * (rho - p[2]) - p[1], p[0] * p[1] - beta * p[2]};
}

Point3 offset(const Point3& p, const Point3& d, double h)
{
    return {p[0] + h * d[0], p[1] + h * d[1], p[2] + h * d[2]};
}

// Points of one Lorenz orbit (fourth-order Runge-Kutta) after its transient.
std::vector<Point3> lorenzOrbit()
{
    constexpr double h = 0.005;
    constexpr int transient = 400;
    constexpr int count = 9000;
    std::vector<Point3> orbit;
    orbit.reserve(count);
    Point3 p = {1.0, 1.0, 1.0};
    for (int i = 0; i < transient + count; ++i) {
        const Point3 k1 = lorenz(p);
        const Point3 k2 = lorenz(offset(p, k1, h / 2));
        const Point3 k3 = lorenz(offset(p, k2, h / 2));
        const Point3 k4 = lorenz(offset(p, k3, h));
        for (int c = 0; c < 3; ++c)
            p[c] += h / 6 * (k1[c] + 2 * k2[c] + 2 * k3[c] + k4[c]);
        if (i >= transient)
            orbit.push_back(p);
    }
    return orbit;
}

// Blue, cyan, green, yellow, red for t from 0 to 1.
QColor speedColour(double t)
{
    static const std::array<QColor, 5> stops = {QColor(40, 80, 255), QColor(0, 220, 255),
                                                QColor(0, 230, 80), QColor(255, 230, 0),
                                                QColor(255, 40, 20)};
    const double scaled = std::clamp(t, 0.0, 1.0) * (stops.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(scaled), stops.size() - 2);
    const double f = scaled - static_cast<double>(i);
    const QColor& a = stops[i];
    const QColor& b = stops[i + 1];
    return QColor::fromRgbF(static_cast<float>(a.redF() + f * (b.redF() - a.redF())),
                            static_cast<float>(a.greenF() + f * (b.greenF() - a.greenF())),
                            static_cast<float>(a.blueF() + f * (b.blueF() - a.blueF())));
}

// The orbit in the (x, z) plane, scaled by `scale` pixels per unit about
// `origin` (the image point of x = 0, z = 0).
void drawAttractor(QPainter& painter, QPointF origin, double scale, double penWidth)
{
    const std::vector<Point3> orbit = lorenzOrbit();
    const auto project = [&](const Point3& p) {
        return QPointF(origin.x() + scale * p[0], origin.y() - scale * p[2]);
    };
    constexpr double fastest = 180.0;
    for (std::size_t i = 1; i < orbit.size(); ++i) {
        const Point3 d = lorenz(orbit[i]);
        const double speed = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        QColor colour = speedColour(speed / fastest);
        colour.setAlphaF(0.85f);
        painter.setPen(QPen(colour, penWidth));
        painter.drawLine(project(orbit[i - 1]), project(orbit[i]));
    }
}

QFont splashFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QPixmap drawSplashBitmap()
{
    QPixmap bitmap(bitmapWidth, bitmapHeight);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, bitmapHeight);
    background.setColorAt(0.0, QColor(16, 30, 66));
    background.setColorAt(1.0, QColor(2, 4, 12));
    painter.fillRect(bitmap.rect(), background);

    drawAttractor(painter, QPointF(352.0, 290.0), 4.4, 1.1);

    painter.setPen(QColor(255, 255, 255));
    painter.setFont(splashFont(52, true));
    painter.drawText(QPointF(28, 92), QStringLiteral("Attrava"));
    painter.setPen(QColor(190, 205, 235));
    painter.setFont(splashFont(15, false));
    painter.drawText(QPointF(32, 124),
                     QCoreApplication::translate("ProgramPictures", "連続力学系の実験室"));
    painter.drawText(QPointF(32, 146), QStringLiteral("Dynamical Systems Laboratory"));
    painter.setPen(QColor(130, 150, 190));
    painter.setFont(splashFont(13, false));
    painter.drawText(QPointF(32, 296), QStringLiteral("Ver.1.05a"));

    painter.setPen(QPen(QColor(90, 120, 190), 1));
    painter.drawRect(bitmap.rect().adjusted(0, 0, -1, -1));
    return bitmap;
}

QPixmap drawProgramIcon(int size)
{
    QPixmap icon(size, size);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 30, 66));
    painter.drawRoundedRect(QRectF(0, 0, size, size), size * 0.15, size * 0.15);
    // The attractor spans about 40 units across and 48 up.
    const double scale = size / 52.0;
    drawAttractor(painter, QPointF(size / 2.0, size * 0.97), scale, std::max(1.0, size / 40.0));
    return icon;
}
