#include "plots/equation_window.h"

#include "dynamics/dynamics_engine.h"
#include "plots/plot_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

CEquationWindow::CEquationWindow(const WindowLinks& links, QWidget* owner)
    : QDialog(owner), links_(links)
{
    auto* nameLabel = new QLabel(tr("モデル名"), this);
    nameLabel->setGeometry(10, 7, 60, 18);
    name_ = new QLineEdit(this);
    name_->setReadOnly(true);
    name_->setGeometry(75, 5, 240, 20);
    group_ = new QGroupBox(tr("モデルの方程式"), this);
    const char* rowNames[6] = {"dx/dt =", "dy/dt =", "dz/dt =", "dw/dt =", "dv/dt =", "du/dt ="};
    for (int k = 0; k < 6; ++k) {
        labels_[k] = new QLabel(QString::fromLatin1(rowNames[k]), group_);
        labels_[k]->setGeometry(10, 22 + 25 * k, 55, 20);
        equations_[k] = new QLineEdit(group_);
        equations_[k]->setReadOnly(true);
        equations_[k]->setGeometry(65, 22 + 25 * k, 238, 20);
    }
    closeButton_ = new QPushButton(tr("閉じる"), this);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    refresh();
    // The window opens at the screen's top-left corner.
    move(0, 0);
}

QString CEquationWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("モデルの方程式"), tr("モデルの方程式 View-%1"), viewNumber);
}

void CEquationWindow::refresh()
{
    const ModelRecord& record = links_.engine.recordInUse;
    const int dimension = std::clamp(record.Dimension, 1, kMaxVariables);
    name_->setText(QString::fromStdString(record.ModelName));
    for (int k = 0; k < 6; ++k) {
        equations_[k]->setText(k < dimension ? QString::fromStdString(record.Function[k]) : QString());
        labels_[k]->setVisible(k < dimension);
        equations_[k]->setVisible(k < dimension);
    }
    const int v = 25 * dimension - 75;
    group_->setGeometry(5, 30, 313, v + 104);
    closeButton_->setGeometry(220, v + 140, 80, 20);
    setFixedSize(330, v + 190);
}

QString CEquationWindow::modelName() const { return name_->text(); }

QString CEquationWindow::equation(int k) const { return equations_.at(static_cast<std::size_t>(k))->text(); }

bool CEquationWindow::rowShown(int k) const
{
    return !equations_.at(static_cast<std::size_t>(k))->isHidden();
}
