// The running program's side of the document's job runner: finished jobs
// are handed over on the user-interface thread as soon as a worker signals
// (also while the drawing timers are paused), and once work has run for a
// tenth of a second a small window "計算中" shows its progress with a cancel
// button. Shorter work never shows it.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class CUser;
class QLabel;
class QProgressBar;
class QPushButton;

class CJobProgressWindow : public QWidget {
    Q_OBJECT
public:
    // `document` must outlive the window; owner: the main window.
    CJobProgressWindow(CUser& document, QWidget* owner);
    ~CJobProgressWindow() override;

    // How long work runs before the window shows.
    static constexpr int showDelayMilliseconds = 100;

    // Delivers the ended jobs and shows the progress of the running ones.
    void refreshProgress();
    QProgressBar* bar() const { return bar_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    CUser& document_;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    // Polls the progress while work runs.
    QTimer poll_;
    QElapsedTimer busySince_;
};
