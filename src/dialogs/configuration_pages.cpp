#include "dialogs/configuration_pages.h"

#include "dialogs/dialog_widgets.h"
#include "dialogs/range_input.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kValueLimit = 1e6;
constexpr int kMaxSheetPoints = 500000;
constexpr double kMinInterval = 1e-10;
constexpr double kMaxInterval = 1.0;
constexpr int kAccuracyItems = 9;
constexpr double kSizeLimit = 100.0;
constexpr double kPhasePositionLimit = 10000.0;

QString number(double value) { return QString::number(value, 'g', 15); }

// The accuracy item whose 10^-(item+1) is nearest to upsilon.
int accuracyItem(double upsilon)
{
    const int item = upsilon > 0.0 ? static_cast<int>(std::lround(-std::log10(upsilon))) - 1 : 0;
    return std::clamp(item, 0, kAccuracyItems - 1);
}

}  // namespace

ConfigurationPage::ConfigurationPage(ModelRecord& edited, const ModelRecord& inUse, Reporter& reporter,
                                     QWidget* parent)
    : QWidget(parent), edited_(edited), inUse_(inUse), reporter_(reporter)
{
}

namespace {

// The edit's value when the input was accepted; else the edit is refused.
template <typename T>
bool takeInput(QLineEdit* edit, const RangeInput<T>& input, Reporter& reporter, T& value)
{
    if (!input.value)
        return refuseEdit(edit, input.message, reporter);
    value = *input.value;
    return true;
}

}  // namespace

QLineEdit* ConfigurationPage::numberEdit(const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    connect(edit, &QLineEdit::textEdited, this, &ConfigurationPage::changed);
    return edit;
}

bool ConfigurationPage::take(QLineEdit* edit, double minimum, double maximum, double& value)
{
    return takeInput(edit, parseDoubleInRange(edit->text(), minimum, maximum), reporter_, value);
}

bool ConfigurationPage::takeInt(QLineEdit* edit, int minimum, int maximum, int& value)
{
    return takeInput(edit, parseIntInRange(edit->text(), minimum, maximum), reporter_, value);
}

BasicConfigurationPage::BasicConfigurationPage(ModelRecord& edited, const ModelRecord& inUse,
                                               Reporter& reporter, QWidget* parent)
    : ConfigurationPage(edited, inUse, reporter, parent)
{
    initialGroup_ = new QGroupBox(tr("初期値"), this);
    for (int k = 0; k < kMaxVariables; ++k) {
        initialLabels_[k] = new QLabel(QString(QChar(variableLetter(k))), initialGroup_);
        initialLabels_[k]->setGeometry(12, 25 * k + 22, 16, 22);
        initialEdits_[k] = numberEdit(QStringLiteral("initialValue%1").arg(k));
        initialEdits_[k]->setParent(initialGroup_);
        initialEdits_[k]->setGeometry(32, 25 * k + 22, 120, 22);
    }
    takeInitial_ = makeButton(tr("現在値を代入"), "takeInitialValues", initialGroup_);
    connect(takeInitial_, &QPushButton::clicked, this, [this] {
        showInitialValues(inUse_);
        emit changed();
    });

    auto* sampling = new QGroupBox(tr("サンプリングの設定"), this);
    sampling->setGeometry(190, 8, 300, 170);
    auto* grid = new QGridLayout(sampling);
    grid->addWidget(new QLabel(tr("サンプリング数"), sampling), 0, 0);
    points_ = numberEdit(QStringLiteral("samplingPoints"));
    grid->addWidget(points_, 0, 1, 1, 2);
    fixed_ = new QRadioButton(tr("固定"), sampling);
    fixed_->setObjectName(QStringLiteral("fixedInterval"));
    grid->addWidget(fixed_, 1, 0);
    grid->addWidget(new QLabel(tr("間隔"), sampling), 1, 1);
    interval_ = numberEdit(QStringLiteral("samplingInterval"));
    grid->addWidget(interval_, 1, 2);
    automatic_ = new QRadioButton(tr("自動"), sampling);
    automatic_->setObjectName(QStringLiteral("automaticInterval"));
    grid->addWidget(automatic_, 2, 0);
    grid->addWidget(new QLabel(tr("精度"), sampling), 2, 1);
    accuracy_ = new QComboBox(sampling);
    accuracy_->setObjectName(QStringLiteral("accuracy"));
    grid->addWidget(accuracy_, 2, 2);
    auto* takeSampling = makeButton(tr("現在値を代入"), "takeSampling", sampling);
    grid->addWidget(takeSampling, 3, 2);
    connect(takeSampling, &QPushButton::clicked, this, [this] {
        showSampling(inUse_);
        emit changed();
    });
    for (QRadioButton* choice : {fixed_, automatic_})
        connect(choice, &QRadioButton::clicked, this, &ConfigurationPage::changed);
    connect(accuracy_, &QComboBox::activated, this, &ConfigurationPage::changed);
    setMinimumSize(500, (kMaxVariables + 2) * 25 + 50);
    fill();
}

void BasicConfigurationPage::showInitialValues(const ModelRecord& from)
{
    const int dimension = std::clamp(edited_.Dimension, 1, kMaxVariables);
    for (int k = 0; k < dimension; ++k)
        initialEdits_[k]->setText(number(from.Setting.c[k]));
}

void BasicConfigurationPage::showSampling(const ModelRecord& from)
{
    points_->setText(QString::number(from.Sampling_Point));
    interval_->setText(number(from.Sampling_Interval));
    accuracy_->setCurrentIndex(accuracyItem(from.Auto_Sampling_Interval_Upsilon));
    automatic_->setChecked(from.Auto_Sampling_Interval_Flag == 1);
    fixed_->setChecked(from.Auto_Sampling_Interval_Flag != 1);
}

void BasicConfigurationPage::fill()
{
    const int dimension = std::clamp(edited_.Dimension, 1, kMaxVariables);
    for (int k = 0; k < kMaxVariables; ++k) {
        initialEdits_[k]->setText(number(edited_.Setting.c[k]));
        initialEdits_[k]->setVisible(k < dimension);
        initialLabels_[k]->setVisible(k < dimension);
    }
    // The group fits the rows shown, its button just below them.
    initialGroup_->setGeometry(8, 8, 170, (dimension + 2) * 25);
    takeInitial_->setGeometry(14, (dimension + 1) * 25, 140, 22);
    accuracy_->clear();
    for (int n = 1; n <= kAccuracyItems; ++n)
        accuracy_->addItem(QStringLiteral("10^(-%1)").arg(n));
    showSampling(edited_);
}

bool BasicConfigurationPage::store()
{
    const int dimension = std::clamp(edited_.Dimension, 1, kMaxVariables);
    StateVector initial = edited_.Setting;
    for (int k = 0; k < dimension; ++k) {
        if (!take(initialEdits_[k], -kValueLimit, kValueLimit, initial.c[k]))
            return false;
    }
    int points = 0;
    double interval = 0.0;
    if (!takeInt(points_, kMinSamplingPoints, kMaxSheetPoints, points) ||
        !take(interval_, kMinInterval, kMaxInterval, interval))
        return false;
    edited_.Setting = initial;
    edited_.Sampling_Point = points;
    edited_.Sampling_Interval = interval;
    edited_.Auto_Sampling_Interval_Upsilon = std::pow(10.0, -(accuracy_->currentIndex() + 1));
    edited_.Auto_Sampling_Interval_Flag = fixed_->isChecked() ? 0 : 1;
    return true;
}

ParameterConfigurationPage::ParameterConfigurationPage(ModelRecord& edited, const ModelRecord& inUse,
                                                       Reporter& reporter, QWidget* parent)
    : ConfigurationPage(edited, inUse, reporter, parent)
{
    auto* valueHeading = new QLabel(tr("パラメータ値"), this);
    valueHeading->setGeometry(40, 4, 130, 20);
    auto* rangeHeading = new QLabel(tr("パラメータの変更範囲"), this);
    rangeHeading->setGeometry(190, 4, 250, 20);
    for (int i = 0; i < kMaxParameters; ++i) {
        const int y = 24 * i + 26;
        letters_[i] = new QLabel(QString(QChar(parameterLetter(i))), this);
        letters_[i]->setGeometry(16, y, 16, 22);
        values_[i] = numberEdit(QStringLiteral("parameterValue%1").arg(i));
        values_[i]->setGeometry(40, y, 130, 22);
        minima_[i] = numberEdit(QStringLiteral("parameterMin%1").arg(i));
        minima_[i]->setGeometry(190, y, 120, 22);
        tildes_[i] = new QLabel(tr("～"), this);
        tildes_[i]->setGeometry(316, y, 20, 22);
        maxima_[i] = numberEdit(QStringLiteral("parameterMax%1").arg(i));
        maxima_[i]->setGeometry(340, y, 120, 22);
    }
    takeCurrent_ = makeButton(tr("現在値を代入"), "takeParameterValues", this);
    connect(takeCurrent_, &QPushButton::clicked, this, [this] {
        for (int i = 0; i < kMaxParameters; ++i)
            values_[i]->setText(number(inUse_.Parameter_Default[i]));
        emit changed();
    });
    setMinimumSize(480, kMaxParameters * 24 + 64);
    fill();
}

void ParameterConfigurationPage::fill()
{
    const int shown = std::clamp(edited_.Parameter, 0, kMaxParameters);
    for (int i = 0; i < kMaxParameters; ++i) {
        values_[i]->setText(number(edited_.Parameter_Default[i]));
        minima_[i]->setText(number(edited_.Parameter_Min[i]));
        maxima_[i]->setText(number(edited_.Parameter_Max[i]));
        for (QWidget* part : {static_cast<QWidget*>(letters_[i]), static_cast<QWidget*>(values_[i]),
                              static_cast<QWidget*>(minima_[i]), static_cast<QWidget*>(tildes_[i]),
                              static_cast<QWidget*>(maxima_[i])})
            part->setVisible(i < shown);
    }
    takeCurrent_->setGeometry(40, shown * 24 + 30, 140, 24);
    takeCurrent_->setVisible(shown > 0);
}

bool ParameterConfigurationPage::store()
{
    const int shown = std::clamp(edited_.Parameter, 0, kMaxParameters);
    double values[kMaxParameters][3] = {};
    for (int i = 0; i < shown; ++i) {
        if (!take(values_[i], -kValueLimit, kValueLimit, values[i][0]) ||
            !take(minima_[i], -kValueLimit, kValueLimit, values[i][1]) ||
            !take(maxima_[i], -kValueLimit, kValueLimit, values[i][2]))
            return false;
    }
    for (int i = 0; i < shown; ++i) {
        edited_.Parameter_Default[i] = values[i][0];
        edited_.Parameter_Min[i] = values[i][1];
        edited_.Parameter_Max[i] = values[i][2];
    }
    return true;
}

DisplayConfigurationPage::DisplayConfigurationPage(ModelRecord& edited, const ModelRecord& inUse,
                                                   Reporter& reporter,
                                                   std::function<Vector3()> currentPosition,
                                                   QWidget* parent)
    : ConfigurationPage(edited, inUse, reporter, parent), currentPosition_(std::move(currentPosition))
{
    // A group with its size edit and x, y, z position edits, each with a
    // "現在値を代入" button.
    const auto group = [this](const QString& title, const QString& name, QLineEdit*& size,
                              QLineEdit* (&position)[3], QPushButton*& takeSize, QPushButton*& takePosition) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        grid->addWidget(new QLabel(tr("基準提示サイズ"), box), 0, 0);
        size = numberEdit(name + QStringLiteral("Size"));
        grid->addWidget(size, 0, 1, 1, 2);
        takeSize = makeButton(tr("現在値を代入"), "", box);
        grid->addWidget(takeSize, 0, 3);
        grid->addWidget(new QLabel(tr("提示位置"), box), 1, 0);
        for (int k = 0; k < 3; ++k) {
            grid->addWidget(new QLabel(QString(QChar(variableLetter(k))), box), k + 1, 1, Qt::AlignRight);
            position[k] = numberEdit(name + QStringLiteral("Position%1").arg(k));
            grid->addWidget(position[k], k + 1, 2);
        }
        takePosition = makeButton(tr("現在値を代入"), "", box);
        grid->addWidget(takePosition, 1, 3);
        return box;
    };
    QPushButton* takeScale = nullptr;
    QPushButton* takeDisplayPosition = nullptr;
    QPushButton* takePhaseSize = nullptr;
    QPushButton* takePhasePosition = nullptr;
    QGroupBox* attractor = group(tr("アトラクタ提示"), QStringLiteral("display"), displayScale_,
                                 displayPosition_, takeScale, takeDisplayPosition);
    QGroupBox* phase = group(tr("相空間の提示"), QStringLiteral("phaseSpace"), phaseSize_, phasePosition_,
                             takePhaseSize, takePhasePosition);
    // The attractor's size has no button of its own.
    takeScale->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(attractor);
    layout->addWidget(phase);
    layout->addStretch();

    connect(takeDisplayPosition, &QPushButton::clicked, this, [this] {
        if (!currentPosition_)
            return;
        const Vector3 position = currentPosition_();
        displayPosition_[0]->setText(number(position.x));
        displayPosition_[1]->setText(number(position.y));
        displayPosition_[2]->setText(number(position.z));
        emit changed();
    });
    connect(takePhaseSize, &QPushButton::clicked, this, [this] {
        phaseSize_->setText(number(inUse_.Phase_Space_Sise));
        emit changed();
    });
    connect(takePhasePosition, &QPushButton::clicked, this, [this] {
        showPhaseSpacePosition(inUse_);
        emit changed();
    });
    fill();
}

void DisplayConfigurationPage::showPhaseSpacePosition(const ModelRecord& from)
{
    // Shown as the scene's axes: y is the model's z, z is minus its y.
    phasePosition_[0]->setText(number(from.Phase_Space_Position.c[0]));
    phasePosition_[1]->setText(number(from.Phase_Space_Position.c[2]));
    phasePosition_[2]->setText(number(-from.Phase_Space_Position.c[1]));
}

void DisplayConfigurationPage::fill()
{
    displayScale_->setText(number(edited_.Display_Scale));
    displayPosition_[0]->setText(number(edited_.Display_Position.x));
    displayPosition_[1]->setText(number(edited_.Display_Position.y));
    displayPosition_[2]->setText(number(edited_.Display_Position.z));
    phaseSize_->setText(number(edited_.Phase_Space_Sise));
    showPhaseSpacePosition(edited_);
}

bool DisplayConfigurationPage::store()
{
    double scale = 0.0;
    double position[3] = {};
    double size = 0.0;
    double phase[3] = {};
    if (!take(displayScale_, 0.0, kSizeLimit, scale))
        return false;
    for (int k = 0; k < 3; ++k) {
        if (!take(displayPosition_[k], -kSizeLimit, kSizeLimit, position[k]))
            return false;
    }
    if (!take(phaseSize_, 0.0, kSizeLimit, size))
        return false;
    for (int k = 0; k < 3; ++k) {
        if (!take(phasePosition_[k], -kPhasePositionLimit, kPhasePositionLimit, phase[k]))
            return false;
    }
    edited_.Display_Scale = scale;
    edited_.Display_Position = Vector3{position[0], position[1], position[2]};
    edited_.Phase_Space_Sise = size;
    edited_.Phase_Space_Position.c[0] = phase[0];
    edited_.Phase_Space_Position.c[1] = -phase[2];
    edited_.Phase_Space_Position.c[2] = phase[1];
    return true;
}
