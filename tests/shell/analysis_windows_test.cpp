// The analysis windows in the running program: from the tools items to the
// filled windows through the job runner, the window table's rules (may open,
// check marks, replacement, one window per view under "ALL View", closing
// when a view drops out, refreshing when the view is recomputed or re-bound)
// and the windows' copy and export. Spectrum and responses are compared with
// what attrava-cli prints for the same model and number of points. A window
// that shows its own progress keeps its job out of the global progress
// window, and closing it cancels its job.
//
// With ATTRAVA_SCREENSHOT_DIR set to a folder, the screen is saved there at
// each window for a look by eye.
#include "document/view_layout.h"
#include "plots/colour_bar_window.h"
#include "plots/equation_window.h"
#include "plots/job_strip.h"
#include "plots/lyapunov_value_window.h"
#include "plots/plot_text.h"
#include "plots/response_window.h"
#include "running_program.h"
#include "settings/environment_settings.h"
#include "shell/command_ids.h"
#include "shell/job_progress.h"
#include "shell/window_adapter.h"

#include <QClipboard>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class AnalysisWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        program_.startShowing({"Lorenz"});
        QVERIFY(!QTest::currentTestFailed());
        app_ = &program_.app();
        QVERIFY(program_.reporter().messages.empty());

        // An orbit long enough for the spectrum to run as a job.
        CUser& document = app_->document();
        document.views[0].engine.recordInUse.Sampling_Point = kPoints;
        document.computeViewOrbit(0);
        QTRY_VERIFY_WITH_TIMEOUT(document.views[0].engine.recordInUse.validPointCount == kPoints,
                                 30000);
    }

    void cleanupTestCase() { program_.stop(); }

    void theSpectrumItemFillsItsWindowThroughTheJobRunner()
    {
        CUser& document = app_->document();
        QVERIFY(app_->router().execute(CommandId::LyapunovSpectrum));
        auto* window = windowOf<CSpectrumWindow>(WindowKind::LyapunovSpectrum, 0);
        QVERIFY(window);
        QVERIFY(document.jobs.isActive(0, JobKind::Spectrum));
        QVERIFY(window->isVisible());
        QVERIFY(window->jobStrip()->isVisible());
        QCOMPARE(window->valueText(0), QString());
        QCOMPARE(window->size(), QSize(230, 110));
        // The window's strip is the job's one progress display.
        QCOMPARE(document.jobs.overallPercent(), std::nullopt);
        bool globalProgressShown = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, window, [&] {
            globalProgressShown = globalProgressShown || app_->jobProgress().isVisible();
        });
        watch.start();
        QTRY_VERIFY_WITH_TIMEOUT(!window->valueText(0).isEmpty(), 30000);
        watch.stop();
        QVERIFY(!globalProgressShown);
        QVERIFY(!window->jobStrip()->isVisible());
        QVERIFY(app_->router().state(CommandId::LyapunovSpectrum).checked.value());

        // The digits the batch tool prints for the same model and points.
        const QStringList tool = toolLines({"lyapunov", modelFile(), "--points", QString::number(kPoints)});
        QCOMPARE(tool.size(), 4);
        QCOMPARE(window->copyText(), tool.mid(0, 3).join('\n') + '\n');
        QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), window->copyText());

        QVERIFY(app_->router().execute(CommandId::LyapunovDimension));
        auto* dimension = windowOf<CDimensionWindow>(WindowKind::LyapunovDimension, 0);
        QVERIFY(dimension);
        QTRY_VERIFY_WITH_TIMEOUT(!dimension->valueText(0).isEmpty(), 30000);
        QCOMPARE(dimension->copyText(), tool[3] + '\n');
        saveScreenShot(QStringLiteral("spectrum-and-dimension"));
    }

    void theResponseWindowsDrawAndSaveWhatTheBatchToolWrites()
    {
        QVERIFY(app_->router().execute(CommandId::SpectrumResponse));
        QVERIFY(app_->router().execute(CommandId::DimensionResponse));
        auto* spectrum = windowOf<CSpectrumResponseWindow>(WindowKind::SpectrumResponse, 0);
        auto* dimension = windowOf<CDimensionResponseWindow>(WindowKind::DimensionResponse, 0);
        QVERIFY(spectrum && dimension);
        QVERIFY(!spectrum->hasResult());
        QCOMPARE(spectrum->valueLabel(0), QStringLiteral("-"));
        QTRY_VERIFY_WITH_TIMEOUT(spectrum->hasResult() && dimension->hasResult(), 30000);
        QCOMPARE(spectrum->pointLabel(2), QString::number(kPoints));
        QCOMPARE(spectrum->plotFrame()->picture().lines.size(), std::size_t(4));

        QTemporaryDir work;
        const QString csvPath = work.filePath("response.csv");
        toolLines({"response", modelFile(), "--points", QString::number(kPoints), "--out", csvPath});
        QFile written(csvPath);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray expected = written.readAll();
        QVERIFY(expected.count('\n') == kPoints);
        QCOMPARE(spectrum->csv(), expected);
        QCOMPARE(dimension->csv(), expected);

        // The image keeps the window's layout at its resolution.
        const QString imagePath = work.filePath("response.png");
        QVERIFY(saveWindowImage(*dimension, imagePath));
        const QImage image(imagePath);
        QCOMPARE(image.size(), dimension->size() * dimension->devicePixelRatio());
        // The 3-D view's frame, as "画像を保存…" writes it.
        QVERIFY(app_->router().state(CommandId::SaveViewImage).enabled);
        const QString framePath = work.filePath("frame.png");
        QVERIFY(app_->saveViewImage(framePath));
        QCOMPARE(QImage(framePath).size(), app_->view().grabFramebuffer().size());
        saveScreenShot(QStringLiteral("responses"));
    }

    void theColourBarAndEquationsFollowTheView()
    {
        CUser& document = app_->document();
        ViewSlot& slot = document.views[0];
        // Only a coloured presentation has a legend.
        QVERIFY(!app_->router().state(CommandId::ColourBar).enabled);
        // The velocity distribution, as its presentation command sets it.
        slot.environment.presentationMode = PresentationMode::Velocity;
        slot.environment.rebuildLevel = RebuildLevel::Orbit;
        QVERIFY(app_->router().state(CommandId::ColourBar).enabled);
        QVERIFY(app_->router().execute(CommandId::ColourBar));
        auto* bar = windowOf<CColourBarWindow>(WindowKind::ColourBar, 0);
        QVERIFY(bar);
        // The drawing tick colours the orbit by velocity and sets the range.
        QTRY_VERIFY_WITH_TIMEOUT(slot.environment.colourMax > slot.environment.colourMin, 10000);
        QTRY_COMPARE(bar->label(0), valueLabelText(slot.environment.colourMax));
        QCOMPARE(bar->label(2), valueLabelText(slot.environment.colourMin));
        bar->resize(120, 400);
        QCOMPARE(bar->strip()->size(), QSize(60, 394));

        QVERIFY(app_->router().execute(CommandId::EquationDisplay));
        auto* equations = windowOf<CEquationWindow>(WindowKind::ModelEquation, 0);
        QVERIFY(equations);
        QCOMPARE(equations->modelName(), QStringLiteral("Lorenz"));
        QCOMPARE(equations->size(), QSize(330, 190));
        QVERIFY(equations->rowShown(2) && !equations->rowShown(3));
        QCOMPARE(equations->equation(0).toStdString(), slot.engine.recordInUse.Function[0]);
        saveScreenShot(QStringLiteral("colour-bar-and-equations"));
    }

    void windowsAreReplacedRefreshedAndClosedByTheirView()
    {
        CUser& document = app_->document();
        CommandRouter& router = app_->router();
        QPointer<CDimensionWindow> first = windowOf<CDimensionWindow>(WindowKind::LyapunovDimension, 0);
        QVERIFY(first);
        QVERIFY(router.execute(CommandId::LyapunovDimension));
        auto* second = windowOf<CDimensionWindow>(WindowKind::LyapunovDimension, 0);
        QVERIFY(second && second != first.data());
        QTRY_VERIFY(!first);
        QTRY_VERIFY_WITH_TIMEOUT(!second->valueText(0).isEmpty(), 30000);

        // A re-bound model has no orbit yet: no value of the former is shown.
        const QString before = second->valueText(0);
        document.views[0].engine.recordEdited = document.views[0].engine.recordInUse;
        QVERIFY(document.bindModel(0));
        QCOMPARE(second->valueText(0), QStringLiteral("-"));
        document.computeViewOrbit(0);
        QTRY_COMPARE_WITH_TIMEOUT(second->valueText(0), before, 60000);

        // Closed by the user: unchecked, and the next open replaces it.
        second->reject();
        QVERIFY(!document.isAnalysisWindowOpen(static_cast<int>(WindowKind::LyapunovDimension), 0));
        QVERIFY(!router.state(CommandId::LyapunovDimension).checked.value());

        // Closed while it computes: its job is cancelled and it shows "-".
        QVERIFY(router.execute(CommandId::LyapunovSpectrum));
        auto* spectrum = windowOf<CSpectrumWindow>(WindowKind::LyapunovSpectrum, 0);
        QVERIFY(spectrum && document.jobs.isActive(0, JobKind::Spectrum));
        spectrum->reject();
        QVERIFY(!document.jobs.isActive(0, JobKind::Spectrum));
        QTRY_COMPARE(spectrum->valueText(0), QStringLiteral("-"));

        // Four views of short Lorenz orbits under "ALL View": one window per
        // view, named after it, and no check marks.
        QVERIFY(router.execute(CommandId::FourViews));
        for (int v = 1; v < 4; ++v) {
            ViewSlot& slot = document.views[v];
            slot.engine.recordEdited = document.views[0].engine.recordEdited;
            slot.engine.recordEdited.Sampling_Point = 5000;
            QVERIFY(document.bindModel(v));
            slot.environment.dataSource = DataSource::Model;
            document.computeViewOrbit(v);
            QCOMPARE(slot.engine.orbitReady, 1);
        }
        QVERIFY(router.execute(CommandId::AllViews));
        QVERIFY(router.execute(CommandId::LyapunovSpectrum));
        QVERIFY(!router.state(CommandId::LyapunovSpectrum).checked.value());
        for (int v = 0; v < 4; ++v) {
            auto* window = windowOf<CSpectrumWindow>(WindowKind::LyapunovSpectrum, v);
            QVERIFY(window);
            QCOMPARE(window->windowTitle(),
                     QStringLiteral("リアプノフスペクトラム View-%1").arg(v + 1));
            // Over its own view, not over the other views' windows.
            const QPoint centre = app_->view().mapFromGlobal(window->geometry().center());
            QCOMPARE(viewIndexAt(4, centre.x(), centre.y(), app_->view().width(),
                                 app_->view().height()),
                     v);
            QTRY_VERIFY_WITH_TIMEOUT(!window->valueText(0).isEmpty(), 30000);
        }
        saveScreenShot(QStringLiteral("spectrum-four-views"));

        // Views that drop out close their windows.
        QVERIFY(router.execute(CommandId::OneView));
        for (int v = 1; v < 4; ++v)
            QVERIFY(!document.isAnalysisWindowOpen(static_cast<int>(WindowKind::LyapunovSpectrum), v));
        QVERIFY(document.isAnalysisWindowOpen(static_cast<int>(WindowKind::LyapunovSpectrum), 0));
    }

private:
    template <class W>
    W* windowOf(WindowKind kind, int view)
    {
        const auto& entry = app_->document().views[view].windows[windowEntry(kind)];
        auto* adapter = dynamic_cast<WindowAdapter<W>*>(entry.get());
        return adapter ? adapter->widget() : nullptr;
    }

    static QString modelFile() { return QStringLiteral(ATTRAVA_PROGRAM_DIR "/model/Lorenz.txt"); }

    // The batch tool's standard output, line by line.
    static QStringList toolLines(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral(ATTRAVA_PROGRAM_DIR "/attrava-cli"), arguments);
        if (!tool.waitForFinished(120000) || tool.exitCode() != 0)
            return {};
        return QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    static constexpr int kPoints = 100000;

    RunningProgram program_;
    CAttravaApp* app_ = nullptr;
};

QTEST_MAIN(AnalysisWindowsTest)
#include "analysis_windows_test.moc"
