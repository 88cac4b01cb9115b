#include "shell/stereo_layout.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace {

// Only the first entries of the system's mode list are searched.
constexpr std::size_t searchedModeCount = 512;

// The near plane is the single-precision 0.1 widened, as for the normal views.
constexpr double stereoNearPlane = static_cast<double>(0.1f);
constexpr double stereoFarPlane = 20.0;

// The single view's camera, which both eyes stand in for: it looks from the
// z axis at the origin.
constexpr Vector3 singleViewEye{0.0, 0.0, 5.0};
constexpr Vector3 singleViewLookAt{0.0, 0.0, 0.0};

// Half the eye separation of the left/right mode, in scene units.
constexpr double leftRightEyeOffset = 0.3;

// A camera of the eye `shift` units along x from the single view's camera,
// looking the same way, so that it sees what the single view shows.
StereoCamera perspectiveCamera(StereoViewport viewport, double aspect, double shift)
{
    StereoCamera camera;
    camera.viewport = viewport;
    camera.aspect = aspect;
    camera.nearPlane = stereoNearPlane;
    camera.farPlane = stereoFarPlane;
    camera.position = {singleViewEye.x + shift, singleViewEye.y, singleViewEye.z};
    camera.lookAt = {singleViewLookAt.x + shift, singleViewLookAt.y, singleViewLookAt.z};
    return camera;
}

}  // namespace

StereoScreenRequest stereoScreenRequest(DisplayMode displayMode)
{
    if (displayMode == DisplayMode::UpDown)
        return {1024, 768, 75};
    if (displayMode == DisplayMode::LeftRight)
        return {1280, 480, 70};
    return {};
}

std::string stereoFailureMessage(DisplayMode displayMode)
{
    const StereoScreenRequest request = stereoScreenRequest(displayMode);
    return QCoreApplication::translate("StereoLayout",
                                       "この機種では%1 x %2 ハイカラー以上の解像度に変更できません。")
        .arg(request.width)
        .arg(request.height)
        .toStdString();
}

std::vector<ScreenMode> stereoCandidates(DisplayMode displayMode,
                                         const std::vector<ScreenMode>& offered)
{
    const StereoScreenRequest request = stereoScreenRequest(displayMode);
    constexpr std::array<int, 3> depths = {32, 24, 16};
    std::array<std::optional<ScreenMode>, 3> kept;
    const std::size_t searched = std::min(offered.size(), searchedModeCount);
    for (std::size_t i = 0; i < searched; ++i) {
        const ScreenMode& mode = offered[i];
        if (mode.width != request.width || mode.height != request.height)
            continue;
        for (std::size_t d = 0; d < depths.size(); ++d) {
            if (mode.bitsPerPixel == depths[d])
                kept[d] = ScreenMode{mode.width, mode.height, mode.bitsPerPixel, request.refreshRate};
        }
    }
    std::vector<ScreenMode> candidates;
    for (const auto& mode : kept) {
        if (mode)
            candidates.push_back(*mode);
    }
    return candidates;
}

StereoLayout computeStereoLayout(DisplayMode displayMode, int screenWidth, int screenHeight,
                                 double crystalGap, double eyeOffset)
{
    const int cx = screenWidth;
    const int cy = screenHeight;
    if (displayMode == DisplayMode::UpDown) {
        const int h = cy / 2;
        const int halfHeight = static_cast<int>(h - 0.5 * crystalGap);
        const double aspect = static_cast<double>(cx) / cy;
        return {
            perspectiveCamera({0, static_cast<int>(h + crystalGap), cx, halfHeight}, aspect, -eyeOffset),
            perspectiveCamera({0, 0, cx, halfHeight}, aspect, eyeOffset),
        };
    }
    const double aspect = (cx * 0.5) / cy;
    return {
        perspectiveCamera({0, 0, cx / 2, cy}, aspect, -leftRightEyeOffset),
        perspectiveCamera({cx / 2, 0, cx / 2, cy}, aspect, leftRightEyeOffset),
    };
}
