// The viewport table, the view under a click, and the camera placement.
#include "document/view_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kWidth = 801;
constexpr int kHeight = 601;

struct ExpectedCell {
    int x, y, width, height;
};

void expectCells(int viewCount, const std::vector<ExpectedCell>& cells)
{
    for (int v = 0; v < static_cast<int>(cells.size()); ++v) {
        const auto viewport = viewViewport(viewCount, v, kWidth, kHeight);
        ASSERT_TRUE(viewport) << "view " << v << " of " << viewCount;
        const ExpectedCell& e = cells[static_cast<std::size_t>(v)];
        EXPECT_EQ(viewport->x, e.x) << "view " << v << " of " << viewCount;
        EXPECT_EQ(viewport->y, e.y) << "view " << v << " of " << viewCount;
        EXPECT_EQ(viewport->width, e.width) << "view " << v << " of " << viewCount;
        EXPECT_EQ(viewport->height, e.height) << "view " << v << " of " << viewCount;
    }
    EXPECT_FALSE(viewViewport(viewCount, static_cast<int>(cells.size()), kWidth, kHeight));
}

TEST(ViewLayout, ViewportsOfEveryViewCountInAnOddWindow)
{
    expectCells(1, {{0, 0, 801, 601}});
    expectCells(2, {{0, 0, 400, 601}, {400, 0, 400, 601}});
    // Top row first; the rightmost column and top row of pixels stay free.
    expectCells(4, {{0, 300, 400, 300}, {400, 300, 400, 300}, {0, 0, 400, 300}, {400, 0, 400, 300}});
    expectCells(9, {{0, 400, 267, 200}, {267, 400, 267, 200}, {534, 400, 267, 200},
                    {0, 200, 267, 200}, {267, 200, 267, 200}, {534, 200, 267, 200},
                    {0, 0, 267, 200}, {267, 0, 267, 200}, {534, 0, 267, 200}});
}

TEST(ViewLayout, NineViewRowsOfAHundredPixelWindow)
{
    EXPECT_EQ(viewViewport(9, 0, 100, 100)->y, 66);
    EXPECT_EQ(viewViewport(9, 3, 100, 100)->y, 33);
    EXPECT_EQ(viewViewport(9, 6, 100, 100)->y, 0);
    EXPECT_EQ(viewViewport(9, 6, 100, 100)->height, 33);
}

TEST(ViewLayout, OtherCountsHaveNoViewports)
{
    EXPECT_FALSE(viewViewport(3, 0, kWidth, kHeight));
    EXPECT_FALSE(viewViewport(0, 0, kWidth, kHeight));
    EXPECT_FALSE(viewViewport(4, -1, kWidth, kHeight));
    EXPECT_EQ(viewIndexAt(3, 0, 0, kWidth, kHeight), -1);
}

TEST(ViewLayout, ViewUnderAPoint)
{
    // x = W/2 belongs to the right half.
    EXPECT_EQ(viewIndexAt(2, 400, 10, kWidth, kHeight), 1);
    EXPECT_EQ(viewIndexAt(2, 399, 10, kWidth, kHeight), 0);
    // Window y grows downward: the top row holds views 0 and 1.
    EXPECT_EQ(viewIndexAt(4, 10, 10, kWidth, kHeight), 0);
    EXPECT_EQ(viewIndexAt(4, 400, 299, kWidth, kHeight), 1);
    EXPECT_EQ(viewIndexAt(4, 399, 300, kWidth, kHeight), 2);
    EXPECT_EQ(viewIndexAt(4, 800, 600, kWidth, kHeight), 3);
    EXPECT_EQ(viewIndexAt(9, 266, 199, kWidth, kHeight), 0);
    EXPECT_EQ(viewIndexAt(9, 267, 200, kWidth, kHeight), 4);
    EXPECT_EQ(viewIndexAt(9, 534, 400, kWidth, kHeight), 8);
    EXPECT_EQ(viewIndexAt(9, 533, 399, kWidth, kHeight), 4);
}

TEST(ViewLayout, CameraPlacementKeepsTheViewingOffset)
{
    CCamera camera;
    placeViewCamera(camera, *viewViewport(2, 1, kWidth, kHeight), viewAspect(2, kWidth, kHeight),
                    viewEyePosition(2));
    EXPECT_DOUBLE_EQ(camera.aspect(), 0.5 * 801.0 / 601.0);
    EXPECT_DOUBLE_EQ(camera.fieldOfView(), 40.0);
    EXPECT_EQ(camera.nearPlane(), static_cast<double>(0.1f));
    EXPECT_NE(camera.nearPlane(), 0.1);
    EXPECT_DOUBLE_EQ(camera.farPlane(), 60.0);
    EXPECT_EQ(camera.eyePosition(), Vector3(0.0, 1.0, 8.2));
    EXPECT_NEAR(camera.lookAt().y, 1.0, 1e-12);
    EXPECT_NEAR(camera.lookAt().z, 3.2, 1e-12);

    placeViewCamera(camera, *viewViewport(4, 0, kWidth, kHeight), viewAspect(4, kWidth, kHeight),
                    viewEyePosition(4));
    EXPECT_DOUBLE_EQ(camera.aspect(), 801.0 / 601.0);
    EXPECT_EQ(camera.eyePosition(), Vector3(0.0, 0.0, 5.0));
    EXPECT_NEAR(camera.lookAt().z, 0.0, 1e-12);
}

} // namespace
