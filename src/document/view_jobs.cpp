// The views' long computations: each runs on a worker copy of the view's
// engine, at once when it is small and through the job runner otherwise, and
// its result is handed into the view on the user-interface thread.
#include "document/user_document.h"

#include "dynamics/vector_field.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// Work of up to this many model calls (or distance evaluations) runs at
// once: even a slow model keeps it well within a tenth of a second.
constexpr double kQuickWork = 1.5e6;

double variables(const DynamicsEngine& engine)
{
    return static_cast<double>(std::clamp(engine.recordInUse.Dimension, 1, kMaxVariables));
}

// Model calls of an orbit: 4n per Runge-Kutta step, at least three steps per
// point with the automatic interval.
double orbitWork(const DynamicsEngine& engine)
{
    const double steps = engine.recordInUse.Auto_Sampling_Interval_Flag == 1 ? 3.0 : 1.0;
    return static_cast<double>(std::max(engine.recordInUse.Sampling_Point, 0)) * steps * 4.0 *
           variables(engine);
}

// Model calls of the spectrum or its responses: n Runge-Kutta steps per point.
double lyapunovWork(const DynamicsEngine& engine)
{
    const double n = variables(engine);
    return static_cast<double>(engine.orbit.size()) * 4.0 * n * n;
}

// Neighbour searches over a series: a few hundred distance evaluations per
// value and dimension tried.
double seriesWork(std::size_t values) { return static_cast<double>(values) * 500.0; }

// A worker copy of the view's engine, made now on this thread.
std::shared_ptr<DynamicsEngine> workerCopy(const DynamicsEngine& engine, bool withOrbit)
{
    auto worker = std::make_shared<DynamicsEngine>();
    worker->takeInputsOf(engine, withOrbit);
    return worker;
}

}  // namespace

void CUser::runViewJob(int view, JobKind kind, bool quick,
                       std::function<void(const JobControl&)> run,
                       std::function<void(JobStatus)> finish)
{
    if (!quick) {
        jobs.submit(Job{view, kind, std::move(run), std::move(finish)});
        return;
    }
    jobs.cancel(view, kind);
    run(JobControl{});
    finish(JobStatus::Finished);
}

void CUser::computeViewOrbit(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    computeViewOrbit(view, orbitWork(views[static_cast<std::size_t>(view)].engine) <= kQuickWork);
}

void CUser::computeViewOrbit(int view, bool quick)
{
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    const auto worker = workerCopy(slot.engine, false);
    runViewJob(
        view, JobKind::Orbit, quick,
        [worker](const JobControl& control) { worker->computeOrbit(control); },
        [this, view, &slot, worker](JobStatus status) {
            if (status != JobStatus::Finished)
                return;
            slot.engine.takeOrbitFrom(*worker);
            // A pending vector-field rebuild (level 2) stays asked for.
            slot.environment.rebuildLevel = std::max(slot.environment.rebuildLevel, RebuildLevel::Orbit);
            refreshViewWindows(view);
        });
}

void CUser::startSpectrum(int view, std::function<void(const SpectrumOutcome&)> done,
                          JobKind kind)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    const auto worker = workerCopy(slot.engine, true);
    auto outcome = std::make_shared<SpectrumOutcome>();
    runViewJob(
        view, kind, lyapunovWork(slot.engine) <= kQuickWork,
        [worker, outcome](const JobControl& control) {
            outcome->spectrum = worker->lyapunovSpectrum(control);
            outcome->exists = worker->spectrumExists == 1;
        },
        [&slot, worker, outcome, done = std::move(done)](JobStatus status) {
            outcome->status = status;
            if (status == JobStatus::Finished)
                slot.engine.spectrumExists = worker->spectrumExists;
            else
                *outcome = SpectrumOutcome{status, StateVector(), false};
            if (done)
                done(*outcome);
        });
}

void CUser::startResponses(int view, LyapunovResponses which, std::function<void(JobStatus)> done)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    const auto worker = workerCopy(slot.engine, true);
    const JobKind kind = which == LyapunovResponses::SpectrumAndDimension
                             ? JobKind::DimensionResponse
                             : JobKind::SpectrumResponse;
    runViewJob(
        view, kind, lyapunovWork(slot.engine) <= kQuickWork,
        [worker, which](const JobControl& control) { worker->lyapunovResponses(which, control); },
        [&slot, worker, which, done = std::move(done)](JobStatus status) {
            if (status == JobStatus::Finished)
                slot.engine.takeResponsesFrom(*worker, which);
            if (done)
                done(status);
        });
}

void CUser::startRecurrence(int view, int requestedSize,
                            std::function<void(JobStatus, RecurrenceMatrix&)> done)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    const auto worker = workerCopy(slot.engine, true);
    auto matrix = std::make_shared<RecurrenceMatrix>();
    const double size = static_cast<double>(std::max(requestedSize, 0));
    runViewJob(
        view, JobKind::Recurrence, size * size * 0.5 <= kQuickWork,
        [worker, matrix, requestedSize](const JobControl& control) {
            matrix->compute(*worker, requestedSize, control);
        },
        [matrix, done = std::move(done)](JobStatus status) {
            if (done)
                done(status, *matrix);
        });
}

void CUser::rebuildVectorField(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    const EnvironmentSettings& environment = slot.environment;
    const int pointsPerAxis = environment.Vector_Space_Num;
    const bool streamlines = environment.Vector_Flag_Display_Vector != 0;
    // A field switched off or without a model records nothing, at once.
    if (environment.vectorFieldOn != 1 || !slot.engine.binding.modelFunction ||
        vectorFieldWork(slot.engine.recordInUse.Dimension, pointsPerAxis, streamlines) <= kQuickWork) {
        jobs.cancel(view, JobKind::VectorField);
        slot.vectorField.rebuild();
        return;
    }
    const auto worker = workerCopy(slot.engine, false);
    auto sample = std::make_shared<VectorFieldSample>();
    jobs.submit(Job{view, JobKind::VectorField,
                    [worker, sample, pointsPerAxis, streamlines](const JobControl& control) {
                        *sample = sampleVectorField(*worker, pointsPerAxis, streamlines, control);
                    },
                    [&slot, sample](JobStatus status) {
                        if (status == JobStatus::Finished)
                            slot.vectorField.rebuild(sample);
                    }});
}

void CUser::startEmbeddingAdvice(int view,
                                 std::function<void(JobStatus, const EmbeddingAdvice&)> done)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    auto series = std::make_shared<std::vector<double>>(views[static_cast<std::size_t>(view)].engine.series);
    auto advice = std::make_shared<EmbeddingAdvice>();
    runViewJob(
        view, JobKind::EmbeddingAdvice, seriesWork(series->size()) <= kQuickWork,
        [series, advice](const JobControl& control) {
            *advice = adviseEmbedding(*series, kAdviceMaxDelay, kMaxAnalysisDimension, control);
        },
        [advice, done = std::move(done)](JobStatus status) {
            if (done)
                done(status, *advice);
        });
}

void CUser::startSeriesExponent(int view, const SeriesLyapunovOptions& options,
                                std::function<void(JobStatus, const SeriesLyapunovResult&)> done)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    const DynamicsEngine& engine = views[static_cast<std::size_t>(view)].engine;
    auto series = std::make_shared<std::vector<double>>(engine.series);
    const int dimension = engine.recordInUse.Dimension;
    const int delay = engine.recordInUse.delay;
    auto result = std::make_shared<SeriesLyapunovResult>();
    runViewJob(
        view, JobKind::SeriesExponent, seriesWork(series->size()) <= kQuickWork,
        [series, dimension, delay, options, result](const JobControl& control) {
            *result = largestLyapunovExponent(*series, dimension, delay, options, control);
        },
        [result, done = std::move(done)](JobStatus status) {
            if (done)
                done(status, *result);
        });
}

void CUser::startRecurrenceMeasures(
    int view, const RecurrenceOptions& options,
    std::function<void(JobStatus, const RecurrenceQuantities&)> done)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    const DynamicsEngine& engine = views[static_cast<std::size_t>(view)].engine;
    const std::size_t count = static_cast<std::size_t>(
        std::clamp(engine.recordInUse.validPointCount, 0, static_cast<int>(engine.orbit.size())));
    auto points = std::make_shared<PhasePoints>(
        orbitPoints(engine.orbit, count, std::clamp(engine.recordInUse.Dimension, 1, kMaxVariables)));
    auto result = std::make_shared<RecurrenceQuantities>();
    const double n = static_cast<double>(count);
    runViewJob(
        view, JobKind::RecurrenceMeasures, n * n * 0.5 <= kQuickWork,
        [points, options, result](const JobControl& control) {
            *result = quantifyRecurrence(*points, options, control);
        },
        [result, done = std::move(done)](JobStatus status) {
            if (done)
                done(status, *result);
        });
}
