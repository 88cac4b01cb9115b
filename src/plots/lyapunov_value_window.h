// The two small text windows of a view's Lyapunov spectrum and dimension.
// Both compute when they open, on "再計算" and when the view's orbit changes:
// the spectrum runs through the document's job runner, so the window shows at
// once with a progress bar and a cancel button and fills in when the work has
// ended. A diverged orbit, a view without an orbit and a cancelled
// computation show "-". Ctrl+C and "値をコピー" copy every shown value as
// "name value" lines, with the digits the window shows.
#pragma once

#include "document/analysis_window.h"
#include "document/job_runner.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class CJobStrip;
class DynamicsEngine;
class QLabel;
class QPushButton;
struct SpectrumOutcome;

class CLyapunovValueWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the values anew (the view's orbit changed).
    void refresh() { fill(); }
    // Computes again and shows the result when it has ended.
    void fill();

    // The text of value row k; "-" where no value exists, empty while the
    // computation runs.
    QString valueText(int row) const;
    // The lines Ctrl+C copies.
    QString copyText() const;
    CJobStrip* jobStrip() const { return strip_; }
    QPushButton* recomputeButton() const { return recomputeButton_; }

    struct Row {
        QString label;     // shown beside the value
        QString copyName;  // names the value in the copied text
    };

protected:
    // The value texts of the rows for a finished, existing spectrum of the
    // engine's model.
    using ValueTexts = QStringList (*)(const SpectrumOutcome&, const DynamicsEngine&);
    // rows: every row the window has; shownRows of them are visible. kind:
    // the job kind the window's spectrum runs as.
    CLyapunovValueWindow(const WindowLinks& links, QWidget* owner, const std::vector<Row>& rows,
                         int shownRows, JobKind kind, ValueTexts texts);

private:
    void showValues(const QStringList& texts);

    const WindowLinks links_;
    JobKind kind_;
    ValueTexts texts_;
    int shownRows_;
    std::vector<QString> copyNames_;
    std::vector<QLabel*> values_;
    CJobStrip* strip_ = nullptr;
    QPushButton* recomputeButton_ = nullptr;
};

// "リアプノフスペクトラム": one row per variable of the model, 230 pixels wide
// and 25 pixels high per row plus 35.
class CSpectrumWindow : public CLyapunovValueWindow {
    Q_OBJECT
public:
    CSpectrumWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);
};

// "リアプノフ次元 DL": the Lyapunov (Kaplan-Yorke) dimension of the spectrum.
class CDimensionWindow : public CLyapunovValueWindow {
    Q_OBJECT
public:
    CDimensionWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);
};
