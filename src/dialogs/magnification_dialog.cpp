#include "dialogs/magnification_dialog.h"

#include "models/reporter.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double maximumMagnification = 1000.0;

}  // namespace

MagnificationInput parseMagnification(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {std::nullopt, CMagnificationDialog::tr("数値を入力してください。").toStdString()};
    if (value < 0.0 || value > maximumMagnification)
        return {std::nullopt,
                CMagnificationDialog::tr("0 から 1000 までの数字を入力してください。").toStdString()};
    if (value == 0.0)
        return {std::nullopt,
                CMagnificationDialog::tr("0 より大きい数字を入力してください。").toStdString()};
    return {value, {}};
}

CMagnificationDialog::CMagnificationDialog(double scale, Reporter& reporter, QWidget* parent)
    : QDialog(parent), reporter_(reporter), value_(scale)
{
    setWindowTitle(tr("倍率入力"));

    edit_ = new QLineEdit(QString::asprintf("%.3f", scale), this);
    edit_->setObjectName(QStringLiteral("magnificationEdit"));
    edit_->selectAll();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("ｷｬﾝｾﾙ"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CMagnificationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMagnificationDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("倍率  x"), this));
    row->addWidget(edit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void CMagnificationDialog::accept()
{
    const MagnificationInput input = parseMagnification(edit_->text());
    if (!input.value) {
        reporter_.showMessage(input.message);
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    value_ = *input.value;
    QDialog::accept();
}
