// Reading the drawn attractor off a captured picture: the share of pixels in
// the orbit's default colour.
#pragma once

#include <QColor>
#include <QImage>

#include <cstdlib>

// Share of the image's pixels in the orbit's colour: the lit shades of the
// default orbit colour (0.6, 1, 1) keep red near 0.6 of green and blue.
inline double orbitColourShare(const QImage& image)
{
    qint64 hits = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 60 && std::abs(c.green() - c.blue()) < 25 && c.red() < 0.8 * c.green())
                ++hits;
        }
    }
    return static_cast<double>(hits) / (static_cast<double>(image.width()) * image.height());
}
