#include "plots/scan_window.h"

#include "document/user_document.h"
#include "dynamics/scan_csv.h"
#include "dynamics/text_out.h"
#include "models/reporter.h"
#include "plots/job_strip.h"
#include "plots/plot_frame.h"
#include "plots/plot_geometry.h"
#include "plots/plot_text.h"
#include "plots/scan_diagram.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr ScanFrameSize kFrame{600, 320};
constexpr int kPollMilliseconds = 50;
constexpr int kMaxValues = 5000;
constexpr int kMaxPoints = 1000000;
constexpr int kValueLabelWidth = 64;

QSpinBox* spinBox(int low, int high, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

}  // namespace

CScanWindow::CScanWindow(const WindowLinks& links, QWidget* owner)
    : QDialog(owner), links_(links), feed_(std::make_shared<ScanFeed>())
{
    frame_ = new CPlotFrame(this);
    frame_->setFixedSize(kFrame.width, kFrame.height);
    frame_->setCursor(Qt::CrossCursor);
    frame_->installEventFilter(this);
    auto* plot = new QGridLayout;
    auto* valueColumn = new QVBoxLayout;
    for (int k = 0; k < 3; ++k) {
        valueLabels_[k] = new QLabel(this);
        valueLabels_[k]->setMinimumWidth(kValueLabelWidth);
        valueLabels_[k]->setAlignment(Qt::AlignRight | (k == 0   ? Qt::AlignTop
                                                        : k == 1 ? Qt::AlignVCenter
                                                                 : Qt::AlignBottom));
        valueColumn->addWidget(valueLabels_[k], 1);
    }
    plot->addLayout(valueColumn, 0, 0);
    plot->addWidget(frame_, 0, 1);
    auto* parameterRow = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        parameterLabels_[k] = new QLabel(this);
        const Qt::Alignment across[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        parameterLabels_[k]->setAlignment(across[k]);
        parameterRow->addWidget(parameterLabels_[k], 1);
    }
    plot->addLayout(parameterRow, 1, 1);

    parameterList_ = new QComboBox(this);
    fromEdit_ = new QLineEdit(this);
    toEdit_ = new QLineEdit(this);
    countBox_ = spinBox(2, kMaxValues, 200, this);
    transientBox_ = spinBox(0, kMaxPoints, 2000, this);
    pointsBox_ = spinBox(1, kMaxPoints, 5000, this);
    kindList_ = new QComboBox(this);
    kindList_->addItems({tr("極大値"), tr("断面"), tr("スペクトラム")});
    variableList_ = new QComboBox(this);
    sectionVariableList_ = new QComboBox(this);
    sectionLevelEdit_ = new QLineEdit(QStringLiteral("0"), this);

    auto* controls = new QGridLayout;
    const auto addRow = [&](int row, int column, const QString& text, QWidget* field) {
        controls->addWidget(new QLabel(text, this), row, column);
        controls->addWidget(field, row, column + 1);
    };
    addRow(0, 0, tr("パラメータ"), parameterList_);
    addRow(0, 2, tr("範囲"), fromEdit_);
    addRow(0, 4, tr("～"), toEdit_);
    addRow(0, 6, tr("個数"), countBox_);
    addRow(1, 0, tr("種類"), kindList_);
    addRow(1, 2, tr("過渡点数"), transientBox_);
    addRow(1, 4, tr("解析点数"), pointsBox_);
    addRow(2, 0, tr("変数"), variableList_);
    addRow(2, 2, tr("断面"), sectionVariableList_);
    addRow(2, 4, tr("="), sectionLevelEdit_);

    scanButton_ = new QPushButton(tr("走査"), this);
    auto* closeButton = new QPushButton(tr("閉じる"), this);
    countLabel_ = new QLabel(this);
    strip_ = new CJobStrip(links.document, links.view, this);
    strip_->setFixedWidth(160);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(countLabel_, 1);
    buttons->addWidget(strip_);
    buttons->addWidget(scanButton_, 0, Qt::AlignTop);
    buttons->addWidget(closeButton, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(plot);
    layout->addLayout(controls);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(scanButton_, &QPushButton::clicked, this, &CScanWindow::startScan);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(parameterList_, &QComboBox::activated, this, &CScanWindow::fillRange);
    connect(kindList_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        variableList_->setEnabled(kind != static_cast<int>(ScanKind::Spectrum));
        sectionVariableList_->setEnabled(kind == static_cast<int>(ScanKind::Section));
        sectionLevelEdit_->setEnabled(kind == static_cast<int>(ScanKind::Section));
    });
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &CScanWindow::takeCells);
    addImageSaveAction(*this, links.reporter);
    addCsvSaveAction(*this, links.reporter, [this] { return csv(); });

    fillControls();
    kindList_->setCurrentIndex(static_cast<int>(ScanKind::Maxima));
    sectionVariableList_->setEnabled(false);
    sectionLevelEdit_->setEnabled(false);
    draw();
}

QString CScanWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("パラメータ走査"), tr("パラメータ走査 View-%1"), viewNumber);
}

void CScanWindow::fillControls()
{
    const ModelRecord& record = links_.engine.recordInUse;
    modelName_ = record.ModelName;
    parameterList_->clear();
    for (int k = 0; k < std::clamp(record.Parameter, 0, kMaxParameters); ++k)
        parameterList_->addItem(QString(QChar(parameterLetter(k))));
    for (QComboBox* list : {variableList_, sectionVariableList_}) {
        list->clear();
        for (int k = 0; k < std::clamp(record.Dimension, 1, kMaxVariables); ++k)
            list->addItem(QString(QChar(variableLetter(k))));
    }
    variableList_->setCurrentIndex(record.Dimension >= 3 ? 2 : 0);
    fillRange();
}

void CScanWindow::fillRange()
{
    const int k = parameterList_->currentIndex();
    if (k < 0)
        return;
    const ModelRecord& record = links_.engine.recordInUse;
    fromEdit_->setText(QString::number(record.Parameter_Min[k]));
    toEdit_->setText(QString::number(record.Parameter_Max[k]));
}

std::optional<ScanSettings> CScanWindow::settingsFromControls()
{
    const auto number = [this](QLineEdit* edit) -> std::optional<double> {
        bool ok = false;
        const double value = edit->text().trimmed().toDouble(&ok);
        if (ok && std::isfinite(value))
            return value;
        links_.reporter.showMessage(tr("数値を入力してください。").toStdString());
        edit->setFocus();
        edit->selectAll();
        return std::nullopt;
    };
    const std::optional<double> from = number(fromEdit_);
    const std::optional<double> to = from ? number(toEdit_) : std::nullopt;
    const std::optional<double> level = to ? number(sectionLevelEdit_) : std::nullopt;
    if (!level || parameterList_->currentIndex() < 0)
        return std::nullopt;
    ScanSettings settings;
    settings.kind = static_cast<ScanKind>(kindList_->currentIndex());
    settings.axis = {parameterList_->currentIndex(), *from, *to, countBox_->value()};
    settings.variable = std::max(variableList_->currentIndex(), 0);
    settings.sectionVariable = std::max(sectionVariableList_->currentIndex(), 0);
    settings.sectionLevel = *level;
    settings.transient = transientBox_->value();
    settings.points = pointsBox_->value();
    settings.threads = 0;
    return settings;
}

bool CScanWindow::startScan()
{
    if (links_.engine.binding.bound != 1)
        return false;
    const std::optional<ScanSettings> settings = settingsFromControls();
    if (!settings)
        return false;
    settings_ = *settings;
    cells_.clear();
    // A fresh feed: cells of a superseded scan still on their way stay out.
    feed_ = std::make_shared<ScanFeed>();
    QPointer<CScanWindow> window(this);
    links_.document.startScan(links_.view, settings_, feed_, [window, feed = feed_](JobStatus) {
        if (!window || window->feed_ != feed)
            return;
        window->takeCells();
        window->poll_.stop();
        window->strip_->stop();
    });
    strip_->follow(JobKind::ParameterScan);
    poll_.start();
    draw();
    return true;
}

bool CScanWindow::scanRunning() const
{
    return links_.document.jobs.isActive(links_.view, JobKind::ParameterScan);
}

void CScanWindow::takeCells()
{
    std::vector<ScanCell> arrived = feed_->take();
    if (arrived.empty())
        return;
    cells_.insert(cells_.end(), std::make_move_iterator(arrived.begin()),
                  std::make_move_iterator(arrived.end()));
    draw();
}

std::optional<double> CScanWindow::markerValue() const
{
    const int k = settings_.axis.parameter;
    if (cells_.empty() || k >= links_.engine.recordInUse.Parameter)
        return std::nullopt;
    return links_.engine.recordInUse.Parameter_Default[k];
}

void CScanWindow::draw()
{
    const int dimension = links_.engine.recordInUse.Dimension;
    frame_->setPicture(scanDiagram(cells_, settings_, dimension, kFrame, markerValue()));
    const ScanValueRange range = scanValueRange(cells_, settings_.kind, dimension);
    const std::array<double, 3> values = valueLabelValues(range.low, range.high);
    const std::array<double, 3> parameters = valueLabelValues(settings_.axis.from, settings_.axis.to);
    for (int k = 0; k < 3; ++k) {
        valueLabels_[k]->setText(cells_.empty() ? QStringLiteral("-") : valueLabelText(values[k]));
        // Left to right: from, the middle, to.
        parameterLabels_[k]->setText(cells_.empty() ? QStringLiteral("-")
                                                    : valueLabelText(parameters[2 - k]));
    }
    // How many of the scan's values have come in.
    countLabel_->setText(cells_.empty() && !scanRunning()
                             ? QString()
                             : tr("%1 / %2 個").arg(cells_.size()).arg(settings_.axis.count));
}

double CScanWindow::valueAtColumn(int x) const { return scanColumnValue(x, settings_.axis, kFrame); }

void CScanWindow::pick(int x)
{
    if (cells_.empty())
        return;
    links_.document.setViewParameter(links_.view, settings_.axis.parameter, valueAtColumn(x));
    draw();
}

bool CScanWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frame_ && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            pick(mouse->position().toPoint().x());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CScanWindow::refresh()
{
    if (links_.engine.recordInUse.ModelName != modelName_) {
        links_.document.jobs.cancel(links_.view, JobKind::ParameterScan);
        cells_.clear();
        fillControls();
    }
    draw();
}

QByteArray CScanWindow::csv() const
{
    ScanResult result;
    result.cells = cells_;
    result.dimension = links_.engine.recordInUse.Dimension;
    std::string text;
    TextOut out(text);
    writeScanCsv(out, settings_, result);
    out.finish();
    return QByteArray::fromStdString(text);
}
