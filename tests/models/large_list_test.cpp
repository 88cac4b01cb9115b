// A list of 2,000 models: built by appending, read back, rewritten in the
// middle and compiled into a library that holds every model. The times of
// the steps are recorded with the test's results.
#include "models/model_library.h"
#include "models/model_list.h"
#include "models/model_record.h"
#include "models/reporter.h"
#include "models/test_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <dlfcn.h>

namespace {

constexpr int kModels = 2000;

ModelRecord numberedModel(const std::string& folder, int k)
{
    ModelRecord record;
    record.ModelName = "M" + std::to_string(k);
    record.ModelFileDir = folder + record.ModelName + ".txt";
    record.Function[0] = "a*y-a*x";
    record.Function[1] = "-x*z+b*x-y+" + std::to_string(k);
    record.Function[2] = "x*y-c*z";
    return record;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(LargeModelList, TwoThousandModelsReadRewriteAndCompile)
{
    TempFolder folder;
    const std::string list = folder.file("Eqnbank.c");
    // Written whole, as appending one by one would reread the list each time.
    std::string text = "#include <windows.h>\n#include <math.h>\n"
                       "__declspec(dllexport) void WINAPI dllmain(void){}\n\n";
    for (int k = 0; k < kModels; ++k)
        text += modelBlockText(numberedModel(folder.path(), k));
    writeText(list, text);

    auto start = std::chrono::steady_clock::now();
    std::vector<ModelListEntry> entries;
    ASSERT_TRUE(readListEntries(list, entries));
    RecordProperty("read_seconds", std::to_string(secondsSince(start)));
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(kModels));
    EXPECT_EQ(entries[1234].name, "M1234");

    CollectingReporter reporter;
    ModelRecord changed = numberedModel(folder.path(), 1000);
    changed.Function[2] = "x*y-c*z*2";
    start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ReplaceModel(list, changed, "M1000", changed.ModelFileDir, reporter));
    RecordProperty("rewrite_seconds", std::to_string(secondsSince(start)));
    const std::string rewritten = readText(list);
    EXPECT_EQ(rewritten.size(), text.size() + 2);
    const std::size_t block = text.find("//ModelName = M1000\n");
    const std::size_t next = text.find("//ModelName = M1001\n");
    EXPECT_EQ(rewritten.substr(0, block), text.substr(0, block));
    EXPECT_EQ(rewritten.substr(rewritten.size() - (text.size() - next)), text.substr(next));

    start = std::chrono::steady_clock::now();
    const CompileResult result = Compile(computeLibraryPaths(folder.path(), list));
    RecordProperty("compile_seconds", std::to_string(secondsSince(start)));
    ASSERT_TRUE(result.ok) << result.diagnostics;
    void* library = ::dlopen(folder.file("Eqnbank.so").c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    EXPECT_NE(::dlsym(library, "M0"), nullptr);
    EXPECT_NE(::dlsym(library, "M1999"), nullptr);
    ::dlclose(library);
}
