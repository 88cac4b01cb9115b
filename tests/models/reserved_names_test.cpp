#include "models/process_run.h"
#include "models/reserved_names.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

namespace {

// The names the system's C library headers declare as functions or define as
// macros with every feature set enabled, as the system compiler lists them.
std::set<std::string> namesTheHeadersDeclare()
{
    TempFolder folder;
    const std::string source = folder.file("headers.c");
    const std::string prototypes = folder.file("prototypes.txt");
    writeText(source, "#include <math.h>\n#include <stdlib.h>\n#include <stdio.h>\n");
    const ProcessOutcome declared =
        runProcess({"gcc", "-D_GNU_SOURCE", "-fsyntax-only", "-aux-info", prototypes, source});
    const ProcessOutcome defined = runProcess({"gcc", "-D_GNU_SOURCE", "-dM", "-E", source});
    EXPECT_TRUE(declared.succeeded && defined.succeeded) << declared.output << defined.output;

    std::set<std::string> names;
    std::istringstream prototypeLines(readText(prototypes));
    const std::regex functionName(R"(\*/.*?(\w+) \()");
    std::smatch match;
    for (std::string line; std::getline(prototypeLines, line);) {
        if (std::regex_search(line, match, functionName))
            names.insert(match[1]);
    }
    std::istringstream macroLines(defined.output);
    const std::regex macroName(R"(^#define (\w+))");
    for (std::string line; std::getline(macroLines, line);) {
        if (std::regex_search(line, match, macroName))
            names.insert(match[1]);
    }
    return names;
}

TEST(ReservedNames, EveryNameTheSystemHeadersDeclareIsRefused)
{
    const std::set<std::string> names = namesTheHeadersDeclare();
    ASSERT_GT(names.size(), 1000u) << "the compiler's listing was not read";
    for (const std::string& name : names)
        EXPECT_TRUE(isReservedName(name)) << name;
}

}  // namespace
