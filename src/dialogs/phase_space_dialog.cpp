#include "dialogs/phase_space_dialog.h"

#include "dialogs/dialog_widgets.h"
#include "dialogs/range_input.h"
#include "dynamics/dynamics_engine.h"
#include "settings/environment_settings.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kMaxPointsPerSide = 40;
constexpr double kMaxSpacing = 100.0;
constexpr int kMaxDotSize = 15;
constexpr double kCentreLimit = 100.0;

// A group of two exclusive choices at the given place.
QGroupBox* makeChoiceGroup(const QString& title, const QRect& place, QRadioButton*& first,
                           const QString& firstText, const char* firstName,
                           QRadioButton*& second, const QString& secondText,
                           const char* secondName, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setGeometry(place);
    first = new QRadioButton(firstText, group);
    first->setObjectName(QString::fromLatin1(firstName));
    first->setGeometry(12, 20, 100, 20);
    second = new QRadioButton(secondText, group);
    second->setObjectName(QString::fromLatin1(secondName));
    second->setGeometry(12, 42, 100, 20);
    return group;
}

// A label and its edit on one row.
QLineEdit* makeEditRow(const QString& label, int x, int y, const char* name, QWidget* parent)
{
    (new QLabel(label, parent))->setGeometry(x, y, 95, 20);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(x + 100, y, 70, 20);
    return edit;
}

}  // namespace

CPhaseSpaceDialog::CPhaseSpaceDialog(EnvironmentSettings& environment, DynamicsEngine& engine,
                                     Reporter& reporter, QWidget* parent)
    : QDialog(parent), environment_(environment), engine_(engine), reporter_(reporter)
{
    setWindowTitle(titleFor(std::nullopt));
    makeChoiceGroup(tr("アトラクタ"), QRect(5, 5, 130, 70), attractorShown_, tr("表示"),
                    "attractorShown", attractorHidden_, tr("非表示"), "attractorHidden", this);
    makeChoiceGroup(tr("提示方法"), QRect(5, 80, 130, 70), velocityArrows_, tr("速度ベクトル"),
                    "velocityArrows", speedDots_, tr("速度の分布"), "speedDots", this);

    pointsEdit_ = makeEditRow(tr("一辺の格子数"), 145, 10, "pointsPerSideEdit", this);
    spacingEdit_ = makeEditRow(tr("格子点間隔"), 145, 35, "spacingEdit", this);
    dotSizeEdit_ = makeEditRow(tr("点の大きさ"), 145, 60, "dotSizeEdit", this);
    const QString centreLabels[3] = {tr("X方向の移動"), tr("Y方向の移動"), tr("Z方向の移動")};
    for (int k = 0; k < 3; ++k)
        centreEdits_[k] = makeEditRow(centreLabels[k], 145, 90 + 25 * k,
                                      k == 0 ? "centreEditX" : k == 1 ? "centreEditY" : "centreEditZ",
                                      this);

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    okButton->setGeometry(45, 175, 80, 20);
    QPushButton* applyButton = makeButton(tr("適用"), "applyButton", this);
    applyButton->setGeometry(135, 175, 80, 20);
    QPushButton* cancelButton = makeButton(tr("ｷｬﾝｾﾙ"), "cancelButton", this);
    cancelButton->setGeometry(225, 175, 80, 20);
    setFixedSize(325, 205);

    connect(okButton, &QPushButton::clicked, this, &CPhaseSpaceDialog::accept);
    connect(applyButton, &QPushButton::clicked, this, &CPhaseSpaceDialog::apply);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* choice : {attractorShown_, attractorHidden_, velocityArrows_, speedDots_})
        connect(choice, &QRadioButton::clicked, this, &CPhaseSpaceDialog::apply);
    fill();
}

CPhaseSpaceDialog::CPhaseSpaceDialog(const WindowLinks& links, QWidget* owner)
    : CPhaseSpaceDialog(links.environment, links.engine, links.reporter, owner)
{
}

QString CPhaseSpaceDialog::titleFor(std::optional<int> /*viewNumber*/)
{
    return tr("相空間の設定");
}

void CPhaseSpaceDialog::fill()
{
    attractorShown_->setChecked(environment_.Vector_Flag_Display_Attractor == 1);
    attractorHidden_->setChecked(environment_.Vector_Flag_Display_Attractor != 1);
    velocityArrows_->setChecked(environment_.Vector_Flag_Display_Vector == 1);
    speedDots_->setChecked(environment_.Vector_Flag_Display_Vector != 1);
    pointsEdit_->setText(QString::asprintf("%d", environment_.Vector_Space_Num));
    spacingEdit_->setText(QString::asprintf("%lf", engine_.recordInUse.Phase_Space_Sise));
    dotSizeEdit_->setText(QString::asprintf("%d", environment_.Vector_LaticeSize));
    for (int k = 0; k < 3; ++k)
        centreEdits_[k]->setText(QString::asprintf("%.3f", engine_.recordInUse.Phase_Space_Position[k]));
}

bool CPhaseSpaceDialog::takeControls()
{
    // Every edit is checked before anything is written.
    const RangeInput<int> points = parseIntInRange(pointsEdit_->text(), 0, kMaxPointsPerSide);
    if (!points.value)
        return refuseEdit(pointsEdit_, points.message, reporter_);
    const RangeInput<double> spacing = parseDoubleInRange(spacingEdit_->text(), 0.0, kMaxSpacing);
    if (!spacing.value)
        return refuseEdit(spacingEdit_, spacing.message, reporter_);
    const RangeInput<int> dotSize = parseIntInRange(dotSizeEdit_->text(), 0, kMaxDotSize);
    if (!dotSize.value)
        return refuseEdit(dotSizeEdit_, dotSize.message, reporter_);
    double centre[3] = {};
    for (int k = 0; k < 3; ++k) {
        const RangeInput<double> value =
            parseDoubleInRange(centreEdits_[k]->text(), -kCentreLimit, kCentreLimit);
        if (!value.value)
            return refuseEdit(centreEdits_[k], value.message, reporter_);
        centre[k] = *value.value;
    }

    environment_.Vector_Flag_Display_Attractor = attractorShown_->isChecked() ? 1 : 0;
    environment_.Vector_Flag_Display_Vector = velocityArrows_->isChecked() ? 1 : 0;
    environment_.Vector_Space_Num = *points.value;
    environment_.Vector_LaticeSize = *dotSize.value;
    ModelRecord& record = engine_.recordInUse;
    record.Phase_Space_Sise = *spacing.value;
    for (int k = 0; k < 3; ++k)
        record.Phase_Space_Position[k] = centre[k];
    return true;
}

bool CPhaseSpaceDialog::apply()
{
    if (!takeControls())
        return false;
    environment_.rebuildLevel = RebuildLevel::VectorField;
    return true;
}

void CPhaseSpaceDialog::accept()
{
    if (!apply())
        return;
    QDialog::accept();
}
