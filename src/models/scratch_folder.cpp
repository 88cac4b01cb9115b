#include "models/scratch_folder.h"

#include "models/file_replace.h"

#include <filesystem>
#include <stdlib.h>

namespace fs = std::filesystem;

ScratchFolder::~ScratchFolder() { remove(); }

bool ScratchFolder::create(std::string_view prefix)
{
    remove();
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / (std::string(prefix) + "XXXXXX")).string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr)
        return false;
    path_ = pattern + "/";
    markScratchFolder(path_);
    return true;
}

void ScratchFolder::remove()
{
    if (path_.empty())
        return;
    std::error_code ec;
    fs::remove_all(path_, ec);
    unmarkScratchFolder(path_);
    path_.clear();
}
