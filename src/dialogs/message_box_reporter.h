// The program's Reporter: each failure text in a modal message box with an
// OK button, captioned with the application title "Ps".
#pragma once

#include "models/reporter.h"

#include <QPointer>
#include <QWidget>

class MessageBoxReporter : public Reporter {
public:
    // The boxes are centred on `parent` while it exists.
    explicit MessageBoxReporter(QWidget* parent = nullptr);

    void showMessage(std::string_view text) override;

private:
    QPointer<QWidget> parent_;
};
