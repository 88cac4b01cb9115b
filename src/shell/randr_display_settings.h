// DisplaySettings on the X server through the RandR extension. Modes are the
// screen's sizes and refresh rates at the root window's depth; the first
// change remembers the original configuration, which restore() and the
// destructor put back.
#pragma once

#include "shell/display_settings.h"

#include <optional>

struct _XDisplay;

class RandrDisplaySettings : public DisplaySettings {
public:
    // Uses the X connection of the running Qt application when it runs on
    // xcb, otherwise opens its own; without an X server it offers no modes.
    RandrDisplaySettings();
    ~RandrDisplaySettings() override;

    RandrDisplaySettings(const RandrDisplaySettings&) = delete;
    RandrDisplaySettings& operator=(const RandrDisplaySettings&) = delete;

    std::vector<ScreenMode> availableModes() override;
    bool changeTo(const ScreenMode& mode) override;
    void restore() override;
    ScreenSize screenSize() override;

private:
    struct Configuration {
        int sizeIndex = 0;
        unsigned short rotation = 0;
        short rate = 0;
    };

    bool setConfiguration(const Configuration& configuration);

    _XDisplay* display_ = nullptr;
    bool ownsDisplay_ = false;
    bool hasRandr_ = false;
    std::optional<Configuration> original_;
};
