#include "settings/profile_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const char* const kSection = "EnvironmentData";

ProfileFile storeWith(const TempFolder& folder, const std::string& text)
{
    writeBytes(folder.ini(), text);
    return ProfileFile(folder.ini());
}

} // namespace

TEST(ProfileFile, IntegersReadTheirLeadingDigits)
{
    TempFolder folder;
    const ProfileFile store = storeWith(folder, "[EnvironmentData]\n"
                                                "a=12abc\nb=abc\nc=-7\nd=  42  \ne=\n"
                                                "f=99999999999\ng=-99999999999\nh=+5\n");
    EXPECT_EQ(store.profileInt(kSection, "a", 5), 12);
    EXPECT_EQ(store.profileInt(kSection, "b", 5), 5);
    EXPECT_EQ(store.profileInt(kSection, "c", 5), -7);
    EXPECT_EQ(store.profileInt(kSection, "d", 5), 42);
    EXPECT_EQ(store.profileInt(kSection, "e", 5), 5);
    EXPECT_EQ(store.profileInt(kSection, "f", 5), INT_MAX);
    EXPECT_EQ(store.profileInt(kSection, "g", 5), INT_MIN);
    EXPECT_EQ(store.profileInt(kSection, "h", 5), 5);
    EXPECT_EQ(store.profileInt(kSection, "missing", 5), 5);
}

TEST(ProfileFile, DecimalsConvertLikeTheCLibraryAndDefaultThroughTheirText)
{
    TempFolder folder;
    const ProfileFile store =
        storeWith(folder, "[EnvironmentData]\na=abc\nb=1.5x\nc= -2.25e1\nd=\n");
    EXPECT_EQ(store.profileDecimal(kSection, "a", 7.0), 0.0);
    EXPECT_EQ(store.profileDecimal(kSection, "b", 7.0), 1.5);
    EXPECT_EQ(store.profileDecimal(kSection, "c", 7.0), -22.5);
    EXPECT_EQ(store.profileDecimal(kSection, "d", 7.0), 0.0) << "present but empty is no number";
    EXPECT_EQ(store.profileDecimal(kSection, "missing", 0.1234567), 0.123457)
        << "the default passes through its six-decimal text";
}

TEST(ProfileFile, MissingFileGivesDefaultsAndIsCreatedOnlyBySaving)
{
    TempFolder folder;
    ProfileFile store(folder.ini());
    EXPECT_EQ(store.profileString("ProgramData", "model_list_path", "dflt"), "dflt");
    EXPECT_TRUE(store.save());
    EXPECT_FALSE(std::filesystem::exists(folder.ini())) << "nothing pending, nothing written";
    ASSERT_TRUE(store.setProfileInt("ProgramData", "displaymode", 2));
    EXPECT_EQ(store.profileInt("programdata", "DISPLAYMODE", 0), 2) << "pending writes read at once";
    ASSERT_TRUE(store.save());
    EXPECT_EQ(readBytes(folder.ini()), "[ProgramData]\ndisplaymode=2\n");
}

TEST(ProfileFile, SavingReplacesTheFileWholeAndLeavesNoTemporaryFile)
{
    TempFolder folder;
    ProfileFile store = storeWith(folder, "[Other]\nkeep=1\n");
    ::chmod(folder.ini().c_str(), 0640);
    ASSERT_TRUE(store.writeProfileInt(kSection, "Wall_Type_Num", 2));
    ASSERT_TRUE(store.writeProfileString(kSection, "Wall_Color_R", "0.250000"));
    EXPECT_EQ(readBytes(folder.ini()),
              "[Other]\nkeep=1\n\n[EnvironmentData]\nWall_Type_Num=2\nWall_Color_R=0.250000\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Attrava.ini"});
    struct stat st {};
    ASSERT_EQ(::stat(folder.ini().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(ProfileFile, SavingMergesWithWhatAnotherStoreSavedMeanwhile)
{
    TempFolder folder;
    ProfileFile first(folder.ini());
    ProfileFile second(folder.ini());
    ASSERT_TRUE(first.setProfileInt(kSection, "Wall_Type_Num", 2));
    ASSERT_TRUE(second.setProfileInt("ProgramData", "devicemode", 1));
    ASSERT_TRUE(first.save());
    ASSERT_TRUE(second.save());
    EXPECT_EQ(ProfileFile(folder.ini()).profileInt(kSection, "Wall_Type_Num", 0), 2);
    EXPECT_EQ(second.profileInt(kSection, "Wall_Type_Num", 0), 2) << "a save refreshes the store";
}

TEST(ProfileFile, AWriteFailingHalfwayLeavesTheOldFileAndKeepsTheWritesPending)
{
    TempFolder folder;
    const std::string old = "[EnvironmentData]\nWall_Type_Num=1\n";
    ProfileFile store = storeWith(folder, old);
    ASSERT_TRUE(store.setProfileString(kSection, "Padding", std::string(4096, 'p')));

    // A file size limit below the new content makes the write fail midway,
    // as a full disk would.
    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved_ok = store.save();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(readBytes(folder.ini()), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Attrava.ini"});
    ASSERT_TRUE(store.save()) << "the pending writes are saved once writing works again";
    EXPECT_EQ(ProfileFile(folder.ini()).profileString(kSection, "Padding", "").size(), 4096u);
}

TEST(ProfileFile, AFileThatCannotBeReadOrAMissingFolderIsNeverOverwritten)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.ini());
    ProfileFile unreadable(folder.ini());
    ASSERT_TRUE(unreadable.setProfileInt(kSection, "Wall_Type_Num", 2));
    EXPECT_FALSE(unreadable.save());
    EXPECT_TRUE(std::filesystem::is_directory(folder.ini()));

    ProfileFile nowhere(folder.path() / "no-such-folder" / "Attrava.ini");
    ASSERT_TRUE(nowhere.setProfileInt(kSection, "Wall_Type_Num", 2));
    EXPECT_FALSE(nowhere.save());
    EXPECT_EQ(nowhere.profileInt(kSection, "Wall_Type_Num", 0), 2);
}

TEST(ProfileFile, EveryTruncationOfASavedFileReadsItsCompleteLines)
{
    TempFolder folder;
    const std::string full = "[ProgramData]\r\ndisplaymode=1\r\nmodel_list_path=.\\model\\x.c\r\n"
                             "[EnvironmentData]\r\nWall_Color_R=0.250000\r\nWall_Type_Num=2\r\n";
    const std::pair<const char*, const char*> keys[] = {
        {"ProgramData", "displaymode"}, {"ProgramData", "model_list_path"},
        {"EnvironmentData", "Wall_Color_R"}, {"EnvironmentData", "Wall_Type_Num"}};
    for (std::size_t cut = 0; cut <= full.size(); ++cut) {
        const std::string prefix = full.substr(0, cut);
        const ProfileFile store = storeWith(folder, prefix);
        for (const auto& [section, key] : keys) {
            const std::string line = std::string(key) + "=";
            const std::size_t at = full.find(line);
            const std::size_t end = full.find("\r\n", at);
            const std::string value = full.substr(at + line.size(), end - at - line.size());
            const std::string got = store.profileString(section, key, "<absent>");
            if (end + 2 <= cut)
                EXPECT_EQ(got, value) << "cut " << cut;
            else
                EXPECT_TRUE(got == "<absent>" || value.starts_with(got)) << "cut " << cut << ": " << got;
        }
    }
}
