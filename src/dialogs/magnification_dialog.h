// The free magnification dialog of the Scale menu ("x Free", "倍率入力"):
// one number, the display scale to set on the target views. The dialog only
// asks; the caller applies the value.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;
class Reporter;

// The outcome of reading the magnification edit: the value, or the message
// that tells the user why the text was not taken.
struct MagnificationInput {
    std::optional<double> value;
    std::string message;
};

// Accepts a number greater than 0 and at most 1000. Zero is refused: the
// pointer tools divide by the scale.
MagnificationInput parseMagnification(const QString& text);

class CMagnificationDialog : public QDialog {
    Q_OBJECT
public:
    // `scale` is the active view's current scale, shown with "%.3f".
    // Refused input is reported through `reporter`, which must outlive the
    // dialog.
    CMagnificationDialog(double scale, Reporter& reporter, QWidget* parent = nullptr);

    // The accepted value (valid after the dialog was accepted).
    double value() const { return value_; }

    void accept() override;

private:
    Reporter& reporter_;
    QLineEdit* edit_ = nullptr;
    double value_ = 0.0;
};
