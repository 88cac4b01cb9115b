// A screen for tests: offers a fixed list of modes, accepts or refuses every
// change, and records the changes and restores it was asked for.
#pragma once

#include "shell/display_settings.h"

#include <vector>

class FakeDisplaySettings : public DisplaySettings {
public:
    FakeDisplaySettings(std::vector<ScreenMode> offered, ScreenSize original)
        : offered(std::move(offered)), current(original), original(original)
    {
    }

    std::vector<ScreenMode> availableModes() override { return offered; }

    bool changeTo(const ScreenMode& mode) override
    {
        attempts.push_back(mode);
        if (refuseChanges)
            return false;
        current = {mode.width, mode.height};
        changed = true;
        return true;
    }

    void restore() override
    {
        ++restoreCalls;
        current = original;
        changed = false;
    }

    ScreenSize screenSize() override { return current; }

    std::vector<ScreenMode> offered;
    ScreenSize current;
    ScreenSize original;
    bool refuseChanges = false;
    bool changed = false;
    int restoreCalls = 0;
    std::vector<ScreenMode> attempts;
};
