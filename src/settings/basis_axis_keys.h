// The two keys of section "EnvironmentData" that belong to the model record:
// how the display axes are arranged for models of more than three variables,
// and which state component is shown as colour. The model record reads them
// itself when it is built (through SettingsSource); the environment property
// sheet reads and writes them here, next to the environment record.
#pragma once

class ProfileFile;
class SettingsSource;

struct BasisAxisKeys {
    int Basis_Axis_Mode = 0;   // 0..3
    int Color_Axis_Number = 0; // 0..3

    // Absent keys give 0.
    void load(const SettingsSource& store);
    // Writes both keys and saves the file; false when it could not be written.
    bool save(ProfileFile& store) const;
};
