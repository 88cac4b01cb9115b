// A test fixture that runs the attrava-cli executable in a private work
// folder, with the tool's own temporary folders under work/tmp, and collects
// its exit status and both output streams.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace cli_test {

namespace fs = std::filesystem;

inline const std::string kTool = ATTRAVA_PROGRAM_DIR "/attrava-cli";
inline const std::string kLorenz = ATTRAVA_SOURCE_DIR "/modellib/Lorenz.txt";

inline std::string readText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliToolTest : public ::testing::Test {
protected:
    struct Run {
        int status = -1;
        std::string out;
        std::string err;
    };

    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "attrava-cli-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        work = pattern;
        fs::create_directory(work / "tmp");
    }
    void TearDown() override { fs::remove_all(work); }

    // Runs the tool with `arguments` (shell words), after `environment`
    // assignments such as "ATTRAVA_CC=/bin/false".
    Run runTool(const std::string& arguments, const std::string& environment = "")
    {
        const std::string command = "TMPDIR='" + (work / "tmp").string() + "' " + environment +
                                    " '" + kTool + "' " + arguments + " >'" +
                                    (work / "out").string() + "' 2>'" + (work / "err").string() +
                                    "'";
        const int raw = std::system(command.c_str());
        Run run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = readText(work / "out");
        run.err = readText(work / "err");
        return run;
    }

    bool temporaryFoldersRemoved() const { return fs::is_empty(work / "tmp"); }

    fs::path work;
};

}  // namespace cli_test
