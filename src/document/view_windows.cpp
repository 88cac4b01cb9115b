// Opening, refreshing and starting the views' windows: the document decides
// when a window may open, replaces a view's window of a kind by a new one
// that the toolkit layer's maker builds with the view's links, and refreshes
// a view's open windows after it recomputed the view.
#include "document/user_document.h"

#include "settings/environment_settings.h"

bool CUser::mayOpenWindow(WindowKind kind, int view) const
{
    if (view < 0 || view >= kViewSlotCount)
        return false;
    const EnvironmentSettings& environment = views[static_cast<std::size_t>(view)].environment;
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

WindowLinks CUser::windowLinks(int view)
{
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    std::optional<int> titleNumber;
    if (viewCount > 1)
        titleNumber = view + 1;
    return WindowLinks{*this, view, slot.engine, slot.environment, reporter_, titleNumber};
}

bool CUser::openAnalysisWindow(WindowKind kind, int view)
{
    if (view < 0 || view >= kViewSlotCount || windowMaker == nullptr)
        return false;
    closeAnalysisWindow(static_cast<int>(kind), view);
    std::unique_ptr<AnalysisWindow> window = windowMaker->make(kind, windowLinks(view));
    if (!window)
        return false;
    views[static_cast<std::size_t>(view)].windows[static_cast<std::size_t>(windowEntry(kind))] =
        std::move(window);
    return true;
}

bool CUser::openPropertySheet(int entry, int view)
{
    if (view < 0 || view >= kViewSlotCount || windowMaker == nullptr ||
        (entry != kEnvironmentSheetEntry && entry != kDefaultParameterSheetEntry))
        return false;
    std::unique_ptr<AnalysisWindow> sheet = windowMaker->makeSheet(entry, windowLinks(view));
    if (!sheet)
        return false;
    views[static_cast<std::size_t>(view)].windows[static_cast<std::size_t>(entry)] = std::move(sheet);
    return true;
}

void CUser::openOnTargetViews(WindowKind kind)
{
    for (int v = 0; v < viewCount; ++v) {
        if (isTargetView(v) && views[static_cast<std::size_t>(v)].engine.orbitReady == 1 &&
            mayOpenWindow(kind, v))
            openAnalysisWindow(kind, v);
    }
}

void CUser::refreshViewWindows(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    for (const auto& window : views[static_cast<std::size_t>(view)].windows) {
        if (window && window->isOpen())
            window->refresh();
    }
}

void CUser::startView(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    slot.placeObjectsAtDisplayPosition();
    if (slot.environment.dataSource == DataSource::Model)
        openAnalysisWindow(WindowKind::SamplingInitialValue, view);
    else if (slot.environment.dataSource == DataSource::Series)
        openAnalysisWindow(WindowKind::ReconstructionDelay, view);
}
