// What the program checks in its settings before it starts: values in the
// settings file it cannot use (ignored, so their defaults apply) and a
// configured model list that does not exist (replaced by the shipped list
// when there is one). Each check gives the text it tells the user, once.
#pragma once

#include <string>
#include <vector>

class ProfileFile;

// Ignores the unusable values of store; the message naming them, or empty
// when every value is usable.
std::string ignoreDamagedSettings(ProfileFile& store);

// When listPath (relative ones taken from programFolder) names no file and
// the shipped list exists, listPath becomes the shipped list's path and the
// message saying so is returned; otherwise an empty text.
std::string replaceMissingModelList(const std::string& programFolder, std::string& listPath);
