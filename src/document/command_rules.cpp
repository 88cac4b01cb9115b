#include "document/command_rules.h"

#include "document/scale_rules.h"
#include "document/user_document.h"

namespace {

// The shared shape of U-view and U-window: `checkedWhen` decides the mark of
// an enabled item outside "ALL View".
CommandUpdate activeViewRule(const CUser& document, const ViewPredicate& enabledWhen,
                             const std::function<bool()>& checkedWhen)
{
    const ViewSlot& active = document.activeSlot();
    CommandUpdate update;
    update.enabled = active.engine.orbitReady == 1 && enabledWhen(active);
    if (document.allViews == 1)
        update.checked = false;
    else if (update.enabled)
        update.checked = checkedWhen();
    return update;
}

} // namespace

CommandUpdate viewRule(const CUser& document, const ViewPredicate& enabledWhen,
                       const ViewPredicate& checkedWhen)
{
    return activeViewRule(document, enabledWhen,
                          [&] { return checkedWhen(document.activeSlot()); });
}

CommandUpdate windowRule(const CUser& document, const ViewPredicate& enabledWhen, int windowKind)
{
    return activeViewRule(document, enabledWhen, [&] {
        return document.isAnalysisWindowOpen(windowKind, document.activeView);
    });
}

CommandUpdate viewCountRule(const CUser& document, int n)
{
    return {true, document.viewCount == n};
}

CommandUpdate allViewsRule(const CUser& document)
{
    return {document.viewCount > 1, document.allViews == 1};
}

CommandUpdate scaleRule(const CUser& document, int index)
{
    if (index < 0 || index >= kScaleTableSize)
        return {false, false};
    return {true, document.activeSlot().environment.scale == document.scaleTable[index]};
}

CommandUpdate freeScaleRule(const CUser& document)
{
    return {true, !isTableScale(document.activeSlot().environment.scale, document.scaleTable)};
}

CommandUpdate autoScaleRule(const CUser& document)
{
    return {true, document.activeSlot().environment.autoScale == 1};
}

CommandUpdate inputDeviceRule(const CUser& document, InputDevice device)
{
    return {device == InputDevice::Mouse, document.inputDevice == device};
}
