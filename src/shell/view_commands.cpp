#include "shell/view_commands.h"

#include "dialogs/magnification_dialog.h"
#include "document/command_rules.h"
#include "document/user_document.h"
#include "shell/command_ids.h"
#include "shell/command_router.h"
#include "shell/command_table.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {

struct IdValue {
    int id;
    int value;
};

constexpr std::array<IdValue, 4> viewCountCommands = {{
    {CommandId::OneView, 1},
    {CommandId::TwoViews, 2},
    {CommandId::FourViews, 4},
    {CommandId::NineViews, 9},
}};

struct DeviceCommand {
    int id;
    InputDevice device;
};

constexpr std::array<DeviceCommand, 3> deviceCommands = {{
    {CommandId::DeviceMouse, InputDevice::Mouse},
    {CommandId::DevicePhantom, InputDevice::Phantom},
    {CommandId::DeviceSpidar, InputDevice::Spidar},
}};

CommandState stateOf(const CommandUpdate& update) { return {update.enabled, update.checked}; }

// Registers a rule that asks the document's command rules.
template <typename Rule>
void setRule(CommandRouter& router, int id, Rule rule)
{
    router.setUpdateRule(id, [rule = std::move(rule)] { return stateOf(rule()); });
}

}  // namespace

void registerViewCommands(CommandRouter& router, CUser& document, Reporter& reporter,
                          QWidget* dialogParent)
{
    for (const IdValue& command : viewCountCommands) {
        const int n = command.value;
        router.setHandler(command.id, [&document, n] { document.chooseViewCount(n); });
        setRule(router, command.id, [&document, n] { return viewCountRule(document, n); });
    }

    router.setHandler(CommandId::AllViews, [&document] { document.toggleAllViews(); });
    setRule(router, CommandId::AllViews, [&document] { return allViewsRule(document); });

    const auto& scales = scaleCommands();
    for (std::size_t i = 0; i < scales.size(); ++i) {
        const double value = scales[i].value;
        const int index = static_cast<int>(i);
        router.setHandler(scales[i].id, [&document, value] { document.setScale(value); });
        setRule(router, scales[i].id, [&document, index] { return scaleRule(document, index); });
    }

    router.setHandler(CommandId::ScaleFree, [&document, &reporter, dialogParent] {
        CMagnificationDialog dialog(document.activeSlot().environment.scale, reporter, dialogParent);
        if (dialog.exec() == QDialog::Accepted)
            document.setScale(dialog.value());
    });
    setRule(router, CommandId::ScaleFree, [&document] { return freeScaleRule(document); });

    router.setHandler(CommandId::ScaleAuto, [&document] { document.toggleAutoScale(); });
    setRule(router, CommandId::ScaleAuto, [&document] { return autoScaleRule(document); });

    // Only the mouse drives the pointer; the haptic devices have no driver,
    // so their items only show which device the settings name.
    router.setHandler(CommandId::DeviceMouse,
                      [&document] { document.requestInputDevice(InputDevice::Mouse); });
    for (const DeviceCommand& command : deviceCommands) {
        const InputDevice device = command.device;
        setRule(router, command.id, [&document, device] { return inputDeviceRule(document, device); });
    }
}
