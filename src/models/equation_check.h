// Checks that model equations and names are safe to compile as C: an equation
// may only be an expression over the model's own variable and parameter
// letters, numeric literals, arithmetic, comparison, logical and conditional
// operators, parentheses and calls of C math functions.
#pragma once

#include <string>
#include <string_view>

class ModelRecord;

// The model-name rule: a C identifier of single-byte letters, digits and '_',
// not starting with a digit.
bool isValidModelName(std::string_view name);

// Whether name is one of the math functions an equation may call.
bool isMathFunctionName(std::string_view name);

// Empty when the equation is acceptable for a model with the given dimension
// and parameter count; otherwise a message that says what is wrong.
std::string checkEquation(std::string_view equation, int dimension, int parameterCount);

// Checks every used equation of the record. Empty when all pass; otherwise a
// message naming the first refused equation (its variable, e.g. "dy/dt").
std::string checkModelEquations(const ModelRecord& record);
