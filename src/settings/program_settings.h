// The program-wide settings of section "ProgramData": display mode, input
// device, model list source path and the two stereo parameters. The view reads
// them when its window is created and writes them back at the end of the
// program; in between they live in the view and the document.
#pragma once

#include "settings/value_check.h"

#include <string>
#include <vector>

class ProfileFile;

inline constexpr const char* kProgramSection = "ProgramData";

// The main frame's display modes; "displaymode" holds their numbers.
enum class DisplayMode {
    Normal = 0,
    UpDown = 1,    // CrystalEyes shutter glasses
    LeftRight = 2, // head-mounted display
};

// The input devices of the device menu; "devicemode" holds their numbers.
enum class InputDevice { Mouse = 0, Phantom = 1, Spidar = 2 };

// The mode or device a stored number names; a number that names none gives
// the normal display or the mouse, so a damaged file still starts a usable
// program.
DisplayMode displayModeFromCode(int code);
InputDevice inputDeviceFromCode(int code);

// The stored numbers of section "ProgramData" with the values the program can use.
std::vector<StoredNumber> programNumbers();

struct ProgramSettings {
    DisplayMode displayMode = DisplayMode::Normal; // "displaymode"
    InputDevice deviceMode = InputDevice::Mouse;   // "devicemode"
    // "model_list_path", kept exactly as given; ".\" at its start means the
    // program folder.
    std::string modelListPath = ".\\model\\Eqnbank.c";
    double crystalGap = 16.0; // "displaycrystalview": pixels between the up/down halves
    double eyeOffset = 0.03;  // "displaycrystaloffset": half the eye separation

    // Reads the five keys; absent ones give the defaults above, as do numbers
    // that name no display mode or device.
    void read(const ProfileFile& store);
    // Writes the five keys and saves the file. False when a key could not be
    // stored (a line break in the path) or the file could not be written; the
    // file on disk is then unchanged.
    bool write(ProfileFile& store) const;
};
