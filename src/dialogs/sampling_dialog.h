// The sampling and initial value window "サンプリング・初期値の設定" of a view:
// number of sampling points, fixed or automatic interval with its accuracy,
// and the initial values of the model's variables. Modeless; "適用", OK,
// "初期化", the accuracy list and the two interval choices write the record in
// use and have the orbit computed again. OK and "ｷｬﾝｾﾙ" only hide the window.
#pragma once

#include "document/analysis_window.h"

#include <QDialog>
#include <QRect>

#include <functional>
#include <optional>

class DynamicsEngine;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Reporter;

// Where the window's parts go for a model of the given dimension: the initial
// value group grows by 25 pixels for every variable beyond three, and the
// buttons and the window follow it.
struct SamplingWindowLayout {
    QRect initialValueGroup;
    QRect okButton;
    QRect applyButton;
    QRect initialiseButton;
    QRect cancelButton;
    QSize window;
};
SamplingWindowLayout samplingWindowLayout(int dimension);

class CSamplingDialog : public QDialog {
    Q_OBJECT
public:
    // engine: the view's engine, whose record in use the window edits and
    // whose edited record "初期化" restores from. computeOrbit: computes the
    // view's orbit from the record in use and asks for the orbit display to
    // be rebuilt. Refused input goes to reporter. All must outlive the window.
    CSamplingDialog(DynamicsEngine& engine, Reporter& reporter, std::function<void()> computeOrbit,
                    QWidget* parent = nullptr);
    // The view's window: the view's engine, and the document computes the
    // view's orbit.
    CSamplingDialog(const WindowLinks& links, QWidget* owner);

    // The window keeps its template title whatever the number of views.
    static QString titleFor(std::optional<int> viewNumber);
    // Shows the record in use again (its orbit or settings changed).
    void refresh() { fill(); }

    // Fills every control from the record in use and lays the window out for
    // its dimension.
    void fill();
    // Places the window's centre on the centre of rect (global coordinates).
    void centreOn(const QRect& rect);

    // "適用": takes the controls into the record and computes the orbit.
    // False (and nothing taken) when an edit holds a refused value.
    bool apply();
    // "初期化": the sampling settings and initial values of the model's
    // configuration, then the orbit computed.
    void initialise();
    // OK: as "適用", then hidden.
    void accept() override;

private:
    // The controls' values into the record in use; false on refused input.
    bool takeControls();

    DynamicsEngine& engine_;
    Reporter& reporter_;
    std::function<void()> computeOrbit_;

    QLineEdit* pointsEdit_ = nullptr;
    QLineEdit* intervalEdit_ = nullptr;
    QRadioButton* fixedChoice_ = nullptr;
    QRadioButton* autoChoice_ = nullptr;
    QComboBox* accuracyList_ = nullptr;
    QGroupBox* initialGroup_ = nullptr;
    QLabel* initialLabels_[6] = {};
    QLineEdit* initialEdits_[6] = {};
    QPushButton* okButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* initialiseButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
