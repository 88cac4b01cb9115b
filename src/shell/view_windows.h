// Opens the views' modeless windows for the document: makes the window of a
// kind with the view's engine and environment, stores it in the view's window
// table in place of the previous one and shows it over the view. The Qt
// windows are made and owned here, in the shell; the document holds them
// through the AnalysisWindow interface, asks whether they show and closes
// them.
#pragma once

#include "document/analysis_window.h"

#include <memory>

class CUser;
class QWidget;
class Reporter;
class ViewSlot;

// Whether a window of the kind may open on the view, by the view's data
// source (model or time series) and presentation mode.
bool mayOpenWindow(WindowKind kind, const ViewSlot& slot);

class ViewWindows {
public:
    // owner: the main window, which the windows stay above; view: the GL
    // view, whose centre the setting windows are centred on. All must
    // outlive this object and the windows it opens.
    ViewWindows(CUser& document, Reporter& reporter, QWidget* owner, QWidget* view);

    // Closes the view's window of that kind, then shows a new one in its
    // table entry. False, with nothing changed, for a kind the program has
    // no window for yet.
    bool open(WindowKind kind, int view);

    // The tools commands: opens the kind on every target view whose orbit is
    // ready and that may open it, in index order.
    void openOnTargetViews(WindowKind kind);

private:
    std::unique_ptr<AnalysisWindow> showNew(WindowKind kind, int view);

    CUser& document_;
    Reporter& reporter_;
    QWidget* owner_;
    QWidget* view_;
};
