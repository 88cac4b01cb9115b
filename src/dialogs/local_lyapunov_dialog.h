// The local Lyapunov exponent window "局所的リアプノフ指数" of a view: the
// initial error vector from which the local Lyapunov exponent distribution
// is computed, one edit per variable of the model. Modeless; "適用" and OK
// write the vector into the view's environment and have the orbit computed
// again. With several views shown its title names the view.
#pragma once

#include "document/analysis_window.h"

#include <QDialog>
#include <QRect>

#include <functional>
#include <optional>

class DynamicsEngine;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Reporter;
struct EnvironmentSettings;

// Where the window's parts go for a model of the given dimension: the error
// group grows by 25 pixels for every variable beyond three, and the buttons
// and the window follow it.
struct LocalLyapunovWindowLayout {
    QRect errorGroup;
    QRect applyButton;
    QRect okButton;
    QSize window;
};
LocalLyapunovWindowLayout localLyapunovWindowLayout(int dimension);

class CLocalLyapunovDialog : public QDialog {
    Q_OBJECT
public:
    // environment: the view's, whose perturbation the window edits; engine:
    // the view's, for the model's dimension. computeOrbit computes the view's
    // orbit and asks for its display to be rebuilt. Refused input goes to
    // reporter. All must outlive the window.
    CLocalLyapunovDialog(EnvironmentSettings& environment, const DynamicsEngine& engine,
                         Reporter& reporter, std::function<void()> computeOrbit,
                         QWidget* parent = nullptr);
    // The view's window: the document computes the view's orbit.
    CLocalLyapunovDialog(const WindowLinks& links, QWidget* owner);

    // "View-<n>" with several views, else the window's own title.
    static QString titleFor(std::optional<int> viewNumber);
    void refresh() { fill(); }
    // Shows the initial error and lays the window out for the dimension.
    void fill();

    // "適用": the edits of the model's variables into the initial error, then
    // the orbit computed. False (nothing taken) when an edit holds a refused
    // value or every component would be 0.
    bool apply();
    // OK: as "適用", then hidden.
    void accept() override;

private:
    bool takeControls();
    int dimension() const;

    EnvironmentSettings& environment_;
    const DynamicsEngine& engine_;
    Reporter& reporter_;
    std::function<void()> computeOrbit_;

    QGroupBox* errorGroup_ = nullptr;
    QLabel* errorLabels_[6] = {};
    QLineEdit* errorEdits_[6] = {};
    QPushButton* applyButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
