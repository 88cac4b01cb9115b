// Command-line helpers shared by the commands of attrava-cli: taking an
// option's value, strict number conversion, and the reporter that prints the
// core's user-facing messages on standard error.
#pragma once

#include "models/reporter.h"

#include <string>
#include <string_view>
#include <vector>

using CommandArguments = std::vector<std::string>;

// For the option at args[i], takes the next argument as its value and moves i
// onto it. False (with error set) when the option is the last argument.
bool takeOptionValue(const CommandArguments& args, std::size_t& i, std::string& value,
                     std::string& error);

// The whole text must be a finite number, or an integer within [low, high].
bool parseFiniteDouble(std::string_view text, double& value);
bool parseIntInRange(std::string_view text, long low, long high, int& value);

// Prints "attrava-cli: <message>" on standard error.
class StderrReporter : public Reporter {
public:
    void showMessage(std::string_view text) override;
};

// Prints "attrava-cli: <message>" on standard error and returns the failure
// exit status, so commands can write `return fail("...")`.
int fail(std::string_view message);
