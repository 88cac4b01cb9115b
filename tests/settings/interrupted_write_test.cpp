// A writer killed (SIGKILL) at random moments while it replaces the model
// list, a model file or the settings file never leaves a damaged file: after
// each kill the file is one of its two versions, whole. A temporary file the
// kill left behind is removed by the next write in the folder.
#include "interrupted_writer.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kKills = 200;

// Makes new temporary folders go to folder while it exists as one.
class ScopedTemporaryDirectory {
public:
    explicit ScopedTemporaryDirectory(const char* folder)
    {
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        std::error_code ec;
        if (std::filesystem::is_directory(folder, ec))
            ::setenv("TMPDIR", folder, 1);
    }
    ~ScopedTemporaryDirectory()
    {
        if (old_)
            ::setenv("TMPDIR", old_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> old_;
};

// Starts the writer, waits until it has started, lets it run for delay
// microseconds and kills it.
void runAndKill(const char* kind, const std::filesystem::path& folder, unsigned delay)
{
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execl(ATTRAVA_INTERRUPTED_WRITER, ATTRAVA_INTERRUPTED_WRITER, kind, folder.c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    char started = 0;
    const bool ran = ::read(pipeFds[0], &started, 1) == 1;
    ::close(pipeFds[0]);
    ::usleep(delay);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(ran) << "the writer did not start";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself with status " << status;
}

int temporaryFiles(const TempFolder& folder)
{
    int count = 0;
    for (const std::string& name : folder.entries())
        count += name.ends_with(".tmp");
    return count;
}

void killWhileWriting(WrittenFile kind, const char* kindName)
{
    // On a memory file system where there is one: flushing to a disk would
    // make the test slow, and what a kill can leave does not depend on it.
    const ScopedTemporaryDirectory memory("/dev/shm");
    TempFolder folder;
    const std::filesystem::path file = writtenFilePath(kind, folder.path());
    std::string versions[2];
    for (int version : {1, 0}) {
        ASSERT_TRUE(writeVersion(kind, folder.path(), version));
        versions[version] = comparableText(kind, readBytes(file));
    }
    ASSERT_NE(versions[0], versions[1]);

    std::mt19937 random(15);
    // A list rewrite checks that every block compiles before it writes, so
    // its writes come tens of milliseconds apart.
    std::uniform_int_distribution<unsigned> delay(0, kind == WrittenFile::ModelList ? 120000 : 10000);
    int leftBehind = 0;
    int newVersionSeen = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        runAndKill(kindName, folder.path(), delay(random));
        const std::string found = comparableText(kind, readBytes(file));
        ASSERT_TRUE(found == versions[0] || found == versions[1])
            << "kill " << kill << " left a damaged file of " << found.size() << " bytes";
        newVersionSeen += found == versions[1];
        leftBehind += temporaryFiles(folder);

        // The next start writes the file again and clears what the kill left.
        ASSERT_TRUE(writeVersion(kind, folder.path(), 0));
        ASSERT_EQ(temporaryFiles(folder), 0) << "after kill " << kill;
    }
    // Both outcomes occurred, so the kills did land before and after renames.
    EXPECT_GT(newVersionSeen, 0);
    EXPECT_LT(newVersionSeen, kKills);
    ::testing::Test::RecordProperty("temporary_files_left_by_kills", leftBehind);
}

}  // namespace

TEST(InterruptedWrite, ModelListIsOldOrNewAfterEveryKill)
{
    killWhileWriting(WrittenFile::ModelList, "list");
}

TEST(InterruptedWrite, ModelFileIsOldOrNewAfterEveryKill)
{
    killWhileWriting(WrittenFile::ModelFile, "model");
}

TEST(InterruptedWrite, SettingsFileIsOldOrNewAfterEveryKill)
{
    killWhileWriting(WrittenFile::Settings, "settings");
}
