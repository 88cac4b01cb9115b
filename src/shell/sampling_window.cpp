#include "shell/sampling_window.h"

#include "dialogs/sampling_dialog.h"

#include <utility>

SamplingWindow::SamplingWindow(DynamicsEngine& engine, Reporter& reporter,
                               std::function<void()> computeOrbit, QWidget* owner)
    : dialog_(new CSamplingDialog(engine, reporter, std::move(computeOrbit), owner))
{
    dialog_->setModal(false);
}

SamplingWindow::~SamplingWindow() { delete dialog_.data(); }

void SamplingWindow::showCentredOn(const QRect& area)
{
    if (!dialog_)
        return;
    dialog_->centreOn(area);
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

bool SamplingWindow::isOpen() const { return dialog_ && dialog_->isVisible(); }

void SamplingWindow::close()
{
    if (!dialog_)
        return;
    // Hidden at once, deleted once the event loop is back: a command may
    // close the window from inside one of its own signals.
    dialog_->hide();
    dialog_->deleteLater();
    dialog_ = nullptr;
}
