#include "dialogs/message_box_reporter.h"

#include "dialogs/failure_text.h"

#include <QMessageBox>
#include <QString>

MessageBoxReporter::MessageBoxReporter(QWidget* parent) : parent_(parent)
{
}

void MessageBoxReporter::report(const Failure& failure)
{
    QMessageBox::warning(parent_.data(), QStringLiteral("Ps"), failureText(failure));
}

void MessageBoxReporter::showMessage(std::string_view text)
{
    QMessageBox::warning(parent_.data(), QStringLiteral("Ps"),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
