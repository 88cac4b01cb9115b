// The reconstruction window "再構成次元、遅れ時間τの設定" of a time-series
// view: the embedding dimension (3 to 6) and the delay in samples, by slider
// or typed, with the reconstruction run again at every change. The window
// also shows the embedding advice for the view's series (the delay from the
// average mutual information, the dimension from the false nearest
// neighbours), computed through the job runner when it opens, and the button
// "推奨値を使う" that takes it. An embedding that leaves fewer than two
// vectors is said in the window and shows no orbit.
#pragma once

#include "document/analysis_window.h"
#include "dynamics/embedding_advice.h"

#include <QDialog>
#include <QString>

#include <optional>

class CJobStrip;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// The dimensions the window offers.
inline constexpr int kLowestReconstructionDimension = 3;
inline constexpr int kHighestReconstructionDimension = 6;

// The largest delay the slider reaches: the number of values divided by the
// dimension, at most 100; 0 when the series is shorter than the dimension.
int reconstructionMaxDelay(int valueCount, int dimension);
// Slider position 0..1000 of a delay, and the delay (at least 1) of a
// position. With maxDelay 0 the slider has no range: position 0, delay 1.
int delaySliderPosition(int delay, int maxDelay);
int delayOfSliderPosition(int position, int maxDelay);

class CReconstructionWindow : public QDialog {
    Q_OBJECT
public:
    CReconstructionWindow(const WindowLinks& links, QWidget* owner);
    static QString titleFor(std::optional<int> viewNumber);

    // Shows the record's dimension and delay again.
    void refresh() { showRecord(); }

    // A dimension list item: the dimension item + 3, reconstructed.
    void chooseDimension(int item);
    // The slider moved: the delay of its position, reconstructed.
    void moveSlider(int position);
    // "適用": the typed delay, a whole number of at least 1, reconstructed;
    // false (and nothing changed) when the text is refused.
    bool apply();
    // OK: as "適用", then hidden.
    void accept() override;
    // "推奨値を使う": the advised delay and the advised dimension cut to 3..6.
    void useAdvice();

    int maxDelay() const { return maxDelay_; }
    QComboBox* dimensionList() const { return dimensionList_; }
    QSlider* delaySlider() const { return delaySlider_; }
    QLineEdit* delayEdit() const { return delayEdit_; }
    QPushButton* useAdviceButton() const { return useAdviceButton_; }
    CJobStrip* jobStrip() const { return strip_; }
    QString adviceText() const;
    // What the window says about the embedding; empty while it is usable.
    QString embeddingMessage() const;
    // The advice has been computed (whether or not something was found).
    bool hasAdvice() const { return advice_.has_value(); }

private:
    void showRecord();
    void showAdvice();
    void startAdvice();
    // The reconstruction with the record's dimension and delay.
    void reconstruct();

    const WindowLinks links_;
    int maxDelay_ = 0;
    std::optional<EmbeddingAdvice> advice_;
    QComboBox* dimensionList_ = nullptr;
    QSlider* delaySlider_ = nullptr;
    QLineEdit* delayEdit_ = nullptr;
    QLabel* adviceDelay_ = nullptr;
    QLabel* adviceDimension_ = nullptr;
    QPushButton* useAdviceButton_ = nullptr;
    CJobStrip* strip_ = nullptr;
    QLabel* message_ = nullptr;
};
