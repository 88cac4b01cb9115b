#include "document/view_layout.h"

std::optional<Viewport> viewViewport(int viewCount, int view, int width, int height)
{
    if (view < 0 || view >= viewCount)
        return std::nullopt;
    switch (viewCount) {
    case 1:
        return Viewport{0, 0, width, height};
    case 2:
        return Viewport{view * (width / 2), 0, width / 2, height};
    case 4: {
        const int column = view % 2;
        const int row = view / 2;
        return Viewport{column * (width / 2), (1 - row) * (height / 2), width / 2, height / 2};
    }
    case 9: {
        const int column = view % 3;
        const int row = view / 3;
        return Viewport{(column * width) / 3, ((2 - row) * height) / 3, width / 3, height / 3};
    }
    default:
        return std::nullopt;
    }
}

namespace {

// Column (or row) of a coordinate in a grid of three cells over `extent`.
int thirdOf(int coordinate, int extent)
{
    if (coordinate < extent / 3)
        return 0;
    return coordinate < (2 * extent) / 3 ? 1 : 2;
}

} // namespace

int viewIndexAt(int viewCount, int x, int y, int width, int height)
{
    switch (viewCount) {
    case 1:
        return 0;
    case 2:
        return x >= width / 2 ? 1 : 0;
    case 4:
        return (y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0);
    case 9:
        return thirdOf(y, height) * 3 + thirdOf(x, width);
    default:
        return -1;
    }
}

double viewAspect(int viewCount, int width, int height)
{
    const double aspect = static_cast<double>(width) / static_cast<double>(height);
    return viewCount == 2 ? 0.5 * aspect : aspect;
}

Vector3 viewEyePosition(int viewCount)
{
    return viewCount == 2 ? Vector3{0.0, 1.0, 8.2} : Vector3{0.0, 0.0, 5.0};
}

void placeViewCamera(CCamera& camera, const Viewport& viewport, double aspect, const Vector3& eye)
{
    camera.setViewport(viewport.x, viewport.y, viewport.width, viewport.height);
    camera.setPerspective(kViewFieldOfView, aspect, kViewNearPlane, kViewFarPlane);
    camera.setEyePosition(eye);
}
