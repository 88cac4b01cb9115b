// The gap and parallax dialog of the up/down stereo mode ("CrystalEYES設定
// ダイアログ"): the blank gap in pixels between the upper and lower view and
// the half eye separation, each with a slider and an edit. Every change is
// passed on at once through valuesChanged, so the cameras follow while the
// dialog is open; cancel keeps what was already passed on.
#pragma once

#include <QDialog>

class QLineEdit;
class QSlider;

class CGapParallaxDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr double maximumGap = 30.0;
    static constexpr double maximumParallax = 1.0;
    static constexpr int sliderSteps = 1000;

    CGapParallaxDialog(double crystalGap, double eyeOffset, QWidget* parent = nullptr);

    double crystalGap() const { return gap_.value; }
    double eyeOffset() const { return parallax_.value; }

signals:
    void valuesChanged(double crystalGap, double eyeOffset);

private:
    // One value with its slider and edit.
    struct Control {
        double value = 0.0;
        double maximum = 0.0;
        QSlider* slider = nullptr;
        QLineEdit* edit = nullptr;
    };

    QWidget* createGroup(Control& control, const QString& title, const QString& maximumLabel,
                         const QString& name);
    void sliderMoved(Control& control, int position);
    void applyEdits();
    static void showValue(Control& control);
    static void placeSlider(Control& control);

    Control gap_;
    Control parallax_;
};
