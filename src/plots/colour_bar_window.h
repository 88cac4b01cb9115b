// The colour bar window "ColorBar" of a view: the legend of the view's
// coloured presentation, a vertical strip through the colour scale from blue
// at the bottom to red at the top with the value range of the view's last
// colouring beside it (top, middle, bottom). It stretches with the window and
// follows the range as the view recolours. A flat range (minimum = maximum)
// shows the one colour the orbit is drawn in and the one value. Its context
// menu saves the window as a PNG image.
#pragma once

#include "document/analysis_window.h"
#include "plots/plot_frame.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <optional>

class QLabel;

// The strip of a frame of width x height pixels: one horizontal line per row
// from the bottom (value 0, blue) to the top (red end); every row in the
// colour of 0 when the range is flat.
PlotPicture colourBarPicture(int width, int height, bool flatRange);

// The strip's frame (width Ws, height Hs) and the three labels of a client
// area of w x h pixels.
struct ColourBarLayout {
    QRect strip;
    std::array<QRect, 3> labels;
};
ColourBarLayout colourBarLayout(int width, int height);

class CColourBarWindow : public QDialog {
    Q_OBJECT
public:
    CColourBarWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);

    // Draws the view's current range.
    void refresh();
    QString label(int k) const;
    CPlotFrame* strip() const { return strip_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Redraws when the view's colour range changed since the last drawing.
    void followRange();

    const WindowLinks links_;
    CPlotFrame* strip_ = nullptr;
    std::array<QLabel*, 3> labels_{};
    double shownMin_ = 0.0;
    double shownMax_ = 0.0;
    QTimer follow_;
};
