#include "dialogs/model_analysis_start.h"

#include "dialogs/model_list_dialog.h"
#include "dynamics/dynamics_engine.h"

ModelChoice chooseModel(DynamicsEngine& engine, std::string& listPath,
                        const std::string& programFolder, Reporter& reporter,
                        const std::function<void()>& releaseBinding, QWidget* parent)
{
    const ModelRecord kept = engine.recordInUse;
    CModelListDialog dialog(engine.recordInUse, listPath, programFolder, reporter, releaseBinding,
                            parent);
    if (dialog.exec() != QDialog::Accepted) {
        engine.recordInUse = kept;
        return ModelChoice::Cancelled;
    }
    return dialog.closingMode() == CModelListDialog::ClosedForParameterSettings
               ? ModelChoice::ChosenForParameterSettings
               : ModelChoice::Chosen;
}

ModelChoice startModelAnalysis(DynamicsEngine& engine, std::string& listPath,
                               const std::string& programFolder, Reporter& reporter,
                               const ModelAnalysisHooks& hooks, QWidget* parent)
{
    bool released = false;
    const auto release = [&released, &hooks] {
        released = true;
        if (hooks.releaseBinding)
            hooks.releaseBinding();
    };
    const ModelChoice choice = chooseModel(engine, listPath, programFolder, reporter, release, parent);
    if (choice == ModelChoice::Cancelled) {
        if (released && hooks.restoreBinding)
            hooks.restoreBinding();
        return choice;
    }
    engine.recordEdited = engine.recordInUse;
    if (hooks.bindModel && !hooks.bindModel())
        return choice;
    if (choice == ModelChoice::Chosen) {
        if (hooks.startView)
            hooks.startView();
        return choice;
    }
    if (hooks.computeOrbit)
        hooks.computeOrbit();
    if (hooks.openParameterSheet)
        hooks.openParameterSheet();
    return choice;
}
