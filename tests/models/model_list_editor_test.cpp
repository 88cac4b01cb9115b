// The model list dialog's operations on a copy of the shipped list: filling,
// the path rule, adding, editing, removing, compiling after each change and
// what a failed compile leaves behind; and the editor's draft checks.
#include "models/model_draft.h"
#include "models/model_list_editor.h"
#include "models/model_paths.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include "models/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const char* const kShippedModels[] = {"Lorenz",        "Ressler", "ChenUeta",
                                      "Chua_Circuit", "Langford", "ResslerHyperchaos"};

// A program folder in a temporary folder, with the shipped list and model
// files copied into its model/ folder, and a list editor working on it with a
// compiler that only records its calls.
class ListEditorTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(modelFolder());
        for (const char* name : kShippedModels)
            fs::copy_file(shipped(std::string(name) + ".txt"), modelFolder() + name + ".txt");
        fs::copy_file(shipped("Eqnbank.c"), modelFolder() + "Eqnbank.c");
        editor.releaseBinding = [this] { events.push_back("release"); };
        editor.compiler = [this](const ModelLibraryPaths& paths) {
            events.push_back("compile " + paths.listPath + " -> " + paths.libraryPath);
            return CompileResult{true, {}};
        };
    }

    static std::string shipped(const std::string& name)
    {
        return std::string(ATTRAVA_PROGRAM_DIR) + "/model/" + name;
    }
    std::string modelFolder() const { return program.path() + "model/"; }
    std::string listFile() const { return modelFolder() + "Eqnbank.c"; }
    std::string expectedCompile() const
    {
        return "compile " + listFile() + " -> " + program.path() + "Eqnbank.so";
    }

    TempFolder program;
    ModelRecord record;
    std::string documentListPath = ".\\model\\Eqnbank.c";
    CollectingReporter reporter;
    ModelListEditor editor{record, documentListPath, program.path(), reporter};
    std::vector<std::string> events;
};

TEST_F(ListEditorTest, FillingReadsEveryNameWithItsResolvedPathAndSelectsTheFirst)
{
    record.ModelName = "ChenUeta";  // the third model is the current one
    ASSERT_TRUE(editor.fill());
    ASSERT_EQ(editor.entries().size(), std::size(kShippedModels));
    for (std::size_t i = 0; i < std::size(kShippedModels); ++i) {
        EXPECT_EQ(editor.entries()[i].name, kShippedModels[i]);
        EXPECT_EQ(editor.entries()[i].storedPath, std::string("./") + kShippedModels[i] + ".txt");
        EXPECT_TRUE(isSameFile(editor.entries()[i].resolvedPath,
                               modelFolder() + kShippedModels[i] + ".txt"));
    }
    EXPECT_EQ(editor.selected(), 0);
    EXPECT_EQ(editor.selectedPath(), editor.entries()[0].resolvedPath);
    EXPECT_EQ(editor.listFolder(), modelFolder());
}

TEST_F(ListEditorTest, AListThatCannotBeOpenedLeavesNoListAndNoEntries)
{
    ASSERT_TRUE(editor.fill());
    EXPECT_FALSE(editor.chooseList(program.file("missing.c")));
    EXPECT_TRUE(editor.listPath().empty());
    EXPECT_TRUE(editor.entries().empty());
    EXPECT_EQ(editor.selected(), -1);
    EXPECT_EQ(documentListPath, program.file("missing.c"));
    EXPECT_FALSE(editor.finishEditor(EditorMode::New, true, {}));
    EXPECT_EQ(reporter.kinds(), std::vector<FailureKind>{FailureKind::NoListChosen});
}

TEST_F(ListEditorTest, PathRuleStoresFilesInTheListFolderRelativeAndOthersInFull)
{
    ASSERT_TRUE(editor.fill());
    EXPECT_EQ(editor.relativeToList(modelFolder() + "Lorenz.txt"), "./Lorenz.txt");
    EXPECT_EQ(editor.relativeToList(modelFolder() + "../model/Lorenz.txt"), "./Lorenz.txt");
    EXPECT_EQ(editor.relativeToList(modelFolder() + "sub/M.txt"), "./sub/M.txt");
    EXPECT_EQ(editor.relativeToList(program.file("Other.txt")), program.file("Other.txt"));
    // A folder whose name only begins like the list's folder is another folder.
    EXPECT_EQ(editor.relativeToList(program.file("model2/M.txt")), program.file("model2/M.txt"));
}

TEST_F(ListEditorTest, AddingAFileFromTheListFolderAppendsItRelativeAndCompiles)
{
    ASSERT_TRUE(editor.fill());
    fs::copy_file(modelFolder() + "Lorenz.txt", modelFolder() + "Lorenz2.txt");
    ASSERT_TRUE(editor.readChosenModelFile(modelFolder() + "Lorenz2.txt"));
    EXPECT_EQ(record.ModelName, "Lorenz2");
    EXPECT_EQ(record.ModelFileDir, "./Lorenz2.txt");
    EXPECT_DOUBLE_EQ(record.Parameter_Default[1], 28.0);

    ASSERT_TRUE(editor.finishEditor(EditorMode::Add, false, {}));
    ASSERT_EQ(editor.entries().size(), 7u);
    EXPECT_EQ(editor.selected(), 6);
    EXPECT_EQ(editor.entries()[6].storedPath, "./Lorenz2.txt");
    EXPECT_TRUE(isSameFile(editor.selectedPath(), modelFolder() + "Lorenz2.txt"));
    const std::string list = readText(listFile());
    EXPECT_NE(list.find("//ModelName = Lorenz2\n//ModelFileDir = ./Lorenz2.txt\n"), std::string::npos);
    EXPECT_EQ(events, (std::vector<std::string>{"release", expectedCompile()}));
    EXPECT_TRUE(reporter.failures.empty());
}

TEST_F(ListEditorTest, AddingAFileFromElsewhereKeepsItsFullPath)
{
    ASSERT_TRUE(editor.fill());
    fs::copy_file(modelFolder() + "Ressler.txt", program.file("Far.txt"));
    ASSERT_TRUE(editor.readChosenModelFile(program.file("Far.txt")));
    ASSERT_TRUE(editor.finishEditor(EditorMode::Add, false, {}));
    EXPECT_NE(readText(listFile()).find("//ModelFileDir = " + program.file("Far.txt") + "\n"),
              std::string::npos);
}

TEST_F(ListEditorTest, AnUnreadableChosenFileKeepsTheRecordAndAddsNothing)
{
    ASSERT_TRUE(editor.fill());
    record.ModelName = "Before";
    record.ModelFileDir = "/before.txt";
    EXPECT_FALSE(editor.readChosenModelFile(modelFolder() + "absent.txt"));
    EXPECT_EQ(record.ModelName, "Before");
    EXPECT_EQ(record.ModelFileDir, "/before.txt");
    EXPECT_EQ(reporter.kinds(), std::vector<FailureKind>{FailureKind::ModelFileUnreadable});
}

TEST_F(ListEditorTest, EditingWithoutSavingWritesNothingAndDoesNotCompile)
{
    ASSERT_TRUE(editor.fill());
    const std::string before = readText(listFile());
    editor.select(2);
    EditSession session;
    ASSERT_TRUE(editor.beginEdit(session));
    EXPECT_EQ(session.oldName, "ChenUeta");
    EXPECT_EQ(record.ModelName, "ChenUeta");
    EXPECT_TRUE(editor.finishEditor(EditorMode::Edit, false, session));
    EXPECT_EQ(readText(listFile()), before);
    EXPECT_TRUE(events.empty());
}

TEST_F(ListEditorTest, EditingWithASavedChangeReplacesTheBlockInPlaceAndCompiles)
{
    ASSERT_TRUE(editor.fill());
    editor.select(1);
    EditSession session;
    ASSERT_TRUE(editor.beginEdit(session));
    ModelDraft draft = draftOf(record);
    draft.name = "Ressler2";
    draft.equations[2] = "b+z*(x-c)+0.5";
    ASSERT_TRUE(saveDraft(draft, modelFolder() + "Ressler2.txt", record, reporter));
    ASSERT_TRUE(editor.finishEditor(EditorMode::Edit, true, session));

    ASSERT_EQ(editor.entries().size(), std::size(kShippedModels));
    EXPECT_EQ(editor.entries()[1].name, "Ressler2");
    EXPECT_EQ(editor.selected(), 1);
    const std::string list = readText(listFile());
    const std::size_t lorenz = list.find("//ModelName = Lorenz\n");
    const std::size_t edited = list.find("//ModelName = Ressler2\n");
    const std::size_t chen = list.find("//ModelName = ChenUeta\n");
    EXPECT_LT(lorenz, edited);
    EXPECT_LT(edited, chen);
    EXPECT_EQ(list.find("//ModelName = Ressler\n"), std::string::npos);
    EXPECT_NE(list.find("Solution = b+z*(x-c)+0.5;"), std::string::npos);
    EXPECT_EQ(events, (std::vector<std::string>{"release", expectedCompile()}));
}

TEST_F(ListEditorTest, RemovingTheOnlyModelEmptiesTheListAndCompiles)
{
    const std::string single = program.file("Single.c");
    ASSERT_TRUE(CreateList(single, reporter));
    record.ModelName = "Lorenz";
    record.ModelFileDir = modelFolder() + "Lorenz.txt";
    ASSERT_TRUE(record.Read(reporter));
    ASSERT_TRUE(AppendModel(single, record, reporter));

    ASSERT_TRUE(editor.chooseList(single));
    EXPECT_EQ(documentListPath, single);
    ASSERT_EQ(editor.entries().size(), 1u);
    ASSERT_TRUE(editor.removeSelected());
    EXPECT_TRUE(editor.entries().empty());
    EXPECT_EQ(editor.selected(), -1);
    EXPECT_EQ(editor.selectedPath(), "");
    EXPECT_EQ(readText(single).find("//ModelName"), std::string::npos);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(events.back(), "compile " + single + " -> " + program.path() + "Single.so");
}

TEST_F(ListEditorTest, WithoutASelectionEachActionAsksForOne)
{
    ASSERT_TRUE(editor.createList(program.file("Empty.c")));
    EditSession session;
    EXPECT_FALSE(editor.beginEdit(session));
    EXPECT_FALSE(editor.removeSelected());
    EXPECT_FALSE(editor.acceptSelection());
    EXPECT_EQ(reporter.kinds(),
              (std::vector<FailureKind>{FailureKind::NoModelChosenToEdit,
                                        FailureKind::NoModelChosenToRemove,
                                        FailureKind::NoModelChosen}));
    EXPECT_TRUE(events.empty());
}

TEST_F(ListEditorTest, ACompilerFailureKeepsThePreviousLibraryAndHandsOverItsMessages)
{
    // It checks single blocks like the system compiler but fails every library build.
    const std::string compilerScript = program.file("failing-cc");
    writeText(compilerScript, "#!/bin/sh\ncase \"$*\" in *-shared*) ;; *) exec cc \"$@\" ;; esac\n"
                              "echo \"Eqnbank.c:12: error: boom\"\nexit 1\n");
    ::chmod(compilerScript.c_str(), 0755);
    const ScopedEnv compilerChoice("ATTRAVA_CC", compilerScript);
    editor.compiler = Compile;
    const std::string library = program.file("Eqnbank.so");
    writeText(library, "previous library");
    std::string failedModel;
    CompileResult failure;
    editor.compileFailed = [&](const std::string& name, const CompileResult& result) {
        failedModel = name;
        failure = result;
    };

    ASSERT_TRUE(editor.fill());
    fs::copy_file(modelFolder() + "Lorenz.txt", modelFolder() + "Broken.txt");
    ASSERT_TRUE(editor.readChosenModelFile(modelFolder() + "Broken.txt"));
    EXPECT_FALSE(editor.finishEditor(EditorMode::Add, false, {}));
    EXPECT_EQ(failedModel, "Broken");
    EXPECT_FALSE(failure.ok);
    EXPECT_NE(failure.diagnostics.find("error: boom"), std::string::npos) << failure.diagnostics;
    EXPECT_EQ(readText(library), "previous library");
    // The list keeps the new model, so it can be edited and compiled again.
    EXPECT_EQ(editor.entries().back().name, "Broken");
}

TEST_F(ListEditorTest, TheDefaultFailureReportNamesTheModelAndShowsTheDiagnostics)
{
    editor.compiler = [](const ModelLibraryPaths&) { return CompileResult{false, "line 3: bad\n"}; };
    editor.releaseBinding = nullptr;
    EXPECT_FALSE(editor.compileLibrary("Lorenz"));
    ASSERT_EQ(reporter.kinds(), std::vector<FailureKind>{FailureKind::CompileFailed});
    EXPECT_EQ(reporter.failures[0].name, "Lorenz");
    EXPECT_EQ(reporter.failures[0].detail, "line 3: bad\n");
}

TEST_F(ListEditorTest, ParameterSettingsAsksToCompileAMissingLibrary)
{
    ASSERT_TRUE(editor.fill());
    int questions = 0;
    EXPECT_TRUE(editor.acceptForParameterSettings([&] {
        ++questions;
        return true;
    }));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(events, (std::vector<std::string>{"release", expectedCompile()}));
    EXPECT_EQ(record.ModelName, "Lorenz");
    EXPECT_DOUBLE_EQ(record.Parameter_Default[0], 10.0);
}

TEST_F(ListEditorTest, DecliningToCompileForgetsTheListAndKeepsTheDialogOpen)
{
    ASSERT_TRUE(editor.fill());
    EXPECT_FALSE(editor.acceptForParameterSettings([] { return false; }));
    EXPECT_TRUE(editor.listPath().empty());
    EXPECT_TRUE(editor.entries().empty());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(reporter.kinds(), std::vector<FailureKind>{FailureKind::NoModelChosen});
}

TEST_F(ListEditorTest, ParameterSettingsWithAnExistingLibraryDoesNotAsk)
{
    writeText(program.file("Eqnbank.so"), "library");
    ASSERT_TRUE(editor.fill());
    editor.select(3);
    EXPECT_TRUE(editor.acceptForParameterSettings([]() -> bool {
        ADD_FAILURE() << "asked although the library exists";
        return false;
    }));
    EXPECT_EQ(record.ModelName, "Chua_Circuit");
}

TEST_F(ListEditorTest, ANewModelStartsFromAFreshRecordKeepingTheDisplayArrangement)
{
    ASSERT_TRUE(editor.fill());
    ASSERT_TRUE(editor.acceptSelection());
    record.Basis_Axis_Mode = 2;
    record.Color_Axis_Number = 3;
    editor.resetRecord();
    const ModelRecord fresh;
    EXPECT_EQ(record.ModelName, "");
    EXPECT_EQ(record.Function[0], "");
    EXPECT_EQ(record.Setting.c[0], fresh.Setting.c[0]);
    EXPECT_EQ(record.Display_Scale, fresh.Display_Scale);
    EXPECT_EQ(record.Basis_Axis_Mode, 2);
    EXPECT_EQ(record.Color_Axis_Number, 3);
}

TEST(ModelDraft, NameRuleAcceptsCIdentifiersOfSingleByteLetters)
{
    ModelDraft draft;
    draft.equations[0] = "a*y-a*x";
    draft.equations[1] = "-x*z+b*x-y";
    draft.equations[2] = "x*y-c*z";
    for (const char* name : {"Lorenz", "_x1", "a2b"}) {
        draft.name = name;
        EXPECT_EQ(draftRefusal(draft), std::nullopt) << name;
    }
    for (const char* name : {"2ab", "a-b", "a b", " ab", "ａb", "ab字"}) {
        draft.name = name;
        const auto refusal = draftRefusal(draft);
        EXPECT_TRUE(refusal && refusal->kind == FailureKind::ModelNameInvalid) << name;
    }
    draft.name = "";
    EXPECT_EQ(draftRefusal(draft), Failure(FailureKind::ModelNameMissing));
}

TEST(ModelDraft, AnInvalidEquationIsRefusedByItsName)
{
    ModelDraft draft;
    draft.name = "M";
    draft.equations[0] = "a*y";
    draft.equations[1] = "x; system(\"rm\")";
    draft.equations[2] = "x";
    const auto refusedEquation = [&] {
        const auto refusal = draftRefusal(draft);
        EXPECT_TRUE(!refusal || refusal->kind == FailureKind::EquationRefused);
        return refusal ? refusal->equation : -1;
    };
    EXPECT_EQ(refusedEquation(), 1) << "dy/dt";
    // Equations beyond the dimension are not used and not checked.
    draft.equations[1] = "y";
    draft.equations[4] = "not checked (";
    EXPECT_EQ(draftRefusal(draft), std::nullopt);
    draft.dimension = 5;
    EXPECT_EQ(refusedEquation(), 3) << "dw/dt";
}

TEST(ModelDraft, SavingStoresTheDraftAndWritesTheFileOnlyWhenItPasses)
{
    TempFolder folder;
    CollectingReporter reporter;
    ModelRecord record;
    record.Function[4] = "kept";
    ModelDraft draft;
    draft.name = "Spiral";
    draft.dimension = 4;
    draft.parameterCount = 1;
    draft.equations[0] = "-a*x";
    draft.equations[1] = "-y";
    draft.equations[2] = "x-z";
    draft.equations[3] = "1";
    draft.equations[4] = "ignored";

    draft.equations[3] = "w(";
    EXPECT_FALSE(saveDraft(draft, folder.file("Spiral.txt"), record, reporter));
    EXPECT_FALSE(fs::exists(folder.file("Spiral.txt")));
    EXPECT_EQ(record.ModelName, "");
    EXPECT_EQ(reporter.kinds(), std::vector<FailureKind>{FailureKind::EquationRefused});

    draft.equations[3] = "1";
    ASSERT_TRUE(saveDraft(draft, folder.file("Spiral.txt"), record, reporter));
    EXPECT_EQ(record.ModelName, "Spiral");
    EXPECT_EQ(record.ModelFileDir, folder.file("Spiral.txt"));
    EXPECT_EQ(record.Dimension, 4);
    EXPECT_EQ(record.Parameter, 1);
    EXPECT_EQ(record.Function[3], "1");
    EXPECT_EQ(record.Function[4], "kept");
    ModelRecord reread;
    reread.ModelFileDir = folder.file("Spiral.txt");
    ASSERT_TRUE(reread.Read(reporter));
    EXPECT_EQ(reread.Dimension, 4);
    EXPECT_EQ(reread.Function[2], "x-z");
}

TEST(ModelDraft, UsedLettersAreCutToTheCounts)
{
    EXPECT_EQ(usedVariableLetters(3), "x, y, z");
    EXPECT_EQ(usedVariableLetters(4), "x, y, z, w");
    EXPECT_EQ(usedVariableLetters(6), "x, y, z, w, v, u");
    EXPECT_EQ(usedParameterLetters(0), "");
    EXPECT_EQ(usedParameterLetters(1), "a");
    EXPECT_EQ(usedParameterLetters(10), "a, b, c, d, e, f, g, h, i, j");
}

}  // namespace
