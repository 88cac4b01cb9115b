#include "models/model_list.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Kinds = std::vector<FailureKind>;
const std::string kHead =
    "#include <windows.h>\n#include <math.h>\n__declspec(dllexport) void WINAPI dllmain(void){}\n\n";

ModelRecord makeModel(const std::string& name, const std::string& path, int dimension,
                      int parameterCount, const std::string& equationStem = "x")
{
    ModelRecord record;
    record.ModelName = name;
    record.ModelFileDir = path;
    record.Dimension = dimension;
    record.Parameter = parameterCount;
    for (int k = 0; k < dimension; ++k)
        record.Function[k] = equationStem + "*" + std::to_string(k + 1);
    return record;
}

ModelRecord lorenz(const std::string& path)
{
    ModelRecord record = makeModel("Lorenz", path, 3, 3);
    record.Function[0] = "a*y-a*x";
    record.Function[1] = "-x*z+b*x-y";
    record.Function[2] = "x*y-c*z";
    return record;
}

// The list text from the start of the block named `name` up to the next block
// (or the end).
std::string blockOf(const std::string& text, const std::string& name)
{
    const std::size_t start = text.find("//ModelName = " + name + "\n");
    const std::size_t end = text.find("//ModelName = ", start + 1);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

class ModelList : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateList(list, reporter)); }

    void append(const ModelRecord& record) { ASSERT_TRUE(AppendModel(list, record, reporter)); }

    TempFolder folder;
    std::string list = folder.file("Eqnbank.c");
    CollectingReporter reporter;
};

TEST_F(ModelList, CreateWritesTheHeadAndTruncates)
{
    EXPECT_EQ(readText(list), kHead);
    append(lorenz("./Lorenz.txt"));
    ASSERT_TRUE(CreateList(list, reporter));
    EXPECT_EQ(readText(list), kHead);
    EXPECT_FALSE(CreateList(folder.file("missing/Eqnbank.c"), reporter));
    EXPECT_EQ(reporter.kinds(), Kinds{FailureKind::ListUncreatable});
}

TEST_F(ModelList, LorenzBlockIsWrittenByteForByte)
{
    append(lorenz("./Lorenz.txt"));
    const std::string text = readText(list);
    EXPECT_EQ(withoutDateLines(text),
              kHead +
                  "//ModelName = Lorenz\n"
                  "//ModelFileDir = ./Lorenz.txt\n"
                  "__declspec(dllexport) double WINAPI Lorenz(int *Dimension, double *Variable, "
                  "double *Parameter, double *Input_Data)\n"
                  "{\n"
                  "\tdouble Solution;\n"
                  "\tdouble x = Variable[0], y = Variable[1], z = Variable[2];\n"
                  "\tdouble a = Parameter[0], b = Parameter[1], c = Parameter[2];\n"
                  "\n"
                  "\tif(Dimension[0] == 0)\n"
                  "\t\tSolution = a*y-a*x;\n"
                  "\telse if(Dimension[0] == 1)\n"
                  "\t\tSolution = -x*z+b*x-y;\n"
                  "\telse if(Dimension[0] == 2)\n"
                  "\t\tSolution = x*y-c*z;\n"
                  "\treturn Solution;\n"
                  "}\n"
                  "\n");
    // The third block line is a comment with the date and time.
    const std::size_t dateLine = text.find("//ModelFileDir = ./Lorenz.txt\n") + 30;
    EXPECT_EQ(text.substr(dateLine, 2), "//");
    EXPECT_GT(text.find('\n', dateLine) - dateLine, 10u);
}

TEST_F(ModelList, ZeroParametersGiveNoParameterLine)
{
    append(makeModel("Decay", "./Decay.txt", 3, 0));
    EXPECT_NE(readText(list).find("\tdouble x = Variable[0], y = Variable[1], z = Variable[2];\n"
                                  "\tif(Dimension[0] == 0)\n"),
              std::string::npos);
    EXPECT_EQ(readText(list).find("Parameter["), std::string::npos);
}

TEST_F(ModelList, DimensionSixDeclaresUAndEndsWithSelectorFive)
{
    append(makeModel("Six", "./Six.txt", 6, 1, "u"));
    const std::string text = readText(list);
    EXPECT_NE(text.find("\tdouble x = Variable[0], y = Variable[1], z = Variable[2], w = Variable[3], "
                        "v = Variable[4], u = Variable[5];\n\tdouble a = Parameter[0];\n\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\telse if(Dimension[0] == 5)\n\t\tSolution = u*6;\n\treturn Solution;\n}\n\n"),
              std::string::npos)
        << text;
}

TEST_F(ModelList, AppendedBlockStartsOnALineOfItsOwn)
{
    // A list saved by an editor that drops the last line end.
    writeText(list, kHead + "double helper(void) { return 1.0; }");
    append(lorenz("./Lorenz.txt"));
    const std::string text = readText(list);
    EXPECT_NE(text.find("return 1.0; }\n//ModelName = Lorenz\n"), std::string::npos) << text;
    std::vector<ModelListEntry> entries;
    ASSERT_TRUE(readListEntries(list, entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Lorenz");
}

TEST_F(ModelList, ReplacingTheMiddleModelKeepsTheOthersByteForByte)
{
    append(makeModel("First", "./First.txt", 3, 2));
    append(makeModel("Second", "./Second.txt", 3, 2));
    append(makeModel("Third", "./Third.txt", 3, 2));
    const std::string before = readText(list);

    ModelRecord changed = makeModel("Second", "./Second.txt", 4, 1, "w");
    ASSERT_TRUE(ReplaceModel(list, changed, "Second", "./Second.txt", reporter));
    const std::string after = readText(list);
    const std::string newSecond = blockOf(after, "Second");
    EXPECT_EQ(after, kHead + blockOf(before, "First") + newSecond + blockOf(before, "Third"));
    EXPECT_NE(newSecond.find("\telse if(Dimension[0] == 3)\n\t\tSolution = w*4;\n"), std::string::npos);
    EXPECT_TRUE(reporter.failures.empty());
}

TEST_F(ModelList, ReplacingMayRenameTheModel)
{
    append(makeModel("First", "./First.txt", 3, 2));
    append(makeModel("Second", "./Second.txt", 3, 2));
    ASSERT_TRUE(ReplaceModel(list, makeModel("Renamed", "./Renamed.txt", 3, 0), "First",
                             "./First.txt", reporter));
    std::vector<ModelListEntry> entries;
    ASSERT_TRUE(readListEntries(list, entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Renamed");
    EXPECT_EQ(entries[0].storedPath, "./Renamed.txt");
    EXPECT_EQ(entries[1].name, "Second");
}

TEST_F(ModelList, RemovingTheLastModelLeavesNoTrace)
{
    append(makeModel("First", "./First.txt", 3, 2));
    append(makeModel("Second", "./Second.txt", 3, 2));
    const std::string withTwo = readText(list);
    append(makeModel("Third", "./Third.txt", 3, 2));
    ASSERT_TRUE(RemoveModel(list, "Third", "./Third.txt", reporter));
    EXPECT_EQ(readText(list), withTwo);
    ASSERT_TRUE(RemoveModel(list, "First", "./First.txt", reporter));
    ASSERT_TRUE(RemoveModel(list, "Second", "./Second.txt", reporter));
    EXPECT_EQ(readText(list), kHead);
}

TEST_F(ModelList, NameMatchIsTheWholeName)
{
    append(makeModel("Lorenz2", "./Lorenz2.txt", 3, 3));
    append(lorenz("./Lorenz.txt"));
    const std::string before = readText(list);
    ASSERT_TRUE(RemoveModel(list, "Lorenz", "./Lorenz.txt", reporter));
    EXPECT_EQ(readText(list), kHead + blockOf(before, "Lorenz2"));
}

TEST_F(ModelList, ModelPathMatchesAfterResolvingRelativePaths)
{
    append(lorenz("./Lorenz.txt"));
    append(makeModel("Other", "./Other.txt", 3, 3));
    const std::string before = readText(list);

    // A model of that name but another file is not this block.
    ASSERT_TRUE(RemoveModel(list, "Lorenz", folder.file("elsewhere/Lorenz.txt"), reporter));
    EXPECT_EQ(readText(list), before);

    // The absolute path of the same file matches, with or without the file on disk,
    // and so does the original platform's spelling.
    ASSERT_TRUE(RemoveModel(list, "Lorenz", folder.file("Lorenz.txt"), reporter));
    EXPECT_EQ(readText(list), kHead + blockOf(before, "Other"));

    writeText(folder.file("Other.txt"), "Dimension = 3\n");
    ASSERT_TRUE(RemoveModel(list, "Other", ".\\Other.txt", reporter));
    EXPECT_EQ(readText(list), kHead);
    EXPECT_TRUE(reporter.failures.empty());
}

TEST_F(ModelList, UnknownModelLeavesTheListUnchanged)
{
    append(lorenz("./Lorenz.txt"));
    const std::string before = readText(list);
    EXPECT_TRUE(ReplaceModel(list, makeModel("Nobody", "./Nobody.txt", 3, 0), "Nobody",
                             "./Nobody.txt", reporter));
    EXPECT_TRUE(RemoveModel(list, "Nobody", "./Nobody.txt", reporter));
    EXPECT_EQ(readText(list), before);
}

TEST_F(ModelList, ListsLongerThanAHundredThousandLinesKeepEveryLine)
{
    append(makeModel("First", "./First.txt", 3, 2));
    std::string filler;
    for (int i = 0; i < 100500; ++i)
        filler += "// filler line " + std::to_string(i) + "\n";
    writeText(list, readText(list) + filler);
    append(makeModel("Last", "./Last.txt", 3, 2));
    const std::string before = readText(list);

    ASSERT_TRUE(ReplaceModel(list, makeModel("First", "./First.txt", 3, 2, "y"), "First",
                             "./First.txt", reporter));
    const std::string after = readText(list);
    const std::size_t fillerStart = after.find("// filler line 0\n");
    ASSERT_NE(fillerStart, std::string::npos);
    const std::string newFirst = after.substr(kHead.size(), fillerStart - kHead.size());
    EXPECT_NE(newFirst.find("Solution = y*1;"), std::string::npos) << newFirst;
    EXPECT_EQ(after, kHead + newFirst + filler + blockOf(before, "Last"));

    ASSERT_TRUE(RemoveModel(list, "Last", "./Last.txt", reporter));
    EXPECT_EQ(readText(list), kHead + newFirst + filler);
}

TEST_F(ModelList, OriginalPlatformListIsReadAndEdited)
{
    writeText(list,
              "#include <windows.h>\r\n#include <math.h>\r\n"
              "__declspec(dllexport) void WINAPI dllmain(void){}\r\n\r\n"
              "//ModelName = Lorenz\r\n//ModelFileDir = .\\models\\Lorenz.txt\r\n//2001/01/01\r\n"
              "__declspec(dllexport) double WINAPI Lorenz(int *Dimension, double *Variable, "
              "double *Parameter, double *Input_Data)\r\n{\r\n\tdouble Solution;\r\n"
              "\treturn Solution;\r\n}\r\n\r\n"
              "//ModelName = Keep\r\n//ModelFileDir = C:\\work\\Keep.txt\r\n//2001/01/01\r\n"
              "double Keep(void)\r\n{\r\n}\r\n\r\n");
    std::vector<ModelListEntry> entries;
    ASSERT_TRUE(readListEntries(list, entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Lorenz");
    EXPECT_EQ(entries[0].storedPath, ".\\models\\Lorenz.txt");
    EXPECT_EQ(entries[0].resolvedPath, folder.file("models/Lorenz.txt"));
    EXPECT_EQ(entries[1].name, "Keep");
    EXPECT_EQ(entries[1].storedPath, "C:\\work\\Keep.txt");

    ASSERT_TRUE(RemoveModel(list, "Lorenz", folder.file("models/Lorenz.txt"), reporter));
    EXPECT_EQ(readText(list), kHead +
                                  "//ModelName = Keep\n//ModelFileDir = C:\\work\\Keep.txt\n"
                                  "//2001/01/01\ndouble Keep(void)\n{\n}\n\n");
}

TEST_F(ModelList, ReadingAMissingListGivesNoEntries)
{
    std::vector<ModelListEntry> entries{{"stale", "", ""}};
    EXPECT_FALSE(readListEntries(folder.file("absent.c"), entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(ReplaceModel(folder.file("absent.c"), lorenz("./Lorenz.txt"), "Lorenz",
                              "./Lorenz.txt", reporter));
    EXPECT_FALSE(RemoveModel(folder.file("absent.c"), "Lorenz", "./Lorenz.txt", reporter));
    EXPECT_EQ(reporter.kinds(), (Kinds{FailureKind::ListUnreadable, FailureKind::ListUnreadable}));
}

TEST_F(ModelList, RefusedModelsWriteNothing)
{
    append(lorenz("./Lorenz.txt"));
    const std::string before = readText(list);

    ModelRecord badEquation = makeModel("Bad", "./Bad.txt", 3, 3);
    badEquation.Function[1] = "x; } int evil(void) { return 0";
    EXPECT_FALSE(AppendModel(list, badEquation, reporter));
    ASSERT_EQ(reporter.kinds(), Kinds{FailureKind::EquationRefused});
    EXPECT_EQ(reporter.failures[0].equation, 1) << "dy/dt";

    ModelRecord badReplacement = lorenz("./Lorenz.txt");
    badReplacement.Function[2] = "x % 2";
    EXPECT_FALSE(ReplaceModel(list, badReplacement, "Lorenz", "./Lorenz.txt", reporter));
    EXPECT_EQ(reporter.failures.back().equation, 2) << "dz/dt";

    EXPECT_FALSE(AppendModel(list, makeModel("2ab", "./2ab.txt", 3, 0), reporter));
    EXPECT_FALSE(AppendModel(list, makeModel("", "./x.txt", 3, 0), reporter));
    EXPECT_FALSE(AppendModel(list, makeModel("sin", "./sin.txt", 3, 0), reporter));
    EXPECT_FALSE(AppendModel(list, makeModel("double", "./double.txt", 3, 0), reporter));
    EXPECT_FALSE(AppendModel(list, makeModel("Lorenz", "./Lorenz3.txt", 3, 3), reporter))
        << "a second function of the same name would not compile";
    EXPECT_FALSE(AppendModel(list, makeModel("Injected", "./a.txt\n#include <stdio.h>", 3, 0), reporter));
    EXPECT_EQ(reporter.kinds(),
              (Kinds{FailureKind::EquationRefused, FailureKind::EquationRefused,
                     FailureKind::ModelNameInvalid, FailureKind::ModelNameInvalid,
                     FailureKind::ModelNameReserved, FailureKind::ModelNameReserved,
                     FailureKind::ModelNameTaken, FailureKind::ModelPathHasLineBreak}));
    EXPECT_EQ(readText(list), before);
}

TEST_F(ModelList, NamesTheCLibraryKnowsAreRefused)
{
    const std::string before = readText(list);
    for (const std::string name : {"y1", "j0", "gamma", "nan", "ldexp", "modf", "sinf", "isnan",
                                   "NAN", "M_PI", "signbit", "asm", "typeof", "exit", "strtod_l",
                                   "lgammaf64_r", "f32mulf64", "linux", "main", "__x", "_Y"}) {
        reporter.failures.clear();
        EXPECT_FALSE(AppendModel(list, makeModel(name, "./" + name + ".txt", 3, 0), reporter)) << name;
        ASSERT_EQ(reporter.kinds(), Kinds{FailureKind::ModelNameReserved}) << name;
        EXPECT_EQ(reporter.failures[0].name, name);
    }
    EXPECT_EQ(readText(list), before);
    for (const std::string name : {"_x1", "Lorenz", "ChenUeta", "Chua_Circuit", "sine", "y2k"})
        append(makeModel(name, "./" + name + ".txt", 3, 0));
}

TEST_F(ModelList, ABlockTheCompilerRefusesIsNotWritten)
{
    append(lorenz("./Lorenz.txt"));
    const std::string before = readText(list);
    const std::string script = folder.file("refusing-cc");
    writeText(script, "#!/bin/sh\ncat > /dev/null\necho '<stdin>:9: error: refused'\nexit 1\n");
    ::chmod(script.c_str(), 0755);
    const ScopedEnv compiler("ATTRAVA_CC", script);

    EXPECT_FALSE(AppendModel(list, makeModel("Second", "./Second.txt", 3, 1), reporter));
    ModelRecord changed = lorenz("./Lorenz.txt");
    changed.Function[0] = "a*(y-x)";
    EXPECT_FALSE(ReplaceModel(list, changed, "Lorenz", "./Lorenz.txt", reporter));
    ASSERT_EQ(reporter.kinds(), (Kinds{FailureKind::CompileFailed, FailureKind::CompileFailed}));
    EXPECT_EQ(reporter.failures[0].name, "Second");
    EXPECT_NE(reporter.failures[1].detail.find("error: refused"), std::string::npos)
        << reporter.failures[1].detail;
    EXPECT_EQ(readText(list), before);
}

TEST_F(ModelList, FailedRewriteKeepsTheList)
{
    append(makeModel("First", "./First.txt", 3, 2));
    append(makeModel("Second", "./Second.txt", 3, 2));
    const std::string before = readText(list);
    {
        const FileSizeLimit limit(before.size() / 2);
        EXPECT_FALSE(RemoveModel(list, "First", "./First.txt", reporter));
        EXPECT_FALSE(AppendModel(list, makeModel("Third", "./Third.txt", 3, 2), reporter));
    }
    EXPECT_EQ(reporter.kinds(), (Kinds{FailureKind::ListUnreadable, FailureKind::ListUnreadable}));
    EXPECT_EQ(readText(list), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Eqnbank.c"});
}

}  // namespace
