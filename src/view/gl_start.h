// What the program sets up for OpenGL before its first window: the surface
// format of the GL view (a legacy compatibility context with 8 bits per
// colour channel, no alpha, a 16-bit depth buffer, double-buffered) and the
// GLUT bitmap fonts that the axes' numbers and names are drawn with.
#pragma once

class QSurfaceFormat;

QSurfaceFormat viewSurfaceFormat();

// Initialises GLUT once per process so its bitmap fonts can be drawn; later
// calls do nothing. Needs the X display; call it before the first window.
void initialiseBitmapFonts(const char* programName);
