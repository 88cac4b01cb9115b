// Where the program keeps its files: everything in a writable program
// folder; the user's XDG folders for a read-only install, filled by the
// first start with the shipped list, models, data and library, and left as
// the user changed them at every later start.
#include "shell/program_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class ProgramFoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "attrava-folders-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        install = root.string() + "/install/";
        fs::create_directories(install + "model");
        fs::create_directories(install + "data");
        std::ofstream(install + "model/Eqnbank.c") << "// shipped list\n";
        std::ofstream(install + "model/Lorenz.txt") << "Dimension = 3\n";
        std::ofstream(install + "data/sunspots.txt") << "1700 5\n";
        std::ofstream(install + "Eqnbank.so") << "library";
        ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_DATA_HOME");
        fs::remove_all(root);
    }

    fs::path root;
    std::string install;
};

TEST_F(ProgramFoldersTest, AWritableProgramFolderHoldsEverything)
{
    const ProgramFolders folders = chooseProgramFolders(install, true);
    EXPECT_EQ(folders.workFolder, install);
    EXPECT_EQ(folders.settingsFile, fs::path(install) / "Attrava.ini");
    EXPECT_EQ(prepareWorkFolder(folders), "");
    EXPECT_FALSE(fs::exists(root / "data"));
}

TEST_F(ProgramFoldersTest, AReadOnlyInstallUsesTheUserFoldersFilledAtTheFirstStart)
{
    const ProgramFolders folders = chooseProgramFolders(install, false);
    EXPECT_EQ(folders.installFolder, install);
    EXPECT_EQ(folders.settingsFile, root / "config/attrava/Attrava.ini");
    const fs::path work = root / "data/attrava";
    EXPECT_EQ(fs::path(folders.workFolder), work / "");

    ASSERT_EQ(prepareWorkFolder(folders), "");
    EXPECT_TRUE(fs::is_directory(root / "config/attrava"));
    for (const char* file : {"model/Eqnbank.c", "model/Lorenz.txt", "data/sunspots.txt", "Eqnbank.so"})
        EXPECT_TRUE(fs::exists(work / file)) << file;
    EXPECT_FALSE(fs::exists(work / "model.partial"));

    // Later starts keep the user's own list and models.
    std::ofstream(work / "model/Eqnbank.c") << "// the user's list\n";
    fs::remove(work / "model/Lorenz.txt");
    ASSERT_EQ(prepareWorkFolder(folders), "");
    std::ifstream list(work / "model/Eqnbank.c");
    std::string first;
    std::getline(list, first);
    EXPECT_EQ(first, "// the user's list");
    EXPECT_FALSE(fs::exists(work / "model/Lorenz.txt"));
}

TEST_F(ProgramFoldersTest, AFirstStartCutShortIsDoneAgain)
{
    const ProgramFolders folders = chooseProgramFolders(install, false);
    // A copy that stopped half-way left a partial model folder and no list.
    fs::create_directories(fs::path(folders.workFolder) / "model.partial");
    std::ofstream(fs::path(folders.workFolder) / "model.partial/Lorenz.txt") << "half";
    ASSERT_EQ(prepareWorkFolder(folders), "");
    EXPECT_TRUE(fs::exists(fs::path(folders.workFolder) / "model/Eqnbank.c"));
    EXPECT_TRUE(fs::exists(fs::path(folders.workFolder) / "model/Lorenz.txt"));
}

TEST_F(ProgramFoldersTest, WithoutAHomeNothingIsWrittenAndTheProgramSaysWhy)
{
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const std::string saved = home ? home : "";
    ::unsetenv("HOME");
    const ProgramFolders folders = chooseProgramFolders(install, false);
    const std::string why = prepareWorkFolder(folders);
    if (!saved.empty())
        ::setenv("HOME", saved.c_str(), 1);
    EXPECT_FALSE(why.empty());
}

}  // namespace
