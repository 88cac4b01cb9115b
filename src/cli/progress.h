// Progress of a long command on standard error, shown only when standard
// error is a terminal: once a run has taken more than a second, one line
// "attrava-cli <command>: <stage> 42%" (or the seconds spent, when the stage
// reports no fraction) is refreshed a few times per second from a small
// watcher thread, and cleared when the display goes. The computation itself
// only stores its stage and fraction, so it never waits on the terminal.
#pragma once

#include "dynamics/job_control.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class ProgressDisplay {
public:
    explicit ProgressDisplay(std::string command);
    ProgressDisplay(const ProgressDisplay&) = delete;
    ProgressDisplay& operator=(const ProgressDisplay&) = delete;
    ~ProgressDisplay();

    // Starts a stage whose fraction is not known yet.
    void stage(const std::string& name);
    // Fraction of the current stage done, 0..1. Safe to call from the loop.
    void fraction(double done) { fraction_.store(done, std::memory_order_relaxed); }
    // A context for the computations that reports into fraction(); the
    // batch tool never stops a computation.
    JobControl control()
    {
        return JobControl({}, [this](double done) { fraction(done); });
    }

private:
    void watch();

    const std::string command_;
    const std::chrono::steady_clock::time_point started_;
    std::atomic<double> fraction_{-1.0};
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string stage_;
    std::chrono::steady_clock::time_point stageStarted_;
    bool stopping_ = false;
    bool shown_ = false;
    std::thread watcher_;
};
