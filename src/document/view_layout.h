// Where the views sit in the OpenGL window: the viewport of each of one, two,
// four or nine views (rows from the top left, integer divisions), which view
// lies under a window point, and the projection and eye every view camera
// gets. Pure functions over window sizes; the document applies them to the
// cameras of its view slots.
#pragma once

#include "view3d/scene/camera.h"
#include "core/vector3.h"

#include <optional>

inline constexpr double kViewFieldOfView = 40.0;                  // vertical, degrees
inline constexpr double kViewNearPlane = static_cast<double>(0.1f); // the float 0.1 widened
inline constexpr double kViewFarPlane = 60.0;

// Whether n is a view count the program shows: 1, 2, 4 or 9.
constexpr bool isViewCount(int n) { return n == 1 || n == 2 || n == 4 || n == 9; }

// The viewport (y from the bottom) of view `view` among `viewCount` views in a
// width x height window. Empty for other counts and for views outside the
// count.
std::optional<Viewport> viewViewport(int viewCount, int view, int width, int height);

// The view under the window point (x, y), y growing downward, among
// `viewCount` views; -1 when the count is not one of 1, 2, 4, 9.
int viewIndexAt(int viewCount, int x, int y, int width, int height);

// Aspect ratio of every view camera: width/height, halved for two views,
// whose cells are half as wide as the window.
double viewAspect(int viewCount, int width, int height);

// Eye position of every view camera: (0, 0, 5), or (0, 1, 8.2) for two views.
Vector3 viewEyePosition(int viewCount);

// Gives a camera the viewport, the view perspective with the given aspect
// and the eye position (keeping its viewing offset).
void placeViewCamera(CCamera& camera, const Viewport& viewport, double aspect, const Vector3& eye);
