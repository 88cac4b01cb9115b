#include "cli/failure_text.h"

#include "models/model_record.h"

#include <algorithm>
#include <charconv>

namespace {

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string faultText(const EquationFault& fault)
{
    const std::string text = quoted(fault.text);
    switch (fault.kind) {
    case EquationFaultKind::Empty:
        return "the equation is empty";
    case EquationFaultKind::Assignment:
        return "assignments (\"=\" and the like) are not allowed";
    case EquationFaultKind::Increment:
        return "\"++\" and \"--\" are not allowed";
    case EquationFaultKind::Bitwise:
        return "bitwise operators are not allowed";
    case EquationFaultKind::Comment:
        return "comments are not allowed";
    case EquationFaultKind::Arrow:
        return "\"->\" is not allowed";
    case EquationFaultKind::Remainder:
        return "\"%\" is not allowed (use fmod(x, y) for the remainder)";
    case EquationFaultKind::NotSingleByte:
        return "only single-byte (ASCII) characters are allowed";
    case EquationFaultKind::ControlCharacter:
        return "control characters are not allowed";
    case EquationFaultKind::BadCharacter:
        return "the character " + text + " is not allowed";
    case EquationFaultKind::BadNumber:
        return "the number " + text + " is malformed";
    case EquationFaultKind::LeadingZero:
        return "the number " + text + " has a leading zero, which C reads as octal";
    case EquationFaultKind::TooDeep:
        return "the equation is nested too deeply";
    case EquationFaultKind::Missing:
        return quoted(fault.wanted) + " is missing";
    case EquationFaultKind::Misplaced:
        return quoted(fault.wanted) + " is needed where " + text + " is";
    case EquationFaultKind::UnmatchedClose:
        return "\")\" has no matching \"(\"";
    case EquationFaultKind::StrayComma:
        return "\",\" may only separate the arguments of a function";
    case EquationFaultKind::OperatorNeeded:
        return "an operator is needed before " + text;
    case EquationFaultKind::Unfinished:
        return "the equation ends where a value must follow";
    case EquationFaultKind::NoValue:
        return "a value is needed where " + text + " is";
    case EquationFaultKind::UnknownName:
        return "the name " + text + " is not allowed; usable are " + fault.wanted +
               ", numbers and the C math functions";
    case EquationFaultKind::NoCall:
        return "the function " + text + " is not followed by \"(\"";
    case EquationFaultKind::ArgumentCount:
        return "the function " + text + " takes " + std::to_string(fault.count) +
               (fault.count == 1 ? " argument" : " arguments");
    }
    return {};
}

std::string shortestNumber(double value)
{
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Compiler and loader messages without the line end that closes them.
std::string withMessages(std::string text, std::string messages)
{
    while (!messages.empty() && (messages.back() == '\n' || messages.back() == '\r'))
        messages.pop_back();
    return messages.empty() ? text : text + ":\n" + messages;
}

}  // namespace

std::string englishText(const Failure& failure)
{
    const std::string& path = failure.path;
    const std::string name = quoted(failure.name);
    switch (failure.kind) {
    case FailureKind::ModelFileUnreadable:
        return "cannot read the model file " + path;
    case FailureKind::ModelFileUnwritable:
        return "cannot write the model file " + path;
    case FailureKind::ModelFileBadCounts:
        return "the model file " + path + " has a Dimension outside 1 to " +
               std::to_string(kMaxVariables) + " or a Parameter count outside 0 to " +
               std::to_string(kMaxParameters);
    case FailureKind::SamplingIntervalInvalid:
        return "the model file " + path + " has the sampling interval " +
               shortestNumber(failure.value) + "; it must be a number greater than 0";
    case FailureKind::ListUnreadable:
        return "cannot open the model list " + path;
    case FailureKind::ListUncreatable:
        return "cannot create the model list " + path;
    case FailureKind::SeriesUnreadable:
        return "cannot open the data file " + path;
    case FailureKind::ModelNameMissing:
        return "the model has no name";
    case FailureKind::ModelNameInvalid:
        return name + " is not a valid model name: use letters, digits and '_', not "
                      "starting with a digit";
    case FailureKind::ModelNameReserved:
        return "the model name " + name + " is a C keyword or a declared function";
    case FailureKind::ModelNameTaken:
        return "the model list already has a model named " + name;
    case FailureKind::ModelPathHasLineBreak:
        return "the model file path contains a line break";
    case FailureKind::ModelCountsOutOfRange:
        return "the dimension or the parameter count of the model is out of range";
    case FailureKind::EquationRefused: {
        const char letter = variableLetter(std::clamp(failure.equation, 0, kMaxVariables - 1));
        return std::string("the equation of d") + letter + "/dt is not valid: " +
               faultText(failure.fault);
    }
    case FailureKind::CompileFailed:
        return withMessages(failure.name.empty() ? "compiling the model list failed"
                                                 : "compiling the model failed (model " + name + ")",
                            failure.detail);
    case FailureKind::BindFailed:
        return withMessages("cannot load the model " + name + " from the model library " + path,
                            failure.detail);
    case FailureKind::NoModelChosen:
        return "choose a model from the list";
    case FailureKind::NoModelChosenToEdit:
        return "choose the model to edit from the list";
    case FailureKind::NoModelChosenToRemove:
        return "choose the model to remove from the list";
    case FailureKind::NoListChosen:
        return "choose a model list";
    }
    return {};
}
