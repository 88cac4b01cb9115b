// The tool's help and exit statuses: the command list, each command's help
// with its option descriptions, and the statuses of help, a missing command
// and an unknown one; and the user guide's chapter on the tool, which must
// name every option each command's help lists and no option it lacks.
#include "cli/cli_tool_test.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using namespace cli_test;

namespace {

class ToolHelp : public CliToolTest {};

TEST_F(ToolHelp, ListsTheCommandsAndTheirOptions)
{
    Run run = runTool("--help");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* command : {"orbit", "lyapunov", "response", "reconstruct", "recurrence"})
        EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;

    run = runTool("recurrence --help");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* line : {"--points N", "number of sampling points (1 to 10000000)",
                             "--dim M", "reconstruction dimension, 1 to 10 (required)",
                             "--out FILE.ppm", "Series options:",
                             "Model options override the model file's values:"})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << " in\n" << run.out;
    EXPECT_TRUE(run.err.empty()) << run.err;

    run = runTool("");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("orbit"), std::string::npos) << "the usage goes to standard error";

    run = runTool("--version");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("unknown command \"--version\""), std::string::npos) << run.err;
}

// The long option names ("--points") a text mentions, without "--help".
std::set<std::string> optionNames(const std::string& text)
{
    static const std::regex option("--[a-z][a-z0-9-]*");
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it)
        names.insert(it->str());
    names.erase("--help");
    return names;
}

// The command names the tool's help lists under "Commands:".
std::vector<std::string> commandNames(const std::string& help)
{
    static const std::regex line("\n  ([a-z][a-z-]*) ");
    const std::string commands = help.substr(help.find("Commands:"));
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(commands.begin(), commands.end(), line);
         it != std::sregex_iterator(); ++it)
        names.push_back((*it)[1]);
    return names;
}

TEST_F(ToolHelp, TheGuideDocumentsEveryOptionOfEveryCommand)
{
    const std::string guide = readText(ATTRAVA_SOURCE_DIR "/docs/batch-tool.md");
    ASSERT_FALSE(guide.empty());
    const std::vector<std::string> commands = commandNames(runTool("--help").out);
    ASSERT_GE(commands.size(), 8u);
    for (const std::string& command : commands) {
        const std::string heading = "\n## `attrava-cli " + command + "`\n";
        const std::size_t start = guide.find(heading);
        ASSERT_NE(start, std::string::npos) << "no section for " << command;
        const std::size_t end = guide.find("\n## ", start + heading.size());
        const std::set<std::string> documented =
            optionNames(guide.substr(start, end == std::string::npos ? end : end - start));
        const Run help = runTool(command + " --help");
        ASSERT_EQ(help.status, 0) << help.err;
        EXPECT_EQ(documented, optionNames(help.out)) << "the options of " << command;
    }
}

}  // namespace
