// The program's table of per-view windows: which Qt window class each
// WindowKind has. Adding a window kind is one window class (see
// WindowAdapter) and one row in view_window_maker.cpp.
#pragma once

#include "document/analysis_window.h"

#include <QRect>

class QWidget;

class ViewWindowMaker : public WindowMaker {
public:
    // owner: the main window, which the windows stay above; view: the GL
    // view, whose rectangle the windows may centre on. Both must outlive
    // the windows.
    ViewWindowMaker(QWidget* owner, QWidget* view);

    std::unique_ptr<AnalysisWindow> make(WindowKind kind, const WindowLinks& links) override;
    std::unique_ptr<AnalysisWindow> makeSheet(int entry, const WindowLinks& links) override;

private:
    // The rectangle of the links' view inside the GL view, in global
    // coordinates; the whole GL view when the view is not shown.
    QRect viewArea(const WindowLinks& links) const;

    QWidget* owner_;
    QWidget* view_;
};
