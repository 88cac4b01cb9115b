#include "shell/command_actions.h"

#include "shell/shell_resources.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

const char* const commandIdProperty = "commandId";

int commandIdOf(const QAction* action)
{
    const QVariant id = action->property(commandIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

// A text of the command table in the user's language.
QString translated(const std::string& source)
{
    return QCoreApplication::translate(kCommandTextContext, source.c_str());
}

}  // namespace

CommandActions::CommandActions(CommandRouter& router, QObject* parent)
    : QObject(parent), router_(router)
{
}

QAction* CommandActions::action(int id)
{
    if (const auto found = shared_.find(id); found != shared_.end())
        return found->second;
    const CommandInfo* info = findCommand(id);
    QAction* created = createAction(id, info ? translated(info->menuText) : QString());
    const QPixmap image = toolbarPixmap(id);
    if (!image.isNull()) {
        created->setIcon(QIcon(image));
        // The menus show check marks, not button images.
        created->setIconVisibleInMenu(false);
    }
    shared_.emplace(id, created);
    return created;
}

QAction* CommandActions::createAction(int id, const QString& text)
{
    auto* created = new QAction(text, this);
    created->setProperty(commandIdProperty, id);
    if (const CommandInfo* info = findCommand(id)) {
        // The whole entry is one text to translate; its two parts are split
        // from the translation.
        const std::string status = translated(info->statusText).toStdString();
        created->setStatusTip(QString::fromStdString(statusBarPart(status)));
        const std::string tip = tooltipPart(status);
        if (!tip.empty())
            created->setToolTip(QString::fromStdString(tip));
        if (!info->shortcut.empty())
            created->setShortcut(QKeySequence(QString::fromStdString(info->shortcut)));
    }
    connect(created, &QAction::triggered, this,
            [this, created](bool checked) { run(created, checked); });
    all_.emplace(id, created);
    apply(created);
    return created;
}

void CommandActions::fillMenuBar(QMenuBar* bar, const std::vector<MenuEntry>& layout)
{
    for (const MenuEntry& entry : layout) {
        QMenu* menu = bar->addMenu(translated(entry.text));
        fillMenu(menu, entry.children);
    }
}

QMenu* CommandActions::buildPopupMenu(const std::vector<MenuEntry>& layout, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    fillMenu(menu, layout);
    return menu;
}

void CommandActions::fillMenu(QMenu* menu, const std::vector<MenuEntry>& entries)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { refresh(menu->actions()); });
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuEntry::Kind::Popup:
            fillMenu(menu->addMenu(translated(entry.text)), entry.children);
            break;
        case MenuEntry::Kind::Command:
            menu->addAction(entry.text.empty()
                                ? action(entry.id)
                                : createAction(entry.id, translated(entry.text)));
            break;
        }
    }
}

void CommandActions::fillToolBar(QToolBar* bar, const std::vector<int>& layout)
{
    for (int id : layout) {
        if (id == 0)
            bar->addSeparator();
        else
            bar->addAction(action(id));
    }
}

void CommandActions::refresh(const QList<QAction*>& actions)
{
    for (QAction* each : actions) {
        if (commandIdOf(each) != 0)
            apply(each);
    }
}

void CommandActions::refreshAll()
{
    for (const auto& [id, each] : all_)
        apply(each);
}

void CommandActions::refreshShortcuts()
{
    for (const auto& [id, each] : all_) {
        if (!each->shortcut().isEmpty())
            apply(each);
    }
}

void CommandActions::apply(QAction* action) const
{
    const CommandState state = router_.state(commandIdOf(action));
    action->setEnabled(state.enabled);
    if (state.checked) {
        action->setCheckable(true);
        action->setChecked(*state.checked);
    }
}

void CommandActions::run(QAction* action, bool checkedAfterToggle)
{
    // Qt flips a checkable action before reporting it; the mark belongs to
    // the update rule, so the flip is undone before the handler runs.
    if (action->isCheckable())
        action->setChecked(!checkedAfterToggle);
    const int id = commandIdOf(action);
    router_.execute(id);
    const auto [first, last] = all_.equal_range(id);
    for (auto it = first; it != last; ++it)
        apply(it->second);
}
