// The compiled-library cache and the whole-field companion source: the hash
// the cache names and checks entries by, what a cache key ignores, reuse of a
// built library, rebuilding a damaged entry, and which blocks of a list get a
// whole-field function.
#include "models/library_cache.h"
#include "models/model_binding.h"
#include "models/model_library.h"
#include "models/model_list.h"
#include "models/model_record.h"
#include "models/reporter.h"
#include "models/sha256.h"
#include "models/vector_field_source.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

TEST(Sha256, KnownDigests)
{
    EXPECT_EQ(sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the padding needs a second block.
    EXPECT_EQ(sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(LibraryCacheKey, CommentLinesDoNotCountUnlessALineIsContinued)
{
    const std::string body = "double f(void)\n{\n\treturn 1.0;\n}\n";
    EXPECT_EQ(sourceTextForKey("//ModelName = A\n//2026/01/01 10:00:00\n" + body),
              sourceTextForKey("//ModelName = A\r\n//2027/02/02 11:11:11\r\n" + body));
    EXPECT_NE(sourceTextForKey(body), sourceTextForKey(body + "int g;\n"));
    // A backslash at a line's end splices the next line into the comment.
    const std::string spliced = "// note \\\nint g;\n" + body;
    EXPECT_EQ(sourceTextForKey(spliced), spliced);
    EXPECT_NE(libraryCacheKey({"ab", "c"}), libraryCacheKey({"a", "bc"}));
}

ModelRecord twoVariableModel(const std::string& name, const std::string& second)
{
    ModelRecord record;
    record.ModelName = name;
    record.ModelFileDir = "./" + name + ".txt";
    record.Dimension = 2;
    record.Parameter = 1;
    record.Function[0] = "y";
    record.Function[1] = second;
    return record;
}

TEST(VectorFieldSource, OnlyGeneratedCheckedBlocksGetAFieldFunction)
{
    std::string list = "#include <windows.h>\n#include <math.h>\n";
    list += modelBlockText(twoVariableModel("Osc", "-a*x"));
    std::string edited = modelBlockText(twoVariableModel("Edited", "-x"));
    edited.replace(edited.find("-x;"), 3, "-x; system(\"\");");
    list += edited;
    list += modelBlockText(twoVariableModel("Late", "sin(x)"));
    // CR LF lines read like LF lines.
    std::string crlf;
    for (char c : list)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    for (const std::string& text : {list, crlf}) {
        const std::string fields = vectorFieldSourceText(text);
        EXPECT_NE(fields.find("void WINAPI " + vectorFieldSymbol("Osc") + "("), std::string::npos);
        EXPECT_NE(fields.find("\tDerivative[1] = -a*x;\n"), std::string::npos) << fields;
        EXPECT_NE(fields.find(vectorFieldSymbol("Late")), std::string::npos);
        EXPECT_EQ(fields.find("Edited"), std::string::npos) << fields;
    }
    EXPECT_EQ(vectorFieldSourcePath("/lists/My.list.c"), "/lists/My.list.fields.c");
}

// A compiled list whose cache lives in the test's folder.
class CachedCompile : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateList(list, reporter));
        ModelRecord record = twoVariableModel("Osc", "-a*x");
        ASSERT_TRUE(AppendModel(list, record, reporter));
    }

    // Binds Osc and returns its dy/dt at x = 2 with a = 3 through both calls.
    void expectWorkingLibrary()
    {
        ModelBinding binding;
        std::string error;
        ASSERT_TRUE(binding.Bind(paths.libraryPath, "Osc", 2, 1, &error)) << error;
        ASSERT_NE(binding.vectorField, nullptr);
        binding.parameterArg[0] = 3.0;
        binding.variableArg[0] = 2.0;
        binding.dimensionArg[0] = 1;
        EXPECT_EQ(binding.modelFunction(binding.dimensionArg, binding.variableArg,
                                        binding.parameterArg, binding.inputDataArg),
                  -6.0);
        double derivative[2];
        binding.vectorField(binding.variableArg, binding.parameterArg, derivative);
        EXPECT_EQ(derivative[1], -6.0);
    }

    TempFolder folder;
    TempFolder cacheFolder;
    const ScopedEnv cacheHome{"XDG_CACHE_HOME", cacheFolder.file("")};
    std::string list = folder.file("List.c");
    ModelLibraryPaths paths = computeLibraryPaths(folder.path(), list);
    CollectingReporter reporter;
};

TEST_F(CachedCompile, SecondBuildReusesTheLibraryAndADamagedEntryIsRebuilt)
{
    CompileResult result = Compile(paths);
    ASSERT_TRUE(result.ok) << result.diagnostics;
    EXPECT_FALSE(result.reused);
    EXPECT_NE(readText(folder.file("List.fields.c")).find("void WINAPI attrava_field_Osc"),
              std::string::npos);
    // The library's entry beside the small one of the list's passed check.
    std::vector<std::filesystem::path> entries;
    for (const auto& file : std::filesystem::directory_iterator(cacheFolder.file("attrava")))
        entries.push_back(file.path());
    ASSERT_EQ(entries.size(), 2u);
    const std::string entry =
        std::filesystem::file_size(entries[0]) > std::filesystem::file_size(entries[1])
            ? entries[0].string()
            : entries[1].string();

    // Rewriting the list with new date lines changes nothing the compiler sees.
    ASSERT_TRUE(ReplaceModel(list, twoVariableModel("Osc", "-a*x"), "Osc", "./Osc.txt", reporter));
    std::remove(paths.libraryPath.c_str());
    result = Compile(paths);
    ASSERT_TRUE(result.ok) << result.diagnostics;
    EXPECT_TRUE(result.reused);
    expectWorkingLibrary();

    // One changed byte, or a cut, and the entry is not trusted.
    for (const bool cut : {false, true}) {
        std::string bytes = readText(entry);
        if (cut)
            bytes.resize(bytes.size() / 2);
        else
            bytes[bytes.size() / 3] ^= 0x20;
        writeText(entry, bytes);
        result = Compile(paths);
        ASSERT_TRUE(result.ok) << result.diagnostics;
        EXPECT_FALSE(result.reused) << (cut ? "cut entry" : "changed entry");
        expectWorkingLibrary();
        EXPECT_TRUE(Compile(paths).reused) << "the rebuilt entry serves again";
    }
}

TEST_F(CachedCompile, APassedCheckIsRememberedAndAFailedOneIsNot)
{
    const std::string log = folder.file("runs");
    const std::string script = folder.file("counting-cc");
    writeText(script, "#!/bin/sh\necho run >> '" + log + "'\nexec cc \"$@\"\n");
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const ScopedEnv compiler("ATTRAVA_CC", script);
    const auto runs = [&] {
        const std::string text = readText(log);
        return std::count(text.begin(), text.end(), '\n');
    };

    const std::string source = "#include <windows.h>\n#include <math.h>\ndouble f(double x) { return sin(x); }\n";
    EXPECT_TRUE(CheckCompiles(source).ok);
    EXPECT_EQ(runs(), 1);
    const CompileResult again = CheckCompiles("//2027/02/02 11:11:11\n" + source);
    EXPECT_TRUE(again.ok);
    EXPECT_TRUE(again.reused);
    EXPECT_EQ(runs(), 1);
    EXPECT_TRUE(CheckCompiles(source + "double g;\n").ok);
    EXPECT_EQ(runs(), 2);
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_FALSE(CheckCompiles(source + "double h(void) { return q; }\n").ok);
    EXPECT_EQ(runs(), 4);
}

}  // namespace
