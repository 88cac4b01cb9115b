#include "shell/gap_parallax_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

CGapParallaxDialog::CGapParallaxDialog(double crystalGap, double eyeOffset, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("CrystalEYES設定ダイアログ"));
    gap_.value = crystalGap;
    gap_.maximum = maximumGap;
    parallax_.value = eyeOffset;
    parallax_.maximum = maximumParallax;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createGroup(gap_, tr("上下View間の隙間設定"), QStringLiteral("30.0"),
                                  QStringLiteral("gap")));
    layout->addWidget(createGroup(parallax_, tr("両眼間の視差設定"), QStringLiteral("1.00"),
                                  QStringLiteral("parallax")));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = buttons->addButton(tr("適用"), QDialogButtonBox::ApplyRole);
    apply->setObjectName(QStringLiteral("applyButton"));
    buttons->addButton(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("ｷｬﾝｾﾙ"));
    connect(apply, &QPushButton::clicked, this, &CGapParallaxDialog::applyEdits);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* CGapParallaxDialog::createGroup(Control& control, const QString& title,
                                         const QString& maximumLabel, const QString& name)
{
    auto* group = new QGroupBox(title, this);
    control.slider = new QSlider(Qt::Horizontal, group);
    control.slider->setObjectName(name + QStringLiteral("Slider"));
    control.slider->setRange(0, sliderSteps);
    control.edit = new QLineEdit(group);
    control.edit->setObjectName(name + QStringLiteral("Edit"));
    placeSlider(control);
    showValue(control);
    connect(control.slider, &QSlider::valueChanged, this,
            [this, &control](int position) { sliderMoved(control, position); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("0.0"), group), 0, 0);
    grid->addWidget(control.slider, 0, 1);
    grid->addWidget(new QLabel(maximumLabel, group), 0, 2);
    grid->addWidget(control.edit, 1, 1);
    return group;
}

void CGapParallaxDialog::sliderMoved(Control& control, int position)
{
    control.value = position * control.maximum * 0.001;
    showValue(control);
    emit valuesChanged(gap_.value, parallax_.value);
}

void CGapParallaxDialog::applyEdits()
{
    for (Control* control : {&gap_, &parallax_}) {
        // Text that is no number leaves the value as it was; numbers outside
        // the slider's range are held to it, so the two views never overlap
        // or turn negative.
        bool ok = false;
        const double typed = control->edit->text().trimmed().toDouble(&ok);
        if (ok && std::isfinite(typed))
            control->value = std::clamp(typed, 0.0, control->maximum);
        showValue(*control);
        placeSlider(*control);
    }
    emit valuesChanged(gap_.value, parallax_.value);
}

void CGapParallaxDialog::showValue(Control& control)
{
    control.edit->setText(QString::asprintf("%.6f", control.value));
}

void CGapParallaxDialog::placeSlider(Control& control)
{
    const QSignalBlocker quiet(control.slider);
    control.slider->setValue(static_cast<int>(control.value / control.maximum * sliderSteps + 0.5));
}
