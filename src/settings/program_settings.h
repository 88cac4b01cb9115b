// The program-wide settings of section "ProgramData": display mode, input
// device, model list source path and the two stereo parameters. The view reads
// them when its window is created and writes them back at the end of the
// program; in between they live in the view and the document.
#pragma once

#include <string>

class ProfileFile;

inline constexpr const char* kProgramSection = "ProgramData";

struct ProgramSettings {
    int displayMode = 0;  // "displaymode": 0 normal, 1 up/down split, 2 left/right split
    int deviceMode = 0;   // "devicemode": the input device of the device menu
    // "model_list_path", kept exactly as given; ".\" at its start means the
    // program folder.
    std::string modelListPath = ".\\model\\Eqnbank.c";
    double crystalGap = 16.0; // "displaycrystalview": pixels between the up/down halves
    double eyeOffset = 0.03;  // "displaycrystaloffset": half the eye separation

    // Reads the five keys; absent ones give the defaults above.
    void read(const ProfileFile& store);
    // Writes the five keys and saves the file. False when a key could not be
    // stored (a line break in the path) or the file could not be written; the
    // file on disk is then unchanged.
    bool write(ProfileFile& store) const;
};
