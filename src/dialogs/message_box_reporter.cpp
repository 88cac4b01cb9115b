#include "dialogs/message_box_reporter.h"

#include <QMessageBox>
#include <QString>

MessageBoxReporter::MessageBoxReporter(QWidget* parent) : parent_(parent)
{
}

void MessageBoxReporter::showMessage(std::string_view text)
{
    QMessageBox::warning(parent_.data(), QStringLiteral("Ps"),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
