// The parameter setting window of a view: one row per parameter of the
// model with a slider over its range, an edit with the value and the two
// limits. Moving a slider (dragging, arrow keys, Page Up/Down, the wheel)
// changes the value in use at once and has the orbit computed again, so the
// attractor follows the slider. "適用" (or Enter in a row's edit) takes the
// typed values, "初期化" goes back to the model's configured values. Only the
// record in use changes; the configured values stay.
#pragma once

#include "document/analysis_window.h"
#include "models/model_record.h"

#include <QDialog>

#include <functional>
#include <optional>

class DynamicsEngine;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class Reporter;

class CParameterDialog : public QDialog {
    Q_OBJECT
public:
    // engine: the view's engine, whose record in use the window edits.
    // parametersChanged: the values in use changed; the view recomputes.
    // All must outlive the window.
    CParameterDialog(DynamicsEngine& engine, Reporter& reporter,
                     std::function<void()> parametersChanged, QWidget* parent = nullptr);
    CParameterDialog(const WindowLinks& links, QWidget* owner);

    static QString titleFor(std::optional<int> viewNumber);
    // Shows again the rows whose value or limits changed in the record in
    // use; rows being edited otherwise keep their text.
    void refresh();

    // "適用": every row's typed value into the record in use. A text that is
    // not a number is reported naming its row, and nothing is taken.
    bool apply();
    // Enter in row i's edit: only that row's value.
    bool applyRow(int i);
    // "初期化": the configured values of every row.
    void initialise();

private:
    struct Row {
        QLabel* letter = nullptr;
        QLabel* lower = nullptr;
        QSlider* slider = nullptr;
        QLabel* upper = nullptr;
        QLineEdit* edit = nullptr;
        double value = 0.0;
        double minimum = 0.0;
        double maximum = 0.0;
    };

    void layOut();
    // Shows row i's kept value and limits.
    void showRow(int i);
    // Row i takes value v: kept, in use, shown.
    void setRowValue(int i, double v);
    void sliderMoved(int i, int position);
    // The number row i's edit holds, or a message naming the row.
    std::optional<double> typedValue(int i);

    DynamicsEngine& engine_;
    Reporter& reporter_;
    std::function<void()> parametersChanged_;
    Row rows_[kMaxParameters];
    QPushButton* closeButton_ = nullptr;
    QPushButton* initialiseButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};
