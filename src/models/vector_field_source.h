// The companion source of a model list: for every model whose block in the
// list source is exactly what the generator writes and whose equations pass
// the equation check, one exported function that evaluates all n derivatives
// in one call, and one that takes a whole classical Runge-Kutta step with it
// (the engine's step, operation for operation, so that the compiled model
// makes its steps without a call per stage). The model library is built from the list source and its
// companion together; the engine calls the whole-field function where the
// library has one and the model function (one derivative per call) otherwise.
// Both evaluate the same expression text, so they give the same numbers.
#pragma once

#include <string>
#include <string_view>

// The name the companion exports the whole-field function of a model under.
std::string vectorFieldSymbol(std::string_view modelName);
// The name of its Runge-Kutta step over the whole field.
std::string rungeKuttaStepSymbol(std::string_view modelName);

// The companion text for the list source text listText (LF or CR LF lines).
std::string vectorFieldSourceText(std::string_view listText);

// Where the companion of the list source at listPath is written: beside it,
// "<folder>/<list base name>.fields.c".
std::string vectorFieldSourcePath(const std::string& listPath);
