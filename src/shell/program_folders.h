// Where the program keeps what it writes. A program folder the user may write
// to (a build, an install of one's own) holds everything, as it always has:
// "Attrava.ini", the model list and its compiled library, and the captures.
// An install shared by all users is read-only; then the settings go to
// $XDG_CONFIG_HOME/attrava/Attrava.ini, and the model list, the models, the
// compiled library, the data files and the captures to $XDG_DATA_HOME/attrava,
// which the first start fills with copies of the shipped list, models, data
// and library. The install folder keeps what the program only reads: its
// README and translations.
#pragma once

#include <filesystem>
#include <string>

struct ProgramFolders {
    std::string installFolder;          // the executable's folder, ending with '/'
    std::string workFolder;             // list, library, data and captures, ending with '/'
    std::filesystem::path settingsFile; // "Attrava.ini"

    // Everything in one folder.
    static ProgramFolders inOne(const std::string& folder);
};

// The folders for a program installed in installFolder: that folder itself
// when it is writable, else the user's folders (empty folders when the
// environment names no home).
ProgramFolders chooseProgramFolders(const std::string& installFolder, bool installFolderWritable);

// Whether the current user may create files in folder.
bool isWritableFolder(const std::string& folder);

// Creates the work folder and the settings file's folder when they are apart
// from the install folder, and, unless the work folder holds a model list
// already, copies the shipped model/ and data/ folders and the shipped model
// library into it. Returns what failed, or an empty text.
std::string prepareWorkFolder(const ProgramFolders& folders);
