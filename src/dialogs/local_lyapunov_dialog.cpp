#include "dialogs/local_lyapunov_dialog.h"

#include "dialogs/dialog_widgets.h"
#include "dialogs/range_input.h"
#include "document/user_document.h"
#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"
#include "settings/environment_settings.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr double kErrorLimit = 1e6;

}  // namespace

LocalLyapunovWindowLayout localLyapunovWindowLayout(int dimension)
{
    const int d = 25 * (std::clamp(dimension, 3, 6) - 3);
    LocalLyapunovWindowLayout layout;
    layout.errorGroup = QRect(5, 5, 120, 105 + d);
    layout.applyButton = QRect(30, 120 + d, 80, 20);
    layout.okButton = QRect(30, 150 + d, 80, 20);
    layout.window = QSize(140, 200 + d);
    return layout;
}

CLocalLyapunovDialog::CLocalLyapunovDialog(EnvironmentSettings& environment,
                                           const DynamicsEngine& engine, Reporter& reporter,
                                           std::function<void()> computeOrbit, QWidget* parent)
    : QDialog(parent), environment_(environment), engine_(engine), reporter_(reporter),
      computeOrbit_(std::move(computeOrbit))
{
    setWindowTitle(titleFor(std::nullopt));
    errorGroup_ = new QGroupBox(tr("初期誤差の設定"), this);
    for (int k = 0; k < 6; ++k) {
        errorLabels_[k] = new QLabel(QString(QChar(variableLetter(k))), errorGroup_);
        errorLabels_[k]->setGeometry(10, 22 + 25 * k, 15, 20);
        errorEdits_[k] = new QLineEdit(errorGroup_);
        errorEdits_[k]->setObjectName(QStringLiteral("errorEdit%1").arg(k));
        errorEdits_[k]->setGeometry(28, 22 + 25 * k, 84, 20);
    }
    applyButton_ = makeButton(tr("適用"), "applyButton", this);
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    connect(applyButton_, &QPushButton::clicked, this, &CLocalLyapunovDialog::apply);
    connect(okButton_, &QPushButton::clicked, this, &CLocalLyapunovDialog::accept);
    fill();
}

CLocalLyapunovDialog::CLocalLyapunovDialog(const WindowLinks& links, QWidget* owner)
    : CLocalLyapunovDialog(links.environment, links.engine, links.reporter,
                           [&document = links.document, view = links.view] {
                               document.computeViewOrbit(view);
                           },
                           owner)
{
    setWindowTitle(titleFor(links.titleNumber));
}

QString CLocalLyapunovDialog::titleFor(std::optional<int> viewNumber)
{
    if (viewNumber)
        return tr("View-%1").arg(*viewNumber);
    return tr("局所的リアプノフ指数");
}

int CLocalLyapunovDialog::dimension() const
{
    return std::clamp(engine_.recordInUse.Dimension, 1, 6);
}

void CLocalLyapunovDialog::fill()
{
    for (int k = 0; k < 6; ++k) {
        errorEdits_[k]->setText(QString::asprintf("%.8f", environment_.perturbation[k]));
        errorEdits_[k]->setVisible(k < dimension());
        errorLabels_[k]->setVisible(k < dimension());
    }
    const LocalLyapunovWindowLayout layout = localLyapunovWindowLayout(dimension());
    errorGroup_->setGeometry(layout.errorGroup);
    applyButton_->setGeometry(layout.applyButton);
    okButton_->setGeometry(layout.okButton);
    setFixedSize(layout.window);
}

bool CLocalLyapunovDialog::takeControls()
{
    StateVector error = environment_.perturbation;
    bool nonZero = false;
    for (int k = 0; k < dimension(); ++k) {
        const RangeInput<double> value =
            parseDoubleInRange(errorEdits_[k]->text(), -kErrorLimit, kErrorLimit);
        if (!value.value)
            return refuseEdit(errorEdits_[k], value.message, reporter_);
        error[k] = *value.value;
        nonZero = nonZero || error[k] != 0.0;
    }
    // The exponent measures how an error grows; an error of nothing has no
    // direction to grow in.
    if (!nonZero)
        return refuseEdit(errorEdits_[0],
                          tr("初期誤差のどれかの成分に 0 でない値を入力してください。").toStdString(),
                          reporter_);
    environment_.perturbation = error;
    return true;
}

bool CLocalLyapunovDialog::apply()
{
    if (!takeControls())
        return false;
    if (computeOrbit_)
        computeOrbit_();
    return true;
}

void CLocalLyapunovDialog::accept()
{
    if (!takeControls())
        return;
    QDialog::accept();
    if (computeOrbit_)
        computeOrbit_();
}
