// Progress and cancellation hooks of the long time-series analyses. The
// computations stay plain functions over plain data: the caller (a batch
// command, a job runner, a window) passes what it wants to hear and a flag it
// may raise from another thread; an empty hook costs nothing.
#pragma once

#include <atomic>
#include <functional>

struct AnalysisHooks {
    // Called now and then with the fraction of the work done, 0..1.
    std::function<void(double)> progress;
    // When set and raised, the computation stops early and says so.
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
    void report(double fraction) const
    {
        if (progress)
            progress(fraction);
    }
};
