// The whole program started for a test: a scratch program folder with the
// shipped list, models and built library, a 1280 x 1024 screen, a reporter
// that keeps every message, and the started application. Tests that drive
// the real window build on this instead of starting the program themselves.
#pragma once

#include "dialogs/dialog_test_support.h"
#include "dialogs/shown_messages_reporter.h"
#include "fake_display_settings.h"
#include "shell/attrava_app.h"
#include "shell/window_adapter.h"
#include "view/ps_view.h"

#include <QScreen>
#include <QtTest>

#include <memory>

class RunningProgram {
public:
    RunningProgram()
        : screen_({{1280, 1024, 24, 60}}, ScreenSize{1280, 1024})
    {
        QFile::copy(QStringLiteral(ATTRAVA_PROGRAM_DIR "/Eqnbank.so"),
                    folder_.file(QStringLiteral("Eqnbank.so")));
    }

    // Starts the program and waits until its window shows, its scenes exist
    // and the drawing tick runs. Failures are recorded with QVERIFY: callers
    // check QTest::currentTestFailed() when they go on.
    void start(const StartOptions& options)
    {
        QVERIFY(folder_.valid());
        app_ = std::make_unique<CAttravaApp>(folder_.path(), screen_, reporter_, options);
        app_->start();
        QVERIFY(QTest::qWaitForWindowExposed(&app_->frame()));
        QTRY_VERIFY(app_->document().scenesInitialised());
        QTRY_COMPARE(app_->view().timersRunning(), 1);
    }

    // Starts without the splash with the named models in the views.
    void startShowing(std::vector<std::string> models)
    {
        StartOptions options;
        options.splashEnabled = false;
        options.models = std::move(models);
        start(options);
    }

    // Ends the program before the folder goes.
    void stop() { app_.reset(); }

    CAttravaApp& app() { return *app_; }
    CUser& document() { return app_->document(); }
    const dialogtest::ProgramFolder& folder() const { return folder_; }
    ShownMessagesReporter& reporter() { return reporter_; }
    FakeDisplaySettings& screen() { return screen_; }

private:
    dialogtest::ProgramFolder folder_;
    FakeDisplaySettings screen_;
    ShownMessagesReporter reporter_;
    std::unique_ptr<CAttravaApp> app_;
};

// The Qt window of that kind a view holds; null when it has none (or one of
// another class).
template <class W>
W* viewWindow(CUser& document, WindowKind kind, int view)
{
    const auto& entry = document.views[static_cast<std::size_t>(view)]
                            .windows[static_cast<std::size_t>(windowEntry(kind))];
    auto* adapter = dynamic_cast<WindowAdapter<W>*>(entry.get());
    return adapter ? adapter->widget() : nullptr;
}

// Saves the whole screen as NAME.png into the folder ATTRAVA_SCREENSHOT_DIR
// names, so that a stage of a road test can be looked at by eye.
inline void saveScreenShot(const QString& name)
{
    const QString folder = qEnvironmentVariable("ATTRAVA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') + name +
                                                         QStringLiteral(".png"));
}
