#include "cli/model_options.h"

#include "cli/option_checks.h"

const char* const kModelOptionsGroup = "Model options override the model file's values";

namespace {

// The orbit arrays take 80 bytes per point; this keeps them under 1 GB.
constexpr long kMaxPoints = 10000000;

}  // namespace

void addModelOptions(CLI::App& command, ModelOptions& options)
{
    addWholeNumber(command, "--points", options.points, 1, kMaxPoints,
                   "number of sampling points (1 to 10000000)")
        ->type_name("N")
        ->group(kModelOptionsGroup);
    addPositiveNumber(command, "--interval", options.interval,
                      "sampling interval (the initial one with --auto), H > 0")
        ->type_name("H")
        ->group(kModelOptionsGroup);
    addPositiveNumber(command, "--auto", options.autoAccuracy,
                      "automatic sampling interval with accuracy EPS > 0")
        ->type_name("EPS")
        ->group(kModelOptionsGroup);
    addAssignments(command, "--param", std::string(kParameterLetters), options.parameters,
                   "value of parameter a (a .. j), repeatable")
        ->type_name("a=V")
        ->group(kModelOptionsGroup);
    addAssignments(command, "--init", std::string(kVariableLetters), options.initialValues,
                   "initial value of variable x (x, y, z, w, v, u), repeatable")
        ->type_name("x=V")
        ->group(kModelOptionsGroup);
}
