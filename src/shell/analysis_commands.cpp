#include "shell/analysis_commands.h"

#include "document/command_rules.h"
#include "document/user_document.h"
#include "shell/command_ids.h"
#include "shell/command_router.h"
#include "settings/environment_settings.h"

namespace {

void startModelAnalysisCommand(CUser& document, Reporter& reporter, QWidget* dialogParent,
                               bool singleView)
{
    document.prepareAnalysisStart(DataSource::Model, singleView);
    runModelAnalysisStart(document, reporter, dialogParent);
}

}  // namespace

ModelChoice runModelAnalysisStart(CUser& document, Reporter& reporter, QWidget* dialogParent)
{
    const int view = document.activeView;
    ViewSlot& slot = document.activeSlot();
    // A view without a model has nothing to bind again after Cancel.
    const bool wasBound = slot.engine.binding.bound == 1;

    ModelAnalysisHooks hooks;
    hooks.releaseBinding = [&slot] { slot.engine.Release(); };
    hooks.bindModel = [&document, view] { return document.bindModel(view); };
    hooks.computeOrbit = [&document, view] { document.computeViewOrbit(view); };
    hooks.startView = [&document, view] { document.startView(view); };
    hooks.restoreBinding = [&document, view, wasBound] {
        if (wasBound)
            document.rebindRecordInUse(view);
    };
    return startModelAnalysis(slot.engine, document.modelListPath,
                              document.libraryPaths.programFolder, reporter, hooks, dialogParent);
}

void registerAnalysisCommands(CommandRouter& router, CUser& document, Reporter& reporter,
                              QWidget* dialogParent)
{
    router.setHandler(CommandId::ModelAnalysis, [&document, &reporter, dialogParent] {
        startModelAnalysisCommand(document, reporter, dialogParent, false);
    });
    router.setHandler(CommandId::ModelAnalysisSingleView, [&document, &reporter, dialogParent] {
        startModelAnalysisCommand(document, reporter, dialogParent, true);
    });

    router.setHandler(CommandId::SamplingSetting, [&document] {
        document.openOnTargetViews(WindowKind::SamplingInitialValue);
    });
    router.setUpdateRule(CommandId::SamplingSetting, [&document] {
        const CommandUpdate update = windowRule(
            document, [](const ViewSlot& slot) { return slot.environment.dataSource == DataSource::Model; },
            static_cast<int>(WindowKind::SamplingInitialValue));
        return CommandState{update.enabled, update.checked};
    });
}
