// The program's settings file "Attrava.ini" with the profile functions: read
// an integer, a string or a decimal of a section/key with a default, and
// write one. The file is read once when the store is made; writes change the
// store at once and reach the disk at save(), so saving a record of sixty keys
// rewrites the file once. Saving merges the pending writes into the file as it
// is on disk at that moment and replaces it atomically, so other content of the
// file, and keys written meanwhile through another store on the same file, are
// kept. The profile-write calls that save at once are there too.
#pragma once

#include "models/settings_source.h"
#include "settings/ini_document.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr const char* kSettingsFileName = "Attrava.ini";

// The settings file of a program installed in programFolder.
std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder);

class ProfileFile : public SettingsSource {
public:
    // Reads the file now. A missing or unreadable file reads as empty, so
    // every key gives its default.
    explicit ProfileFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }

    // The leading digits of the stored text with an optional '-' ("12abc" is
    // 12); defaultValue when the key is absent or its text has no digits.
    int profileInt(std::string_view section, std::string_view key,
                   int defaultValue) const override;
    // The stored text without surrounding blanks; defaultValue when absent.
    std::string profileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const;
    // The stored text converted like strtod (0.0 when it is not a number);
    // when absent, defaultValue as written with "%lf" and read back.
    double profileDecimal(std::string_view section, std::string_view key,
                          double defaultValue) const;

    // Pending writes, seen by the readers at once. False, changing nothing,
    // when the value cannot be stored as one line (a line break or NUL in it)
    // or the names are not valid section or key names.
    bool setProfileString(std::string_view section, std::string_view key,
                          std::string_view value);
    bool setProfileInt(std::string_view section, std::string_view key, int value);
    bool setProfileDecimal(std::string_view section, std::string_view key, double value);

    // Writes the pending writes to the file. False when the file could not be
    // read or replaced; the file on disk is then as it was and the writes stay
    // pending for the next save. True at once when nothing is pending.
    bool save();

    // Makes the readers give their defaults for section/key, as if the key
    // were absent, until it is set again (a stored value the program cannot use).
    void ignoreKey(std::string_view section, std::string_view key);

    // One write saved at once, like the platform's profile-write function.
    bool writeProfileString(std::string_view section, std::string_view key,
                            std::string_view value);
    bool writeProfileInt(std::string_view section, std::string_view key, int value);

private:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
    };

    // The stored text of section/key, or nothing when absent or ignored.
    std::optional<std::string_view> stored(std::string_view section, std::string_view key) const;
    bool ignored(std::string_view section, std::string_view key) const;

    std::filesystem::path path_;
    IniDocument document_;
    std::vector<std::pair<std::string, std::string>> ignored_;
    std::vector<Write> pending_;
};
