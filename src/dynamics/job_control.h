// The small progress and cancel context a long computation takes: it asks now
// and then whether it should stop, and reports the fraction of its work done.
// The program's job runner hands one to the work it runs on a worker thread;
// the batch tool hands one that feeds its terminal progress line. A
// default-made context never stops and reports nowhere.
#pragma once

#include <functional>
#include <stop_token>
#include <utility>

class JobControl {
public:
    JobControl() = default;
    JobControl(std::stop_token stop, std::function<void(double)> progress)
        : stop_(std::move(stop)), progress_(std::move(progress))
    {
    }

    // The computation should end as soon as it can; its results are then
    // incomplete and are not used.
    bool stopRequested() const { return stop_.stop_requested(); }
    // Fraction of the work done, 0..1.
    void report(double fraction) const
    {
        if (progress_)
            progress_(fraction);
    }

    // How many loop steps the computations run between two looks at the
    // context (a power of two): often enough to stop within a few
    // milliseconds, rare enough to cost nothing.
    static constexpr unsigned long checkInterval = 1024;

private:
    std::stop_token stop_;
    std::function<void(double)> progress_;
};
