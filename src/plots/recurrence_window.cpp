#include "plots/recurrence_window.h"

#include "document/user_document.h"
#include "dynamics/colour_scale.h"
#include "models/reporter.h"
#include "plots/job_strip.h"
#include "plots/plot_text.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kStripWidth = 15;
// Room beside and under the two plots: the left labels, the legend strip and
// its labels, the buttons, the measures and the threshold control.
constexpr int kExtraWidth = 140;
constexpr int kExtraHeight = 190;
constexpr int kSmallestSide = 150;
constexpr double kDefaultRate = 0.05;

QImage rgbImage(const std::vector<unsigned char>& pixels, int n)
{
    if (n <= 0)
        return {};
    QImage image(n, n, QImage::Format_RGB888);
    for (int row = 0; row < n; ++row)
        std::copy_n(pixels.data() + static_cast<std::size_t>(row) * n * 3, n * 3, image.scanLine(row));
    return image;
}

QColor scaleColour(int value)
{
    const ScaleColourBytes c = toBytes(ColourScale(value));
    return QColor(c.r, c.g, c.b);
}

// The legend of N colours, along x (top strip) or upward along y (right strip).
QImage legendImage(int n, bool across)
{
    if (n <= 0)
        return {};
    QImage image(across ? n : 12, across ? 12 : n, QImage::Format_RGB888);
    QPainter painter(&image);
    for (int m = 0; m < n; ++m) {
        painter.setPen(scaleColour(256 * m / n));
        if (across)
            painter.drawLine(m, 0, m, 11);
        else
            painter.drawLine(0, n - 1 - m, 11, n - 1 - m);
    }
    return image;
}

QString scientific(double value) { return QString::asprintf("%.3e", value); }

}  // namespace

QImage recurrenceImage(const RecurrenceMatrix& matrix)
{
    return rgbImage(renderRecurrenceImage(matrix), matrix.N);
}

QImage thresholdImage(const RecurrenceMatrix& matrix, double epsilon, int theilerWindow)
{
    return rgbImage(renderThresholdImage(matrix, epsilon, theilerWindow), matrix.N);
}

QString recurrenceMeasuresText(const RecurrenceQuantities& q)
{
    return QCoreApplication::translate("CRecurrenceWindow",
                                       "RR %1   DET %2   L %3   Lmax %4   ENTR %5   LAM %6   TT %7   (ε = %8)")
        .arg(QString::asprintf("%.4f", q.RR), QString::asprintf("%.4f", q.DET),
             QString::asprintf("%.3f", q.L), QString::number(q.Lmax),
             QString::asprintf("%.4f", q.ENTR), QString::asprintf("%.4f", q.LAM),
             QString::asprintf("%.3f", q.TT), QString::asprintf("%.5g", q.epsilon));
}

CImageFrame::CImageFrame(bool bottomUp, QWidget* parent) : QFrame(parent), bottomUp_(bottomUp)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void CImageFrame::setImage(QImage image)
{
    image_ = std::move(image);
    update();
}

void CImageFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(QRect(1, 1, width() - 4, height() - 4), Qt::white);
    if (!image_.isNull())
        painter.drawImage(QPoint(1, bottomUp_ ? height() - 3 - image_.height() : 1), image_);
}

CRecurrenceWindow::CRecurrenceWindow(const WindowLinks& links, QWidget* owner)
    : QDialog(owner), links_(links)
{
    plot_ = new CImageFrame(true, this);
    plot_->setObjectName(QStringLiteral("recurrencePlot"));
    topStrip_ = new CImageFrame(false, this);
    rightStrip_ = new CImageFrame(true, this);
    threshold_ = new CImageFrame(true, this);
    threshold_->setObjectName(QStringLiteral("thresholdPlot"));
    thresholdTitle_ = new QLabel(tr("しきい値 ε 以下を黒で表示"), this);
    for (QLabel*& label : labels_) {
        label = new QLabel(this);
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        label->setFont(small);
    }
    drawButton_ = new QPushButton(tr("描画"), this);
    closeButton_ = new QPushButton(tr("閉じる"), this);
    plotStrip_ = new CJobStrip(links.document, links.view, this);

    measuresLabel_ = new QLabel(this);
    measuresLabel_->setObjectName(QStringLiteral("recurrenceMeasures"));
    radiusChoice_ = new QRadioButton(tr("半径 ε"), this);
    rateChoice_ = new QRadioButton(tr("目標 RR"), this);
    rateChoice_->setChecked(true);
    thresholdEdit_ = new QLineEdit(QString::number(kDefaultRate), this);
    thresholdEdit_->setObjectName(QStringLiteral("thresholdEdit"));
    theilerLabel_ = new QLabel(tr("Theiler 窓 W"), this);
    theilerEdit_ = new QSpinBox(this);
    theilerEdit_->setRange(1, kSeriesValueLimit);
    theilerEdit_->setValue(1);
    measureButton_ = new QPushButton(tr("測定"), this);
    measureStrip_ = new CJobStrip(links.document, links.view, this);

    connect(drawButton_, &QPushButton::clicked, this, &CRecurrenceWindow::drawPlot);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(measureButton_, &QPushButton::clicked, this, &CRecurrenceWindow::measure);
    connect(thresholdEdit_, &QLineEdit::returnPressed, this, &CRecurrenceWindow::measure);
    addImageSaveAction(*this, links.reporter);

    layOut();
    built_ = true;
    refresh();
}

QString CRecurrenceWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("リカレンスプロット"), tr("リカレンスプロット View-%1"), viewNumber);
}

void CRecurrenceWindow::refresh()
{
    drawPlot();
    measure();
}

void CRecurrenceWindow::layOut()
{
    const int s = side_;
    plot_->setGeometry(50, 50, s, s);
    topStrip_->setGeometry(50, 25, s, kStripWidth);
    rightStrip_->setGeometry(s + 60, 50, kStripWidth, s);
    threshold_->setGeometry(s + 130, 50, s, s);
    thresholdTitle_->setGeometry(s + 130, 28, s, 18);
    placeLabels(s);
    drawButton_->setGeometry(s / 4 + 100, s + 90, 80, 20);
    closeButton_->setGeometry(s / 4 + 200, s + 90, 80, 20);
    plotStrip_->setGeometry(s / 4 + 300, s + 76, 100, 46);
    measuresLabel_->setGeometry(10, s + 125, 2 * s + 90, 20);
    const int row = s + 152;
    radiusChoice_->setGeometry(10, row, 80, 22);
    rateChoice_->setGeometry(90, row, 90, 22);
    thresholdEdit_->setGeometry(185, row, 80, 22);
    theilerLabel_->setGeometry(280, row, 90, 22);
    theilerEdit_->setGeometry(370, row, 70, 22);
    measureButton_->setGeometry(455, row, 80, 22);
    measureStrip_->setGeometry(545, row - 12, 100, 46);
    const QSize size(2 * s + kExtraWidth, s + kExtraHeight);
    if (this->size() != size)
        resize(size);
}

void CRecurrenceWindow::placeLabels(int extent)
{
    const int s = side_;
    const int t = extent;
    const int down = s - t;
    const QRect places[12] = {
        // left of the plot, top to bottom; under it, left to right
        {0, 50 + down, 40, 12}, {0, t / 2 + 45 + down, 40, 12}, {0, s + 40, 40, 12},
        {20, s + 60, 40, 12}, {t / 2 + 15, s + 60, 40, 12}, {t + 10, s + 60, 40, 12},
        // above the top strip, left to right; right of the right strip, top to bottom
        {55, 10, 60, 12}, {t / 2 + 30, 10, 60, 12}, {t - 10, 10, 60, 12},
        {s + 80, 50 + down, 40, 12}, {s + 80, t / 2 + 45 + down, 40, 12}, {s + 80, s + 40, 40, 12}};
    for (int k = 0; k < 12; ++k)
        labels_[k]->setGeometry(places[k]);
}

void CRecurrenceWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!built_)
        return;
    const int byWidth = (event->size().width() - kExtraWidth) / 2;
    const int byHeight = event->size().height() - kExtraHeight;
    if (byWidth > kSmallestSide && byHeight > kSmallestSide && std::min(byWidth, byHeight) != side_) {
        side_ = std::min(byWidth, byHeight);
        built_ = false;  // the layout's own resize is no user change
        layOut();
        built_ = true;
        clearPlot();
    }
    size_ = side_ - 4;
}

void CRecurrenceWindow::clearPlot()
{
    for (CImageFrame* frame : {plot_, topStrip_, rightStrip_, threshold_})
        frame->setImage({});
}

void CRecurrenceWindow::drawPlot()
{
    size_ = side_ - 4;
    QPointer<CRecurrenceWindow> window(this);
    links_.document.startRecurrence(links_.view, size_, [window](JobStatus status, RecurrenceMatrix& matrix) {
        if (!window || status == JobStatus::Superseded)
            return;
        window->plotStrip_->stop();
        if (status != JobStatus::Finished)
            return;
        window->matrix_ = std::move(matrix);
        window->showMatrix();
    });
    plotStrip_->follow(JobKind::Recurrence);
}

void CRecurrenceWindow::showMatrix()
{
    const int n = matrix_.N;
    plot_->setImage(recurrenceImage(matrix_));
    topStrip_->setImage(legendImage(n, true));
    rightStrip_->setImage(legendImage(n, false));
    const ModelRecord& record = links_.engine.recordInUse;
    const long count = std::min(std::max(record.Sampling_Point, 0), std::max(record.validPointCount, 0));
    const double dMin = matrix_.dMin;
    const double dMax = matrix_.dMax;
    const double middle =
        dMin > 0.0 ? std::exp(std::log(dMin) + (std::log(dMax) - std::log(dMin)) * 0.5) : dMax * 0.5;
    const QString texts[12] = {
        pointLabelText(count), pointLabelText(count / 2), QStringLiteral("0"),
        QStringLiteral("0"), pointLabelText(count / 2), pointLabelText(count),
        scientific(dMin), scientific(middle), scientific(dMax),
        valueLabelText(dMax), valueLabelText(dMin + (dMax - dMin) * 0.5), valueLabelText(dMin)};
    for (int k = 0; k < 12; ++k)
        labels_[k]->setText(texts[k]);
    // Fewer points than the plot has room for fill its bottom-left corner;
    // the labels mark the ends of what is drawn.
    placeLabels(std::min(n + 4, side_));
    showThreshold();
}

void CRecurrenceWindow::showThreshold()
{
    if (measures_ && hasMatrix())
        threshold_->setImage(thresholdImage(matrix_, measures_->epsilon, measuredTheiler_));
    else
        threshold_->setImage({});
}

void CRecurrenceWindow::measure()
{
    bool ok = false;
    const double value = thresholdEdit_->text().trimmed().toDouble(&ok);
    const bool byRadius = radiusChoice_->isChecked();
    if (!ok || !std::isfinite(value) || value <= 0.0 || (!byRadius && value >= 1.0)) {
        links_.reporter.showMessage(
            (byRadius ? tr("半径 ε には正の数を入力してください。")
                      : tr("目標 RR には 0 より大きく 1 より小さい数を入力してください。"))
                .toStdString());
        return;
    }
    RecurrenceOptions options;
    (byRadius ? options.epsilon : options.targetRate) = value;
    options.theilerWindow = theilerEdit_->value();
    measures_.reset();
    measuresLabel_->setText(tr("測定中…"));
    showThreshold();
    QPointer<CRecurrenceWindow> window(this);
    const int theiler = options.theilerWindow;
    links_.document.startRecurrenceMeasures(
        links_.view, options, [window, theiler](JobStatus status, const RecurrenceQuantities& q) {
            if (!window || status == JobStatus::Superseded)
                return;
            window->measureStrip_->stop();
            if (status != JobStatus::Finished) {
                window->measuresLabel_->setText(tr("測定は中止されました。"));
                return;
            }
            if (q.error != SeriesError::None) {
                window->measuresLabel_->setText(
                    tr("この軌道では測定できません（点が少なすぎるか、設定が不適切です）。"));
                return;
            }
            window->measures_ = q;
            window->measuredTheiler_ = theiler;
            window->measuresLabel_->setText(recurrenceMeasuresText(q));
            window->showThreshold();
        });
    measureStrip_->follow(JobKind::RecurrenceMeasures);
}

QString CRecurrenceWindow::measuresText() const { return measuresLabel_->text(); }
