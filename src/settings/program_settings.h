// The program-wide settings of section "ProgramData": display mode, input
// device, model list source path, the two stereo parameters and the language
// of the program's texts. The view reads
// them when its window is created and writes them back at the end of the
// program; in between they live in the view and the document.
#pragma once

#include "settings/value_check.h"

#include <optional>
#include <string>
#include <string_view>
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

// The language of the program's texts; "language" holds "ja" or "en".
enum class InterfaceLanguage { Japanese, English };

// The language a code ("ja", "en") names, if any, and the code of one.
std::optional<InterfaceLanguage> languageFromCode(std::string_view code);
const char* languageCode(InterfaceLanguage language);

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
    InterfaceLanguage language = InterfaceLanguage::Japanese; // "language"

    // Reads the six keys; absent ones give the defaults above, as do numbers
    // that name no display mode or device and codes that name no language.
    void read(const ProfileFile& store);
    // Writes the six keys and saves the file. False when a key could not be
    // stored (a line break in the path) or the file could not be written; the
    // file on disk is then unchanged.
    bool write(ProfileFile& store) const;
};
