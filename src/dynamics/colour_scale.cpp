#include "dynamics/colour_scale.h"

ScaleColour ColourScale(double value)
{
    // The negated test also sends NaN to the low end.
    const double v = !(value > 0.0) ? 0.0 : (value > 256.0 ? 256.0 : value);
    if (v < 64.0)
        return {0.0, 4.0 * v / 256.0, 1.0};
    if (v < 128.0)
        return {0.0, 1.0, (512.0 - 4.0 * v) / 256.0};
    if (v < 192.0)
        return {(4.0 * v - 512.0) / 256.0, 1.0, 0.0};
    return {1.0, (1024.0 - 4.0 * v) / 256.0, 0.0};
}

ScaleColourBytes toBytes(const ScaleColour& colour)
{
    return {static_cast<unsigned char>(colour.r * 255.0),
            static_cast<unsigned char>(colour.g * 255.0),
            static_cast<unsigned char>(colour.b * 255.0)};
}
