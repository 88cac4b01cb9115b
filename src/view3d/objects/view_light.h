// The light of every view (light 0 of its world): grey ambient and diffuse,
// white specular, placed at (0, 0, 10) and aimed at the origin, sent as a
// direction, with a narrow spot. It shades the orbit's pseudo-tube style.
#pragma once

class CLight;

// Sets every parameter of light: ambient (0.4, 0.4, 0.4, 1), diffuse
// (0.5, 0.5, 0.5, 1), specular (1, 1, 1, 1), position (0, 0, 10) aimed at the
// origin (spot direction (0, 0, −1)), not positional, spot exponent 64,
// cutoff 30 degrees.
void configureViewLight(CLight& light);
