// Text in the scene: GLUT bitmap characters at a raster position, for the
// axes' scale numbers and names. Bitmap glyphs have a fixed size in device
// pixels, so on a high-density screen (device pixel ratio 1.5 or more) the
// numbers take the 9-by-15 font instead of 8-by-13 and the names the
// 18-point Helvetica bitmap font instead of 9-by-15; the raster position is
// not scaled. Without GLUT initialised in the process no text is drawn.
#pragma once

#include "core/rgba.h"
#include "core/vector3.h"

#include <string>

enum class SceneTextRole { ScaleNumber, AxisName };

// The ratio from which the larger fonts are used.
inline constexpr double kLargeTextPixelRatio = 1.5;

// Records text at the scene point at, in colour, in the role's font for the
// device pixel ratio. Lighting must be off.
void drawSceneText(const std::string& text, const Vector3& at, const Rgba& colour,
                   SceneTextRole role, double devicePixelRatio);
