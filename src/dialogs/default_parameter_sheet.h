// The default parameter sheet "デフォルトパラメータの設定" of a view: its
// pages edit the view's model settings other than the equations in the
// edited record, and applying makes them the record in use and computes the
// orbit. Cancel returns the view to the settings it had when the sheet
// opened, even after "適用"; "保存" applies and writes the settings into the
// model file, so they become the model's defaults.
#pragma once

#include "dialogs/configuration_pages.h"
#include "dialogs/modeless_property_sheet.h"
#include "document/analysis_window.h"
#include "models/model_record.h"
#include "settings/environment_settings.h"

#include <functional>
#include <optional>

class CDefaultParameterSheet : public CModelessPropertySheet {
    Q_OBJECT
public:
    // engine: the view's engine. recompute: loads the record in use's
    // parameters, computes the orbit and asks the view for a rebuild of at
    // least that level. currentPosition: the position of the view's object
    // transform. All must outlive the sheet.
    CDefaultParameterSheet(DynamicsEngine& engine, Reporter& reporter,
                           std::function<void(RebuildLevel)> recompute,
                           std::function<Vector3()> currentPosition, QWidget* parent = nullptr);
    CDefaultParameterSheet(const WindowLinks& links, QWidget* owner);

    static QString titleFor(std::optional<int> viewNumber);
    // The pages keep what the user typed.
    void refresh() {}

protected:
    void applyPages() override;
    void savePages() override;
    bool acceptPages() override;
    void cancelPages() override;

private:
    // The shown pages into the edited record, in page order; false at the
    // first page that refuses (it is brought to the front).
    bool storeShownPages();
    // The edited record becomes the record in use, and the orbit follows.
    void useEditedRecord(RebuildLevel level);

    DynamicsEngine& engine_;
    Reporter& reporter_;
    std::function<void(RebuildLevel)> recompute_;
    ModelRecord backup_;
    ConfigurationPage* pages_[3] = {};
};
