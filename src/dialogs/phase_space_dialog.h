// The phase-space settings window "相空間の設定" of a view: whether the
// attractor is drawn with the vector field, whether the field shows velocity
// arrows or only the speed distribution as dots, the lattice (points per
// side, spacing, dot size) and where its centre lies. Modeless; "適用", OK and
// every choice write the settings and ask the view to rebuild its vector
// field at the next drawing tick. OK and "ｷｬﾝｾﾙ" hide it.
#pragma once

#include "document/analysis_window.h"

#include <QDialog>

#include <optional>

class DynamicsEngine;
class QLineEdit;
class QRadioButton;
class Reporter;
struct EnvironmentSettings;

class CPhaseSpaceDialog : public QDialog {
    Q_OBJECT
public:
    // environment: the view's (flags, lattice size, dot size); engine: the
    // view's, whose record in use holds the spacing and the centre. Refused
    // input goes to reporter. All must outlive the window.
    CPhaseSpaceDialog(EnvironmentSettings& environment, DynamicsEngine& engine, Reporter& reporter,
                      QWidget* parent = nullptr);
    CPhaseSpaceDialog(const WindowLinks& links, QWidget* owner);

    // The window keeps its own title whatever the number of views.
    static QString titleFor(std::optional<int> viewNumber);
    void refresh() { fill(); }
    // Fills every control from the environment and the record in use.
    void fill();

    // "適用": the controls into the settings and the vector field rebuilt at
    // the next tick. False (nothing taken) when an edit holds a refused value.
    bool apply();
    // OK: as "適用", then hidden.
    void accept() override;

private:
    bool takeControls();

    EnvironmentSettings& environment_;
    DynamicsEngine& engine_;
    Reporter& reporter_;

    QRadioButton* attractorShown_ = nullptr;
    QRadioButton* attractorHidden_ = nullptr;
    QRadioButton* velocityArrows_ = nullptr;
    QRadioButton* speedDots_ = nullptr;
    QLineEdit* pointsEdit_ = nullptr;
    QLineEdit* spacingEdit_ = nullptr;
    QLineEdit* dotSizeEdit_ = nullptr;
    QLineEdit* centreEdits_[3] = {};
};
