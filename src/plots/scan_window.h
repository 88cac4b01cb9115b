// The parameter scan window of a view ("パラメータ走査"): the scanned
// parameter with its range and number of values, the transient and analysed
// points, the kind (maxima, section values or spectrum), the recorded
// variable and the section plane. "走査" runs the scan of the view's model
// through the document's job runner, with progress and cancel, and the plot
// fills as the values come in. A click on the plot gives the view's model
// that parameter value, and the view computes its attractor there. The
// context menu saves the window as a PNG image and the scan as the batch
// tool's CSV.
#pragma once

#include "document/analysis_window.h"
#include "document/job_runner.h"
#include "dynamics/parameter_scan.h"

#include <QDialog>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CJobStrip;
class CPlotFrame;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class ScanFeed;

class CScanWindow : public QDialog {
    Q_OBJECT
public:
    CScanWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);
    // The view's orbit or model changed: the marker follows the view's
    // parameter value; another model clears the scan.
    void refresh();

    // Starts a scan with the settings of the controls; false, with a message,
    // when they are refused.
    bool startScan();

    // Cells received so far (computed ones, in the order they came).
    const std::vector<ScanCell>& cells() const { return cells_; }
    bool scanRunning() const;
    CPlotFrame* plotFrame() const { return frame_; }
    CJobStrip* jobStrip() const { return strip_; }
    // The CSV "CSV で保存…" writes: the batch tool's rows of the cells so far.
    QByteArray csv() const;
    // The parameter value a click at column x of the plot picks.
    double valueAtColumn(int x) const;

    QComboBox* parameterList() const { return parameterList_; }
    QLineEdit* fromEdit() const { return fromEdit_; }
    QLineEdit* toEdit() const { return toEdit_; }
    QSpinBox* countBox() const { return countBox_; }
    QSpinBox* transientBox() const { return transientBox_; }
    QSpinBox* pointsBox() const { return pointsBox_; }
    QComboBox* kindList() const { return kindList_; }
    QComboBox* variableList() const { return variableList_; }
    QComboBox* sectionVariableList() const { return sectionVariableList_; }
    QLineEdit* sectionLevelEdit() const { return sectionLevelEdit_; }
    QPushButton* scanButton() const { return scanButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The settings the controls hold; empty, with the message shown, when a
    // text is not a number.
    std::optional<ScanSettings> settingsFromControls();
    // The controls for the view's model: its parameters and variables, the
    // chosen parameter's range.
    void fillControls();
    void fillRange();
    void takeCells();
    void draw();
    void pick(int x);
    std::optional<double> markerValue() const;

    const WindowLinks links_;
    std::string modelName_;
    ScanSettings settings_;
    std::vector<ScanCell> cells_;
    std::shared_ptr<ScanFeed> feed_;
    QTimer poll_;

    CPlotFrame* frame_ = nullptr;
    QLabel* valueLabels_[3] = {};
    QLabel* parameterLabels_[3] = {};
    QLabel* countLabel_ = nullptr;
    QComboBox* parameterList_ = nullptr;
    QLineEdit* fromEdit_ = nullptr;
    QLineEdit* toEdit_ = nullptr;
    QSpinBox* countBox_ = nullptr;
    QSpinBox* transientBox_ = nullptr;
    QSpinBox* pointsBox_ = nullptr;
    QComboBox* kindList_ = nullptr;
    QComboBox* variableList_ = nullptr;
    QComboBox* sectionVariableList_ = nullptr;
    QLineEdit* sectionLevelEdit_ = nullptr;
    QPushButton* scanButton_ = nullptr;
    CJobStrip* strip_ = nullptr;
};
