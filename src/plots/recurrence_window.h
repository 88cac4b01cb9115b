// The recurrence plot window "リカレンスプロット" of a view: the distances
// between N points sampled from the view's orbit as a colour image
// (logarithmic scale above the diagonal, linear below, with a legend strip
// for each), beside it the same matrix thresholded at the recurrence radius
// in black and white, and under them the recurrence quantification measures
// over every point of the orbit with the threshold control (a radius eps or
// a target recurrence rate, and the Theiler window W). Both computations run
// through the job runner. The images are kept off-screen, so a window that
// was covered shows them again; resizing changes the plot side s (N = s - 4
// on the next "描画") and clears the plot until then.
#pragma once

#include "document/analysis_window.h"
#include "dynamics/recurrence.h"
#include "dynamics/recurrence_quantification.h"

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QString>

#include <array>
#include <optional>

class CJobStrip;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The initial number of sampled points per axis.
inline constexpr int kRecurrenceInitialSize = 500;

// The colour image of a matrix: the recurrence image, with the legends'
// colours of value (256 m) div N along m.
QImage recurrenceImage(const RecurrenceMatrix& matrix);
QImage thresholdImage(const RecurrenceMatrix& matrix, double epsilon, int theilerWindow);
// "RR 0.0500  DET …" in the order RR DET L Lmax ENTR LAM TT, then eps.
QString recurrenceMeasuresText(const RecurrenceQuantities& q);

// A frame that paints a kept image, white where it has none: at its top-left
// inner corner, or with bottomUp at its bottom-left one, where the recurrence
// images start (sampled point j runs bottom to top).
class CImageFrame : public QFrame {
    Q_OBJECT
public:
    explicit CImageFrame(bool bottomUp, QWidget* parent = nullptr);
    void setImage(QImage image);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool bottomUp_;
    QImage image_;
};

class CRecurrenceWindow : public QDialog {
    Q_OBJECT
public:
    CRecurrenceWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);

    // The view's orbit changed: the matrix and the measures again.
    void refresh();
    // "描画": N := s - 4, the matrix computed and drawn.
    void drawPlot();
    // "測定" (and a changed threshold): the measures over every point.
    void measure();

    int plotSide() const { return side_; }
    int sampleSize() const { return size_; }
    CImageFrame* plotFrame() const { return plot_; }
    CImageFrame* thresholdFrame() const { return threshold_; }
    QString measuresText() const;
    const std::optional<RecurrenceQuantities>& measures() const { return measures_; }
    bool hasMatrix() const { return !matrix_.distances.empty(); }
    QLineEdit* thresholdEdit() const { return thresholdEdit_; }
    QRadioButton* radiusChoice() const { return radiusChoice_; }
    QSpinBox* theilerEdit() const { return theilerEdit_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    // The twelve labels for an image of extent - 4 pixels per axis.
    void placeLabels(int extent);
    void showMatrix();
    void showThreshold();
    void clearPlot();

    const WindowLinks links_;
    int side_ = kRecurrenceInitialSize + 4;
    int size_ = kRecurrenceInitialSize;
    bool built_ = false;
    RecurrenceMatrix matrix_;
    std::optional<RecurrenceQuantities> measures_;
    int measuredTheiler_ = 1;  // the Theiler window of measures_
    CImageFrame* plot_ = nullptr;
    CImageFrame* topStrip_ = nullptr;
    CImageFrame* rightStrip_ = nullptr;
    CImageFrame* threshold_ = nullptr;
    std::array<QLabel*, 12> labels_{};
    QLabel* thresholdTitle_ = nullptr;
    QPushButton* drawButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    CJobStrip* plotStrip_ = nullptr;
    QLabel* measuresLabel_ = nullptr;
    QRadioButton* radiusChoice_ = nullptr;
    QRadioButton* rateChoice_ = nullptr;
    QLineEdit* thresholdEdit_ = nullptr;
    QLabel* theilerLabel_ = nullptr;
    QSpinBox* theilerEdit_ = nullptr;
    QPushButton* measureButton_ = nullptr;
    CJobStrip* measureStrip_ = nullptr;
};
