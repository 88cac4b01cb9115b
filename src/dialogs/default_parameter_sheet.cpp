#include "dialogs/default_parameter_sheet.h"

#include "document/user_document.h"
#include "dynamics/dynamics_engine.h"

#include <QTabWidget>

#include <algorithm>

CDefaultParameterSheet::CDefaultParameterSheet(DynamicsEngine& engine, Reporter& reporter,
                                               std::function<void(RebuildLevel)> recompute,
                                               std::function<Vector3()> currentPosition,
                                               QWidget* parent)
    : CModelessPropertySheet(parent), engine_(engine), reporter_(reporter),
      recompute_(std::move(recompute)), backup_(engine.recordEdited)
{
    setWindowTitle(titleFor(std::nullopt));
    ModelRecord& edited = engine_.recordEdited;
    const ModelRecord& inUse = engine_.recordInUse;
    pages_[0] = new BasicConfigurationPage(edited, inUse, reporter_);
    pages_[1] = new ParameterConfigurationPage(edited, inUse, reporter_);
    pages_[2] = new DisplayConfigurationPage(edited, inUse, reporter_, std::move(currentPosition));
    addPage(pages_[0], tr("基本設定"));
    addPage(pages_[1], tr("パラメータ設定"));
    addPage(pages_[2], tr("提示設定"));
    for (ConfigurationPage* page : pages_)
        connect(page, &ConfigurationPage::changed, this, [this] { setModified(true); });
}

CDefaultParameterSheet::CDefaultParameterSheet(const WindowLinks& links, QWidget* owner)
    : CDefaultParameterSheet(
          links.engine, links.reporter,
          [&document = links.document, &engine = links.engine, &environment = links.environment,
           view = links.view](RebuildLevel level) {
              engine.loadParameters();
              document.computeViewOrbit(view);
              environment.rebuildLevel = std::max(environment.rebuildLevel, level);
          },
          [&document = links.document, view = links.view] {
              return document.views[static_cast<std::size_t>(view)].objectTransform.position();
          },
          owner)
{
}

QString CDefaultParameterSheet::titleFor(std::optional<int> viewNumber)
{
    if (viewNumber)
        return tr("デフォルトパラメータの設定 View-%1").arg(*viewNumber);
    return tr("デフォルトパラメータの設定");
}

bool CDefaultParameterSheet::storeShownPages()
{
    for (int i = 0; i < 3; ++i) {
        if (pageShown(i) && !pages_[i]->store()) {
            tabs()->setCurrentIndex(i);
            return false;
        }
    }
    return true;
}

void CDefaultParameterSheet::useEditedRecord(RebuildLevel level)
{
    engine_.recordInUse = engine_.recordEdited;
    if (recompute_)
        recompute_(level);
}

void CDefaultParameterSheet::applyPages()
{
    if (!storeShownPages())
        return;
    // The basic page alone changes only the orbit; the others also change
    // what the vector field shows.
    const bool onlyBasic = !pageShown(1) && !pageShown(2);
    useEditedRecord(onlyBasic ? RebuildLevel::Orbit : RebuildLevel::VectorField);
    setModified(false);
}

bool CDefaultParameterSheet::acceptPages()
{
    if (!storeShownPages())
        return false;
    useEditedRecord(RebuildLevel::VectorField);
    setModified(false);
    return true;
}

void CDefaultParameterSheet::savePages()
{
    if (!acceptPages())
        return;
    // A failed write is reported; the applied settings stay in effect and
    // the file on disk stays whole.
    engine_.recordEdited.Write(reporter_);
}

void CDefaultParameterSheet::cancelPages()
{
    engine_.recordEdited = backup_;
    useEditedRecord(RebuildLevel::VectorField);
    for (ConfigurationPage* page : pages_)
        page->fill();
}
