// The parameter scan window in the running program: the tools item opens it
// on the active view, a scan of Ressler's c fills it through the job runner
// with what the batch tool writes for the same settings, a click on the
// diagram gives the view that parameter value, whose attractor follows, and
// the cancel button stops a scan.
#include "document/user_document.h"
#include "plots/job_strip.h"
#include "plots/plot_frame.h"
#include "plots/scan_window.h"
#include "running_program.h"
#include "shell/command_ids.h"
#include "shell/window_adapter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>

class ScanWindowTest : public QObject {
    Q_OBJECT

private slots:
    void aScanFillsTheWindowAndAClickMovesTheView()
    {
        RunningProgram program;
        program.startShowing({"Ressler"});
        if (QTest::currentTestFailed())
            return;
        CUser& document = program.document();
        DynamicsEngine& engine = document.views[0].engine;
        QTRY_COMPARE(engine.orbitReady, 1);

        QVERIFY(program.app().router().state(CommandId::ParameterScan).enabled);
        QVERIFY(program.app().router().execute(CommandId::ParameterScan));
        const auto* adapter = dynamic_cast<WindowAdapter<CScanWindow>*>(
            document.views[0].windows[windowEntry(WindowKind::ParameterScan)].get());
        QVERIFY(adapter && adapter->widget());
        CScanWindow& window = *adapter->widget();
        QVERIFY(window.isVisible());
        QCOMPARE(window.parameterList()->count(), 3);

        window.parameterList()->setCurrentIndex(2);
        window.fromEdit()->setText(QStringLiteral("2"));
        window.toEdit()->setText(QStringLiteral("6"));
        window.countBox()->setValue(24);
        window.transientBox()->setValue(1000);
        window.pointsBox()->setValue(2000);
        window.variableList()->setCurrentIndex(0);
        QTest::mouseClick(window.scanButton(), Qt::LeftButton);
        QVERIFY(window.scanRunning());
        QVERIFY(window.jobStrip()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!window.scanRunning() && window.cells().size() == 24, 30000);
        QVERIFY(!window.jobStrip()->isVisible());
        QVERIFY(program.app().router().state(CommandId::ParameterScan).checked.value());

        // The same rows as the batch tool's for the model file and settings.
        QProcess tool;
        tool.start(QStringLiteral(ATTRAVA_PROGRAM_DIR "/attrava-cli"),
                   QStringLiteral("scan " ATTRAVA_PROGRAM_DIR "/model/Ressler.txt --param c=2:6:24"
                                  " --var x --transient 1000 --points 2000")
                       .split(' '));
        QVERIFY(tool.waitForFinished(60000) && tool.exitCode() == 0);
        const QByteArray expected = tool.readAllStandardOutput();
        QVERIFY(expected.count('\n') > 24);
        QCOMPARE(window.csv(), expected);
        const PlotPicture& picture = window.plotFrame()->picture();
        QCOMPARE(picture.dots.size(), std::size_t(1));
        QCOMPARE(picture.dots[0].points.size(), expected.count('\n') - 1);

        // A click halfway across the plot picks c = 4, to a few columns.
        const StateVector before = engine.orbit.back();
        QTest::mouseClick(window.plotFrame(), Qt::LeftButton, {},
                          QPoint(window.plotFrame()->width() / 2, 40));
        QVERIFY(std::abs(engine.recordInUse.Parameter_Default[2] - 4.0) < 0.02);
        QCOMPARE(engine.binding.parameterArg[2], engine.recordInUse.Parameter_Default[2]);
        QTRY_VERIFY_WITH_TIMEOUT(engine.orbitReady == 1 && engine.orbit.back() != before, 10000);
        QCOMPARE(window.plotFrame()->picture().lines.size(), std::size_t(1));  // the marker
        saveScreenShot(QStringLiteral("scan-window"));

        // The strip's cancel ends a long scan early, keeping what came.
        window.countBox()->setValue(4000);
        QTest::mouseClick(window.scanButton(), Qt::LeftButton);
        QVERIFY(window.scanRunning());
        QTest::mouseClick(window.jobStrip()->cancelButton(), Qt::LeftButton);
        QVERIFY(!window.scanRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!window.jobStrip()->isVisible() && !document.jobs.busy(),
                                 10000);
        QVERIFY(window.cells().size() < 4000);
    }
};

QTEST_MAIN(ScanWindowTest)
#include "scan_window_test.moc"
