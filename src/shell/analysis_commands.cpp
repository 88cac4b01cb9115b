#include "shell/analysis_commands.h"

#include "dialogs/series_file_dialog.h"
#include "document/command_rules.h"
#include "document/user_document.h"
#include "shell/command_ids.h"
#include "shell/command_router.h"
#include "models/reporter.h"
#include "settings/environment_settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

void startModelAnalysisCommand(CUser& document, Reporter& reporter, QWidget* dialogParent,
                               bool singleView)
{
    document.prepareAnalysisStart(DataSource::Model, singleView);
    runModelAnalysisStart(document, reporter, dialogParent);
}

void startSeriesAnalysisCommand(CUser& document, Reporter& reporter, QWidget* dialogParent,
                                bool singleView)
{
    document.prepareAnalysisStart(DataSource::Series, singleView);
    runSeriesAnalysisStart(document, reporter, dialogParent);
}

}  // namespace

bool runSeriesAnalysisStart(CUser& document, Reporter& reporter, QWidget* dialogParent)
{
    const int view = document.activeView;
    DynamicsEngine& engine = document.activeSlot().engine;
    CSeriesFileDialog dialog(engine, reporter, dialogParent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (!document.readViewSeries(view)) {
        // An unopenable file has been reported by the reader.
        if (QFileInfo(dialog.path()).isReadable())
            reporter.showMessage(QCoreApplication::translate(
                                     "SeriesAnalysis", "データファイル「%1」に読める値がありません。")
                                     .arg(dialog.path())
                                     .toStdString());
        return false;
    }
    document.startView(view);
    return true;
}

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
    hooks.openParameterSheet = [&document, view] {
        document.openPropertySheet(kDefaultParameterSheetEntry, view);
    };
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
    router.setHandler(CommandId::SeriesAnalysis, [&document, &reporter, dialogParent] {
        startSeriesAnalysisCommand(document, reporter, dialogParent, false);
    });
    router.setHandler(CommandId::SeriesAnalysisSingleView, [&document, &reporter, dialogParent] {
        startSeriesAnalysisCommand(document, reporter, dialogParent, true);
    });

    // The two property sheets open for the active view.
    router.setHandler(CommandId::DefaultParameters, [&document] {
        document.openPropertySheet(kDefaultParameterSheetEntry, document.activeView);
    });
    router.setUpdateRule(CommandId::DefaultParameters, [&document] {
        const ViewSlot& slot = document.activeSlot();
        return CommandState{slot.engine.orbitReady == 1 && slot.environment.dataSource == DataSource::Model,
                            std::nullopt};
    });
    router.setHandler(CommandId::EnvironmentSetting, [&document] {
        document.openPropertySheet(kEnvironmentSheetEntry, document.activeView);
    });

    // The tools items that open a view's window: on the active view, or on
    // every shown view under "ALL View", wherever its orbit is ready.
    struct ToolWindow {
        int id;
        WindowKind kind;
    };
    const ToolWindow tools[] = {
        {CommandId::SamplingSetting, WindowKind::SamplingInitialValue},
        {CommandId::LyapunovSpectrum, WindowKind::LyapunovSpectrum},
        {CommandId::SpectrumResponse, WindowKind::SpectrumResponse},
        {CommandId::LyapunovDimension, WindowKind::LyapunovDimension},
        {CommandId::DimensionResponse, WindowKind::DimensionResponse},
        {CommandId::EquationDisplay, WindowKind::ModelEquation},
        {CommandId::ColourBar, WindowKind::ColourBar},
        {CommandId::ReconstructionSetting, WindowKind::ReconstructionDelay},
        {CommandId::AnalysisSeriesDisplay, WindowKind::AnalysedSeriesData},
        {CommandId::SeriesDisplay, WindowKind::SeriesData},
        {CommandId::RecurrencePlot, WindowKind::RecurrencePlot},
        {CommandId::ParameterScan, WindowKind::ParameterScan},
        {CommandId::ParameterSetting, WindowKind::ParameterSetting},
    };
    for (const ToolWindow& tool : tools) {
        const WindowKind kind = tool.kind;
        router.setHandler(tool.id, [&document, kind] { document.openOnTargetViews(kind); });
        router.setUpdateRule(tool.id, [&document, kind] {
            const CommandUpdate update = windowRule(
                document,
                // The rule asks about the active view.
                [&document, kind](const ViewSlot&) {
                    return document.mayOpenWindow(kind, document.activeView);
                },
                static_cast<int>(kind));
            return CommandState{update.enabled, update.checked};
        });
    }
}
