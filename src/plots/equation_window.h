// The model equation window "モデルの方程式" of a view: the bound model's name
// and its right-hand sides dx/dt to du/dt, one read-only row per variable of
// the model; the rows beyond the model's dimension are hidden and the window
// shrinks by 25 pixels for each.
#pragma once

#include "document/analysis_window.h"

#include <QDialog>

#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CEquationWindow : public QDialog {
    Q_OBJECT
public:
    CEquationWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);

    // Shows the view's model record in use again.
    void refresh();
    QString modelName() const;
    QString equation(int k) const;
    bool rowShown(int k) const;

private:
    const WindowLinks links_;
    QLineEdit* name_ = nullptr;
    QGroupBox* group_ = nullptr;
    std::array<QLabel*, 6> labels_{};
    std::array<QLineEdit*, 6> equations_{};
    QPushButton* closeButton_ = nullptr;
};
