// How the core tells the user about a failure. The program shows each message
// in a modal message box; the batch tool prints it; tests capture it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Reporter {
public:
    virtual ~Reporter() = default;
    // A user-facing failure with its fixed text; the operation that reports it
    // leaves the state as it was.
    virtual void showMessage(std::string_view text) = 0;
};

// Keeps every message; for tests and for callers that decide later what to show.
class CollectingReporter : public Reporter {
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};
