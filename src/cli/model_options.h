// The options by which a command overrides the values of its model file:
// number of points, sampling interval, automatic interval, parameter and
// initial values. Shown in the help under one heading.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

namespace CLI {
class App;
}

// The letters that name the variables and the parameters, in their order.
inline constexpr std::string_view kVariableLetters = "xyzwvu";
inline constexpr std::string_view kParameterLetters = "abcdefghij";

// Overrides of the model file's values. Unset options keep the file's value.
struct ModelOptions {
    int points = 0;              // --points N (0: not given)
    double interval = 0.0;       // --interval H (0: not given)
    double autoAccuracy = 0.0;   // --auto EPS selects the automatic interval (0: not given)
    std::vector<std::pair<char, double>> parameters;     // --param a=V
    std::vector<std::pair<char, double>> initialValues;  // --init x=V
};

// The help heading of these options, which also tells them apart from the
// other options of a command.
extern const char* const kModelOptionsGroup;

// Declares the options above on command, storing into options.
void addModelOptions(CLI::App& command, ModelOptions& options);
