#include "shell/splash_window.h"

#include "shell/program_pictures.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStringList>

#include <algorithm>

QPointer<CSplashWnd> CSplashWnd::instance_;

bool splashEnabledFor(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        const QString option = argument.mid(1);
        const bool isOption = argument.startsWith(u'-') || argument.startsWith(u'/');
        if (isOption && (option.compare(QStringLiteral("Embedding"), Qt::CaseInsensitive) == 0 ||
                         option.compare(QStringLiteral("Automation"), Qt::CaseInsensitive) == 0))
            return false;
    }
    return true;
}

CSplashWnd* CSplashWnd::showSplashScreen(QWidget* owner, bool enabled,
                                         std::function<void()> whenClosed)
{
    if (!enabled || instance_) {
        QTimer::singleShot(0, qApp, std::move(whenClosed));
        return nullptr;
    }
    auto* splash = new CSplashWnd(owner);
    connect(splash, &CSplashWnd::closed, qApp, std::move(whenClosed));
    splash->show();
    splash->repaint();
    return splash;
}

CSplashWnd* CSplashWnd::current()
{
    return instance_.data();
}

CSplashWnd::CSplashWnd(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      bitmap_(drawSplashBitmap())
{
    instance_ = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(bitmap_.size());

    // Centred over the owner's window when it is up, else on the screen,
    // and always wholly on the screen.
    const QWidget* ownerWindow = owner ? owner->window() : nullptr;
    const bool overOwner = ownerWindow && ownerWindow->isVisible();
    const QRect screen = (overOwner ? ownerWindow->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QRect area = overOwner ? ownerWindow->frameGeometry() : screen;
    QRect placed = rect();
    placed.moveCenter(area.center());
    placed.moveLeft(std::clamp(placed.left(), screen.left(), std::max(screen.left(), screen.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), screen.top(), std::max(screen.top(), screen.bottom() - placed.height() + 1)));
    move(placed.topLeft());

    qApp->installEventFilter(this);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &CSplashWnd::firstTick);
    timer_.start(tickMilliseconds);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmap_);
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void CSplashWnd::firstTick()
{
    tickSeen_ = true;
    qApp->removeEventFilter(this);
    instance_ = nullptr;
    close();
    emit closed();
}
