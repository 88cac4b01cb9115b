#include "settings/program_settings.h"

#include "settings/profile_file.h"

void ProgramSettings::read(const ProfileFile& store)
{
    const ProgramSettings defaults;
    displayMode = store.profileInt(kProgramSection, "displaymode", defaults.displayMode);
    deviceMode = store.profileInt(kProgramSection, "devicemode", defaults.deviceMode);
    modelListPath = store.profileString(kProgramSection, "model_list_path", defaults.modelListPath);
    crystalGap = store.profileDecimal(kProgramSection, "displaycrystalview", defaults.crystalGap);
    eyeOffset = store.profileDecimal(kProgramSection, "displaycrystaloffset", defaults.eyeOffset);
}

bool ProgramSettings::write(ProfileFile& store) const
{
    bool stored = store.setProfileInt(kProgramSection, "displaymode", displayMode);
    stored = store.setProfileInt(kProgramSection, "devicemode", deviceMode) && stored;
    stored = store.setProfileString(kProgramSection, "model_list_path", modelListPath) && stored;
    stored = store.setProfileDecimal(kProgramSection, "displaycrystalview", crystalGap) && stored;
    stored = store.setProfileDecimal(kProgramSection, "displaycrystaloffset", eyeOffset) && stored;
    return store.save() && stored;
}
