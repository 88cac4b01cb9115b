// Fixtures of the document tests: a document over an empty settings file
// with scripted pointer input and a collecting reporter, optionally with an
// offscreen OpenGL context and its scenes built; and a helper that binds a
// view to a shipped model and integrates it.
#pragma once

#include "document/user_document.h"
#include "models/reporter.h"
#include "view3d/scene/gl_context.h"
#include "view3d/scene/scripted_input.h"
#include "settings/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

inline const std::string kProgramFolder = ATTRAVA_PROGRAM_DIR "/";
inline const std::string kShippedListPath = kProgramFolder + "model/Eqnbank.c";

// A settings file that does not exist reads as empty: every key its default.
inline std::filesystem::path missingSettingsFile()
{
    return std::filesystem::temp_directory_path() / "attrava-document-tests-absent" / "Attrava.ini";
}

// Everything a document needs, in construction order.
struct DocumentParts {
    explicit DocumentParts(const std::string& programFolder = kProgramFolder)
        : document(settings, reporter, programFolder, input)
    {
    }

    ProfileFile settings{missingSettingsFile()};
    CollectingReporter reporter;
    ScriptedInput input;
    CUser document;
};

// A modeless window that is showing until the document closes it.
struct FakeWindow : AnalysisWindow {
    explicit FakeWindow(int& closeCount) : closes(closeCount) {}
    bool isOpen() const override { return open; }
    void close() override
    {
        open = false;
        ++closes;
    }
    void refresh() override { ++refreshes; }

    bool open = true;
    int refreshes = 0;
    int& closes;
};

// Puts a showing window of the kind into the view's table.
inline FakeWindow& openFakeWindow(CUser& document, int view, WindowKind kind, int& closeCount)
{
    auto window = std::make_unique<FakeWindow>(closeCount);
    FakeWindow& shown = *window;
    document.views[static_cast<std::size_t>(view)]
        .windows[static_cast<std::size_t>(windowEntry(kind))] = std::move(window);
    return shown;
}

// Reads a shipped model file into the view's edited record, binds the view to
// it from the shipped library and computes its orbit.
inline ::testing::AssertionResult bindShippedModel(CUser& document, int view, const std::string& name)
{
    document.modelListPath = kShippedListPath;
    DynamicsEngine& engine = document.views[static_cast<std::size_t>(view)].engine;
    CollectingReporter readReporter;
    engine.recordEdited.ModelFileDir = kProgramFolder + "model/" + name + ".txt";
    if (!engine.recordEdited.Read(readReporter))
        return ::testing::AssertionFailure() << "cannot read " << engine.recordEdited.ModelFileDir;
    engine.recordEdited.ModelName = name;
    if (!document.bindModel(view))
        return ::testing::AssertionFailure() << "cannot bind " << name;
    engine.computeOrbit();
    if (engine.orbitReady != 1)
        return ::testing::AssertionFailure() << name << " orbit not ready";
    document.views[static_cast<std::size_t>(view)].environment.dataSource = DataSource::Model;
    return ::testing::AssertionSuccess();
}

class DocumentTest : public ::testing::Test {
protected:
    // Outlives the document, whose destruction closes the windows still open.
    int windowCloses = 0;
    DocumentParts parts;
    CUser& document = parts.document;
};

// A document whose scenes are built on an offscreen context. The document is
// destroyed before the context, since its objects delete their display lists.
class GlDocumentTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        if (HasFatalFailure())
            return;
        parts_ = std::make_unique<DocumentParts>();
        parts_->document.initialiseScenes();
    }
    void TearDown() override
    {
        parts_.reset();
        GlTest::TearDown();
    }

    CUser& document() { return parts_->document; }
    ScriptedInput& input() { return parts_->input; }
    CollectingReporter& reporter() { return parts_->reporter; }
    ViewSlot& slot(int v) { return document().views[static_cast<std::size_t>(v)]; }
    void tick(bool foreground = true) { document().drawAllViews(foreground); }

private:
    std::unique_ptr<DocumentParts> parts_;
};
