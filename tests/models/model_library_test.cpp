#include "models/model_binding.h"
#include "models/model_library.h"
#include "models/model_list.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(LibraryPaths, LibraryIsNamedAfterTheListInTheProgramFolder)
{
    const ModelLibraryPaths paths = computeLibraryPaths("/app/", "/work/lists/MyList.c");
    EXPECT_EQ(paths.programFolder, "/app/");
    EXPECT_EQ(paths.listPath, "/work/lists/MyList.c");
    EXPECT_EQ(paths.listBaseName, "MyList");
    EXPECT_EQ(paths.libraryPath, "/app/MyList.so");

    EXPECT_EQ(computeLibraryPaths("/app/", "/lists/a.b.c").listBaseName, "a.b");
    EXPECT_EQ(computeLibraryPaths("/app", "/lists/a.b.c").libraryPath, "/app/a.b.so");
}

TEST(LibraryPaths, RelativeListPathsAreTakenFromTheProgramFolder)
{
    for (const char* listPath : {"./model/Eqnbank.c", ".\\model\\Eqnbank.c", "model/Eqnbank.c"}) {
        const ModelLibraryPaths paths = computeLibraryPaths("/opt/attrava/", listPath);
        EXPECT_EQ(paths.listPath, "/opt/attrava/model/Eqnbank.c") << listPath;
        EXPECT_EQ(paths.libraryPath, "/opt/attrava/Eqnbank.so") << listPath;
    }
}

TEST(LibraryPaths, ExecutableFolderHoldsTheRunningProgram)
{
    const std::string folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    struct stat info {};
    EXPECT_EQ(::stat((folder + "models_tests").c_str(), &info), 0) << folder;
}

// A list with one model M of one variable whose derivative is a constant, so
// which build of the library a binding uses shows in what it returns.
class CompiledList : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateList(list, reporter));
        ASSERT_TRUE(AppendModel(list, constantModel("1.5"), reporter));
    }

    ModelRecord constantModel(const std::string& value) const
    {
        ModelRecord record;
        record.ModelName = "M";
        record.ModelFileDir = "./M.txt";
        record.Dimension = 1;
        record.Parameter = 1;
        record.Function[0] = value + "+0*x*a";
        return record;
    }

    void changeConstant(const std::string& value)
    {
        ASSERT_TRUE(ReplaceModel(list, constantModel(value), "M", "./M.txt", reporter));
    }

    static double call(ModelBinding& binding)
    {
        return binding.modelFunction(binding.dimensionArg, binding.variableArg, binding.parameterArg,
                                     binding.inputDataArg);
    }

    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> names;
        for (const std::string& name : folder.entries()) {
            if (name.front() == '.')
                names.push_back(name);
        }
        return names;
    }

    TempFolder folder;
    std::string list = folder.file("List.c");
    ModelLibraryPaths paths = computeLibraryPaths(folder.path(), list);
    CollectingReporter reporter;
};

TEST_F(CompiledList, CompileBuildsALibraryWithTheModelFunction)
{
    const CompileResult result = Compile(paths);
    ASSERT_TRUE(result.ok) << result.diagnostics;
    EXPECT_EQ(paths.libraryPath, folder.file("List.so"));

    ModelBinding binding;
    std::string error;
    ASSERT_TRUE(binding.Bind(paths.libraryPath, "M", 1, 1, &error)) << error;
    EXPECT_EQ(call(binding), 1.5);
    ASSERT_TRUE(binding.Bind(paths.libraryPath, "dllmain", 1, 1, &error)) << "already bound: no-op";
    EXPECT_EQ(call(binding), 1.5);
    EXPECT_TRUE(leftovers().empty()) << leftovers().front();
}

TEST_F(CompiledList, FailedCompileReportsAndKeepsThePreviousLibrary)
{
    ASSERT_TRUE(Compile(paths).ok);
    const std::string previous = readText(paths.libraryPath);
    writeText(list, readText(list) + "this is not C\n");

    const CompileResult result = Compile(paths);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.diagnostics.find("error"), std::string::npos) << result.diagnostics;
    EXPECT_EQ(readText(paths.libraryPath), previous);
    EXPECT_TRUE(leftovers().empty()) << leftovers().front();
}

TEST_F(CompiledList, ExitStatusDecidesEvenWhenAFileWasWritten)
{
    ASSERT_TRUE(Compile(paths).ok);
    const std::string previous = readText(paths.libraryPath);
    // A compiler that writes its output file, says something and fails.
    const std::string script = folder.file("failing-cc");
    writeText(script,
              "#!/bin/sh\n"
              "while [ $# -gt 0 ]; do if [ \"$1\" = -o ]; then echo junk > \"$2\"; fi; shift; done\n"
              "echo 'failing-cc: refused'\n"
              "exit 3\n");
    ::chmod(script.c_str(), 0755);
    const ScopedEnv compiler("ATTRAVA_CC", script);

    const CompileResult result = Compile(paths);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.diagnostics.find("failing-cc: refused"), std::string::npos) << result.diagnostics;
    EXPECT_EQ(readText(paths.libraryPath), previous);
    EXPECT_TRUE(leftovers().empty()) << leftovers().front();
}

TEST_F(CompiledList, CompilerNamedByTheEnvironmentIsUsed)
{
    const std::string log = folder.file("cc.log");
    const std::string script = folder.file("logging-cc");
    writeText(script, "#!/bin/sh\necho \"$@\" > '" + log + "'\nexec cc \"$@\"\n");
    ::chmod(script.c_str(), 0755);
    {
        const ScopedEnv compiler("ATTRAVA_CC", script);
        const CompileResult result = Compile(paths);
        ASSERT_TRUE(result.ok) << result.diagnostics;
    }
    const std::string arguments = readText(log);
    EXPECT_NE(arguments.find("-shared"), std::string::npos) << arguments;
    EXPECT_NE(arguments.find(list), std::string::npos) << arguments;

    const ScopedEnv missing("ATTRAVA_CC", folder.file("no-such-compiler"));
    const CompileResult result = Compile(paths);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.diagnostics.find("no-such-compiler"), std::string::npos) << result.diagnostics;
}

TEST_F(CompiledList, EachBindingKeepsTheBuildItBoundUntilItRebinds)
{
    ASSERT_TRUE(Compile(paths).ok);
    ModelBinding first;
    std::string error;
    ASSERT_TRUE(first.Bind(paths.libraryPath, "M", 1, 1, &error)) << error;
    EXPECT_EQ(call(first), 1.5);

    changeConstant("2.5");
    ASSERT_TRUE(Compile(paths).ok);
    ModelBinding second;
    ASSERT_TRUE(second.Bind(paths.libraryPath, "M", 1, 1, &error)) << error;
    EXPECT_EQ(call(second), 2.5) << "a new binding sees the rebuilt library";
    EXPECT_EQ(call(first), 1.5) << "the old binding keeps its build";

    first.Release();
    ASSERT_TRUE(first.Bind(paths.libraryPath, "M", 1, 1, &error)) << error;
    EXPECT_EQ(call(first), 2.5);
    EXPECT_EQ(call(second), 2.5);

    // Binding the same build again shares the loaded library.
    ModelBinding third;
    ASSERT_TRUE(third.Bind(paths.libraryPath, "M", 1, 1, &error)) << error;
    EXPECT_EQ(third.libraryHandle, second.libraryHandle);
    EXPECT_TRUE(leftovers().empty()) << leftovers().front();
}

TEST_F(CompiledList, FailedBindLeavesTheViewUnbound)
{
    ModelBinding binding;
    std::string error;
    EXPECT_FALSE(binding.Bind(paths.libraryPath, "M", 1, 1, &error)) << "not compiled yet";
    EXPECT_EQ(binding.bound, 0);
    EXPECT_EQ(binding.libraryHandle, nullptr);
    EXPECT_EQ(binding.modelFunction, nullptr);
    EXPECT_NE(error.find("List.so"), std::string::npos) << error;

    ASSERT_TRUE(Compile(paths).ok);
    error.clear();
    EXPECT_FALSE(binding.Bind(paths.libraryPath, "NotInTheList", 1, 1, &error));
    EXPECT_EQ(binding.bound, 0);
    EXPECT_EQ(binding.libraryHandle, nullptr);
    EXPECT_EQ(binding.modelFunction, nullptr);
    EXPECT_NE(error.find("NotInTheList"), std::string::npos) << error;
    EXPECT_TRUE(leftovers().empty()) << leftovers().front();
}

TEST_F(CompiledList, OnlyTheLibrarysOwnModelFunctionsBind)
{
    ASSERT_TRUE(Compile(paths).ok);
    // The library links the C and math libraries, which define these; the
    // list head and the linker define the last two in the library itself.
    for (const std::string name : {"cos", "exit", "clock", "abort", "dllmain", "_init"}) {
        ModelBinding binding;
        std::string error;
        EXPECT_FALSE(binding.Bind(paths.libraryPath, name, 1, 1, &error)) << name;
        EXPECT_EQ(binding.bound, 0) << name;
        EXPECT_EQ(binding.modelFunction, nullptr) << name;
        EXPECT_NE(error.find("no model function named \"" + name + "\""), std::string::npos) << error;
    }
    ModelBinding binding;
    std::string error;
    ASSERT_TRUE(binding.Bind(paths.libraryPath, "M", 1, 1, &error)) << error;
    EXPECT_EQ(call(binding), 1.5);
}

double twice(int* dimension, double* variable, double*, double*)
{
    return 2.0 * variable[dimension[0]];
}

TEST(ModelBinding, BindingClearsTheBuffersAndReleaseUnbinds)
{
    ModelBinding binding;
    binding.dimensionArg[0] = 4;
    binding.variableArg[5] = 3.0;
    binding.parameterArg[9] = 7.0;
    binding.inputDataArg[0] = 1.0;
    binding.BindFunction(twice, 6, 10);
    EXPECT_EQ(binding.bound, 1);
    EXPECT_EQ(binding.dimensionArg[0], 0);
    for (double value : binding.variableArg)
        EXPECT_EQ(value, 0.0);
    for (double value : binding.parameterArg)
        EXPECT_EQ(value, 0.0);
    EXPECT_EQ(binding.inputDataArg[0], 0.0);

    binding.variableArg[0] = 1.25;
    EXPECT_EQ(binding.modelFunction(binding.dimensionArg, binding.variableArg, binding.parameterArg,
                                    binding.inputDataArg),
              2.5);
    binding.Release();
    EXPECT_EQ(binding.bound, 0);
    EXPECT_EQ(binding.modelFunction, nullptr);
    binding.Release();
    EXPECT_EQ(binding.bound, 0);
}

}  // namespace
