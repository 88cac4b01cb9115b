#include "shell/model_start.h"

#include "document/user_document.h"
#include "models/model_list.h"
#include "models/reporter.h"
#include "settings/environment_settings.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// The display basis that draws a four-variable model on three Cartesian
// axes with the remaining component as colour.
constexpr int kColourAxisArrangement = 3;

std::string listedNames(const std::vector<ModelListEntry>& entries)
{
    std::string names;
    for (const ModelListEntry& entry : entries)
        names += (names.empty() ? "" : ", ") + entry.name;
    return names;
}

}  // namespace

bool startModelOnView(CUser& document, int view, const ModelStart& start, Reporter& reporter)
{
    const std::string listPath = document.currentLibraryPaths().listPath;
    std::vector<ModelListEntry> entries;
    if (!readListEntries(listPath, entries)) {
        reporter.showMessage(QCoreApplication::translate("ModelStart", "モデルリスト「%1」を開けません。")
                                 .arg(fromStd(listPath))
                                 .toStdString());
        return false;
    }
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const ModelListEntry& e) { return e.name == start.modelName; });
    if (entry == entries.end()) {
        reporter.showMessage(
            QCoreApplication::translate("ModelStart",
                                        "モデル「%1」はモデルリスト「%2」にありません。\nリストのモデル: %3")
                .arg(fromStd(start.modelName), fromStd(listPath), fromStd(listedNames(entries)))
                .toStdString());
        return false;
    }

    ViewSlot& slot = document.views[static_cast<std::size_t>(view)];
    DynamicsEngine& engine = slot.engine;
    ModelRecord record = engine.recordInUse;
    record.ModelFileDir = entry->resolvedPath;
    if (!record.Read(reporter))
        return false;
    record.ModelName = entry->name;
    if (start.colourAxis && record.Dimension == 4) {
        record.Basis_Axis_Mode = kColourAxisArrangement;
        record.Color_Axis_Number = *start.colourAxis;
    }
    engine.recordEdited = record;

    if (!std::filesystem::exists(document.currentLibraryPaths().libraryPath)) {
        const CompileResult built = document.compileModelLibrary();
        if (!built.ok) {
            reporter.showMessage(
                QCoreApplication::translate("ModelStart", "モデルライブラリを作れませんでした。\n%1")
                    .arg(fromStd(built.diagnostics))
                    .toStdString());
            return false;
        }
    }
    if (!document.bindModel(view))
        return false;

    EnvironmentSettings& environment = slot.environment;
    environment.dataSource = DataSource::Model;
    environment.presentationMode = start.presentationMode;
    if (start.presentationMode == PresentationMode::LocalLyapunov)
        environment.perturbation = StateVector{1e-8, 0.0, 0.0, 0.0, 0.0, 0.0};
    document.computeViewOrbit(view);
    if (engine.orbitReady != 1 && !document.jobs.isActive(view, JobKind::Orbit)) {
        reporter.showMessage(
            QCoreApplication::translate("ModelStart", "モデル「%1」の軌道を計算できませんでした。")
                .arg(fromStd(record.ModelName))
                .toStdString());
        return false;
    }
    slot.placeObjectsAtDisplayPosition();
    return true;
}
