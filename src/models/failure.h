// What went wrong in an operation of the core, as a value: the kind of
// failure and the file, model, equation or value it concerns. The core holds
// no user text; the program's windows and the batch tool each render a
// failure in their own language.
#pragma once

#include <string>
#include <utility>

// Why an equation is refused by the equation check.
enum class EquationFaultKind {
    Empty,             // nothing but blanks
    Assignment,        // "=", "+=" and the like
    Increment,         // "++" or "--"
    Bitwise,           // "&", "|", "^", "~", "<<", ">>"
    Comment,           // "//" or "/*"
    Arrow,             // "->"
    Remainder,         // "%"
    NotSingleByte,     // a byte of a multi-byte character
    ControlCharacter,  // a control character
    BadCharacter,      // text: the character
    BadNumber,         // text: the malformed number
    LeadingZero,       // text: an integer with a leading zero, which C reads as octal
    Missing,           // wanted: the token the equation ends without
    Misplaced,         // text: the token found, wanted: the token needed there
    UnmatchedClose,    // a ")" without its "("
    StrayComma,        // a "," outside a function's arguments
    OperatorNeeded,    // text: the token that follows a value without an operator
    Unfinished,        // the equation ends where a value must follow
    NoValue,           // text: the token found where a value must be
    UnknownName,       // text: the name, wanted: the letters the model may use
    NoCall,            // text: a function name not followed by "("
    ArgumentCount,     // text: the function, count: the arguments it takes
    TooDeep,           // parentheses, arguments or conditionals nested too deeply
};

struct EquationFault {
    EquationFault(EquationFaultKind kind = EquationFaultKind::Empty, std::string text = {},
                  std::string wanted = {}, int count = 0)
        : kind(kind), text(std::move(text)), wanted(std::move(wanted)), count(count) {}

    EquationFaultKind kind;
    std::string text;
    std::string wanted;
    int count = 0;

    bool operator==(const EquationFault&) const = default;
};

enum class FailureKind {
    // Files. path: the file.
    ModelFileUnreadable,      // cannot be opened (a folder included)
    ModelFileUnwritable,      // cannot be written (or the record is not writable)
    ModelFileBadCounts,       // Dimension or Parameter outside what a record holds
    SamplingIntervalInvalid,  // value: the interval read; it must be a positive number
    ListUnreadable,           // the model list cannot be read or rewritten
    ListUncreatable,          // a new model list cannot be created
    SeriesUnreadable,         // the time-series data file cannot be opened

    // A model refused by the editor or the list. name: the model name.
    ModelNameMissing,
    ModelNameInvalid,         // breaks the name rule
    ModelNameReserved,        // a C keyword or a declared function
    ModelNameTaken,           // the list already has a model of this name
    ModelPathHasLineBreak,
    ModelCountsOutOfRange,    // Dimension or Parameter out of range
    EquationRefused,          // equation: index of the variable; fault: why

    // The model library. name: the model whose change started it (may be
    // empty), path: the library, detail: the compiler's or loader's messages.
    CompileFailed,
    BindFailed,

    // A model list operation that needs a choice first.
    NoModelChosen,
    NoModelChosenToEdit,
    NoModelChosenToRemove,
    NoListChosen,
};

struct Failure {
    Failure(FailureKind kind, std::string path = {}) : kind(kind), path(std::move(path)) {}

    FailureKind kind;
    std::string path;
    std::string name;
    int equation = -1;
    EquationFault fault;
    double value = 0.0;
    std::string detail;

    bool operator==(const Failure&) const = default;
};
