// Time from the "リアプノフスペクトラム" item to the filled spectrum window in
// the running program, for Lorenz and ResslerHyperchaos at 100,000 and
// 500,000 points, and the drawing tick's interval while the 500,000-point
// spectrum runs (against the same view drawn with no work running).
// Run under xvfb-run: windows_bench
#include "models/reporter.h"
#include "plots/lyapunov_value_window.h"
#include "shell/attrava_app.h"
#include "shell/command_ids.h"
#include "shell/display_settings.h"
#include "settings/environment_settings.h"
#include "shell/window_adapter.h"
#include "view/ps_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace {

// The one screen of the test display; the program never changes modes here.
class FixedDisplay : public DisplaySettings {
public:
    std::vector<ScreenMode> availableModes() override { return {{1280, 1024, 24, 60}}; }
    bool changeTo(const ScreenMode&) override { return false; }
    void restore() override {}
    ScreenSize screenSize() override { return {1280, 1024}; }
};

// Turns the event loop until done() holds; false after timeoutMs.
bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

struct Intervals {
    double mean = 0.0;
    qint64 longest = 0;
    std::size_t frames = 0;
};

Intervals intervals(const std::vector<qint64>& times)
{
    Intervals result;
    result.frames = times.size();
    for (std::size_t i = 1; i < times.size(); ++i)
        result.longest = std::max(result.longest, times[i] - times[i - 1]);
    if (times.size() > 1)
        result.mean = double(times.back() - times.front()) / double(times.size() - 1);
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const std::string programFolder = folder.path().toStdString() + "/";
    std::ofstream(settingsFilePath(programFolder))
        << "[ProgramData]\nmodel_list_path=" ATTRAVA_PROGRAM_DIR "/model/Eqnbank.c\n";
    std::filesystem::copy_file(ATTRAVA_PROGRAM_DIR "/Eqnbank.so", programFolder + "Eqnbank.so");

    std::printf("%-18s %-6s %8s %14s %s\n", "model", "orbit", "points", "to filled (ms)",
                "drawing tick");
    for (const char* model : {"Lorenz", "ResslerHyperchaos"}) {
        FixedDisplay display;
        CollectingReporter reporter;
        StartOptions options;
        options.splashEnabled = false;
        options.models = {model};
        CAttravaApp app(programFolder, display, reporter, options);
        app.start();
        CUser& document = app.document();
        waitFor([&] { return app.view().timersRunning() == 1; }, 10000);

        // The long orbit on the shown view (the user's case: the software
        // renderer of a test display then spends seconds on each frame), and
        // on a view that is not shown while view 0 keeps drawing its
        // 10,000-point orbit (the tick as the job runner leaves it).
        for (const int view : {0, 1}) {
            DynamicsEngine& engine = document.views[view].engine;
            if (view != 0) {
                engine.recordEdited = document.views[0].engine.recordEdited;
                engine.recordEdited.Sampling_Point = 10000;
                document.bindModel(view);
                document.views[view].environment.dataSource = DataSource::Model;
                document.views[0].engine.recordInUse.Sampling_Point = 10000;
                document.computeViewOrbit(0);
            }
            for (const int points : {100000, 500000}) {
                engine.recordInUse.Sampling_Point = points;
                document.computeViewOrbit(view);
                waitFor([&] { return engine.recordInUse.validPointCount == points; }, 120000);

                QElapsedTimer clock;
                std::vector<qint64> frames;
                QObject scope;
                QObject::connect(&app.view(), &CPsView::frameSwapped, &scope,
                                 [&] { frames.push_back(clock.elapsed()); });
                // The view drawn with no work running, for comparison.
                clock.start();
                waitFor([] { return false; }, 3000);
                const Intervals idle = intervals(frames);

                frames.clear();
                clock.restart();
                // The menu item's handler for the active view; a view that
                // is not shown is opened on directly, as the handler would.
                if (view == 0)
                    app.router().execute(CommandId::LyapunovSpectrum);
                else
                    document.openAnalysisWindow(WindowKind::LyapunovSpectrum, view);
                const auto& entry =
                    document.views[view].windows[windowEntry(WindowKind::LyapunovSpectrum)];
                auto* window = dynamic_cast<WindowAdapter<CSpectrumWindow>*>(entry.get())->widget();
                waitFor([&] { return !window->valueText(0).isEmpty(); }, 300000);
                const qint64 filled = clock.elapsed();
                const Intervals busy = intervals(frames);
                std::printf("%-18s %-6s %8d %14lld idle: %zu frames, mean %.0f ms, longest %lld ms; "
                            "while computing: %zu frames, mean %.0f ms, longest %lld ms\n",
                            model, view == 0 ? "shown" : "hidden", points, filled, idle.frames,
                            idle.mean, idle.longest, busy.frames, busy.mean, busy.longest);
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
