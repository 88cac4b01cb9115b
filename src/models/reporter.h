// How a failure reaches the user. The core reports typed failures; the layers
// above it render them (the program in a modal message box, the batch tool on
// standard error) and pass their own finished texts through the same seam.
// Tests capture both.
#pragma once

#include "models/failure.h"

#include <string>
#include <string_view>
#include <vector>

class Reporter {
public:
    virtual ~Reporter() = default;
    // A failure of the core; the operation that reports it leaves the state
    // as it was.
    virtual void report(const Failure& failure) = 0;
    // A text the caller has already rendered for the user.
    virtual void showMessage(std::string_view text) = 0;
};

// Keeps everything reported; for tests and for callers that decide later
// what to show.
class CollectingReporter : public Reporter {
public:
    void report(const Failure& failure) override { failures.push_back(failure); }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    std::vector<FailureKind> kinds() const
    {
        std::vector<FailureKind> result;
        for (const Failure& failure : failures)
            result.push_back(failure.kind);
        return result;
    }

    std::vector<Failure> failures;
    std::vector<std::string> messages;
};
