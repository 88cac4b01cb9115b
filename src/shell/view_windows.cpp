#include "shell/view_windows.h"

#include "document/user_document.h"
#include "shell/sampling_window.h"
#include "shell/view_start.h"
#include "settings/environment_settings.h"

#include <QRect>
#include <QWidget>

bool mayOpenWindow(WindowKind kind, const ViewSlot& slot)
{
    const EnvironmentSettings& environment = slot.environment;
    switch (kind) {
    case WindowKind::SeriesData:
    case WindowKind::RecurrencePlot:
        return true;
    case WindowKind::ReconstructionDelay:
    case WindowKind::AnalysedSeriesData:
        return environment.dataSource == DataSource::Series;
    case WindowKind::ColourBar:
        return environment.presentationMode == PresentationMode::Velocity ||
               environment.presentationMode == PresentationMode::LocalLyapunov;
    default:
        return environment.dataSource == DataSource::Model;
    }
}

ViewWindows::ViewWindows(CUser& document, Reporter& reporter, QWidget* owner, QWidget* view)
    : document_(document), reporter_(reporter), owner_(owner), view_(view)
{
}

bool ViewWindows::open(WindowKind kind, int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return false;
    document_.closeAnalysisWindow(static_cast<int>(kind), view);
    std::unique_ptr<AnalysisWindow> window = showNew(kind, view);
    if (!window)
        return false;
    document_.views[static_cast<std::size_t>(view)]
        .windows[static_cast<std::size_t>(windowEntry(kind))] = std::move(window);
    return true;
}

void ViewWindows::openOnTargetViews(WindowKind kind)
{
    for (int v = 0; v < document_.viewCount; ++v) {
        const ViewSlot& slot = document_.views[static_cast<std::size_t>(v)];
        if (document_.isTargetView(v) && slot.engine.orbitReady == 1 && mayOpenWindow(kind, slot))
            open(kind, v);
    }
}

std::unique_ptr<AnalysisWindow> ViewWindows::showNew(WindowKind kind, int view)
{
    ViewSlot& slot = document_.views[static_cast<std::size_t>(view)];
    const QRect viewArea(view_->mapToGlobal(QPoint(0, 0)), view_->size());
    switch (kind) {
    case WindowKind::SamplingInitialValue: {
        auto window = std::make_unique<SamplingWindow>(
            slot.engine, reporter_, [&slot] { computeViewOrbit(slot); }, owner_);
        window->showCentredOn(viewArea);
        return window;
    }
    default:
        return nullptr;
    }
}
