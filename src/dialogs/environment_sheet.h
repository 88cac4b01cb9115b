// The environment property sheet "環境設定" of a view: its pages edit the
// view's environment (colours, floor, orbit, axes) and the axis arrangement
// of its model, and each change is shown at once. Cancel gives the
// environment back exactly as the sheet found it; "保存" makes it the
// program's default environment in the settings file.
#pragma once

#include "dialogs/environment_pages.h"
#include "dialogs/modeless_property_sheet.h"

class CEnvironmentSheet : public CModelessPropertySheet {
    Q_OBJECT
public:
    // applyChange shows a change of the environment on the views; save
    // writes the environment and the model's axis arrangement as the
    // program's default (and reports a failure itself). All must outlive
    // the sheet.
    CEnvironmentSheet(DynamicsEngine& engine, EnvironmentSettings& environment,
                      std::function<void(EnvironmentChange)> applyChange, std::function<void()> save,
                      QWidget* parent = nullptr);
    CEnvironmentSheet(const WindowLinks& links, QWidget* owner);

    static QString titleFor(std::optional<int> viewNumber);
    // The model may have changed: the pages that depend on it follow.
    void refresh();

    // Opens the colour dialog; tests put a scripted chooser here.
    ColourChooser chooseColour;

protected:
    void applyPages() override;
    void savePages() override;
    bool acceptPages() override;
    void cancelPages() override;

private:
    void changed(EnvironmentChange kind);
    void applyAllKinds();

    DynamicsEngine& engine_;
    EnvironmentSettings& environment_;
    EnvironmentSettings backup_;
    std::function<void(EnvironmentChange)> applyChange_;
    std::function<void()> save_;
    DisplayColourPage* colourPage_ = nullptr;
    AxisSettingPage* axisPage_ = nullptr;
    AxisArrangementPage* arrangementPage_ = nullptr;
};
