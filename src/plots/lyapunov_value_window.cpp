#include "plots/lyapunov_value_window.h"

#include "document/user_document.h"
#include "dynamics/kaplan_yorke.h"
#include "plots/job_strip.h"
#include "plots/plot_text.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWindowWidth = 230;
constexpr int kRowHeight = 25;
// Room for the two buttons and the progress strip beside the rows.
constexpr int kLeastHeight = 110;

// Six decimals, as the batch tool prints them; "-" for a value that is not a
// finite number.
QString exponentText(double value)
{
    return std::isfinite(value) ? QString::asprintf("%.6f", value) : QStringLiteral("-");
}

}  // namespace

CLyapunovValueWindow::CLyapunovValueWindow(const WindowLinks& links, QWidget* owner,
                                           const std::vector<Row>& rows, int shownRows,
                                           JobKind kind, ValueTexts texts)
    : QDialog(owner), links_(links), kind_(kind), texts_(texts), shownRows_(shownRows)
{
    const int labelWidth = rows.size() > 1 ? 20 : 110;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int row = static_cast<int>(k);
        auto* label = new QLabel(rows[k].label, this);
        auto* value = new QLabel(this);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setTextInteractionFlags(Qt::NoTextInteraction);
        if (rows.size() > 1) {
            label->setGeometry(15, 10 + kRowHeight * row, labelWidth, 20);
            value->setGeometry(15 + labelWidth, 10 + kRowHeight * row, 95, 20);
        } else {
            label->setGeometry(10, 10, labelWidth, 20);
            value->setGeometry(10, 35, labelWidth, 20);
        }
        label->setVisible(row < shownRows);
        value->setVisible(row < shownRows);
        copyNames_.push_back(rows[k].copyName);
        values_.push_back(value);
    }
    recomputeButton_ = new QPushButton(tr("再計算"), this);
    recomputeButton_->setGeometry(140, 10, 80, 22);
    auto* closeButton = new QPushButton(tr("閉じる"), this);
    closeButton->setGeometry(140, 37, 80, 22);
    strip_ = new CJobStrip(links.document, links.view, this);
    strip_->setGeometry(140, 64, 80, 44);
    setFixedSize(kWindowWidth, std::max(kRowHeight * shownRows + 35, kLeastHeight));

    connect(recomputeButton_, &QPushButton::clicked, this, &CLyapunovValueWindow::fill);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    addCopyAction(*this, [this] { return copyText(); });
}

void CLyapunovValueWindow::fill()
{
    const DynamicsEngine& engine = links_.engine;
    if (engine.orbitReady != 1 || engine.diverged == 1) {
        links_.document.jobs.cancel(links_.view, kind_);
        strip_->stop();
        showValues({});
        return;
    }
    for (QLabel* value : values_)
        value->clear();
    // The window may be replaced or closed before the work ends.
    QPointer<CLyapunovValueWindow> window(this);
    links_.document.startSpectrum(
        links_.view,
        [window](const SpectrumOutcome& outcome) {
            // A newer request of the window's kind fills it when it ends.
            if (!window || (outcome.status != JobStatus::Finished &&
                            window->links_.document.jobs.isActive(window->links_.view, window->kind_)))
                return;
            window->strip_->stop();
            window->showValues(outcome.status == JobStatus::Finished && outcome.exists
                                   ? window->texts_(outcome, window->links_.engine)
                                   : QStringList());
        },
        kind_);
    strip_->follow(kind_);
}

void CLyapunovValueWindow::showValues(const QStringList& texts)
{
    for (std::size_t k = 0; k < values_.size(); ++k) {
        const auto i = static_cast<qsizetype>(k);
        values_[k]->setText(i < texts.size() ? texts[i] : QStringLiteral("-"));
    }
}

QString CLyapunovValueWindow::valueText(int row) const
{
    return values_.at(static_cast<std::size_t>(row))->text();
}

QString CLyapunovValueWindow::copyText() const
{
    QString text;
    for (int k = 0; k < shownRows_; ++k)
        text += copyNames_[static_cast<std::size_t>(k)] + ' ' + valueText(k) + '\n';
    return text;
}

namespace {

std::vector<CLyapunovValueWindow::Row> variableRows()
{
    std::vector<CLyapunovValueWindow::Row> rows;
    for (int k = 0; k < kMaxVariables; ++k) {
        const QString letter(QChar(variableLetter(k)));
        rows.push_back({letter, letter});
    }
    return rows;
}

int shownVariables(const WindowLinks& links)
{
    return std::clamp(links.engine.recordInUse.Dimension, 1, kMaxVariables);
}

QStringList exponentTexts(const SpectrumOutcome& outcome, const DynamicsEngine& /*engine*/)
{
    QStringList texts;
    for (int k = 0; k < kMaxVariables; ++k)
        texts.append(exponentText(outcome.spectrum[k]));
    return texts;
}

QStringList dimensionTexts(const SpectrumOutcome& outcome, const DynamicsEngine& engine)
{
    return {exponentText(kaplanYorkeDimension(outcome.spectrum, engine.recordInUse.Dimension))};
}

}  // namespace

CSpectrumWindow::CSpectrumWindow(const WindowLinks& links, QWidget* owner)
    : CLyapunovValueWindow(links, owner, variableRows(), shownVariables(links), JobKind::Spectrum,
                           &exponentTexts)
{
    fill();
}

QString CSpectrumWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("リアプノフスペクトラム"), tr("リアプノフスペクトラム View-%1"),
                          viewNumber);
}

CDimensionWindow::CDimensionWindow(const WindowLinks& links, QWidget* owner)
    : CLyapunovValueWindow(links, owner, {{tr("リアプノフ次元 DL"), QStringLiteral("DL")}}, 1,
                           JobKind::Dimension, &dimensionTexts)
{
    fill();
}

QString CDimensionWindow::titleFor(std::optional<int> viewNumber)
{
    return windowTitleFor(tr("リアプノフ次元 DL"), tr("リアプノフ次元 DL View-%1"), viewNumber);
}
