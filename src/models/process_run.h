// Runs an outside program to its end and collects what it prints.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ProcessOutcome {
    bool started = false;   // false when the program could not be started
    bool succeeded = false; // ended normally with exit status 0
    std::string output;     // its standard output and standard error, interleaved
};

// Starts arguments[0] (searched in PATH when it has no "/") with the given
// arguments and waits until it has ended. Its standard input reads input and
// then ends (nothing at all when input is empty).
ProcessOutcome runProcess(const std::vector<std::string>& arguments, std::string_view input = {});
