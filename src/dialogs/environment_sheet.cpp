#include "dialogs/environment_sheet.h"

#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"
#include "settings/profile_file.h"

#include <QColorDialog>
#include <QCoreApplication>

namespace {

std::optional<QColor> colourFromDialog(QWidget* parent, const QColor& initial, bool alpha)
{
    QColorDialog::ColorDialogOptions options;
    if (alpha)
        options |= QColorDialog::ShowAlphaChannel;
    const QColor chosen = QColorDialog::getColor(initial, parent, QString(), options);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

// The environment and the model's axis arrangement into section
// "EnvironmentData" of the program's settings file, every other line of the
// file kept.
void saveDefaultEnvironment(const CUser& document, const EnvironmentSettings& environment,
                            const ModelRecord& record, Reporter& reporter)
{
    ProfileFile store(document.settingsFile);
    store.setProfileInt(kEnvironmentSection, "Basis_Axis_Mode", record.Basis_Axis_Mode);
    store.setProfileInt(kEnvironmentSection, "Color_Axis_Number", record.Color_Axis_Number);
    if (!environment.save(store))
        reporter.showMessage(QCoreApplication::translate("CEnvironmentSheet",
                                                         "設定ファイル「%1」に書き込めませんでした。")
                                 .arg(QString::fromStdString(store.path().string()))
                                 .toStdString());
}

}  // namespace

CEnvironmentSheet::CEnvironmentSheet(DynamicsEngine& engine, EnvironmentSettings& environment,
                                     std::function<void(EnvironmentChange)> applyChange,
                                     std::function<void()> save, QWidget* parent)
    : CModelessPropertySheet(parent),
      chooseColour([this](const QColor& initial, bool alpha) { return colourFromDialog(this, initial, alpha); }),
      engine_(engine), environment_(environment), backup_(environment),
      applyChange_(std::move(applyChange)), save_(std::move(save))
{
    setWindowTitle(titleFor(std::nullopt));
    const auto sink = [this](EnvironmentChange kind) { changed(kind); };
    colourPage_ = new DisplayColourPage(environment_, chooseColour, sink);
    axisPage_ = new AxisSettingPage(environment_, chooseColour, sink);
    arrangementPage_ = new AxisArrangementPage(engine_, sink);
    addPage(colourPage_, tr("表示カラー"));
    addPage(axisPage_, tr("軸設定"));
    addPage(arrangementPage_, tr("軸配置"));
    refresh();
}

CEnvironmentSheet::CEnvironmentSheet(const WindowLinks& links, QWidget* owner)
    : CEnvironmentSheet(
          links.engine, links.environment,
          [&document = links.document](EnvironmentChange kind) { document.applyEnvironmentChange(kind); },
          [&document = links.document, &environment = links.environment, &engine = links.engine,
           &reporter = links.reporter] {
              saveDefaultEnvironment(document, environment, engine.recordInUse, reporter);
          },
          owner)
{
}

QString CEnvironmentSheet::titleFor(std::optional<int> viewNumber)
{
    if (viewNumber)
        return tr("環境設定 View-%1").arg(*viewNumber);
    return tr("環境設定");
}

void CEnvironmentSheet::refresh()
{
    axisPage_->showDimension(engine_.recordInUse.Dimension);
    arrangementPage_->load();
}

void CEnvironmentSheet::changed(EnvironmentChange kind)
{
    if (applyChange_)
        applyChange_(kind);
    setModified(true);
}

void CEnvironmentSheet::applyAllKinds()
{
    if (!applyChange_)
        return;
    for (EnvironmentChange kind : {EnvironmentChange::ClearColour, EnvironmentChange::Room,
                                   EnvironmentChange::OrbitDisplay, EnvironmentChange::Axes,
                                   EnvironmentChange::DisplayBasis})
        applyChange_(kind);
}

void CEnvironmentSheet::applyPages()
{
    arrangementPage_->read();
    applyAllKinds();
    setModified(false);
}

void CEnvironmentSheet::savePages()
{
    arrangementPage_->read();
    if (save_)
        save_();
}

bool CEnvironmentSheet::acceptPages()
{
    arrangementPage_->read();
    setModified(false);
    return true;
}

void CEnvironmentSheet::cancelPages()
{
    colourPage_->restore(backup_);
    axisPage_->restore(backup_);
    colourPage_->load();
    axisPage_->load();
    applyAllKinds();
}
