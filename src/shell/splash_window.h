// The start-up splash window: a bitmap shown over the view for one second.
// While it is up, key and mouse-button presses anywhere in the application
// are swallowed; its first timer tick closes it, and its closing is the
// moment start-up goes on (the saved display mode is entered and the view's
// timers start).
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// False when the program was started for embedding or automation.
bool splashEnabledFor(const QStringList& arguments);

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int tickMilliseconds = 1000;

    // Shows the splash centred over `owner`'s window (or the screen) and
    // calls `whenClosed` when it closes. When the splash is disabled or one
    // is already up, nothing is shown and `whenClosed` runs from the event
    // loop at once, so start-up goes on the same way. Returns the splash or
    // nullptr.
    static CSplashWnd* showSplashScreen(QWidget* owner, bool enabled,
                                        std::function<void()> whenClosed);

    // The splash that is up, or nullptr.
    static CSplashWnd* current();

    bool tickSeen() const { return tickSeen_; }

signals:
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CSplashWnd(QWidget* owner);
    void firstTick();

    QPixmap bitmap_;
    QTimer timer_;
    bool tickSeen_ = false;
    static QPointer<CSplashWnd> instance_;
};
