// Read access to the program's settings file, as the model record needs it at
// construction. The settings store implements it; without one, defaults apply.
#pragma once

#include <string_view>

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // The integer stored under section/key, or defaultValue when absent.
    virtual int profileInt(std::string_view section, std::string_view key,
                           int defaultValue) const = 0;
};
