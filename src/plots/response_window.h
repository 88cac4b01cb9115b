// The two temporal response windows of a view: how the running estimates of
// the Lyapunov spectrum ("リアプノフスペクトラムの時間変位") and of the Lyapunov
// dimension ("リアプノフ次元の時間変位 DL(t)") converge along the orbit. Each
// computes its responses through the document's job runner when it opens, on
// "更新" and when the view's orbit changes, and draws from the engine's
// response arrays; while the work runs the plot is empty and a progress bar
// with a cancel button shows. Its context menu saves the window as a PNG
// image and the responses as CSV in the batch tool's format.
#pragma once

#include "document/analysis_window.h"
#include "document/job_runner.h"
#include "plots/plot_frame.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class CJobStrip;
class DynamicsEngine;
class QLabel;
class QPushButton;
enum class LyapunovResponses;

// What a response window draws: the plot and its labels, top to bottom on
// the left and left to right under the plot.
struct ResponsePlot {
    PlotPicture picture;
    std::array<QString, 3> valueLabels;
    std::array<QString, 3> pointLabels;
};

// The plot frame's size and the plot's columns.
inline constexpr int kResponseFrameWidth = 480;
inline constexpr int kResponseFrameHeight = 200;
inline constexpr int kResponseColumns = 477;

// Every exponent's estimate in its colour (red, green, blue, magenta, cyan,
// yellow) over the valid points, with a black line at 0.
ResponsePlot spectrumResponsePlot(const DynamicsEngine& engine);
// The dimension estimate in red over the sampling points, with black lines at
// the whole dimensions 0 to 4 that fall inside the plot.
ResponsePlot dimensionResponsePlot(const DynamicsEngine& engine);
// The empty plot with "-" labels, shown while no response exists.
ResponsePlot emptyResponsePlot();

class CResponseWindow : public QDialog {
    Q_OBJECT
public:
    // Computes the responses again (the view's orbit changed).
    void refresh() { compute(); }
    void compute();

    // A computation of this window has finished and its arrays are drawn.
    bool hasResult() const { return hasResult_; }
    CPlotFrame* plotFrame() const { return frame_; }
    QString valueLabel(int k) const;
    QString pointLabel(int k) const;
    CJobStrip* jobStrip() const { return strip_; }
    // The CSV "CSV で保存…" writes: the header alone without a result.
    QByteArray csv() const;

protected:
    using PlotMaker = ResponsePlot (*)(const DynamicsEngine&);
    CResponseWindow(const WindowLinks& links, QWidget* owner, LyapunovResponses which,
                    JobKind kind, PlotMaker plot);

private:
    void draw();

    const WindowLinks links_;
    LyapunovResponses which_;
    JobKind kind_;
    PlotMaker plot_;
    bool hasResult_ = false;
    CPlotFrame* frame_ = nullptr;
    std::array<QLabel*, 3> valueLabels_{};
    std::array<QLabel*, 3> pointLabels_{};
    CJobStrip* strip_ = nullptr;
};

class CSpectrumResponseWindow : public CResponseWindow {
    Q_OBJECT
public:
    CSpectrumResponseWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);
};

class CDimensionResponseWindow : public CResponseWindow {
    Q_OBJECT
public:
    CDimensionResponseWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);
};
