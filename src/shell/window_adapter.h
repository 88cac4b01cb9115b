// The one adapter between the document's AnalysisWindow and a Qt window
// class. A window class W of a view takes the view's links and the main
// window (which it stays above), shows the view's state again on refresh(),
// and names its title for a view number (empty with one view); it may also
// offer centreOn(rect) to be centred on its view when it opens. A window
// without it that has not placed itself is centred on its view, so the
// windows of several views do not hide one another. The adapter
// owns the widget: closing hides it and deletes it once the event loop is
// back, since a command may close a window from inside one of its signals.
#pragma once

#include "document/analysis_window.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <concepts>
#include <optional>

template <class W>
concept ViewWindowClass = std::derived_from<W, QWidget> &&
                          std::constructible_from<W, const WindowLinks&, QWidget*> &&
                          requires(W& window, std::optional<int> number) {
                              window.refresh();
                              { W::titleFor(number) } -> std::convertible_to<QString>;
                          };

template <ViewWindowClass W>
class WindowAdapter final : public AnalysisWindow {
public:
    // Makes the window for the view and shows it; viewArea is the view's
    // rectangle in global coordinates.
    WindowAdapter(const WindowLinks& links, QWidget* owner, const QRect& viewArea)
        : widget_(new W(links, owner))
    {
        widget_->setWindowTitle(W::titleFor(links.titleNumber));
        if constexpr (requires(W& w) { w.centreOn(viewArea); })
            widget_->centreOn(viewArea);
        else if (!widget_->testAttribute(Qt::WA_Moved))
            widget_->move(viewArea.center() - widget_->rect().center());
        widget_->show();
        widget_->raise();
        widget_->activateWindow();
    }
    ~WindowAdapter() override { delete widget_.data(); }
    WindowAdapter(const WindowAdapter&) = delete;
    WindowAdapter& operator=(const WindowAdapter&) = delete;

    bool isOpen() const override { return widget_ && widget_->isVisible(); }
    void close() override
    {
        if (!widget_)
            return;
        widget_->hide();
        widget_->deleteLater();
        widget_ = nullptr;
    }
    void refresh() override
    {
        if (widget_)
            widget_->refresh();
    }

    // The window; null once closed (or deleted by its owner).
    W* widget() const { return widget_.data(); }

private:
    QPointer<W> widget_;
};
