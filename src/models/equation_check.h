// Checks that model equations and names are safe to compile as C: an equation
// may only be an expression over the model's own variable and parameter
// letters, numeric literals, arithmetic, comparison, logical and conditional
// operators, parentheses and calls of C math functions.
#pragma once

#include "models/failure.h"

#include <optional>
#include <string>
#include <string_view>

class ModelRecord;

// The model-name rule: a C identifier of single-byte letters, digits and '_',
// not starting with a digit.
bool isValidModelName(std::string_view name);

// Nothing when the equation is acceptable for a model with the given
// dimension and parameter count; otherwise what is wrong with it.
std::optional<EquationFault> checkEquation(std::string_view equation, int dimension,
                                           int parameterCount);

// Checks every used equation of the record. Nothing when all pass; otherwise
// an EquationRefused failure naming the first refused equation's index.
std::optional<Failure> checkModelEquations(const ModelRecord& record);
