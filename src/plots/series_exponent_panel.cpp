#include "plots/series_exponent_panel.h"

#include "document/user_document.h"
#include "plots/job_strip.h"
#include "plots/plot_geometry.h"
#include "plots/plot_text.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr PlotScale kDivergenceScale{kDivergenceFrameHeight - 3, kDivergenceFrameHeight - 5};
constexpr int kDivergenceColumns = kDivergenceFrameWidth - 4;

int stepColumn(int k, int steps)
{
    return 1 + (steps > 0 ? k * kDivergenceColumns / steps : 0);
}

}  // namespace

PlotPicture divergencePicture(const SeriesLyapunovResult& result)
{
    PlotPicture picture;
    const std::vector<double>& y = result.divergence;
    if (y.size() < 2)
        return picture;
    const int steps = static_cast<int>(y.size()) - 1;
    const auto [lowest, highest] = std::minmax_element(y.begin(), y.end());
    const double low = *lowest;
    const double high = *highest;
    const auto pixel = [&](double value) { return valueToPixel(value, low, high, kDivergenceScale); };
    QPolygon curve;
    for (int k = 0; k <= steps; ++k)
        curve.append(QPoint(stepColumn(k, steps), pixel(y[static_cast<std::size_t>(k)])));
    for (const int k : {result.fitFirst, result.fitLast}) {
        const int x = stepColumn(k, steps);
        picture.lines.push_back({QColor(160, 160, 160), QPolygon({QPoint(x, 1), QPoint(x, kDivergenceFrameHeight - 3)})});
    }
    picture.lines.push_back({QColor(0, 0, 255), curve});
    const auto fitted = [&](int k) { return result.intercept + result.slope * k; };
    picture.lines.push_back(
        {QColor(255, 0, 0), QPolygon({QPoint(stepColumn(result.fitFirst, steps), pixel(fitted(result.fitFirst))),
                                      QPoint(stepColumn(result.fitLast, steps), pixel(fitted(result.fitLast)))})});
    return picture;
}

int divergenceStepAt(int x, int steps)
{
    if (steps <= 0)
        return 0;
    const double k = static_cast<double>(x - 1) * steps / kDivergenceColumns;
    return std::clamp(static_cast<int>(k + 0.5), 0, steps);
}

void CDragFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && dragged)
        dragged(event->position().toPoint().x(), true);
}

void CDragFrame::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && dragged)
        dragged(event->position().toPoint().x(), false);
}

CSeriesExponentPanel::CSeriesExponentPanel(const WindowLinks& links, QWidget* parent)
    : QGroupBox(tr("最大リアプノフ指数"), parent), links_(links)
{
    value_ = new QLabel(this);
    value_->setObjectName(QStringLiteral("exponentValue"));
    value_->setGeometry(10, 20, 460, 20);
    frame_ = new CDragFrame(this);
    frame_->setGeometry(20, 45, kDivergenceFrameWidth, kDivergenceFrameHeight);
    frame_->setCursor(Qt::SizeHorCursor);
    frame_->dragged = [this](int x, bool pressed) { dragTo(x, pressed); };
    high_ = new QLabel(this);
    high_->setGeometry(425, 45, 55, 20);
    low_ = new QLabel(this);
    low_->setGeometry(425, 45 + kDivergenceFrameHeight - 20, 55, 20);
    auto* firstStep = new QLabel(QStringLiteral("0"), this);
    firstStep->setGeometry(20, 197, 40, 18);
    lastStep_ = new QLabel(this);
    lastStep_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lastStep_->setGeometry(20 + kDivergenceFrameWidth - 60, 197, 60, 18);
    auto* axis = new QLabel(tr("k（ステップ）"), this);
    axis->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    axis->setGeometry(20 + kDivergenceFrameWidth / 2 - 60, 197, 120, 18);

    auto* rangeLabel = new QLabel(tr("当てはめ範囲 k:"), this);
    rangeLabel->setGeometry(10, 224, 100, 22);
    firstEdit_ = new QSpinBox(this);
    firstEdit_->setObjectName(QStringLiteral("fitFirstEdit"));
    firstEdit_->setGeometry(112, 224, 70, 22);
    auto* to = new QLabel(tr("〜"), this);
    to->setGeometry(186, 224, 16, 22);
    lastEdit_ = new QSpinBox(this);
    lastEdit_->setObjectName(QStringLiteral("fitLastEdit"));
    lastEdit_->setGeometry(204, 224, 70, 22);
    strip_ = new CJobStrip(links.document, links.view, this);
    strip_->setGeometry(380, 205, 90, 48);
    setFixedSize(480, 262);

    const auto typed = [this] {
        if (!setFitRange(firstEdit_->value(), lastEdit_->value()))
            showResult();  // the edits show the range in force again
    };
    connect(firstEdit_, &QSpinBox::editingFinished, this, typed);
    connect(lastEdit_, &QSpinBox::editingFinished, this, typed);
    showResult();
}

void CSeriesExponentPanel::compute()
{
    result_.reset();
    showText(tr("計算中…"));
    QPointer<CSeriesExponentPanel> panel(this);
    links_.document.startSeriesExponent(
        links_.view, SeriesLyapunovOptions{},
        [panel](JobStatus status, const SeriesLyapunovResult& result) {
            if (!panel || status == JobStatus::Superseded)
                return;
            panel->strip_->stop();
            if (status == JobStatus::Cancelled) {
                panel->showText(tr("計算は中止されました。"));
                return;
            }
            if (result.error != SeriesError::None) {
                panel->showText(tr("この再構成では指数を求められません（系列が短すぎるか、"
                                   "近傍の組が足りません）。"));
                return;
            }
            panel->result_ = result;
            panel->showResult();
        });
    strip_->follow(JobKind::SeriesExponent);
}

bool CSeriesExponentPanel::setFitRange(int first, int last)
{
    if (!result_ || !refitDivergence(*result_, first, last, 1.0))
        return false;
    showResult();
    return true;
}

void CSeriesExponentPanel::dragTo(int x, bool pressed)
{
    if (!result_ || result_->divergence.size() < 2)
        return;
    const int steps = static_cast<int>(result_->divergence.size()) - 1;
    const int k = divergenceStepAt(x, steps);
    if (pressed)
        draggedEnd_ = std::abs(k - result_->fitFirst) <= std::abs(k - result_->fitLast) ? 0 : 1;
    // The dragged end stops one step short of the other.
    if (draggedEnd_ == 0)
        setFitRange(std::min(k, result_->fitLast - 1), result_->fitLast);
    else
        setFitRange(result_->fitFirst, std::max(k, result_->fitFirst + 1));
}

QString CSeriesExponentPanel::valueText() const { return value_->text(); }

void CSeriesExponentPanel::showText(const QString& value)
{
    value_->setText(value);
    frame_->setPicture({});
    high_->clear();
    low_->clear();
    lastStep_->clear();
    firstEdit_->setEnabled(false);
    lastEdit_->setEnabled(false);
}

void CSeriesExponentPanel::showResult()
{
    if (!result_) {
        showText(QStringLiteral("-"));
        return;
    }
    const SeriesLyapunovResult& r = *result_;
    const ModelRecord& record = links_.engine.recordInUse;
    value_->setText(tr("λ = %1 /サンプル（次元 %2、遅れ時間 %3、W = %4）")
                        .arg(QString::asprintf("%.5f", r.exponent))
                        .arg(record.Dimension)
                        .arg(record.delay)
                        .arg(r.theilerWindow));
    frame_->setPicture(divergencePicture(r));
    const auto [lowest, highest] = std::minmax_element(r.divergence.begin(), r.divergence.end());
    high_->setText(valueLabelText(*highest));
    low_->setText(valueLabelText(*lowest));
    const int steps = static_cast<int>(r.divergence.size()) - 1;
    lastStep_->setText(QString::number(steps));
    const QSignalBlocker blockFirst(firstEdit_);
    const QSignalBlocker blockLast(lastEdit_);
    firstEdit_->setRange(0, steps);
    lastEdit_->setRange(0, steps);
    firstEdit_->setValue(r.fitFirst);
    lastEdit_->setValue(r.fitLast);
    firstEdit_->setEnabled(true);
    lastEdit_->setEnabled(true);
}
