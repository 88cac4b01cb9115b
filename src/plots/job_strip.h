// The progress bar and "ｷｬﾝｾﾙ" button an analysis window shows while its
// view's computation runs on a worker: it follows the job's progress and
// cancels exactly that job. Hidden while no job of the window runs. The job
// it follows is left out of the program's global progress window, and is
// cancelled when the strip's window closes, since nothing else would show
// its progress or use its result.
#pragma once

#include "document/job_runner.h"

#include <QTimer>
#include <QWidget>

class CUser;
class QProgressBar;
class QPushButton;

class CJobStrip : public QWidget {
    Q_OBJECT
public:
    // document must outlive the strip.
    CJobStrip(CUser& document, int view, QWidget* parent);

    // Shows the strip while the job of that kind runs (and takes the job out
    // of the global progress window); hides itself when it is no longer
    // active.
    void follow(JobKind kind);
    // Hides the strip.
    void stop();

    QProgressBar* bar() const { return bar_; }
    QPushButton* cancelButton() const { return cancelButton_; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void poll();

    CUser& document_;
    int view_;
    JobKind kind_ = JobKind::Spectrum;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QTimer poll_;
};
