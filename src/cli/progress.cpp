#include "cli/progress.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr auto kQuietPeriod = std::chrono::seconds(1);
constexpr auto kRefresh = std::chrono::milliseconds(250);

}  // namespace

ProgressDisplay::ProgressDisplay(std::string command)
    : command_(std::move(command)), started_(std::chrono::steady_clock::now()),
      stageStarted_(started_)
{
    if (::isatty(STDERR_FILENO))
        watcher_ = std::thread(&ProgressDisplay::watch, this);
}

ProgressDisplay::~ProgressDisplay()
{
    if (!watcher_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    watcher_.join();
    if (shown_)
        std::fprintf(stderr, "\r\033[K");
}

void ProgressDisplay::stage(const std::string& name)
{
    std::lock_guard lock(mutex_);
    stage_ = name;
    stageStarted_ = std::chrono::steady_clock::now();
    fraction_.store(-1.0, std::memory_order_relaxed);
}

void ProgressDisplay::watch()
{
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, kRefresh, [this] { return stopping_; })) {
        const auto now = std::chrono::steady_clock::now();
        if (now - started_ < kQuietPeriod || stage_.empty())
            continue;
        const double done = fraction_.load(std::memory_order_relaxed);
        if (done >= 0.0)
            std::fprintf(stderr, "\r\033[Kattrava-cli %s: %s %3.0f%%", command_.c_str(),
                         stage_.c_str(), done * 100.0);
        else
            std::fprintf(stderr, "\r\033[Kattrava-cli %s: %s %.0f s", command_.c_str(),
                         stage_.c_str(),
                         std::chrono::duration<double>(now - stageStarted_).count());
        std::fflush(stderr);
        shown_ = true;
    }
}
