// Checking the numbers stored in the settings file before the program uses
// them. A file from another machine or a damaged one may hold text that is no
// number, NaN, infinities or values far outside what a setting can be; such a
// key is ignored, so the program starts with its default, and the caller tells
// the user once which keys were ignored.
#pragma once

#include <climits>
#include <string>
#include <string_view>
#include <vector>

class ProfileFile;

// The values a stored number may take.
struct AcceptedRange {
    double low = INT_MIN;
    double high = INT_MAX;
    bool integer = true;
};

// Whether text is a whole number (an integer range: an optional '-' and
// digits) or a finite decimal, within range.
bool usableValue(std::string_view text, AcceptedRange range);

// One stored number of a section and its range.
struct StoredNumber {
    std::string key;
    AcceptedRange range;
};

// Ignores in store every key of section that is present with a value not
// usable for its range, and adds "section/key" of each to ignoredKeys.
void ignoreUnusableValues(ProfileFile& store, std::string_view section,
                          const std::vector<StoredNumber>& numbers,
                          std::vector<std::string>& ignoredKeys);

// Every stored number of the program (the environment section and the
// program section) checked as above. Returns the ignored keys in file order
// of their sections, empty when all values are usable.
std::vector<std::string> ignoreUnusableSettings(ProfileFile& store);
