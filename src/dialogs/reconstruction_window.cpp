#include "dialogs/reconstruction_window.h"

#include "dialogs/dialog_widgets.h"
#include "dialogs/range_input.h"
#include "document/user_document.h"
#include "models/reporter.h"
#include "plots/job_strip.h"
#include "plots/plot_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {

constexpr int kSliderPositions = 1000;
constexpr int kMaxDelayCap = 100;

}  // namespace

int reconstructionMaxDelay(int valueCount, int dimension)
{
    if (valueCount <= 0 || dimension <= 0)
        return 0;
    return std::min(valueCount / dimension, kMaxDelayCap);
}

int delaySliderPosition(int delay, int maxDelay)
{
    if (maxDelay <= 0)
        return 0;
    const int position = static_cast<int>(delay * static_cast<double>(kSliderPositions) / maxDelay + 0.5);
    return std::clamp(position, 0, kSliderPositions);
}

int delayOfSliderPosition(int position, int maxDelay)
{
    // Position 0 would give delay 0, which embeds nothing.
    return std::max(1, static_cast<int>(maxDelay * position * 0.001));
}

CReconstructionWindow::CReconstructionWindow(const WindowLinks& links, QWidget* owner)
    : QDialog(owner), links_(links)
{
    const ModelRecord& record = links.engine.recordInUse;
    maxDelay_ = reconstructionMaxDelay(record.seriesCount, record.Dimension);

    auto* dimensionGroup = new QGroupBox(tr("再構成次元"), this);
    dimensionGroup->setGeometry(10, 5, 140, 80);
    dimensionList_ = new QComboBox(dimensionGroup);
    dimensionList_->setObjectName(QStringLiteral("dimensionList"));
    dimensionList_->setGeometry(10, 25, 120, 24);
    dimensionList_->addItems({tr("３次元"), tr("４次元"), tr("５次元"), tr("６次元")});

    auto* delayGroup = new QGroupBox(tr("遅れ時間τ"), this);
    delayGroup->setGeometry(160, 5, 270, 80);
    delaySlider_ = new QSlider(Qt::Horizontal, delayGroup);
    delaySlider_->setObjectName(QStringLiteral("delaySlider"));
    delaySlider_->setGeometry(10, 22, 250, 22);
    delaySlider_->setRange(0, kSliderPositions);
    delaySlider_->setEnabled(maxDelay_ > 0);
    delayEdit_ = new QLineEdit(delayGroup);
    delayEdit_->setObjectName(QStringLiteral("delayEdit"));
    delayEdit_->setGeometry(10, 50, 80, 22);

    auto* adviceGroup = new QGroupBox(tr("埋め込みの推奨"), this);
    adviceGroup->setGeometry(10, 90, 420, 80);
    adviceDelay_ = new QLabel(adviceGroup);
    adviceDelay_->setGeometry(10, 22, 200, 20);
    adviceDimension_ = new QLabel(adviceGroup);
    adviceDimension_->setGeometry(10, 46, 200, 20);
    strip_ = new CJobStrip(links.document, links.view, adviceGroup);
    strip_->setGeometry(210, 20, 90, 50);
    useAdviceButton_ = makeButton(tr("推奨値を使う"), "useAdviceButton", adviceGroup);
    useAdviceButton_->setGeometry(305, 30, 105, 24);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("embeddingMessage"));
    message_->setGeometry(10, 175, 420, 36);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #c00000"));

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    okButton->setGeometry(130, 218, 90, 24);
    QPushButton* applyButton = makeButton(tr("適用"), "applyButton", this);
    applyButton->setGeometry(230, 218, 90, 24);
    QPushButton* cancelButton = makeButton(tr("ｷｬﾝｾﾙ"), "cancelButton", this);
    cancelButton->setGeometry(330, 218, 90, 24);
    setFixedSize(440, 252);

    connect(dimensionList_, &QComboBox::activated, this, &CReconstructionWindow::chooseDimension);
    connect(delaySlider_, &QSlider::valueChanged, this, &CReconstructionWindow::moveSlider);
    connect(applyButton, &QPushButton::clicked, this, &CReconstructionWindow::apply);
    connect(okButton, &QPushButton::clicked, this, &CReconstructionWindow::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(useAdviceButton_, &QPushButton::clicked, this, &CReconstructionWindow::useAdvice);

    showRecord();
    showAdvice();
    reconstruct();
    startAdvice();
}

QString CReconstructionWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("再構成次元、遅れ時間τの設定"),
                          tr("再構成次元、遅れ時間τの設定 View-%1"), viewNumber);
}

void CReconstructionWindow::showRecord()
{
    const ModelRecord& record = links_.engine.recordInUse;
    const QSignalBlocker blockList(dimensionList_);
    const QSignalBlocker blockSlider(delaySlider_);
    dimensionList_->setCurrentIndex(
        std::clamp(record.Dimension, kLowestReconstructionDimension, kHighestReconstructionDimension) -
        kLowestReconstructionDimension);
    delaySlider_->setValue(delaySliderPosition(record.delay, maxDelay_));
    delayEdit_->setText(QString::asprintf("%d", record.delay));
}

void CReconstructionWindow::chooseDimension(int item)
{
    links_.engine.recordInUse.Dimension = item + kLowestReconstructionDimension;
    reconstruct();
}

void CReconstructionWindow::moveSlider(int position)
{
    if (maxDelay_ <= 0)
        return;
    const int delay = delayOfSliderPosition(position, maxDelay_);
    links_.engine.recordInUse.delay = delay;
    delayEdit_->setText(QString::asprintf("%d", delay));
    reconstruct();
}

bool CReconstructionWindow::apply()
{
    const RangeInput<int> delay = parseIntInRange(delayEdit_->text(), 1, kSeriesValueLimit);
    if (!delay.value) {
        links_.reporter.showMessage(delay.message);
        delayEdit_->setFocus();
        delayEdit_->selectAll();
        return false;
    }
    links_.engine.recordInUse.delay = *delay.value;
    {
        const QSignalBlocker block(delaySlider_);
        delaySlider_->setValue(delaySliderPosition(*delay.value, maxDelay_));
    }
    reconstruct();
    return true;
}

void CReconstructionWindow::accept()
{
    if (apply())
        QDialog::accept();
}

void CReconstructionWindow::useAdvice()
{
    if (!advice_ || !advice_->delay)
        return;
    ModelRecord& record = links_.engine.recordInUse;
    record.delay = *advice_->delay;
    if (advice_->dimension)
        record.Dimension = std::clamp(*advice_->dimension, kLowestReconstructionDimension,
                                      kHighestReconstructionDimension);
    showRecord();
    reconstruct();
}

QString CReconstructionWindow::adviceText() const
{
    return adviceDelay_->text() + QLatin1Char('\n') + adviceDimension_->text();
}

QString CReconstructionWindow::embeddingMessage() const { return message_->text(); }

void CReconstructionWindow::reconstruct()
{
    const int vectors = links_.document.reconstructViewSeries(links_.view);
    const ModelRecord& record = links_.engine.recordInUse;
    message_->setText(vectors >= 2 ? QString()
                                   : tr("データ数 %1 では、次元 %2、遅れ時間 %3 の再構成ベクトルが"
                                        "2個未満です。次元か遅れ時間を小さくしてください。")
                                         .arg(record.seriesCount)
                                         .arg(record.Dimension)
                                         .arg(record.delay));
}

void CReconstructionWindow::startAdvice()
{
    QPointer<CReconstructionWindow> window(this);
    links_.document.startEmbeddingAdvice(
        links_.view, [window](JobStatus status, const EmbeddingAdvice& advice) {
            if (!window)
                return;
            window->strip_->stop();
            if (status == JobStatus::Superseded)
                return;
            if (status == JobStatus::Finished)
                window->advice_ = advice;
            else
                window->advice_.reset();
            window->showAdvice();
            if (status == JobStatus::Cancelled)
                window->adviceDelay_->setText(tr("推奨値の計算は中止されました。"));
        });
    strip_->follow(JobKind::EmbeddingAdvice);
}

void CReconstructionWindow::showAdvice()
{
    const auto number = [](const std::optional<int>& value) {
        return value ? QString::number(*value) : tr("なし");
    };
    if (!advice_) {
        adviceDelay_->setText(tr("推奨遅れ時間 τ: 計算中…"));
        adviceDimension_->setText(tr("推奨次元: 計算中…"));
        useAdviceButton_->setEnabled(false);
        return;
    }
    adviceDelay_->setText(tr("推奨遅れ時間 τ: %1").arg(number(advice_->delay)));
    adviceDimension_->setText(tr("推奨次元: %1").arg(number(advice_->dimension)));
    useAdviceButton_->setEnabled(advice_->delay.has_value());
}
