#include "models/file_replace.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

struct stat statOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info;
}

// Runs body where the folder cannot be written but files in it can: the
// folder is made read-only, and a root test process (which permission checks
// do not bind) runs body in a child that has given up root. Returns body's
// result (0 for success).
int withUnwritableFolder(const std::string& folder, const std::function<int()>& body)
{
    ::chmod(folder.c_str(), 0555);
    int result = 0;
    if (::geteuid() != 0) {
        result = body();
    } else if (const pid_t child = ::fork(); child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(100);
        ::_exit(body());
    } else {
        int status = 0;
        ::waitpid(child, &status, 0);
        result = WIFEXITED(status) ? WEXITSTATUS(status) : 101;
    }
    ::chmod(folder.c_str(), 0755);
    return result;
}

TEST(FileReplace, ReplacedFileKeepsItsModeAndOwner)
{
    TempFolder folder;
    const std::string path = folder.file("Model.txt");
    writeText(path, "old");
    ::chmod(path.c_str(), 0640);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }

    ASSERT_TRUE(replaceFileContents(path, "new"));
    EXPECT_EQ(readText(path), "new");
    const struct stat info = statOf(path);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, kNobody);
        EXPECT_EQ(info.st_gid, kNobody);
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Model.txt"});
}

TEST(FileReplace, NamesAtTheLengthLimitCanBeWritten)
{
    TempFolder folder;
    const std::string name = std::string(251, 'm') + ".txt";
    ASSERT_TRUE(replaceFileContents(folder.file(name), "first"));
    ASSERT_TRUE(replaceFileContents(folder.file(name), "second"));
    EXPECT_EQ(readText(folder.file(name)), "second");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{name});
}

TEST(FileReplace, WritableFileInAnUnwritableFolderIsRewrittenInPlace)
{
    TempFolder folder;
    const std::string path = folder.file("Eqnbank.c");
    const std::string longer = "a longer text than the first one\n";
    writeText(path, longer);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }

    const int result = withUnwritableFolder(folder.path(), [&] {
        if (!replaceFileContents(path, "short\n"))
            return 1;
        if (readText(path) != "short\n")
            return 2;
        // A write that fails half way puts the previous text back.
        const FileSizeLimit limit(10);
        if (replaceFileContents(path, longer))
            return 3;
        return readText(path) == "short\n" ? 0 : 4;
    });
    EXPECT_EQ(result, 0) << "1: refused, 2: wrong text, 3: grew past the limit, 4: not restored";
    EXPECT_EQ(readText(path), "short\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Eqnbank.c"});
    EXPECT_EQ(withUnwritableFolder(folder.path(), [&] {
        return replaceFileContents(folder.file("New.c"), "text") ? 0 : 1;
    }), 1) << "a new file needs a writable folder";
}

}  // namespace
