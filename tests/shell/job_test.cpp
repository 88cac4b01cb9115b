// Long work in the running program: a 500,000-point Lyapunov spectrum of
// ResslerHyperchaos runs through the job runner while the event loop keeps
// turning and the drawing tick keeps drawing the shown view's attractor,
// shows its progress, gives the same spectrum as a computation made at once,
// and stops within 100 ms of a cancel. The long orbit belongs to a view that
// is not shown: drawing half a million points with the software renderer of
// the test display would itself take seconds per frame.
#include "running_program.h"
#include "shell/job_progress.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QtTest>

class JobTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        program_.startShowing({"ResslerHyperchaos"});
        QVERIFY(!QTest::currentTestFailed());
        app_ = &program_.app();
        QVERIFY(program_.reporter().messages.empty());

        // The long orbit itself runs as a job too.
        CUser& document = app_->document();
        DynamicsEngine& engine = document.views[kView].engine;
        engine.recordEdited = document.views[0].engine.recordInUse;
        QVERIFY(document.bindModel(kView));
        engine.recordInUse.Sampling_Point = kPoints;
        document.computeViewOrbit(kView);
        QVERIFY(document.jobs.isActive(kView, JobKind::Orbit));
        QTRY_VERIFY_WITH_TIMEOUT(engine.recordInUse.validPointCount == kPoints, 30000);
        QCOMPARE(engine.orbit.size(), std::size_t(kPoints));
    }

    void cleanupTestCase() { program_.stop(); }

    void theSpectrumRunsWhileTheProgramKeepsDrawing()
    {
        CUser& document = app_->document();
        QElapsedTimer clock;
        // Times of the frames drawn and of the events of a 5 ms timer.
        std::vector<qint64> frames;
        std::vector<qint64> turns;
        // The connections end with this test.
        QObject scope;
        connect(&app_->view(), &CPsView::frameSwapped, &scope, [&] { frames.push_back(clock.elapsed()); });
        QTimer turn;
        turn.setInterval(5);
        connect(&turn, &QTimer::timeout, &scope, [&] { turns.push_back(clock.elapsed()); });
        int highestPercent = 0;
        bool progressShown = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, &scope, [&] {
            highestPercent = std::max(highestPercent, app_->jobProgress().bar()->value());
            progressShown = progressShown || app_->jobProgress().isVisible();
        });

        std::optional<SpectrumOutcome> outcome;
        qint64 took = -1;
        clock.start();
        turn.start();
        watch.start();
        document.startSpectrum(kView, [&](const SpectrumOutcome& o) {
            outcome = o;
            took = clock.elapsed();
        });
        QVERIFY(document.jobs.isActive(kView, JobKind::Spectrum));
        QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 60000);
        turn.stop();
        watch.stop();
        const qint64 frameGap = longestGap(frames, took);
        const qint64 turnGap = longestGap(turns, took);
        qInfo("spectrum of %d points took %lld ms: %zu frames drawn (longest gap %lld ms), "
              "%zu timer events (longest gap %lld ms), progress shown up to %d%%",
              kPoints, took, frames.size(), frameGap, turns.size(), turnGap, highestPercent);

        // Work on this thread would stop both for the whole run; here the
        // loop keeps turning (the software renderer of a busy test machine
        // sets the pace of the frames).
        QVERIFY2(frames.size() >= 5, qPrintable(QString::number(frames.size())));
        QVERIFY2(frameGap < 1000 && frameGap < took / 2, qPrintable(QString::number(frameGap)));
        QVERIFY2(turnGap < 1000 && turnGap < took / 2, qPrintable(QString::number(turnGap)));
        QCOMPARE(outcome->status, JobStatus::Finished);
        QVERIFY(outcome->exists);
        QVERIFY(progressShown);
        QVERIFY(highestPercent > 0);
        QTRY_VERIFY(!app_->jobProgress().isVisible());

        // The same spectrum as computed at once on the view's engine.
        const StateVector direct = document.views[kView].engine.lyapunovSpectrum();
        for (int k = 0; k < 4; ++k)
            QCOMPARE(outcome->spectrum[k], direct[k]);
        QVERIFY(direct[0] > 0.05 && direct[1] > 0.0 && direct[3] < -10.0);
    }

    void cancelStopsTheSpectrumWithinATenthOfASecond()
    {
        CUser& document = app_->document();
        std::optional<SpectrumOutcome> outcome;
        QElapsedTimer clock;
        qint64 took = -1;
        document.startSpectrum(kView, [&](const SpectrumOutcome& o) {
            outcome = o;
            took = clock.isValid() ? clock.elapsed() : -1;
        });
        QTRY_VERIFY(document.jobs.percent(kView, JobKind::Spectrum).value_or(0) >= 1);
        QVERIFY(!outcome);

        // Measured from the cancel to the outcome handed back on this thread.
        clock.start();
        document.jobs.cancel(kView, JobKind::Spectrum);
        QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 1000);
        qInfo("cancelled after %lld ms", took);
        QCOMPARE(outcome->status, JobStatus::Cancelled);
        QVERIFY(!outcome->exists);
        QVERIFY2(took >= 0 && took < 100, qPrintable(QString::number(took)));
        QVERIFY(!document.jobs.busy());
    }

private:
    // The longest time between two events, counting from 0 and up to `end`.
    static qint64 longestGap(std::vector<qint64> times, qint64 end)
    {
        times.insert(times.begin(), 0);
        times.push_back(end);
        qint64 longest = 0;
        for (std::size_t i = 1; i < times.size(); ++i)
            longest = std::max(longest, times[i] - times[i - 1]);
        return longest;
    }

    static constexpr int kPoints = 500000;
    static constexpr int kView = 1;  // beyond the one view shown

    RunningProgram program_;
    CAttravaApp* app_ = nullptr;
};

QTEST_MAIN(JobTest)
#include "job_test.moc"
