// The blue-to-red colour scale shared by the orbit colourings, the vector
// field, the recurrence plot and the colour bar: a value from 0 to 256 becomes
// blue (0), cyan (64), green (128), yellow (192) or red (256), blending
// linearly in between.
#pragma once

// A colour with channels in 0..1.
struct ScaleColour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

// A colour with channels in 0..255, as the 2-D windows and image files use it.
struct ScaleColourBytes {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
};

// Maps value to its colour. Values below 0 take the colour of 0, values above
// 256 that of 256, and NaN that of 0, so every channel stays within 0..1.
ScaleColour ColourScale(double value);

// Channels × 255, truncated to integers.
ScaleColourBytes toBytes(const ScaleColour& colour);
