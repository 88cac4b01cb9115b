// The panel "最大リアプノフ指数" under the analysed-data window: the largest
// Lyapunov exponent of the view's series in its reconstruction (per sample),
// the mean logarithmic divergence y(k) of nearest neighbours it comes from,
// and the fit range [A, B] whose least-squares slope is the exponent. The
// range can be typed or dragged on the curve (the nearer end follows the
// pointer); the slope is fitted again at once, without searching the
// neighbours again. The search runs through the job runner.
#pragma once

#include "document/analysis_window.h"
#include "dynamics/series_lyapunov.h"
#include "plots/plot_frame.h"

#include <QGroupBox>

#include <functional>
#include <optional>

class CJobStrip;
class QLabel;
class QSpinBox;

inline constexpr int kDivergenceFrameWidth = 400;
inline constexpr int kDivergenceFrameHeight = 150;

// The divergence curve y(0..K) in blue, the fitted line over [A, B] in red
// and the two ends of the range as grey vertical lines.
PlotPicture divergencePicture(const SeriesLyapunovResult& result);
// The step k a pixel column x of the divergence frame stands for, 0..steps.
int divergenceStepAt(int x, int steps);

// A plot frame that hands presses and drags of the left button to a callback
// with the pointer's column.
class CDragFrame : public CPlotFrame {
    Q_OBJECT
public:
    using CPlotFrame::CPlotFrame;
    std::function<void(int x, bool pressed)> dragged;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

class CSeriesExponentPanel : public QGroupBox {
    Q_OBJECT
public:
    // links must outlive the panel.
    CSeriesExponentPanel(const WindowLinks& links, QWidget* parent);

    // Searches the neighbours again with the record's dimension and delay
    // and the default windows.
    void compute();
    // A new fit range; false (nothing changed) for a range outside 0..K or
    // with A >= B, or without a result.
    bool setFitRange(int first, int last);
    // The pointer pressed (pressed true) or dragged at column x of the curve.
    void dragTo(int x, bool pressed);

    const std::optional<SeriesLyapunovResult>& result() const { return result_; }
    QString valueText() const;
    CDragFrame* divergenceFrame() const { return frame_; }
    QSpinBox* fitFirstEdit() const { return firstEdit_; }
    QSpinBox* fitLastEdit() const { return lastEdit_; }
    CJobStrip* jobStrip() const { return strip_; }

private:
    void showText(const QString& value);
    void showResult();

    const WindowLinks links_;
    std::optional<SeriesLyapunovResult> result_;
    // The range end a drag moves: 0 for A, 1 for B.
    int draggedEnd_ = 0;
    QLabel* value_ = nullptr;
    CDragFrame* frame_ = nullptr;
    QLabel* high_ = nullptr;
    QLabel* low_ = nullptr;
    QLabel* lastStep_ = nullptr;
    QSpinBox* firstEdit_ = nullptr;
    QSpinBox* lastEdit_ = nullptr;
    CJobStrip* strip_ = nullptr;
};
