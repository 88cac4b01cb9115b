// The three pages of the default parameter sheet, each over a view's edited
// model record: "基本設定" (initial values and sampling), "パラメータ設定"
// (parameter values and their ranges) and "提示設定" (size and position of
// the attractor and of the phase space). A page fills its edits from the
// edited record, and stores them back only when every edit holds a number in
// its accepted range; a refused edit is reported and the record is left as
// it was. "現在値を代入" takes values of the record in use (or of the view's
// object transform) into the edits.
#pragma once

#include "core/vector3.h"

#include <QWidget>

#include <functional>

class ModelRecord;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Reporter;

class ConfigurationPage : public QWidget {
    Q_OBJECT
public:
    // edited: the record the page fills from and stores into; inUse: where
    // "現在値を代入" takes values from. Both must outlive the page.
    ConfigurationPage(ModelRecord& edited, const ModelRecord& inUse, Reporter& reporter,
                      QWidget* parent = nullptr);

    // The edits from the edited record.
    virtual void fill() = 0;
    // The edits into the edited record; false, with the record unchanged and
    // the refused edit focused, when an edit is refused.
    virtual bool store() = 0;

signals:
    // An edit or choice of the page changed.
    void changed();

protected:
    // A number edit of the page whose changes are reported.
    QLineEdit* numberEdit(const QString& name);
    // The number of the edit if it lies in [minimum, maximum]; else reported.
    bool take(QLineEdit* edit, double minimum, double maximum, double& value);
    bool takeInt(QLineEdit* edit, int minimum, int maximum, int& value);

    ModelRecord& edited_;
    const ModelRecord& inUse_;
    Reporter& reporter_;
};

// "基本設定".
class BasicConfigurationPage : public ConfigurationPage {
    Q_OBJECT
public:
    BasicConfigurationPage(ModelRecord& edited, const ModelRecord& inUse, Reporter& reporter,
                           QWidget* parent = nullptr);
    void fill() override;
    bool store() override;

private:
    void showInitialValues(const ModelRecord& from);
    void showSampling(const ModelRecord& from);

    QGroupBox* initialGroup_ = nullptr;
    QLabel* initialLabels_[6] = {};
    QLineEdit* initialEdits_[6] = {};
    QPushButton* takeInitial_ = nullptr;
    QLineEdit* points_ = nullptr;
    QRadioButton* fixed_ = nullptr;
    QRadioButton* automatic_ = nullptr;
    QLineEdit* interval_ = nullptr;
    QComboBox* accuracy_ = nullptr;
};

// "パラメータ設定".
class ParameterConfigurationPage : public ConfigurationPage {
    Q_OBJECT
public:
    ParameterConfigurationPage(ModelRecord& edited, const ModelRecord& inUse, Reporter& reporter,
                               QWidget* parent = nullptr);
    void fill() override;
    bool store() override;

private:
    QLabel* letters_[10] = {};
    QLabel* tildes_[10] = {};
    QLineEdit* values_[10] = {};
    QLineEdit* minima_[10] = {};
    QLineEdit* maxima_[10] = {};
    QPushButton* takeCurrent_ = nullptr;
};

// "提示設定". currentPosition gives the view's object transform position.
class DisplayConfigurationPage : public ConfigurationPage {
    Q_OBJECT
public:
    DisplayConfigurationPage(ModelRecord& edited, const ModelRecord& inUse, Reporter& reporter,
                             std::function<Vector3()> currentPosition, QWidget* parent = nullptr);
    void fill() override;
    bool store() override;

private:
    void showPhaseSpacePosition(const ModelRecord& from);

    std::function<Vector3()> currentPosition_;
    QLineEdit* displayScale_ = nullptr;
    QLineEdit* displayPosition_[3] = {};
    QLineEdit* phaseSize_ = nullptr;
    QLineEdit* phasePosition_[3] = {};
};
