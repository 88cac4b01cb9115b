// Binding a view's model through its engine from the model library, the
// failures told to the user, and compiling the library.
#include "document_fixture.h"

#include <unistd.h>

#include <filesystem>

namespace {

class ModelBinding : public DocumentTest {
protected:
    ViewSlot& slot(int v) { return document.views[static_cast<std::size_t>(v)]; }
};

TEST_F(ModelBinding, ShippedLorenzBindsAndIntegrates)
{
    ASSERT_TRUE(bindShippedModel(document, 1, "Lorenz"));
    const DynamicsEngine& engine = slot(1).engine;
    EXPECT_EQ(engine.binding.bound, 1);
    EXPECT_EQ(engine.recordInUse.ModelName, "Lorenz");
    for (int j = 0; j < engine.recordInUse.Parameter; ++j)
        EXPECT_EQ(engine.binding.parameterArg[j], engine.recordInUse.Parameter_Default[j]) << j;
    EXPECT_EQ(engine.diverged, 0);
    EXPECT_EQ(engine.recordInUse.validPointCount, engine.recordInUse.Sampling_Point);
    EXPECT_TRUE(parts.reporter.failures.empty());
    EXPECT_EQ(document.libraryPaths.libraryPath, kProgramFolder + "Eqnbank.so");
    EXPECT_EQ(slot(0).engine.binding.bound, 0) << "each view binds on its own";
}

TEST_F(ModelBinding, AMissingFunctionLeavesTheViewUnboundAndIsReported)
{
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    slot(0).environment.rebuildLevel = RebuildLevel::None;
    slot(0).engine.recordEdited.ModelName = "NoSuchModel";

    EXPECT_FALSE(document.bindModel(0));
    EXPECT_EQ(slot(0).engine.binding.bound, 0);
    EXPECT_EQ(slot(0).engine.binding.modelFunction, nullptr);
    EXPECT_EQ(slot(0).engine.orbitReady, 0);
    EXPECT_EQ(slot(0).environment.rebuildLevel, RebuildLevel::None);
    ASSERT_EQ(parts.reporter.kinds(), std::vector<FailureKind>{FailureKind::BindFailed});
    const Failure& failure = parts.reporter.failures[0];
    EXPECT_EQ(failure.name, "NoSuchModel");
    EXPECT_TRUE(failure.path.ends_with("Eqnbank.so")) << failure.path;
}

TEST_F(ModelBinding, RebindingKeepsTheRecordInUseAsItStands)
{
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    DynamicsEngine& engine = slot(0).engine;
    engine.recordInUse.Sampling_Point = 123;
    engine.recordInUse.Parameter_Default[1] = 99.5;
    engine.Release();

    EXPECT_TRUE(document.rebindRecordInUse(0));
    EXPECT_EQ(engine.binding.bound, 1);
    EXPECT_EQ(engine.recordInUse.Sampling_Point, 123) << "the edited record is not taken";
    EXPECT_EQ(engine.binding.parameterArg[1], 99.5);
    EXPECT_EQ(engine.orbitReady, 1) << "the orbit of the same model stays";
    EXPECT_TRUE(parts.reporter.failures.empty());
}

TEST_F(ModelBinding, ARebindThatFailsTakesTheOrbitAway)
{
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    document.modelListPath = "./model/Absent.c";

    EXPECT_FALSE(document.rebindRecordInUse(0));
    EXPECT_EQ(slot(0).engine.binding.bound, 0);
    EXPECT_EQ(slot(0).engine.orbitReady, 0)
        << "an unbound view must not offer the tools that call its model";
    ASSERT_EQ(parts.reporter.kinds(), std::vector<FailureKind>{FailureKind::BindFailed});
    EXPECT_EQ(parts.reporter.failures[0].name, "Lorenz");
}

TEST_F(ModelBinding, AMissingLibraryIsReported)
{
    document.modelListPath = "./model/Absent.c";
    slot(2).engine.recordEdited.ModelName = "Lorenz";
    EXPECT_FALSE(document.bindModel(2));
    EXPECT_EQ(slot(2).engine.binding.bound, 0);
    ASSERT_EQ(parts.reporter.kinds(), std::vector<FailureKind>{FailureKind::BindFailed});
    EXPECT_TRUE(parts.reporter.failures[0].path.ends_with("Absent.so"))
        << parts.reporter.failures[0].path;
}

TEST_F(ModelBinding, RelativeListPathsAreTakenFromTheProgramFolder)
{
    document.modelListPath = ".\\model\\Eqnbank.c";
    const ModelLibraryPaths paths = document.currentLibraryPaths();
    EXPECT_EQ(paths.libraryPath, kProgramFolder + "Eqnbank.so");
    EXPECT_EQ(paths.listBaseName, "Eqnbank");
}

// A program folder of its own, so compiling does not replace the library
// the other tests bind.
class ScratchProgramFolder {
public:
    ScratchProgramFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("attrava-document-compile-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(path_);
    }
    ~ScratchProgramFolder() { std::filesystem::remove_all(path_); }
    std::string folder() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

TEST(ModelCompile, CompilingReleasesOnlyTheActiveView)
{
    ScratchProgramFolder scratch;
    DocumentParts parts(scratch.folder());
    CUser& document = parts.document;
    document.modelListPath = kShippedListPath;

    const CompileResult first = document.compileModelLibrary();
    ASSERT_TRUE(first.ok) << first.diagnostics;
    ASSERT_TRUE(std::filesystem::exists(scratch.folder() + "Eqnbank.so"));

    document.setViewCount(2);
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    ASSERT_TRUE(bindShippedModel(document, 1, "Ressler"));
    const CompileResult second = document.compileModelLibrary();
    ASSERT_TRUE(second.ok) << second.diagnostics;
    EXPECT_EQ(document.views[0].engine.binding.bound, 0);
    EXPECT_EQ(document.views[1].engine.binding.bound, 1);
    EXPECT_TRUE(parts.reporter.failures.empty());
}

} // namespace
