// The sampling and initial value window of a view as the view's window table
// holds it: the modeless CSamplingDialog behind the document's
// AnalysisWindow interface. This object owns the dialog; closing destroys
// the dialog and leaves this object in the table until it is replaced.
#pragma once

#include "dialogs/sampling_dialog.h"
#include "document/analysis_window.h"

#include <QPointer>

#include <functional>


class SamplingWindow : public AnalysisWindow {
public:
    // engine: the view's engine, whose record in use the window edits.
    // computeOrbit: run by "適用", OK, "初期化" and the interval choices
    // after the values are taken. owner: the main window, which the dialog
    // stays above. engine and reporter must outlive the window.
    SamplingWindow(DynamicsEngine& engine, Reporter& reporter, std::function<void()> computeOrbit,
                   QWidget* owner);
    ~SamplingWindow() override;
    SamplingWindow(const SamplingWindow&) = delete;
    SamplingWindow& operator=(const SamplingWindow&) = delete;

    // Shows the window modeless, its centre on the centre of `area` (global
    // coordinates).
    void showCentredOn(const QRect& area);

    bool isOpen() const override;
    void close() override;

    // The dialog; null once closed.
    CSamplingDialog* dialog() const { return dialog_.data(); }

private:
    // Guarded: the owner deletes the dialog should it go first.
    QPointer<CSamplingDialog> dialog_;
};
