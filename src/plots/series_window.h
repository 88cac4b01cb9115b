// The time-series window "時系列データ" of a view, one plot row per variable:
// in its orbit mode (the tools item "時系列データの提示") each component of
// the view's orbit against the point index, one row per model dimension; in
// its data mode ("解析時系列データの提示") the series read from the data file
// in one row, with the largest Lyapunov exponent of the series under it (see
// CSeriesExponentPanel). "更新" draws again (and lays the rows out again when
// the dimension changed); OK and "ｷｬﾝｾﾙ" close.
#pragma once

#include "document/analysis_window.h"
#include "plots/plot_frame.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class CSeriesExponentPanel;
class DynamicsEngine;
class QLabel;
class QPushButton;

enum class SeriesWindowMode {
    Orbit,  // the components of the view's orbit
    Data,   // the series read from the data file
};

// The plot frame of one row and its columns.
inline constexpr int kSeriesFrameWidth = 400;
inline constexpr int kSeriesFrameHeight = 100;
inline constexpr int kSeriesColumns = 396;
inline constexpr int kSeriesRowLimit = 6;

// What one row draws: the blue line of its values and the bounds it used.
struct SeriesRow {
    PlotPicture picture;
    double low = 0.0;
    double high = 0.0;
};

// The rows of the mode (the engine's bounds computed first) and the number
// of points the time labels count.
std::vector<SeriesRow> seriesRows(DynamicsEngine& engine, SeriesWindowMode mode, long& count);

class CSeriesWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the view's data again: rows laid out for the current dimension,
    // drawn, and in the data mode the exponent computed again.
    void refresh();
    // "更新".
    void redraw();

    SeriesWindowMode mode() const { return mode_; }
    int rowCount() const { return rowCount_; }
    CPlotFrame* plotFrame(int row) const { return frames_.at(static_cast<std::size_t>(row)); }
    QString topValue(int row) const;
    QString bottomValue(int row) const;
    QString timeLabel(int k) const;
    // The exponent panel of the data mode; null in the orbit mode.
    CSeriesExponentPanel* exponentPanel() const { return panel_; }

protected:
    CSeriesWindow(const WindowLinks& links, QWidget* owner, SeriesWindowMode mode);

private:
    void layOut();
    void draw();

    const WindowLinks links_;
    SeriesWindowMode mode_;
    int rowCount_ = 0;
    std::array<CPlotFrame*, kSeriesRowLimit> frames_{};
    std::array<QLabel*, kSeriesRowLimit> names_{};
    std::array<QLabel*, kSeriesRowLimit> tops_{};
    std::array<QLabel*, kSeriesRowLimit> bottoms_{};
    std::array<QLabel*, 3> times_{};
    std::array<QPushButton*, 3> buttons_{};
    CSeriesExponentPanel* panel_ = nullptr;
};

// Window kind 4: the orbit's components.
class CSeriesDataWindow : public CSeriesWindow {
    Q_OBJECT
public:
    CSeriesDataWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);
};

// Window kind 11: the series of the data file with its exponent.
class CAnalysedSeriesWindow : public CSeriesWindow {
    Q_OBJECT
public:
    CAnalysedSeriesWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);
};
