// The messages of attrava-cli on standard error: the reporter that prints the
// core's user-facing messages, and the failure shorthand of the commands.
#pragma once

#include "models/reporter.h"

#include <string_view>

// Prints "attrava-cli: <message>" on standard error.
class StderrReporter : public Reporter {
public:
    void showMessage(std::string_view text) override;
};

// Prints "attrava-cli: <message>" on standard error and returns the failure
// exit status, so commands can write `return fail("...")`.
int fail(std::string_view message);
