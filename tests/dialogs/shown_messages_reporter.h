// A collecting reporter for the window tests: each failure is kept both as
// the value the core reported and as the text the program shows for it, so
// the tests read what the user reads.
#pragma once

#include "dialogs/failure_text.h"
#include "models/reporter.h"

class ShownMessagesReporter : public CollectingReporter {
public:
    void report(const Failure& failure) override
    {
        CollectingReporter::report(failure);
        messages.push_back(failureText(failure).toStdString());
    }
};
