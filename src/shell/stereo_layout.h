// What the two stereo display modes need from the screen and where their two
// cameras go: the screen mode each mode looks for, the message shown when the
// screen cannot be switched, and the viewports, projections and eye
// positions of camera A and camera B. Pure functions over plain values.
#pragma once

#include "shell/display_settings.h"
#include "core/vector3.h"
#include "settings/program_settings.h"

#include <string>
#include <vector>

// The screen mode a stereo display mode asks for.
struct StereoScreenRequest {
    int width = 0;
    int height = 0;
    int refreshRate = 0;
};

// Viewport of a stereo camera in screen pixels, origin at the bottom left.
struct StereoViewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const StereoViewport&) const = default;
};

// One camera of a stereo pair: viewport, perspective projection, eye
// position and look-at point in scene units.
struct StereoCamera {
    StereoViewport viewport;
    double fieldOfView = 40.0;  // vertical, degrees
    double aspect = 1.0;
    double nearPlane = 0.0;
    double farPlane = 0.0;
    Vector3 position;
    Vector3 lookAt;
};

// Camera A (upper or left half) and camera B (lower or right half).
struct StereoLayout {
    StereoCamera cameraA;
    StereoCamera cameraB;
};

// The request of the up/down mode (1024 x 768 at 75 Hz) or the left/right
// mode (1280 x 480 at 70 Hz); all zero for the normal mode.
StereoScreenRequest stereoScreenRequest(DisplayMode displayMode);

// The message shown when the screen cannot be put into the mode.
std::string stereoFailureMessage(DisplayMode displayMode);

// The screen modes worth trying for a stereo mode, best first: the offered
// modes of the requested size at 32, 24 and 16 bits per pixel (the last
// offered of each depth), each with the requested refresh rate. Empty when
// the screen offers no such mode.
std::vector<ScreenMode> stereoCandidates(DisplayMode displayMode,
                                         const std::vector<ScreenMode>& offered);

// The two cameras of view 0 on a screen of the given size: the up/down mode
// stacks them (A above B), the left/right mode puts them side by side (A
// left). Both eyes stand beside the single view's camera, A to the left, and
// look the same way. `crystalGap` is the blank gap in pixels between the
// halves of the up/down split, `eyeOffset` the half eye separation of that
// mode in scene units (the left/right mode keeps a fixed 0.3).
StereoLayout computeStereoLayout(DisplayMode displayMode, int screenWidth, int screenHeight,
                                 double crystalGap, double eyeOffset);
