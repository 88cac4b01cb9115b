// CPsView, the one view window of the main frame. It owns the OpenGL context
// (through a GL surface window embedded in it), has the document build its
// scenes once the context exists, lays the views' cameras out inside its
// client area, paces the program with a 33 ms drawing timer and a 1 ms event
// timer, draws every view through the document at each repaint, and takes the
// keys (Pause, F12) and the mouse messages, which it hands to the document.
// Over an empty view it draws a faint hint of how to begin.
#pragma once

#include "view/empty_view_hint.h"

#include <QImage>
#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class CUser;
class QOpenGLWindow;
class Reporter;

// Number of the next scene capture, shared by the whole process: the F12 key
// writes "CapturedScene[<n>].ppm" and counts on.
extern int captureCounter;

// The frames are drawn into a QOpenGLWindow that covers the widget and renders
// straight into its own double-buffered frame buffer. A QOpenGLWidget would
// draw into an offscreen buffer that the toolkit then composites into the
// whole main window on every frame; on a software renderer that composition
// costs about as much CPU as a third of the drawing itself. The surface
// window takes no input: mouse and keys reach this widget as usual.
class CPsView : public QWidget {
    Q_OBJECT
public:
    static constexpr int drawingPeriodMilliseconds = 33;
    static constexpr int eventPeriodMilliseconds = 1;
    // A capture leaves out this many pixels of the view's width and height.
    static constexpr int captureMargin = 5;

    // `document` and `reporter` must outlive the view.
    CPsView(CUser& document, Reporter& reporter, QWidget* parent = nullptr);
    ~CPsView() override;

    // Starts both timers and sets timersRunning; running timers are left as
    // they are.
    void startTimers();
    // Stops both timers and clears timersRunning.
    void stopTimers();
    // The Pause key: stops the timers when they run, else starts them.
    void toggleTimers();
    int timersRunning() const { return timersRunning_; }

    // Asks for one frame to be drawn soon (the drawing timer's and every
    // key's repaint request).
    void requestFrame();

    // Whether the OpenGL context exists; false before the view is first
    // shown and after a failed creation.
    bool isValid() const;
    // Makes the view's context current (for work on its display lists
    // outside a frame) and releases it again.
    void makeCurrent();
    void doneCurrent();
    // The last drawn frame as an image, read from the back buffer like the
    // capture below; a null image before the context exists.
    QImage grabFramebuffer();

    // Client size of the last non-empty resize, in pixels; 0 before it.
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }

    // The F12 capture: the lower-left (width - 5) x (height - 5) pixels of the
    // last drawn frame written as binary PPM "CapturedScene[<n>].ppm" into the
    // working directory. Returns the file name, or an empty string when
    // nothing could be written. The pixels are read from the back buffer,
    // which still holds the last frame after a copying swap (as the software
    // renderer's is).
    std::string captureScene();

    // The faint text drawn in the middle of every shown view that awaits a
    // model; empty for none.
    void setEmptyViewHint(const QString& text) { emptyViewHint_.setText(text); }
    // Where the last frame drew that text: widget rectangles, one per empty
    // view (none once every shown view has something to present).
    const std::vector<QRect>& emptyViewHintAreas() const { return hintAreas_; }

    // Pops up the frame's context menu at a global screen position.
    std::function<void(const QPoint&)> contextMenuHandler;
    // Lays the cameras out for a new client size. When empty, the document
    // fits the views' first cameras to the window.
    std::function<void(int width, int height)> layoutOnResize;
    // Runs at every tick of the event timer.
    std::function<void()> eventHook;

signals:
    // Emitted after each drawn frame has been swapped to the screen.
    void frameSwapped();

protected:
    void resizeEvent(QResizeEvent* event) override;

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Checks the fresh context and has the document build its scenes.
    void initialiseGl();
    // Draws all views through the document.
    void paintFrame();
    // Lays the cameras out for the stored client size.
    void layoutViews();
    // Shows an error of the set-up table once the event loop runs again.
    void reportLater(int errorIndex);

    CUser& document_;
    Reporter& reporter_;
    QOpenGLWindow* surface_ = nullptr;   // owned by surfaceContainer_
    QWidget* surfaceContainer_ = nullptr; // child widget covering the view
    QTimer drawTimer_;
    QTimer eventTimer_;
    int timersRunning_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool contextReady_ = false;
    EmptyViewHint emptyViewHint_;
    std::vector<QRect> hintAreas_;
};
