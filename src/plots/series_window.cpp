#include "plots/series_window.h"

#include "dynamics/dynamics_engine.h"
#include "plots/plot_geometry.h"
#include "plots/plot_text.h"
#include "plots/series_exponent_panel.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr PlotScale kSeriesScale{98, 98};
const QColor kSeriesBlue(0, 0, 255);

int rowTop(int row) { return 20 + 110 * row; }

// The line through the values at the columns' entries, starting at the first value.
SeriesRow makeRow(const std::vector<double>& values, const std::vector<std::size_t>& entries,
                  double low, double high)
{
    SeriesRow row{{}, low, high};
    if (values.empty())
        return row;
    QPolygon line = columnPolyline(values, entries, low, high, kSeriesScale);
    line.prepend(QPoint(1, valueToPixel(values.front(), low, high, kSeriesScale)));
    row.picture.lines.push_back({kSeriesBlue, line});
    return row;
}

}  // namespace

std::vector<SeriesRow> seriesRows(DynamicsEngine& engine, SeriesWindowMode mode, long& count)
{
    std::vector<SeriesRow> rows;
    const ModelRecord& record = engine.recordInUse;
    if (mode == SeriesWindowMode::Data) {
        count = std::clamp(static_cast<long>(record.seriesCount), 0L,
                           static_cast<long>(engine.series.size()));
        engine.computeSeriesBounds();
        const std::vector<double> values(engine.series.begin(), engine.series.begin() + count);
        rows.push_back(makeRow(values, fixedColumnEntries(values.size(), kSeriesColumns),
                               engine.seriesMin, engine.seriesMax));
        return rows;
    }
    count = std::clamp(static_cast<long>(record.validPointCount), 0L,
                       static_cast<long>(engine.orbit.size()));
    if (count > 0)
        engine.computeBounds();
    const std::vector<std::size_t> entries =
        orbitColumnEntries(engine, static_cast<std::size_t>(count), kSeriesColumns);
    const int dimension = std::clamp(record.Dimension, 1, kSeriesRowLimit);
    for (int r = 0; r < dimension; ++r) {
        std::vector<double> values(static_cast<std::size_t>(count));
        for (long k = 0; k < count; ++k)
            values[static_cast<std::size_t>(k)] = engine.orbit[static_cast<std::size_t>(k)][r];
        rows.push_back(makeRow(values, entries, engine.orbitMin[r], engine.orbitMax[r]));
    }
    return rows;
}

CSeriesWindow::CSeriesWindow(const WindowLinks& links, QWidget* owner, SeriesWindowMode mode)
    : QDialog(owner), links_(links), mode_(mode)
{
    const char* names[kSeriesRowLimit] = {"x", "y", "z", "w", "v", "u"};
    for (int r = 0; r < kSeriesRowLimit; ++r) {
        frames_[r] = new CPlotFrame(this);
        names_[r] = new QLabel(QString::fromLatin1(names[r]), this);
        tops_[r] = new QLabel(this);
        bottoms_[r] = new QLabel(this);
    }
    for (QLabel*& label : times_)
        label = new QLabel(this);
    times_[0]->setText(QStringLiteral("0"));
    buttons_ = {new QPushButton(tr("OK"), this), new QPushButton(tr("更新"), this),
                new QPushButton(tr("ｷｬﾝｾﾙ"), this)};
    connect(buttons_[0], &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons_[1], &QPushButton::clicked, this, &CSeriesWindow::redraw);
    connect(buttons_[2], &QPushButton::clicked, this, &QDialog::reject);
    if (mode_ == SeriesWindowMode::Data)
        panel_ = new CSeriesExponentPanel(links, this);
    addImageSaveAction(*this, links.reporter);
}

void CSeriesWindow::refresh()
{
    layOut();
    draw();
    if (panel_)
        panel_->compute();
}

void CSeriesWindow::redraw()
{
    if (mode_ == SeriesWindowMode::Orbit &&
        rowCount_ != std::clamp(links_.engine.recordInUse.Dimension, 1, kSeriesRowLimit))
        layOut();
    draw();
    if (panel_)
        panel_->compute();
}

void CSeriesWindow::layOut()
{
    rowCount_ = mode_ == SeriesWindowMode::Data
                    ? 1
                    : std::clamp(links_.engine.recordInUse.Dimension, 1, kSeriesRowLimit);
    for (int r = 0; r < kSeriesRowLimit; ++r) {
        const int y = rowTop(r);
        const bool shown = r < rowCount_;
        frames_[r]->setGeometry(30, y - 5, kSeriesFrameWidth, kSeriesFrameHeight);
        names_[r]->setGeometry(10, y, 15, 20);
        tops_[r]->setGeometry(435, y, 60, 20);
        bottoms_[r]->setGeometry(435, y + 80, 60, 20);
        for (QWidget* part : {static_cast<QWidget*>(frames_[r]), static_cast<QWidget*>(names_[r]),
                              static_cast<QWidget*>(tops_[r]), static_cast<QWidget*>(bottoms_[r])})
            part->setVisible(shown);
    }
    const int below = 110 * rowCount_;
    for (int k = 0; k < 3; ++k) {
        times_[k]->setGeometry(200 * k, below + 15, 40, 20);
        buttons_[k]->setGeometry(130 + 100 * k, below + 40, 80, 20);
    }
    int height = below + 100;
    if (panel_) {
        panel_->move(10, height - 30);
        height += panel_->height() - 20;
    }
    setFixedSize(500, height);
}

void CSeriesWindow::draw()
{
    long count = 0;
    const std::vector<SeriesRow> rows = seriesRows(links_.engine, mode_, count);
    for (int r = 0; r < rowCount_; ++r) {
        if (r >= static_cast<int>(rows.size())) {
            frames_[r]->setPicture({});
            tops_[r]->clear();
            bottoms_[r]->clear();
            continue;
        }
        const SeriesRow& row = rows[static_cast<std::size_t>(r)];
        frames_[r]->setPicture(row.picture);
        tops_[r]->setText(valueLabelText(row.high));
        bottoms_[r]->setText(valueLabelText(row.low));
    }
    const std::array<long, 3> points = pointLabelValues(count);
    times_[1]->setText(pointLabelText(points[1]));
    times_[2]->setText(pointLabelText(points[2]));
}

QString CSeriesWindow::topValue(int row) const { return tops_.at(static_cast<std::size_t>(row))->text(); }

QString CSeriesWindow::bottomValue(int row) const
{
    return bottoms_.at(static_cast<std::size_t>(row))->text();
}

QString CSeriesWindow::timeLabel(int k) const { return times_.at(static_cast<std::size_t>(k))->text(); }

CSeriesDataWindow::CSeriesDataWindow(const WindowLinks& links, QWidget* owner)
    : CSeriesWindow(links, owner, SeriesWindowMode::Orbit)
{
    refresh();
}

QString CSeriesDataWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("時系列データ"), tr("時系列データ View-%1"), viewNumber);
}

CAnalysedSeriesWindow::CAnalysedSeriesWindow(const WindowLinks& links, QWidget* owner)
    : CSeriesWindow(links, owner, SeriesWindowMode::Data)
{
    refresh();
}

QString CAnalysedSeriesWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("時系列データ"), tr("時系列データ View-%1"), viewNumber);
}
