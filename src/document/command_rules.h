// The update rules of the document's menu commands: whether an item is
// enabled and whether it shows a check mark, asked whenever a menu opens and
// while the toolbar idles. A rule that leaves `checked` empty keeps the mark
// the item had.
#pragma once

#include "settings/program_settings.h"

#include <functional>
#include <optional>

class CUser;
class ViewSlot;

struct CommandUpdate {
    bool enabled = true;
    std::optional<bool> checked;
};

using ViewPredicate = std::function<bool(const ViewSlot&)>;

// U-view(p, q): enabled when the active view's orbit is ready and p holds for
// it. Checked: q on the active view; under "ALL View" never. A disabled item
// keeps its mark, except under "ALL View", where it is cleared.
CommandUpdate viewRule(const CUser& document, const ViewPredicate& enabledWhen,
                       const ViewPredicate& checkedWhen);

// U-window(p): as viewRule, checked while the active view's window of that
// kind is showing.
CommandUpdate windowRule(const CUser& document, const ViewPredicate& enabledWhen, int windowKind);

// "1 View" .. "9 View": enabled; checked when n views are shown.
CommandUpdate viewCountRule(const CUser& document, int n);
// "ALL View": enabled with more than one view; checked while on.
CommandUpdate allViewsRule(const CUser& document);
// A Scale menu item (index into scaleTable): checked when the active view's
// scale equals its value exactly.
CommandUpdate scaleRule(const CUser& document, int index);
// "x Free": checked when the active view's scale is none of the table's.
CommandUpdate freeScaleRule(const CUser& document);
// "x Auto": checked while the active view's autoScale is on.
CommandUpdate autoScaleRule(const CUser& document);
// The input-device items: only the mouse can be chosen; checked for the
// device in use.
CommandUpdate inputDeviceRule(const CUser& document, InputDevice device);
