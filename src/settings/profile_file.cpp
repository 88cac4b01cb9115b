#include "settings/profile_file.h"

#include "models/file_replace.h"
#include "settings/profile_values.h"
#include "settings/whole_file.h"

#include <algorithm>
#include <utility>

std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder)
{
    return programFolder / kSettingsFileName;
}

ProfileFile::ProfileFile(std::filesystem::path path)
    : path_(std::move(path)), document_(readWholeFile(path_).value_or(std::string()))
{
}

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

bool ProfileFile::ignored(std::string_view section, std::string_view key) const
{
    return std::any_of(ignored_.begin(), ignored_.end(), [&](const auto& entry) {
        return sameName(entry.first, section) && sameName(entry.second, key);
    });
}

std::optional<std::string_view> ProfileFile::stored(std::string_view section,
                                                    std::string_view key) const
{
    if (ignored(section, key))
        return std::nullopt;
    return document_.value(section, key);
}

void ProfileFile::ignoreKey(std::string_view section, std::string_view key)
{
    if (!ignored(section, key))
        ignored_.emplace_back(section, key);
}

int ProfileFile::profileInt(std::string_view section, std::string_view key,
                            int defaultValue) const
{
    const auto text = stored(section, key);
    return text ? parseProfileInt(*text, defaultValue) : defaultValue;
}

std::string ProfileFile::profileString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    return std::string(stored(section, key).value_or(defaultValue));
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
    std::erase_if(ignored_, [&](const auto& entry) {
        return sameName(entry.first, section) && sameName(entry.second, key);
    });
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
