#include "plots/job_strip.h"

#include "document/user_document.h"

#include <QHideEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPollMilliseconds = 50;

}  // namespace

CJobStrip::CJobStrip(CUser& document, int view, QWidget* parent)
    : QWidget(parent), document_(document), view_(view)
{
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    cancelButton_ = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_);
    connect(cancelButton_, &QPushButton::clicked, this,
            [this] { document_.jobs.cancel(view_, kind_); });
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &CJobStrip::poll);
    hide();
}

void CJobStrip::follow(JobKind kind)
{
    kind_ = kind;
    if (!document_.jobs.isActive(view_, kind_)) {
        stop();
        return;
    }
    document_.jobs.showProgressInWindow(view_, kind_);
    bar_->setValue(0);
    show();
    poll_.start();
}

void CJobStrip::hideEvent(QHideEvent* event)
{
    // A minimised window is still there; a hidden or replaced one is not.
    // The strip hides itself only once its job is no longer active.
    if (!event->spontaneous())
        document_.jobs.cancel(view_, kind_);
    QWidget::hideEvent(event);
}

void CJobStrip::stop()
{
    poll_.stop();
    hide();
}

void CJobStrip::poll()
{
    const std::optional<int> percent = document_.jobs.percent(view_, kind_);
    if (!percent) {
        stop();
        return;
    }
    bar_->setValue(*percent);
}
