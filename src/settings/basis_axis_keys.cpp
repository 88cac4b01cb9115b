#include "settings/basis_axis_keys.h"

#include "settings/environment_settings.h"
#include "settings/profile_file.h"

void BasisAxisKeys::load(const SettingsSource& store)
{
    Basis_Axis_Mode = store.profileInt(kEnvironmentSection, "Basis_Axis_Mode", 0);
    Color_Axis_Number = store.profileInt(kEnvironmentSection, "Color_Axis_Number", 0);
}

bool BasisAxisKeys::save(ProfileFile& store) const
{
    store.setProfileInt(kEnvironmentSection, "Basis_Axis_Mode", Basis_Axis_Mode);
    store.setProfileInt(kEnvironmentSection, "Color_Axis_Number", Color_Axis_Number);
    return store.save();
}
