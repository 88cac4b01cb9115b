#include "models/user_folders.h"

#include <cstdlib>

std::string attravaUserFolder(const char* variable, const char* belowHome)
{
    const char* base = std::getenv(variable);
    if (base != nullptr && *base == '/')
        return std::string(base) + "/attrava/";
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/')
        return std::string(home) + "/" + belowHome + "/attrava/";
    return {};
}
