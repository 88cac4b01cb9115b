#include "document/job_runner.h"

#include <algorithm>
#include <cmath>

struct JobRunner::Entry {
    Job job;
    std::atomic<int> percent{0};
    // Set on the user-interface thread when the job is asked to stop.
    std::optional<JobStatus> stopReason;
    // Set on the user-interface thread by showProgressInWindow.
    bool shownInWindow = false;
    std::jthread thread;

    void stop(JobStatus reason)
    {
        if (stopReason)
            return;
        stopReason = reason;
        thread.request_stop();
    }
    bool active(int view, JobKind kind) const
    {
        return !stopReason && job.view == view && job.kind == kind;
    }
};

JobRunner::~JobRunner()
{
    setNotifier(nullptr);
    for (const auto& entry : entries_)
        entry->thread.request_stop();
    // The entries' threads are joined as they go.
    entries_.clear();
}

void JobRunner::submit(Job job)
{
    if (Entry* running = activeEntry(job.view, job.kind))
        running->stop(JobStatus::Superseded);
    auto entry = std::make_shared<Entry>();
    entry->job = std::move(job);
    Entry* const e = entry.get();
    entries_.push_back(std::move(entry));
    e->thread = std::jthread([this, e](std::stop_token stop) {
        const JobControl control(std::move(stop), [e](double fraction) {
            const int percent = std::clamp(static_cast<int>(std::floor(fraction * 100.0)), 0, 100);
            if (percent > e->percent.load(std::memory_order_relaxed))
                e->percent.store(percent, std::memory_order_relaxed);
        });
        e->job.run(control);
        // The notifier runs under the lock, so it cannot be replaced or
        // cleared while it is being called.
        std::lock_guard lock(endedMutex_);
        ended_.push_back(e);
        if (notify_)
            notify_();
    });
    std::lock_guard lock(endedMutex_);
    if (notify_)
        notify_();
}

void JobRunner::setNotifier(std::function<void()> notify)
{
    std::lock_guard lock(endedMutex_);
    notify_ = std::move(notify);
}

void JobRunner::cancel(int view, JobKind kind)
{
    if (Entry* running = activeEntry(view, kind))
        running->stop(JobStatus::Cancelled);
}

void JobRunner::cancelView(int view)
{
    for (const auto& entry : entries_) {
        if (entry->job.view == view)
            entry->stop(JobStatus::Cancelled);
    }
}

void JobRunner::cancelAll()
{
    for (const auto& entry : entries_)
        entry->stop(JobStatus::Cancelled);
}

bool JobRunner::isActive(int view, JobKind kind) const { return activeEntry(view, kind) != nullptr; }

bool JobRunner::busy() const { return !entries_.empty(); }

std::optional<int> JobRunner::percent(int view, JobKind kind) const
{
    if (const Entry* entry = activeEntry(view, kind))
        return entry->percent.load(std::memory_order_relaxed);
    return std::nullopt;
}

void JobRunner::showProgressInWindow(int view, JobKind kind)
{
    if (Entry* entry = activeEntry(view, kind))
        entry->shownInWindow = true;
}

std::optional<int> JobRunner::overallPercent() const
{
    std::optional<int> lowest;
    for (const auto& entry : entries_) {
        if (entry->stopReason || entry->shownInWindow)
            continue;
        const int percent = entry->percent.load(std::memory_order_relaxed);
        lowest = lowest ? std::min(*lowest, percent) : percent;
    }
    return lowest;
}

int JobRunner::deliverFinished()
{
    std::deque<Entry*> ended;
    {
        std::lock_guard lock(endedMutex_);
        ended.swap(ended_);
    }
    for (Entry* e : ended) {
        // The work has ended; the thread only has its last steps to take.
        e->thread.join();
        const auto owner = std::find_if(entries_.begin(), entries_.end(),
                                        [e](const auto& entry) { return entry.get() == e; });
        const std::shared_ptr<Entry> entry = *owner;
        entries_.erase(owner);
        if (entry->job.finish)
            entry->job.finish(entry->stopReason.value_or(JobStatus::Finished));
    }
    return static_cast<int>(ended.size());
}

JobRunner::Entry* JobRunner::activeEntry(int view, JobKind kind) const
{
    for (const auto& entry : entries_) {
        if (entry->active(view, kind))
            return entry.get();
    }
    return nullptr;
}
