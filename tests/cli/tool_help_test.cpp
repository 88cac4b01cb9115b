// The tool's help and exit statuses: the command list, each command's help
// with its option descriptions, and the statuses of help, a missing command
// and an unknown one.
#include "cli/cli_tool_test.h"

#include <gtest/gtest.h>

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

}  // namespace
