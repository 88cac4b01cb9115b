// The job runner on its own (superseding, cancelling, progress) and the
// document's orbit job: the view keeps its previous orbit while a worker
// computes, the new one arrives whole and equal to an orbit computed at once,
// and the view's open windows are refreshed.
#include "document_fixture.h"

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Work that reports `steps` fractions and then waits for a stop or `release`.
auto waitingWork(std::atomic<bool>& release, std::vector<double> fractions = {})
{
    return [&release, fractions](const JobControl& control) {
        for (double f : fractions)
            control.report(f);
        while (!control.stopRequested() && !release.load())
            std::this_thread::sleep_for(1ms);
    };
}

// Delivers ended jobs until `until` holds, for at most five seconds.
template <typename Condition>
bool deliverUntil(JobRunner& runner, Condition until)
{
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!until()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        runner.deliverFinished();
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(JobRunner, ANewerJobSupersedesOnlyTheSameViewAndKind)
{
    JobRunner runner;
    std::atomic<bool> release{false};
    std::vector<std::pair<std::string, JobStatus>> ended;
    const auto record = [&ended](std::string name) {
        return [&ended, name](JobStatus status) { ended.emplace_back(name, status); };
    };
    runner.submit({0, JobKind::Spectrum, waitingWork(release), record("first")});
    runner.submit({1, JobKind::Spectrum, waitingWork(release), record("other view")});
    runner.submit({0, JobKind::Orbit, waitingWork(release), record("other kind")});
    runner.submit({0, JobKind::Spectrum, [](const JobControl&) {}, record("second")});

    ASSERT_TRUE(deliverUntil(runner, [&] { return ended.size() == 2; }));
    EXPECT_TRUE(runner.isActive(1, JobKind::Spectrum));
    EXPECT_TRUE(runner.isActive(0, JobKind::Orbit));
    EXPECT_FALSE(runner.isActive(0, JobKind::Spectrum));
    release = true;
    ASSERT_TRUE(deliverUntil(runner, [&] { return !runner.busy(); }));

    ASSERT_EQ(ended.size(), 4u);
    std::map<std::string, JobStatus> status(ended.begin(), ended.end());
    EXPECT_EQ(status["first"], JobStatus::Superseded);
    EXPECT_EQ(status["second"], JobStatus::Finished);
    EXPECT_EQ(status["other view"], JobStatus::Finished);
    EXPECT_EQ(status["other kind"], JobStatus::Finished);
}

TEST(JobRunner, CancelStopsTheWorkAndNoResultIsTaken)
{
    JobRunner runner;
    std::atomic<bool> release{false};
    std::optional<JobStatus> status;
    std::atomic<bool> started{false};
    runner.submit({2, JobKind::Recurrence,
                   [&](const JobControl& control) {
                       started = true;
                       waitingWork(release)(control);
                   },
                   [&status](JobStatus s) { status = s; }});
    ASSERT_TRUE(deliverUntil(runner, [&] { return started.load(); }));
    runner.cancelView(2);
    EXPECT_FALSE(runner.isActive(2, JobKind::Recurrence));
    ASSERT_TRUE(deliverUntil(runner, [&] { return status.has_value(); }));
    EXPECT_EQ(*status, JobStatus::Cancelled);
    EXPECT_FALSE(runner.busy());
}

TEST(JobRunner, ProgressIsInWholePerCentAndNeverGoesBack)
{
    JobRunner runner;
    std::atomic<bool> release{false};
    int notes = 0;
    std::mutex notesMutex;
    runner.setNotifier([&] {
        std::lock_guard lock(notesMutex);
        ++notes;
    });
    runner.submit({0, JobKind::Orbit, waitingWork(release, {0.257, 0.6, 0.3}), {}});
    runner.submit({1, JobKind::Orbit, waitingWork(release, {0.1}), {}});
    // The two workers report independently: wait until both have.
    ASSERT_TRUE(deliverUntil(runner, [&] {
        return runner.percent(0, JobKind::Orbit) == 60 && runner.percent(1, JobKind::Orbit) == 10;
    }));
    EXPECT_EQ(runner.overallPercent(), 10);
    EXPECT_EQ(runner.percent(3, JobKind::Orbit), std::nullopt);
    // A job whose window shows its progress is left out of the overall one.
    runner.showProgressInWindow(1, JobKind::Orbit);
    EXPECT_EQ(runner.overallPercent(), 60);
    EXPECT_EQ(runner.percent(1, JobKind::Orbit), 10);
    release = true;
    ASSERT_TRUE(deliverUntil(runner, [&] { return !runner.busy(); }));
    EXPECT_EQ(runner.overallPercent(), std::nullopt);
    std::lock_guard lock(notesMutex);
    EXPECT_EQ(notes, 4) << "two starts and two ends";
}

class OrbitJob : public DocumentTest {};

TEST_F(OrbitJob, ALargeOrbitArrivesWholeAndEqualToOneComputedAtOnce)
{
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    ViewSlot& slot = document.views[0];
    FakeWindow& window = openFakeWindow(document, 0, WindowKind::LyapunovSpectrum, windowCloses);
    const std::vector<StateVector> previous = slot.engine.orbit;
    slot.engine.recordInUse.Sampling_Point = 400000;
    slot.engine.recordInUse.Setting[0] = 2.5;
    slot.environment.rebuildLevel = RebuildLevel::None;

    document.computeViewOrbit(0);
    ASSERT_TRUE(document.jobs.isActive(0, JobKind::Orbit)) << "so much work runs on a worker";
    EXPECT_EQ(slot.engine.orbitReady, 1);
    EXPECT_EQ(slot.engine.orbit, previous);
    EXPECT_EQ(slot.environment.rebuildLevel, RebuildLevel::None);
    EXPECT_EQ(window.refreshes, 0);

    ASSERT_TRUE(deliverUntil(document.jobs, [&] { return !document.jobs.busy(); }));
    EXPECT_EQ(slot.engine.orbitReady, 1);
    EXPECT_EQ(slot.engine.recordInUse.validPointCount, 400000);
    EXPECT_EQ(slot.environment.rebuildLevel, RebuildLevel::Orbit);
    EXPECT_EQ(window.refreshes, 1);

    DynamicsEngine direct;
    direct.takeInputsOf(slot.engine, false);
    direct.computeOrbit();
    EXPECT_TRUE(slot.engine.orbit == direct.orbit) << "bit for bit";
    EXPECT_TRUE(slot.engine.displayPoints == direct.displayPoints);
}

TEST_F(OrbitJob, RebindingTheViewCancelsItsRunningOrbit)
{
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    ViewSlot& slot = document.views[0];
    slot.engine.recordInUse.Sampling_Point = 400000;
    document.computeViewOrbit(0);
    ASSERT_TRUE(document.jobs.isActive(0, JobKind::Orbit));
    // The library may go while the worker still integrates with it.
    ASSERT_TRUE(document.bindModel(0));
    slot.engine.Release();
    EXPECT_FALSE(document.jobs.isActive(0, JobKind::Orbit));
    ASSERT_TRUE(deliverUntil(document.jobs, [&] { return !document.jobs.busy(); }));
    EXPECT_EQ(slot.engine.orbitReady, 0) << "the cancelled orbit is not taken";
}

// The view's orbit as computed from its record in use with parameter b.
std::vector<StateVector> orbitWithB(const DynamicsEngine& engine, double b)
{
    DynamicsEngine direct;
    direct.takeInputsOf(engine, false);
    direct.recordInUse.Parameter_Default[1] = b;
    direct.loadParameters();
    direct.computeOrbit();
    return direct.orbit;
}

TEST_F(OrbitJob, ParameterChangesBetweenTwoTicksComputeOnceWithTheNewestValue)
{
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    ViewSlot& slot = document.views[0];
    FakeWindow& window = openFakeWindow(document, 0, WindowKind::ParameterSetting, windowCloses);
    slot.engine.recordInUse.Sampling_Point = kLiveOrbitPoints;
    for (double b : {40.0, 60.0, 100.0}) {
        slot.engine.recordInUse.Parameter_Default[1] = b;
        document.requestParameterRecompute(0);
    }
    EXPECT_TRUE(document.parameterRecomputePending(0));
    EXPECT_EQ(window.refreshes, 0) << "nothing is computed before the tick";

    document.runParameterRecomputes();
    EXPECT_FALSE(document.parameterRecomputePending(0));
    EXPECT_FALSE(document.jobs.busy()) << "a live-sized orbit is computed within the tick";
    EXPECT_EQ(window.refreshes, 1) << "one computation for three changes";
    EXPECT_EQ(slot.engine.binding.parameterArg[1], 100.0);
    EXPECT_TRUE(slot.engine.orbit == orbitWithB(slot.engine, 100.0));
    EXPECT_FALSE(slot.engine.orbit == orbitWithB(slot.engine, 60.0));
    EXPECT_EQ(slot.environment.rebuildLevel, RebuildLevel::VectorField);

    document.runParameterRecomputes();
    EXPECT_EQ(window.refreshes, 1) << "no change, no computation";
}

TEST_F(OrbitJob, LongOrbitsFollowTheSliderOnAWorkerAndTheNewestValueWins)
{
    ASSERT_TRUE(bindShippedModel(document, 0, "Lorenz"));
    ViewSlot& slot = document.views[0];
    slot.engine.recordInUse.Sampling_Point = 300000;
    for (double b : {40.0, 100.0}) {
        slot.engine.recordInUse.Parameter_Default[1] = b;
        document.requestParameterRecompute(0);
        document.runParameterRecomputes();
        ASSERT_TRUE(document.jobs.isActive(0, JobKind::Orbit));
    }
    ASSERT_TRUE(deliverUntil(document.jobs, [&] { return !document.jobs.busy(); }));
    EXPECT_EQ(slot.engine.recordInUse.validPointCount, 300000);
    EXPECT_TRUE(slot.engine.orbit == orbitWithB(slot.engine, 100.0));
}

}  // namespace
