#include "shell/view_window_maker.h"

#include "dialogs/default_parameter_sheet.h"
#include "dialogs/environment_sheet.h"
#include "dialogs/local_lyapunov_dialog.h"
#include "dialogs/parameter_dialog.h"
#include "dialogs/phase_space_dialog.h"
#include "dialogs/reconstruction_window.h"
#include "dialogs/sampling_dialog.h"
#include "document/user_document.h"
#include "document/view_layout.h"
#include "plots/colour_bar_window.h"
#include "plots/equation_window.h"
#include "plots/lyapunov_value_window.h"
#include "plots/recurrence_window.h"
#include "plots/response_window.h"
#include "plots/series_window.h"
#include "plots/scan_window.h"
#include "shell/window_adapter.h"

#include <QRect>

namespace {

using MakeWindow = std::unique_ptr<AnalysisWindow> (*)(const WindowLinks&, QWidget*, const QRect&);

template <ViewWindowClass W>
std::unique_ptr<AnalysisWindow> makeWindow(const WindowLinks& links, QWidget* owner,
                                           const QRect& viewArea)
{
    return std::make_unique<WindowAdapter<W>>(links, owner, viewArea);
}

struct WindowRow {
    WindowKind kind;
    MakeWindow make;
};

constexpr WindowRow kWindows[] = {
    {WindowKind::SamplingInitialValue, &makeWindow<CSamplingDialog>},
    {WindowKind::LocalLyapunovError, &makeWindow<CLocalLyapunovDialog>},
    {WindowKind::PhaseSpaceSettings, &makeWindow<CPhaseSpaceDialog>},
    {WindowKind::LyapunovSpectrum, &makeWindow<CSpectrumWindow>},
    {WindowKind::LyapunovDimension, &makeWindow<CDimensionWindow>},
    {WindowKind::SpectrumResponse, &makeWindow<CSpectrumResponseWindow>},
    {WindowKind::DimensionResponse, &makeWindow<CDimensionResponseWindow>},
    {WindowKind::ColourBar, &makeWindow<CColourBarWindow>},
    {WindowKind::ModelEquation, &makeWindow<CEquationWindow>},
    {WindowKind::ReconstructionDelay, &makeWindow<CReconstructionWindow>},
    {WindowKind::SeriesData, &makeWindow<CSeriesDataWindow>},
    {WindowKind::AnalysedSeriesData, &makeWindow<CAnalysedSeriesWindow>},
    {WindowKind::RecurrencePlot, &makeWindow<CRecurrenceWindow>},
    {WindowKind::ParameterScan, &makeWindow<CScanWindow>},
    {WindowKind::ParameterSetting, &makeWindow<CParameterDialog>},
};

struct SheetRow {
    int entry;
    MakeWindow make;
};

constexpr SheetRow kSheets[] = {
    {kEnvironmentSheetEntry, &makeWindow<CEnvironmentSheet>},
    {kDefaultParameterSheetEntry, &makeWindow<CDefaultParameterSheet>},
};

}  // namespace

ViewWindowMaker::ViewWindowMaker(QWidget* owner, QWidget* view) : owner_(owner), view_(view) {}

std::unique_ptr<AnalysisWindow> ViewWindowMaker::make(WindowKind kind, const WindowLinks& links)
{
    for (const WindowRow& row : kWindows) {
        if (row.kind == kind)
            return row.make(links, owner_, viewArea(links));
    }
    return nullptr;
}

std::unique_ptr<AnalysisWindow> ViewWindowMaker::makeSheet(int entry, const WindowLinks& links)
{
    for (const SheetRow& row : kSheets) {
        if (row.entry == entry)
            return row.make(links, owner_, viewArea(links));
    }
    return nullptr;
}

QRect ViewWindowMaker::viewArea(const WindowLinks& links) const
{
    const int width = view_->width();
    const int height = view_->height();
    QRect area = view_->rect();
    // Viewports count y from the bottom.
    if (const std::optional<Viewport> cell =
            viewViewport(links.document.viewCount, links.view, width, height))
        area = QRect(cell->x, height - cell->y - cell->height, cell->width, cell->height);
    return QRect(view_->mapToGlobal(area.topLeft()), area.size());
}
