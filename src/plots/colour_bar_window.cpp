#include "plots/colour_bar_window.h"

#include "dynamics/colour_scale.h"
#include "plots/plot_geometry.h"
#include "plots/plot_text.h"
#include "settings/environment_settings.h"

#include <QLabel>

namespace {

constexpr int kInitialWidth = 100;
constexpr int kInitialHeight = 300;
// The drawing tick recolours the view; the legend looks at the range this often.
constexpr int kFollowMilliseconds = 250;

QColor scaleColour(double value)
{
    const ScaleColourBytes bytes = toBytes(ColourScale(value));
    return QColor(bytes.r, bytes.g, bytes.b);
}

}  // namespace

PlotPicture colourBarPicture(int width, int height, bool flatRange)
{
    PlotPicture picture;
    picture.clearWhite = false;
    const int rows = height - 2;
    for (int m = 0; m + 2 < height; ++m) {
        const double value = flatRange ? 0.0 : (256 * m) / rows;
        const int y = height - m - 3;
        picture.lines.push_back({scaleColour(value), QPolygon({QPoint(1, y), QPoint(width - 3, y)})});
    }
    return picture;
}

ColourBarLayout colourBarLayout(int width, int height)
{
    const int stripHeight = height - 6;
    const int stripWidth = width - 60;
    ColourBarLayout layout;
    layout.strip = QRect(2, 2, stripWidth, stripHeight);
    for (int k = 0; k < 3; ++k)
        layout.labels[static_cast<std::size_t>(k)] =
            QRect(stripWidth + 5, (stripHeight - 10) / 2 * k + 2, width - stripWidth - 5, 10);
    return layout;
}

CColourBarWindow::CColourBarWindow(const WindowLinks& links, QWidget* owner)
    : QDialog(owner), links_(links)
{
    strip_ = new CPlotFrame(this);
    for (QLabel*& label : labels_) {
        label = new QLabel(this);
        // The labels are 10 pixels high; their text may run over.
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    resize(kInitialWidth, kInitialHeight);
    addImageSaveAction(*this, links.reporter);
    follow_.setInterval(kFollowMilliseconds);
    connect(&follow_, &QTimer::timeout, this, &CColourBarWindow::followRange);
    follow_.start();
    refresh();
}

QString CColourBarWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("ColorBar"), tr("View%1"), viewNumber);
}

void CColourBarWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    refresh();
}

void CColourBarWindow::refresh()
{
    const ColourBarLayout layout = colourBarLayout(width(), height());
    strip_->setGeometry(layout.strip);
    const double low = links_.environment.colourMin;
    const double high = links_.environment.colourMax;
    strip_->setPicture(colourBarPicture(layout.strip.width(), layout.strip.height(), !(high > low)));
    const std::array<double, 3> values = valueLabelValues(low, high);
    for (std::size_t k = 0; k < 3; ++k) {
        // Taller than the label row, so the text is not cut.
        labels_[k]->setGeometry(layout.labels[k].adjusted(0, -3, 0, 3));
        labels_[k]->setText(valueLabelText(values[k]));
    }
    shownMin_ = low;
    shownMax_ = high;
}

void CColourBarWindow::followRange()
{
    if (links_.environment.colourMin != shownMin_ || links_.environment.colourMax != shownMax_)
        refresh();
}

QString CColourBarWindow::label(int k) const { return labels_.at(static_cast<std::size_t>(k))->text(); }
