// The user's own folders after the XDG base-directory rules: the variable
// (XDG_CACHE_HOME, XDG_CONFIG_HOME, XDG_DATA_HOME) when it holds an absolute
// path, else the folder below $HOME that the rules name for it.
#pragma once

#include <string>

// "<base>/attrava/" for the base folder of `variable`, or `belowHome` (such
// as ".cache") below $HOME; empty when neither gives an absolute path.
std::string attravaUserFolder(const char* variable, const char* belowHome);
