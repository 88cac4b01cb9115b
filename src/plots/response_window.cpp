#include "plots/response_window.h"

#include "document/user_document.h"
#include "dynamics/response_csv.h"
#include "plots/job_strip.h"
#include "plots/plot_geometry.h"
#include "plots/plot_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr PlotScale kResponseScale{196, 195};
// The right end of the zero line and of the whole-dimension lines.
constexpr int kZeroLineEnd = 477;
constexpr int kGridLineEnd = 479;

// The bounds and columns of a plot of `count` points between low and high.
struct ResponseAxes {
    double low = 0.0;
    double high = 0.0;
    long count = 0;
    std::vector<std::size_t> entries;
};

ResponseAxes responseAxes(const DynamicsEngine& engine, double low, double high, int count)
{
    const long points = std::max(count, 0);
    return {low, high, points,
            orbitColumnEntries(engine, static_cast<std::size_t>(points), kResponseColumns)};
}

// A plot without lines, with the value labels of the bounds and the point
// labels of the count.
ResponsePlot labelledPlot(const ResponseAxes& axes)
{
    const std::array<double, 3> values = valueLabelValues(axes.low, axes.high);
    const std::array<long, 3> points = pointLabelValues(axes.count);
    ResponsePlot plot;
    for (std::size_t k = 0; k < 3; ++k) {
        plot.valueLabels[k] = valueLabelText(values[k]);
        plot.pointLabels[k] = pointLabelText(points[k]);
    }
    return plot;
}

PlotPolyline horizontalLine(int y, int right)
{
    return PlotPolyline{Qt::black, QPolygon({QPoint(1, y), QPoint(right, y)})};
}

}  // namespace

ResponsePlot spectrumResponsePlot(const DynamicsEngine& engine)
{
    const ResponseAxes axes = responseAxes(engine, engine.spectrumResponseMin,
                                           engine.spectrumResponseMax,
                                           engine.recordInUse.validPointCount);
    ResponsePlot plot = labelledPlot(axes);
    const int n = std::min(std::clamp(engine.recordInUse.Dimension, 1, kMaxVariables),
                           static_cast<int>(engine.spectrumResponse.size()));
    for (int k = 0; k < n; ++k)
        plot.picture.lines.push_back(
            {exponentColour(k), columnPolyline(engine.spectrumResponse[static_cast<std::size_t>(k)],
                                               axes.entries, axes.low, axes.high, kResponseScale)});
    plot.picture.lines.push_back(
        horizontalLine(valueToPixel(0.0, axes.low, axes.high, kResponseScale), kZeroLineEnd));
    return plot;
}

ResponsePlot dimensionResponsePlot(const DynamicsEngine& engine)
{
    const ResponseAxes axes = responseAxes(engine, engine.dimensionResponseMin,
                                           engine.dimensionResponseMax,
                                           engine.recordInUse.Sampling_Point);
    ResponsePlot plot = labelledPlot(axes);
    plot.picture.lines.push_back(
        {QColor(255, 0, 0),
         columnPolyline(engine.dimensionResponse, axes.entries, axes.low, axes.high, kResponseScale)});
    for (int d = 0; d <= 4; ++d) {
        const int y = valueToPixel(d, axes.low, axes.high, kResponseScale);
        if (y >= 1 && y < kResponseScale.height)
            plot.picture.lines.push_back(horizontalLine(y, kGridLineEnd));
    }
    return plot;
}

ResponsePlot emptyResponsePlot()
{
    ResponsePlot plot;
    const QString none = QStringLiteral("-");
    plot.valueLabels = {none, none, none};
    plot.pointLabels = {none, none, none};
    return plot;
}

CResponseWindow::CResponseWindow(const WindowLinks& links, QWidget* owner,
                                 LyapunovResponses which, JobKind kind, PlotMaker plot)
    : QDialog(owner), links_(links), which_(which), kind_(kind), plot_(plot)
{
    constexpr int left = 70;
    constexpr int top = 10;
    frame_ = new CPlotFrame(this);
    frame_->setGeometry(left, top, kResponseFrameWidth, kResponseFrameHeight);
    for (int k = 0; k < 3; ++k) {
        valueLabels_[k] = new QLabel(this);
        valueLabels_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valueLabels_[k]->setGeometry(2, top + (kResponseFrameHeight - 16) / 2 * k, left - 6, 16);
        pointLabels_[k] = new QLabel(this);
        const Qt::Alignment across[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        pointLabels_[k]->setAlignment(across[k] | Qt::AlignTop);
        pointLabels_[k]->setGeometry(left + (kResponseFrameWidth - 80) / 2 * k,
                                     top + kResponseFrameHeight + 2, 80, 16);
    }
    const int buttonsTop = top + kResponseFrameHeight + 26;
    strip_ = new CJobStrip(links.document, links.view, this);
    strip_->setGeometry(left, buttonsTop, 160, 50);
    auto* okButton = new QPushButton(tr("OK"), this);
    auto* updateButton = new QPushButton(tr("更新"), this);
    auto* cancelButton = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    int x = left + kResponseFrameWidth - 3 * 85 + 5;
    for (QPushButton* button : {okButton, updateButton, cancelButton}) {
        button->setGeometry(x, buttonsTop, 80, 22);
        x += 85;
    }
    setFixedSize(left + kResponseFrameWidth + 10, buttonsTop + 56);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(updateButton, &QPushButton::clicked, this, &CResponseWindow::compute);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    addImageSaveAction(*this, links.reporter);
    addCsvSaveAction(*this, links.reporter, [this] { return csv(); });
}

void CResponseWindow::compute()
{
    hasResult_ = false;
    if (links_.engine.orbitReady != 1) {
        links_.document.jobs.cancel(links_.view, kind_);
        strip_->stop();
        draw();
        return;
    }
    draw();
    // The window may be replaced or closed before the work ends.
    QPointer<CResponseWindow> window(this);
    links_.document.startResponses(links_.view, which_, [window](JobStatus status) {
        // A newer request of the window's kind draws when it ends.
        if (!window || (status != JobStatus::Finished &&
                        window->links_.document.jobs.isActive(window->links_.view, window->kind_)))
            return;
        window->strip_->stop();
        window->hasResult_ = status == JobStatus::Finished;
        window->draw();
    });
    strip_->follow(kind_);
}

void CResponseWindow::draw()
{
    const ResponsePlot plot = hasResult_ ? plot_(links_.engine) : emptyResponsePlot();
    frame_->setPicture(plot.picture);
    for (int k = 0; k < 3; ++k) {
        valueLabels_[k]->setText(plot.valueLabels[k]);
        pointLabels_[k]->setText(plot.pointLabels[k]);
    }
}

QString CResponseWindow::valueLabel(int k) const { return valueLabels_.at(k)->text(); }

QString CResponseWindow::pointLabel(int k) const { return pointLabels_.at(k)->text(); }

QByteArray CResponseWindow::csv() const
{
    const std::string text =
        hasResult_ ? responseCsv(links_.engine)
                   : responseCsvHeader(std::clamp(links_.engine.recordInUse.Dimension, 1, kMaxVariables));
    return QByteArray::fromStdString(text);
}

CSpectrumResponseWindow::CSpectrumResponseWindow(const WindowLinks& links, QWidget* owner)
    : CResponseWindow(links, owner, LyapunovResponses::Spectrum, JobKind::SpectrumResponse,
                      &spectrumResponsePlot)
{
    compute();
}

QString CSpectrumResponseWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("リアプノフスペクトラムの時間変位"),
                          tr("リアプノフスペクトラムの時間変位 View-%1"), viewNumber);
}

CDimensionResponseWindow::CDimensionResponseWindow(const WindowLinks& links, QWidget* owner)
    : CResponseWindow(links, owner, LyapunovResponses::SpectrumAndDimension,
                      JobKind::DimensionResponse, &dimensionResponsePlot)
{
    compute();
}

QString CDimensionResponseWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("リアプノフ次元の時間変位 DL(t)"),
                          tr("リアプノフ次元の時間変位 DL(t) View-%1"), viewNumber);
}
