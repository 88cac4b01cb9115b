#include "view3d/ps_view.h"

#include "document/user_document.h"
#include "models/reporter.h"
#include "view3d/gl_start.h"
#include "view3d/gl_view_errors.h"
#include "view3d/scene/capture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QResizeEvent>
#include <QWheelEvent>

#include <GL/gl.h>

#include <cstdio>

int captureCounter = 0;

namespace {

constexpr int kCaptureQuality = 100;

}  // namespace

CPsView::CPsView(CUser& document, Reporter& reporter, QWidget* parent)
    : QOpenGLWidget(parent), document_(document), reporter_(reporter)
{
    setFormat(viewSurfaceFormat());
    setFocusPolicy(Qt::StrongFocus);

    drawTimer_.setTimerType(Qt::PreciseTimer);
    drawTimer_.setInterval(drawingPeriodMilliseconds);
    connect(&drawTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));

    eventTimer_.setTimerType(Qt::PreciseTimer);
    eventTimer_.setInterval(eventPeriodMilliseconds);
    connect(&eventTimer_, &QTimer::timeout, this, [this] {
        if (eventHook)
            eventHook();
    });
}

CPsView::~CPsView()
{
    stopTimers();
}

void CPsView::startTimers()
{
    if (timersRunning_ == 1)
        return;
    drawTimer_.start();
    if (!drawTimer_.isActive()) {
        reporter_.showMessage("描画タイマーのセットに失敗！");
    } else {
        eventTimer_.start();
        if (!eventTimer_.isActive())
            reporter_.showMessage("イベントタイマーのセットに失敗！");
    }
    // Set even after a failure, so the next Pause first stops what runs.
    timersRunning_ = 1;
}

void CPsView::stopTimers()
{
    drawTimer_.stop();
    eventTimer_.stop();
    timersRunning_ = 0;
}

void CPsView::toggleTimers()
{
    if (timersRunning_ == 1)
        stopTimers();
    else
        startTimers();
}

void CPsView::initializeGL()
{
    GlContextFacts facts;
    const QOpenGLContext* current = QOpenGLContext::currentContext();
    facts.created = context() && context()->isValid();
    facts.current = facts.created && current == context();
    if (facts.current) {
        // The bits of the frame buffer the view draws into.
        glGetIntegerv(GL_RED_BITS, &facts.redBits);
        glGetIntegerv(GL_GREEN_BITS, &facts.greenBits);
        glGetIntegerv(GL_BLUE_BITS, &facts.blueBits);
        glGetIntegerv(GL_DEPTH_BITS, &facts.depthBits);
    }
    contextChecked_ = true;
    const int error = contextErrorIndex(facts);
    if (error != GlViewError::None) {
        reportLater(error);
        return;
    }
    contextReady_ = true;
    document_.initialiseScenes();
}

void CPsView::resizeEvent(QResizeEvent* event)
{
    QOpenGLWidget::resizeEvent(event);
    // The toolkit makes the context at the first resize to a real size; when
    // that did not happen, no context could be made.
    if (!contextChecked_ && !event->size().isEmpty()) {
        contextChecked_ = true;
        if (!isValid())
            reportLater(GlViewError::ContextCreation);
    }
}

void CPsView::resizeGL(int width, int height)
{
    if (width < 1 || height < 1)
        return;
    clientWidth_ = width;
    clientHeight_ = height;
    if (layoutOnResize)
        layoutOnResize(width, height);
    else
        document_.fitViewsToWindow(width, height);
}

void CPsView::paintGL()
{
    if (!contextReady_)
        return;
    const bool frameIsForeground = QApplication::activeWindow() == window();
    document_.drawAllViews(frameIsForeground);
}

void CPsView::reportLater(int errorIndex)
{
    QTimer::singleShot(0, this, [this, errorIndex] {
        reporter_.showMessage(kGlViewErrorTexts[static_cast<std::size_t>(errorIndex)]);
    });
}

std::string CPsView::captureScene()
{
    char name[64];
    std::snprintf(name, sizeof name, "CapturedScene[%d].ppm", captureCounter);
    ++captureCounter;
    if (!contextReady_)
        return {};
    makeCurrent();
    const bool written = CaptureScene(PS_FILETYPE_PPM, name, 0, 0, width() - captureMargin,
                                      height() - captureMargin, kCaptureQuality);
    doneCurrent();
    return written ? std::string(name) : std::string();
}

void CPsView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Pause)
        toggleTimers();
    else if (event->key() == Qt::Key_F12)
        captureScene();
    // Every key draws one frame, so a paused view still shows its changes.
    update();
    QOpenGLWidget::keyPressEvent(event);
}

void CPsView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        document_.selectViewAt(at.x(), at.y(), width(), height());
    }
    QOpenGLWidget::mousePressEvent(event);
}

void CPsView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        document_.toggleActiveViewOnly();
    QOpenGLWidget::mouseDoubleClickEvent(event);
}

void CPsView::wheelEvent(QWheelEvent* event)
{
    document_.wheelZoom(event->angleDelta().y());
    QOpenGLWidget::wheelEvent(event);
}

void CPsView::contextMenuEvent(QContextMenuEvent* event)
{
    if (contextMenuHandler)
        contextMenuHandler(event->globalPos());
}
