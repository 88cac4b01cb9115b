// The program's Reporter: each failure, rendered in the program's language,
// and each finished text in a modal message box with an OK button, captioned
// with the application title "Ps".
#pragma once

#include "models/reporter.h"

#include <QPointer>
#include <QWidget>

class MessageBoxReporter : public Reporter {
public:
    // The boxes are centred on `parent` while it exists.
    explicit MessageBoxReporter(QWidget* parent = nullptr);

    void report(const Failure& failure) override;
    void showMessage(std::string_view text) override;

private:
    QPointer<QWidget> parent_;
};
