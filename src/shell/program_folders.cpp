#include "shell/program_folders.h"

#include "models/user_folders.h"
#include "settings/profile_file.h"

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The shipped list, relative to the folder that holds it.
constexpr const char* kShippedList = "model/Eqnbank.c";

}  // namespace

ProgramFolders ProgramFolders::inOne(const std::string& folder)
{
    return {folder, folder, settingsFilePath(folder)};
}

ProgramFolders chooseProgramFolders(const std::string& installFolder, bool installFolderWritable)
{
    if (installFolderWritable)
        return ProgramFolders::inOne(installFolder);
    const std::string config = attravaUserFolder("XDG_CONFIG_HOME", ".config");
    return {installFolder, attravaUserFolder("XDG_DATA_HOME", ".local/share"),
            config.empty() ? fs::path() : settingsFilePath(config)};
}

bool isWritableFolder(const std::string& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string prepareWorkFolder(const ProgramFolders& folders)
{
    if (folders.workFolder == folders.installFolder)
        return {};
    if (folders.workFolder.empty() || folders.settingsFile.empty())
        return "no home folder to keep the settings and the model list in";
    std::error_code error;
    fs::create_directories(folders.settingsFile.parent_path(), error);
    if (!error)
        fs::create_directories(folders.workFolder, error);
    if (error)
        return "cannot create " + folders.workFolder + ": " + error.message();
    if (fs::exists(folders.workFolder + kShippedList, error))
        return {};
    // The model list comes last and whole (copied aside, then renamed into
    // place): once it is there, so is everything else, and an interrupted
    // first start is simply done again.
    const fs::path from(folders.installFolder);
    const fs::path to(folders.workFolder);
    fs::copy(from / "data", to / "data", fs::copy_options::recursive | fs::copy_options::overwrite_existing,
             error);
    if (!error)
        fs::copy_file(from / "Eqnbank.so", to / "Eqnbank.so", fs::copy_options::overwrite_existing,
                      error);
    const fs::path partial = to / "model.partial";
    if (!error)
        fs::remove_all(partial, error);
    if (!error)
        fs::copy(from / "model", partial, fs::copy_options::recursive, error);
    if (!error)
        fs::rename(partial, to / "model", error);
    return error ? "cannot copy the shipped models and data from " + from.string() + " to " +
                       to.string() + ": " + error.message()
                 : std::string();
}
