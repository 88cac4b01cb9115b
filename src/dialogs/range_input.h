// Reading numbers typed into dialog edits, with the range checks and the
// messages of the platform's data exchange ("%1 から %2 までの数字を入力して
// ください。"). A text that fails is not taken.
#pragma once

#include <QString>

class QLineEdit;
class Reporter;

#include <optional>
#include <string>

template <typename T>
struct RangeInput {
    std::optional<T> value;
    std::string message;  // why the text was refused; empty when taken
};

// An integer from minimum to maximum.
RangeInput<int> parseIntInRange(const QString& text, int minimum, int maximum);
// A finite number from minimum to maximum.
RangeInput<double> parseDoubleInRange(const QString& text, double minimum, double maximum);

// An edit whose text was refused: the message shown through reporter, the
// focus put on the edit and its text selected for typing over. Returns false,
// for the caller to return.
bool refuseEdit(QLineEdit* edit, const std::string& message, Reporter& reporter);
