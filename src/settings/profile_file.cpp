#include "settings/profile_file.h"

#include "models/file_replace.h"
#include "settings/profile_values.h"
#include "settings/whole_file.h"

#include <utility>

std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder)
{
    return programFolder / kSettingsFileName;
}

ProfileFile::ProfileFile(std::filesystem::path path)
    : path_(std::move(path)), document_(readWholeFile(path_).value_or(std::string()))
{
}

int ProfileFile::profileInt(std::string_view section, std::string_view key,
                            int defaultValue) const
{
    const auto text = document_.value(section, key);
    return text ? parseProfileInt(*text, defaultValue) : defaultValue;
}

std::string ProfileFile::profileString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    return std::string(document_.value(section, key).value_or(defaultValue));
}

double ProfileFile::profileDecimal(std::string_view section, std::string_view key,
                                   double defaultValue) const
{
    return parseDecimal(profileString(section, key, formatDecimal(defaultValue)));
}

bool ProfileFile::setProfileString(std::string_view section, std::string_view key,
                                   std::string_view value)
{
    if (!document_.set(section, key, value))
        return false;
    pending_.push_back({std::string(section), std::string(key), std::string(value)});
    return true;
}

bool ProfileFile::setProfileInt(std::string_view section, std::string_view key, int value)
{
    return setProfileString(section, key, std::to_string(value));
}

bool ProfileFile::setProfileDecimal(std::string_view section, std::string_view key,
                                    double value)
{
    return setProfileString(section, key, formatDecimal(value));
}

bool ProfileFile::save()
{
    if (pending_.empty())
        return true;
    const std::optional<std::string> onDisk = readWholeFile(path_);
    if (!onDisk)
        return false;
    IniDocument merged(*onDisk);
    for (const Write& write : pending_)
        merged.set(write.section, write.key, write.value);
    if (!replaceFileContents(path_.string(), merged.text()))
        return false;
    document_ = std::move(merged);
    pending_.clear();
    return true;
}

bool ProfileFile::writeProfileString(std::string_view section, std::string_view key,
                                     std::string_view value)
{
    return setProfileString(section, key, value) && save();
}

bool ProfileFile::writeProfileInt(std::string_view section, std::string_view key, int value)
{
    return setProfileInt(section, key, value) && save();
}
