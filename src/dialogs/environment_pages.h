// The three pages of the environment property sheet. "表示カラー" and
// "軸設定" edit a view's EnvironmentSettings, "軸配置" the arrangement of a
// four-variable model's axes in its record in use. Every control writes its
// field the moment it changes and then reports what kind of change it was,
// so the view shows it at once.
#pragma once

#include "document/user_document.h"

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class DynamicsEngine;
class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

// Asks the user for a colour, starting from `initial`; with `alpha` the
// colour's alpha is chosen too. Empty when the user cancelled.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, bool alpha)>;
// A control changed the record: the change of that kind is to be shown.
using ChangeSink = std::function<void(EnvironmentChange)>;

// A page of environment fields: each control is bound to one field, which it
// shows on load(), writes when it changes and gets back on restore().
class EnvironmentPage : public QWidget {
    Q_OBJECT
public:
    EnvironmentPage(EnvironmentSettings& environment, const ColourChooser& chooseColour,
                    ChangeSink changed, QWidget* parent = nullptr);

    // Every control from the record.
    void load();
    // The page's fields of the record as they are in `from`; the controls
    // are not touched (load() follows).
    void restore(const EnvironmentSettings& from);

protected:
    using IntField = int EnvironmentSettings::*;
    using DoubleField = double EnvironmentSettings::*;
    using ColourField = float (EnvironmentSettings::*)[4];

    // A check box for a 0/1 flag.
    void bindFlag(QCheckBox* box, IntField field, EnvironmentChange kind);
    // Radio buttons whose ids are the field's values.
    void bindChoice(QButtonGroup* group, IntField field, EnvironmentChange kind);
    // A spin box showing the field plus `offset`.
    void bindCount(QSpinBox* spin, IntField field, int offset, EnvironmentChange kind);
    void bindLength(QDoubleSpinBox* spin, DoubleField field, EnvironmentChange kind);
    // A spin box showing the colour's alpha in tenths.
    void bindAlphaTenths(QSpinBox* spin, ColourField field, EnvironmentChange kind);
    // A button showing the colour as a swatch that opens the colour chooser.
    QPushButton* colourButton(ColourField field, bool alpha, EnvironmentChange kind,
                              const char* name);

    EnvironmentSettings& environment_;

private:
    void report(EnvironmentChange kind);

    const ColourChooser& chooseColour_;
    ChangeSink changed_;
    std::vector<std::function<void()>> loaders_;
    std::vector<std::function<void(const EnvironmentSettings&)>> restorers_;
};

// "表示カラー": background, floor and orbit.
class DisplayColourPage : public EnvironmentPage {
    Q_OBJECT
public:
    DisplayColourPage(EnvironmentSettings& environment, const ColourChooser& chooseColour,
                      ChangeSink changed, QWidget* parent = nullptr);
};

// "軸設定": the axes' type, colours, length, ticks, box, back wall and lattice.
class AxisSettingPage : public EnvironmentPage {
    Q_OBJECT
public:
    AxisSettingPage(EnvironmentSettings& environment, const ColourChooser& chooseColour,
                    ChangeSink changed, QWidget* parent = nullptr);
    // The back wall exists only for three variables.
    void showDimension(int dimension);

private:
    QCheckBox* backFlag_ = nullptr;
};

// "軸配置": how a four-variable model's axes are arranged. Changes are made
// in the record in use and are not undone by the sheet's cancel.
class AxisArrangementPage : public QWidget {
    Q_OBJECT
public:
    AxisArrangementPage(DynamicsEngine& engine, ChangeSink changed, QWidget* parent = nullptr);
    // The controls from the record in use, enabled only for four variables.
    void load();
    // For five variables or more only the radial arrangement exists.
    void read();

private:
    DynamicsEngine& engine_;
    ChangeSink changed_;
    QButtonGroup* arrangement_ = nullptr;
    QButtonGroup* colourAxis_ = nullptr;
};
