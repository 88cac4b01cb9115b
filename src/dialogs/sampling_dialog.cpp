#include "dialogs/sampling_dialog.h"

#include "dialogs/dialog_widgets.h"
#include "dialogs/range_input.h"
#include "document/user_document.h"
#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMinPoints = 1;
constexpr int kMaxPoints = 1000000;
constexpr double kMinInterval = 1e-11;
constexpr double kMaxInterval = 1.0;
constexpr double kInitialValueLimit = 1e6;
constexpr int kAccuracyItems = 9;

// The accuracy item of upsilon: 10^-(item+1). The exponent is truncated; the
// small allowance keeps a power of ten that log10 misses by a rounding error
// on its own item.
int accuracyItem(double upsilon)
{
    const int item = upsilon > 0.0 ? static_cast<int>(-std::log10(upsilon) - 1.0 + 1e-9) : 0;
    return std::clamp(item, 0, kAccuracyItems - 1);
}

}  // namespace

SamplingWindowLayout samplingWindowLayout(int dimension)
{
    const int d = 25 * (std::clamp(dimension, 3, 6) - 3);
    SamplingWindowLayout layout;
    layout.initialValueGroup = QRect(202, 5, 115, 110 + d);
    layout.okButton = QRect(30, 140 + d, 80, 20);
    layout.applyButton = QRect(120, 140 + d, 80, 20);
    layout.initialiseButton = QRect(210, 140 + d, 80, 20);
    layout.cancelButton = QRect(210, 165 + d, 80, 20);
    layout.window = QSize(330, 2 * ((216 + d) / 2));
    return layout;
}

CSamplingDialog::CSamplingDialog(DynamicsEngine& engine, Reporter& reporter,
                                 std::function<void()> computeOrbit, QWidget* parent)
    : QDialog(parent), engine_(engine), reporter_(reporter), computeOrbit_(std::move(computeOrbit))
{
    setWindowTitle(titleFor(std::nullopt));

    auto* pointsLabel = new QLabel(QStringLiteral("サンプリング数"), this);
    pointsLabel->setGeometry(10, 10, 85, 20);
    pointsEdit_ = new QLineEdit(this);
    pointsEdit_->setObjectName(QStringLiteral("samplingPointEdit"));
    pointsEdit_->setGeometry(100, 10, 95, 20);

    auto* intervalGroup = new QGroupBox(QStringLiteral("サンプリング間隔"), this);
    intervalGroup->setGeometry(5, 36, 192, 98);
    fixedChoice_ = new QRadioButton(QStringLiteral("固定"), intervalGroup);
    fixedChoice_->setObjectName(QStringLiteral("fixedIntervalChoice"));
    fixedChoice_->setGeometry(12, 20, 70, 20);
    autoChoice_ = new QRadioButton(QStringLiteral("自動"), intervalGroup);
    autoChoice_->setObjectName(QStringLiteral("autoIntervalChoice"));
    autoChoice_->setGeometry(95, 20, 70, 20);
    auto* intervalLabel = new QLabel(QStringLiteral("間隔"), intervalGroup);
    intervalLabel->setGeometry(12, 45, 40, 20);
    intervalEdit_ = new QLineEdit(intervalGroup);
    intervalEdit_->setObjectName(QStringLiteral("samplingIntervalEdit"));
    intervalEdit_->setGeometry(55, 45, 125, 20);
    auto* accuracyLabel = new QLabel(QStringLiteral("精度"), intervalGroup);
    accuracyLabel->setGeometry(12, 70, 40, 20);
    accuracyList_ = new QComboBox(intervalGroup);
    accuracyList_->setObjectName(QStringLiteral("accuracyList"));
    accuracyList_->setGeometry(55, 70, 125, 22);
    for (int n = 1; n <= kAccuracyItems; ++n)
        accuracyList_->addItem(QStringLiteral("10^(-%1)").arg(n));

    initialGroup_ = new QGroupBox(QStringLiteral("初期値の設定"), this);
    for (int k = 0; k < 6; ++k) {
        initialLabels_[k] = new QLabel(QString(QChar(variableLetter(k))), initialGroup_);
        initialLabels_[k]->setGeometry(12, 22 + 25 * k, 15, 20);
        initialEdits_[k] = new QLineEdit(initialGroup_);
        initialEdits_[k]->setObjectName(QStringLiteral("initialValueEdit%1").arg(k));
        initialEdits_[k]->setGeometry(30, 22 + 25 * k, 75, 20);
    }

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    applyButton_ = makeButton(QStringLiteral("適用"), "applyButton", this);
    initialiseButton_ = makeButton(QStringLiteral("初期化"), "initialiseButton", this);
    cancelButton_ = makeButton(QStringLiteral("ｷｬﾝｾﾙ"), "cancelButton", this);

    QWidget* order[] = {pointsEdit_,      fixedChoice_,     autoChoice_,      intervalEdit_,
                        accuracyList_,    initialEdits_[0], initialEdits_[1], initialEdits_[2],
                        initialEdits_[3], initialEdits_[4], initialEdits_[5], okButton_,
                        applyButton_,     initialiseButton_, cancelButton_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(applyButton_, &QPushButton::clicked, this, &CSamplingDialog::apply);
    connect(okButton_, &QPushButton::clicked, this, &CSamplingDialog::accept);
    connect(initialiseButton_, &QPushButton::clicked, this, &CSamplingDialog::initialise);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(fixedChoice_, &QRadioButton::clicked, this, &CSamplingDialog::apply);
    connect(autoChoice_, &QRadioButton::clicked, this, &CSamplingDialog::apply);
    connect(accuracyList_, &QComboBox::activated, this, &CSamplingDialog::apply);

    fill();
}

CSamplingDialog::CSamplingDialog(const WindowLinks& links, QWidget* owner)
    : CSamplingDialog(links.engine, links.reporter,
                      [&document = links.document, view = links.view] {
                          document.computeViewOrbit(view);
                      },
                      owner)
{
}

QString CSamplingDialog::titleFor(std::optional<int> /*viewNumber*/)
{
    return tr("サンプリング・初期値の設定");
}

void CSamplingDialog::fill()
{
    const ModelRecord& record = engine_.recordInUse;
    pointsEdit_->setText(QString::asprintf("%d", record.Sampling_Point));
    intervalEdit_->setText(QString::asprintf("%.4f", record.Sampling_Interval));
    accuracyList_->setCurrentIndex(accuracyItem(record.Auto_Sampling_Interval_Upsilon));
    autoChoice_->setChecked(record.Auto_Sampling_Interval_Flag == 1);
    fixedChoice_->setChecked(record.Auto_Sampling_Interval_Flag != 1);
    const int dimension = std::clamp(record.Dimension, 1, 6);
    for (int k = 0; k < 6; ++k) {
        initialEdits_[k]->setText(QString::asprintf("%.3f", record.Setting.c[k]));
        initialEdits_[k]->setVisible(k < dimension);
        initialLabels_[k]->setVisible(k < dimension);
    }

    const SamplingWindowLayout layout = samplingWindowLayout(dimension);
    initialGroup_->setGeometry(layout.initialValueGroup);
    okButton_->setGeometry(layout.okButton);
    applyButton_->setGeometry(layout.applyButton);
    initialiseButton_->setGeometry(layout.initialiseButton);
    cancelButton_->setGeometry(layout.cancelButton);
    setFixedSize(layout.window);
}

void CSamplingDialog::centreOn(const QRect& rect)
{
    QRect frame(QPoint(), frameGeometry().size().expandedTo(size()));
    frame.moveCenter(rect.center());
    move(frame.topLeft());
}

bool CSamplingDialog::takeControls()
{
    // Every edit is checked before anything is written, so a refused value
    // leaves the record as it was.
    const auto refuse = [this](QLineEdit* edit, const std::string& message) {
        return refuseEdit(edit, message, reporter_);
    };
    const RangeInput<int> points = parseIntInRange(pointsEdit_->text(), kMinPoints, kMaxPoints);
    if (!points.value)
        return refuse(pointsEdit_, points.message);
    const RangeInput<double> interval =
        parseDoubleInRange(intervalEdit_->text(), kMinInterval, kMaxInterval);
    if (!interval.value)
        return refuse(intervalEdit_, interval.message);
    ModelRecord& record = engine_.recordInUse;
    const int dimension = std::clamp(record.Dimension, 1, 6);
    double initial[6] = {};
    for (int k = 0; k < dimension; ++k) {
        const RangeInput<double> value =
            parseDoubleInRange(initialEdits_[k]->text(), -kInitialValueLimit, kInitialValueLimit);
        if (!value.value)
            return refuse(initialEdits_[k], value.message);
        initial[k] = *value.value;
    }

    record.Sampling_Point = *points.value;
    record.Sampling_Interval = *interval.value;
    record.Auto_Sampling_Interval_Flag = fixedChoice_->isChecked() ? 0 : 1;
    record.Auto_Sampling_Interval_Upsilon = std::pow(10.0, -(accuracyList_->currentIndex() + 1));
    for (int k = 0; k < dimension; ++k)
        record.Setting.c[k] = initial[k];
    return true;
}

bool CSamplingDialog::apply()
{
    if (!takeControls())
        return false;
    if (computeOrbit_)
        computeOrbit_();
    return true;
}

void CSamplingDialog::initialise()
{
    ModelRecord& inUse = engine_.recordInUse;
    const ModelRecord& configured = engine_.recordEdited;
    inUse.Sampling_Point = configured.Sampling_Point;
    inUse.Sampling_Interval = configured.Sampling_Interval;
    inUse.Auto_Sampling_Interval_Flag = configured.Auto_Sampling_Interval_Flag;
    inUse.Auto_Sampling_Interval_Upsilon = configured.Auto_Sampling_Interval_Upsilon;
    inUse.Setting = configured.Setting;
    fill();
    if (computeOrbit_)
        computeOrbit_();
}

void CSamplingDialog::accept()
{
    if (!takeControls())
        return;
    QDialog::accept();
    if (computeOrbit_)
        computeOrbit_();
}
