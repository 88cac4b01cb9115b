// The messages of attrava-cli on standard error: the reporter that prints the
// core's failures in English, and the failure shorthand of the commands.
#pragma once

#include "models/reporter.h"

#include <string_view>

// Prints "attrava-cli: <message>" on standard error, a failure as its
// English text.
class StderrReporter : public Reporter {
public:
    void report(const Failure& failure) override;
    void showMessage(std::string_view text) override;
};

// Prints "attrava-cli: <message>" on standard error and returns the failure
// exit status, so commands can write `return fail("...")`.
int fail(std::string_view message);
