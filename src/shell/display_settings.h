// The screen modes the stereo display needs, behind a small interface: the
// X11 implementation switches the real screen through RandR, tests use a
// fake screen that offers or refuses modes.
#pragma once

#include <vector>

// One mode the screen can be put in.
struct ScreenMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int refreshRate = 0;  // Hz

    bool operator==(const ScreenMode&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class DisplaySettings {
public:
    virtual ~DisplaySettings() = default;

    // Every mode the screen offers, in the system's order.
    virtual std::vector<ScreenMode> availableModes() = 0;

    // Switches the screen for this session only; false when refused.
    virtual bool changeTo(const ScreenMode& mode) = 0;

    // Puts back the mode the screen had before the first change; does
    // nothing when no change was made.
    virtual void restore() = 0;

    // The screen's current size in pixels.
    virtual ScreenSize screenSize() = 0;
};
