#include "shell/view_window_maker.h"

#include "dialogs/sampling_dialog.h"
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
