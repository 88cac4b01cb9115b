#include "shell/job_progress.h"

#include "document/user_document.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPollMilliseconds = 50;

}  // namespace

CJobProgressWindow::CJobProgressWindow(CUser& document, QWidget* owner)
    : QWidget(owner, Qt::Tool), document_(document)
{
    setObjectName(QStringLiteral("jobProgressWindow"));
    setWindowTitle(tr("計算中"));
    label_ = new QLabel(tr("計算しています。"), this);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    cancelButton_ = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    setFixedWidth(260);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { document_.jobs.cancelAll(); });

    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &CJobProgressWindow::refreshProgress);
    // Both calls come from any thread; the update runs on this window's.
    document_.jobs.setNotifier([this] {
        QMetaObject::invokeMethod(this, [this] { refreshProgress(); }, Qt::QueuedConnection);
    });
}

CJobProgressWindow::~CJobProgressWindow() { document_.jobs.setNotifier(nullptr); }

void CJobProgressWindow::refreshProgress()
{
    document_.deliverFinishedJobs();
    const std::optional<int> percent = document_.jobs.overallPercent();
    if (!percent) {
        poll_.stop();
        busySince_.invalidate();
        hide();
        return;
    }
    if (!busySince_.isValid())
        busySince_.start();
    if (!poll_.isActive())
        poll_.start();
    bar_->setValue(*percent);
    if (!isVisible() && busySince_.elapsed() >= showDelayMilliseconds)
        show();
}
