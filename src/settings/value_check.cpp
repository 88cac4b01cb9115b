#include "settings/value_check.h"

#include "settings/environment_settings.h"
#include "settings/profile_file.h"
#include "settings/program_settings.h"

#include <charconv>
#include <cmath>

bool usableValue(std::string_view text, AcceptedRange range)
{
    double value = 0.0;
    if (range.integer) {
        long long parsed = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
            return false;
        value = static_cast<double>(parsed);
    } else {
        const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
            !std::isfinite(value))
            return false;
    }
    return value >= range.low && value <= range.high;
}

void ignoreUnusableValues(ProfileFile& store, std::string_view section,
                          const std::vector<StoredNumber>& numbers,
                          std::vector<std::string>& ignoredKeys)
{
    // A value that is absent reads as this marker, which no range accepts.
    constexpr std::string_view kAbsent = "\n";
    for (const StoredNumber& number : numbers) {
        const std::string text = store.profileString(section, number.key, kAbsent);
        if (text == kAbsent || usableValue(text, number.range))
            continue;
        store.ignoreKey(section, number.key);
        ignoredKeys.push_back(std::string(section) + "/" + number.key);
    }
}

std::vector<std::string> ignoreUnusableSettings(ProfileFile& store)
{
    std::vector<std::string> ignored;
    ignoreUnusableValues(store, kEnvironmentSection, environmentNumbers(), ignored);
    ignoreUnusableValues(store, kProgramSection, programNumbers(), ignored);
    return ignored;
}
