// The data file dialog "時系列データファイルの選択" of the time-series
// analysis: the data file, how its items are laid out (data values only, or a
// time value and a data value per line), whether the values are integers or
// reals, and the first five values read with those choices. A file chosen
// with "選択" has its layout guessed from its text and pre-selected; the user
// can still change every choice. Choices are written to the view's record in
// use at once, as the user makes them; the caller reads the whole file after
// OK.
#pragma once

#include <QDialog>
#include <QString>

class DynamicsEngine;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class Reporter;

// How many values the sample list shows.
inline constexpr int kSeriesSampleCount = 5;

class CSeriesFileDialog : public QDialog {
    Q_OBJECT
public:
    // engine: the view's engine, whose record in use the dialog edits; the
    // reader's failures (an unopenable file) go to reporter. Both must
    // outlive the dialog.
    CSeriesFileDialog(DynamicsEngine& engine, Reporter& reporter, QWidget* parent = nullptr);

    // "選択": the platform's file dialog over the current path.
    void browse();
    // A chosen file: the path into the record, its layout guessed from its
    // text into the record and the radios, the sample list read again.
    void choosePath(const QString& path);
    // OK: the radios into the record once more, then closed with OK.
    void accept() override;

    QString path() const;
    // The sample list's lines, top to bottom.
    QStringList sampleLines() const;
    QRadioButton* timeColumnChoice() const { return pairsChoice_; }
    QRadioButton* realDataChoice() const { return realDataChoice_; }
    QRadioButton* realTimeChoice() const { return realTimeChoice_; }
    QGroupBox* timeFormatGroup() const { return timeGroup_; }

private:
    // The record's layout into the radios.
    void showLayout();
    // The radios into the record; the time format group follows the layout.
    void takeLayout();
    // The first five values of the file read with the record's layout.
    void fillSamples();

    DynamicsEngine& engine_;
    Reporter& reporter_;
    QLabel* pathLabel_ = nullptr;
    QRadioButton* dataOnlyChoice_ = nullptr;
    QRadioButton* pairsChoice_ = nullptr;
    QRadioButton* integerDataChoice_ = nullptr;
    QRadioButton* realDataChoice_ = nullptr;
    QGroupBox* timeGroup_ = nullptr;
    QRadioButton* integerTimeChoice_ = nullptr;
    QRadioButton* realTimeChoice_ = nullptr;
    QListWidget* samples_ = nullptr;
};
