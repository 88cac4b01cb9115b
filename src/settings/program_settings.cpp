#include "settings/program_settings.h"

#include "settings/profile_file.h"

DisplayMode displayModeFromCode(int code)
{
    switch (code) {
    case static_cast<int>(DisplayMode::UpDown):
        return DisplayMode::UpDown;
    case static_cast<int>(DisplayMode::LeftRight):
        return DisplayMode::LeftRight;
    default:
        return DisplayMode::Normal;
    }
}

InputDevice inputDeviceFromCode(int code)
{
    switch (code) {
    case static_cast<int>(InputDevice::Phantom):
        return InputDevice::Phantom;
    case static_cast<int>(InputDevice::Spidar):
        return InputDevice::Spidar;
    default:
        return InputDevice::Mouse;
    }
}

std::optional<InterfaceLanguage> languageFromCode(std::string_view code)
{
    if (code == "ja")
        return InterfaceLanguage::Japanese;
    if (code == "en")
        return InterfaceLanguage::English;
    return std::nullopt;
}

const char* languageCode(InterfaceLanguage language)
{
    return language == InterfaceLanguage::English ? "en" : "ja";
}

std::vector<StoredNumber> programNumbers()
{
    return {
        {"displaymode", {0, 2, true}},
        {"devicemode", {0, 2, true}},
        {"displaycrystalview", {0.0, 10000.0, false}},
        {"displaycrystaloffset", {-1000.0, 1000.0, false}},
    };
}

void ProgramSettings::read(const ProfileFile& store)
{
    const ProgramSettings defaults;
    displayMode = displayModeFromCode(
        store.profileInt(kProgramSection, "displaymode", static_cast<int>(defaults.displayMode)));
    deviceMode = inputDeviceFromCode(
        store.profileInt(kProgramSection, "devicemode", static_cast<int>(defaults.deviceMode)));
    modelListPath = store.profileString(kProgramSection, "model_list_path", defaults.modelListPath);
    crystalGap = store.profileDecimal(kProgramSection, "displaycrystalview", defaults.crystalGap);
    eyeOffset = store.profileDecimal(kProgramSection, "displaycrystaloffset", defaults.eyeOffset);
    language = languageFromCode(
                   store.profileString(kProgramSection, "language", languageCode(defaults.language)))
                   .value_or(defaults.language);
}

bool ProgramSettings::write(ProfileFile& store) const
{
    bool stored =
        store.setProfileInt(kProgramSection, "displaymode", static_cast<int>(displayMode));
    stored =
        store.setProfileInt(kProgramSection, "devicemode", static_cast<int>(deviceMode)) && stored;
    stored = store.setProfileString(kProgramSection, "model_list_path", modelListPath) && stored;
    stored = store.setProfileDecimal(kProgramSection, "displaycrystalview", crystalGap) && stored;
    stored = store.setProfileDecimal(kProgramSection, "displaycrystaloffset", eyeOffset) && stored;
    stored = store.setProfileString(kProgramSection, "language", languageCode(language)) && stored;
    return store.save() && stored;
}
