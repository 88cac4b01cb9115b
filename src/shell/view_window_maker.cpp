#include "shell/view_window_maker.h"

#include "dialogs/local_lyapunov_dialog.h"
#include "dialogs/phase_space_dialog.h"
#include "dialogs/sampling_dialog.h"
#include "plots/colour_bar_window.h"
#include "plots/equation_window.h"
#include "plots/lyapunov_value_window.h"
#include "plots/response_window.h"
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
};

}  // namespace

ViewWindowMaker::ViewWindowMaker(QWidget* owner, QWidget* view) : owner_(owner), view_(view) {}

std::unique_ptr<AnalysisWindow> ViewWindowMaker::make(WindowKind kind, const WindowLinks& links)
{
    for (const WindowRow& row : kWindows) {
        if (row.kind == kind)
            return row.make(links, owner_, QRect(view_->mapToGlobal(QPoint(0, 0)), view_->size()));
    }
    return nullptr;
}
