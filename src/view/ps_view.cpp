#include "view/ps_view.h"

#include "document/user_document.h"
#include "models/reporter.h"
#include "view/gl_start.h"
#include "view/gl_view_errors.h"
#include "view3d/scene/capture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLWindow>
#include <QResizeEvent>
#include <QWheelEvent>

#include <GL/gl.h>

#include <cstdio>
#include <utility>

int captureCounter = 0;

namespace {

constexpr int kCaptureQuality = 100;

// The GL surface of the view: a window that draws through the view's two
// hooks straight into its own frame buffer and is transparent for input, so
// the mouse reaches the view widget beneath it.
class ViewSurface final : public QOpenGLWindow {
public:
    ViewSurface(std::function<void()> initialise, std::function<void()> paint)
        : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate), initialise_(std::move(initialise)),
          paint_(std::move(paint))
    {
        setFormat(viewSurfaceFormat());
        setFlag(Qt::WindowTransparentForInput);
    }

protected:
    void initializeGL() override { initialise_(); }
    void paintGL() override { paint_(); }

private:
    std::function<void()> initialise_;
    std::function<void()> paint_;
};

}  // namespace

CPsView::CPsView(CUser& document, Reporter& reporter, QWidget* parent)
    : QWidget(parent), document_(document), reporter_(reporter)
{
    setFocusPolicy(Qt::StrongFocus);
    surface_ = new ViewSurface([this] { initialiseGl(); }, [this] { paintFrame(); });
    surfaceContainer_ = QWidget::createWindowContainer(surface_, this);
    // Clicks and keys belong to the view itself, never to the container.
    surfaceContainer_->setAttribute(Qt::WA_TransparentForMouseEvents);
    surfaceContainer_->setFocusPolicy(Qt::NoFocus);
    connect(surface_, &QOpenGLWindow::frameSwapped, this, &CPsView::frameSwapped);

    drawTimer_.setTimerType(Qt::PreciseTimer);
    drawTimer_.setInterval(drawingPeriodMilliseconds);
    connect(&drawTimer_, &QTimer::timeout, this, &CPsView::requestFrame);

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
        reporter_.showMessage(tr("描画タイマーのセットに失敗！").toStdString());
    } else {
        eventTimer_.start();
        if (!eventTimer_.isActive())
            reporter_.showMessage(tr("イベントタイマーのセットに失敗！").toStdString());
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

void CPsView::requestFrame() { surface_->update(); }

bool CPsView::isValid() const { return surface_->isValid(); }

void CPsView::makeCurrent() { surface_->makeCurrent(); }

void CPsView::doneCurrent() { surface_->doneCurrent(); }

QImage CPsView::grabFramebuffer() { return surface_->grabFramebuffer(); }

void CPsView::initialiseGl()
{
    GlContextFacts facts;
    const QOpenGLContext* current = QOpenGLContext::currentContext();
    const QOpenGLContext* own = surface_->context();
    facts.created = own && own->isValid();
    facts.current = facts.created && current == own;
    if (facts.current) {
        // The bits of the frame buffer the view draws into.
        glGetIntegerv(GL_RED_BITS, &facts.redBits);
        glGetIntegerv(GL_GREEN_BITS, &facts.greenBits);
        glGetIntegerv(GL_BLUE_BITS, &facts.blueBits);
        glGetIntegerv(GL_DEPTH_BITS, &facts.depthBits);
    }
    const int error = contextErrorIndex(facts);
    if (error != GlViewError::None) {
        reportLater(error);
        return;
    }
    contextReady_ = true;
    document_.initialiseScenes();
    // The cameras exist only now; a size that came earlier is applied to them.
    if (clientWidth_ > 0)
        layoutViews();
}

void CPsView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    surfaceContainer_->setGeometry(rect());
    const QSize size = event->size();
    if (size.width() < 1 || size.height() < 1)
        return;
    clientWidth_ = size.width();
    clientHeight_ = size.height();
    if (contextReady_)
        layoutViews();
}

void CPsView::layoutViews()
{
    if (layoutOnResize)
        layoutOnResize(clientWidth_, clientHeight_);
    else
        document_.fitViewsToWindow(clientWidth_, clientHeight_);
}

void CPsView::paintFrame()
{
    if (!contextReady_)
        return;
    const bool frameIsForeground = QApplication::activeWindow() == window();
    // The window may have moved to a screen of another density.
    document_.setDevicePixelRatio(devicePixelRatioF());
    document_.drawAllViews(frameIsForeground);
    hintAreas_ = emptyViewHint_.draw(document_.emptyViewAreas(), clientWidth_, clientHeight_);
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
    requestFrame();
    QWidget::keyPressEvent(event);
}

void CPsView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        document_.selectViewAt(at.x(), at.y(), width(), height());
    }
    QWidget::mousePressEvent(event);
}

void CPsView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first press of the double click chose the view already. This one
    // is not passed on as a press, which would choose the view under the
    // cursor once the other views are back and take the active view from
    // the one that was shown alone.
    if (event->button() == Qt::LeftButton) {
        document_.toggleActiveViewOnly();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CPsView::wheelEvent(QWheelEvent* event)
{
    document_.wheelZoom(event->angleDelta().y());
    QWidget::wheelEvent(event);
}

void CPsView::contextMenuEvent(QContextMenuEvent* event)
{
    if (contextMenuHandler)
        contextMenuHandler(event->globalPos());
}
