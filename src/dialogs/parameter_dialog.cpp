#include "dialogs/parameter_dialog.h"

#include "dialogs/dialog_widgets.h"
#include "document/parameter_slider.h"
#include "document/user_document.h"
#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWidth = 700;
constexpr int kRowHeight = 40;

int shownRows(const ModelRecord& record) { return std::clamp(record.Parameter, 0, kMaxParameters); }

}  // namespace

CParameterDialog::CParameterDialog(DynamicsEngine& engine, Reporter& reporter,
                                   std::function<void()> parametersChanged, QWidget* parent)
    : QDialog(parent), engine_(engine), reporter_(reporter),
      parametersChanged_(std::move(parametersChanged))
{
    setWindowTitle(titleFor(std::nullopt));
    for (int i = 0; i < kMaxParameters; ++i) {
        Row& row = rows_[i];
        const int y = 10 + kRowHeight * i;
        row.letter = new QLabel(QString(QChar(parameterLetter(i))), this);
        row.letter->setGeometry(12, y, 16, 24);
        row.lower = new QLabel(this);
        row.lower->setObjectName(QStringLiteral("lowerLimit%1").arg(i));
        row.lower->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row.lower->setGeometry(30, y, 80, 24);
        row.slider = new QSlider(Qt::Horizontal, this);
        row.slider->setObjectName(QStringLiteral("parameterSlider%1").arg(i));
        row.slider->setRange(0, kParameterSliderSteps);
        row.slider->setPageStep(kParameterSliderSteps / 20);
        row.slider->setGeometry(116, y, 340, 24);
        row.upper = new QLabel(this);
        row.upper->setObjectName(QStringLiteral("upperLimit%1").arg(i));
        row.upper->setGeometry(462, y, 80, 24);
        row.edit = new QLineEdit(this);
        row.edit->setObjectName(QStringLiteral("parameterEdit%1").arg(i));
        row.edit->setGeometry(548, y, 140, 24);
        connect(row.slider, &QSlider::valueChanged, this,
                [this, i](int position) { sliderMoved(i, position); });
        connect(row.edit, &QLineEdit::returnPressed, this, [this, i] { applyRow(i); });
    }
    closeButton_ = makeButton(tr("閉じる"), "closeButton", this);
    initialiseButton_ = makeButton(tr("初期化"), "initialiseButton", this);
    applyButton_ = makeButton(tr("適用"), "applyButton", this);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::hide);
    connect(initialiseButton_, &QPushButton::clicked, this, &CParameterDialog::initialise);
    connect(applyButton_, &QPushButton::clicked, this, &CParameterDialog::apply);

    const ModelRecord& record = engine_.recordInUse;
    for (int i = 0; i < kMaxParameters; ++i) {
        rows_[i].value = record.Parameter_Default[i];
        rows_[i].minimum = record.Parameter_Min[i];
        rows_[i].maximum = record.Parameter_Max[i];
        showRow(i);
    }
    layOut();
}

CParameterDialog::CParameterDialog(const WindowLinks& links, QWidget* owner)
    : CParameterDialog(links.engine, links.reporter,
                       [&document = links.document, view = links.view] {
                           document.requestParameterRecompute(view);
                       },
                       owner)
{
}

QString CParameterDialog::titleFor(std::optional<int> viewNumber)
{
    if (viewNumber)
        return tr("パラメータ値の変更 View-%1").arg(*viewNumber);
    return tr("パラメータ値の設定");
}

void CParameterDialog::layOut()
{
    const int shown = shownRows(engine_.recordInUse);
    for (int i = 0; i < kMaxParameters; ++i) {
        for (QWidget* part : {static_cast<QWidget*>(rows_[i].letter), static_cast<QWidget*>(rows_[i].lower),
                              static_cast<QWidget*>(rows_[i].slider), static_cast<QWidget*>(rows_[i].upper),
                              static_cast<QWidget*>(rows_[i].edit)})
            part->setVisible(i < shown);
    }
    const int height = shown * kRowHeight + kRowHeight;
    const int buttonTop = height - 32;
    closeButton_->setGeometry(kWidth - 3 * 96, buttonTop, 88, 24);
    initialiseButton_->setGeometry(kWidth - 2 * 96, buttonTop, 88, 24);
    applyButton_->setGeometry(kWidth - 96, buttonTop, 88, 24);
    setFixedSize(kWidth, height);
}

void CParameterDialog::showRow(int i)
{
    Row& row = rows_[i];
    const std::optional<int> position = sliderPosition(row.value, row.minimum, row.maximum);
    {
        const QSignalBlocker quiet(row.slider);
        row.slider->setValue(position.value_or(0));
    }
    // Equal limits leave no range to slide over; the edit still takes values.
    row.slider->setEnabled(position.has_value());
    row.edit->setText(QString::asprintf("%.6f", row.value));
    row.lower->setText(QString::asprintf("%.2f", row.minimum));
    row.upper->setText(QString::asprintf("%.2f", row.maximum));
}

void CParameterDialog::refresh()
{
    const ModelRecord& record = engine_.recordInUse;
    for (int i = 0; i < kMaxParameters; ++i) {
        Row& row = rows_[i];
        if (row.value == record.Parameter_Default[i] && row.minimum == record.Parameter_Min[i] &&
            row.maximum == record.Parameter_Max[i])
            continue;
        row.value = record.Parameter_Default[i];
        row.minimum = record.Parameter_Min[i];
        row.maximum = record.Parameter_Max[i];
        showRow(i);
    }
    layOut();
}

void CParameterDialog::setRowValue(int i, double v)
{
    rows_[i].value = v;
    engine_.recordInUse.Parameter_Default[i] = v;
    showRow(i);
}

void CParameterDialog::sliderMoved(int i, int position)
{
    Row& row = rows_[i];
    if (row.minimum == row.maximum)
        return;
    row.value = sliderValue(position, row.minimum, row.maximum);
    engine_.recordInUse.Parameter_Default[i] = row.value;
    row.edit->setText(QString::asprintf("%.6f", row.value));
    if (parametersChanged_)
        parametersChanged_();
}

std::optional<double> CParameterDialog::typedValue(int i)
{
    QLineEdit* edit = rows_[i].edit;
    bool ok = false;
    const double value = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    if (ok && std::isfinite(value))
        return value;
    reporter_.showMessage(tr("パラメータ %1 の値「%2」は数値ではありません。値は変更されませんでした。")
                              .arg(QChar(parameterLetter(i)))
                              .arg(edit->text())
                              .toStdString());
    edit->setFocus();
    edit->selectAll();
    return std::nullopt;
}

bool CParameterDialog::apply()
{
    // Hidden rows cannot be edited and keep their values.
    const int shown = shownRows(engine_.recordInUse);
    double values[kMaxParameters] = {};
    for (int i = 0; i < shown; ++i) {
        const std::optional<double> value = typedValue(i);
        if (!value)
            return false;
        values[i] = *value;
    }
    for (int i = 0; i < shown; ++i)
        setRowValue(i, values[i]);
    if (parametersChanged_)
        parametersChanged_();
    return true;
}

bool CParameterDialog::applyRow(int i)
{
    const std::optional<double> value = typedValue(i);
    if (!value)
        return false;
    setRowValue(i, *value);
    if (parametersChanged_)
        parametersChanged_();
    return true;
}

void CParameterDialog::initialise()
{
    for (int i = 0; i < kMaxParameters; ++i)
        setRowValue(i, engine_.recordEdited.Parameter_Default[i]);
    if (parametersChanged_)
        parametersChanged_();
}
