// Runs the long computations of the views (orbits of many points, the
// Lyapunov spectrum and its responses, recurrence matrices) on worker threads,
// so the user-interface thread keeps drawing while they run. A job works on
// inputs of its own (a worker copy of the view's engine) and never touches the
// document; when it has ended, its finish step runs on the user-interface
// thread, where it swaps the results into the view whole. One job runs per view
// and kind: a newer request supersedes the running one, whose results are then
// never used. Every submitted job ends with exactly one finish call, which says
// how it ended.
#pragma once

#include "dynamics/job_control.h"

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

enum class JobKind {
    Orbit,
    Spectrum,
    Dimension,  // the spectrum behind the Lyapunov dimension window
    SpectrumResponse,
    DimensionResponse,
    Recurrence,
    VectorField,         // the lattice samples and streamlines of a large vector field
    EmbeddingAdvice,     // delay and dimension advice of a time series
    SeriesExponent,      // largest Lyapunov exponent of a time series
    RecurrenceMeasures,  // recurrence quantification of the stored orbit
    ParameterScan,       // a parameter scan of the view's model
};

enum class JobStatus {
    Finished,    // ran to its end; the finish step may use the results
    Cancelled,   // cancel() asked it to stop (or it was cancelled with its view)
    Superseded,  // a newer job of the same view and kind took its place
};

struct Job {
    int view = 0;
    JobKind kind = JobKind::Orbit;
    // Runs on a worker thread. It must look at the control now and then
    // (the computations of the engine do) and may only touch what it owns.
    std::function<void(const JobControl&)> run;
    // Runs on the user-interface thread once run has returned.
    std::function<void(JobStatus)> finish;
};

class JobRunner {
public:
    JobRunner() = default;
    JobRunner(const JobRunner&) = delete;
    JobRunner& operator=(const JobRunner&) = delete;
    // Stops every job and waits for the workers; no finish step runs.
    ~JobRunner();

    // Starts the job on a thread of its own. A running job of the same view
    // and kind is asked to stop and will finish as Superseded.
    void submit(Job job);
    // Asks the job of that view and kind to stop; it finishes as Cancelled.
    void cancel(int view, JobKind kind);
    // Cancels every job of the view.
    void cancelView(int view);
    // Cancels every job.
    void cancelAll();

    // A job of that view and kind is running or waits for its finish step.
    bool isActive(int view, JobKind kind) const;
    // Some job has not finished yet.
    bool busy() const;
    // The active job's progress in whole per cent (0..100, never going
    // back); empty without an active job.
    std::optional<int> percent(int view, JobKind kind) const;
    // The active job of that view and kind has its progress shown by the
    // window that asked for it, so overallPercent leaves it out: no job's
    // progress is shown twice.
    void showProgressInWindow(int view, JobKind kind);
    // The smallest progress over the active jobs whose progress no window of
    // their own shows; empty when there are none.
    std::optional<int> overallPercent() const;

    // On the user-interface thread: runs the finish steps of the jobs whose
    // work has ended, in the order they ended. Returns how many ran.
    int deliverFinished();

    // `notify` is called when a job starts (on the submitting thread) and
    // right after a job's work has ended (on its worker thread), so the
    // user-interface thread can show progress and be woken to deliver. It
    // must only post a wake-up; an empty function stops the calls.
    void setNotifier(std::function<void()> notify);

private:
    struct Entry;
    Entry* activeEntry(int view, JobKind kind) const;

    // Jobs submitted and not yet delivered, oldest first; only the
    // user-interface thread changes this list.
    std::vector<std::shared_ptr<Entry>> entries_;
    // Jobs whose work has ended, in that order; filled by the workers.
    mutable std::mutex endedMutex_;
    std::deque<Entry*> ended_;
    std::function<void()> notify_;  // guarded by endedMutex_
};
