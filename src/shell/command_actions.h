// Builds Qt menus and toolbars from the command table and keeps their items
// in step with the CommandRouter: a menu refreshes its items' enabled state
// and check marks when it opens, a toolbar when its owner asks (on an idle
// timer), and choosing an item runs the command's handler.
#pragma once

#include "shell/command_router.h"
#include "shell/command_table.h"

#include <QList>
#include <QObject>

#include <unordered_map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

class CommandActions : public QObject {
    Q_OBJECT
public:
    // The router must outlive this object.
    explicit CommandActions(CommandRouter& router, QObject* parent = nullptr);

    // The action of a command as shown in the menu bar and the toolbar, with
    // the table's text, status text, tooltip and toolbar image. Created on
    // first use and owned by this object.
    QAction* action(int id);

    // Adds the layout's top-level pop-ups to the menu bar.
    void fillMenuBar(QMenuBar* bar, const std::vector<MenuEntry>& layout);

    // A pop-up menu holding the layout's entries; owned by `parent`.
    QMenu* buildPopupMenu(const std::vector<MenuEntry>& layout, QWidget* parent);

    // Adds the toolbar's buttons; 0 in the layout adds a separator.
    void fillToolBar(QToolBar* bar, const std::vector<int>& layout);

    // Asks the router for the state of each command action in the list.
    void refresh(const QList<QAction*>& actions);

    // Refreshes every action of every command.
    void refreshAll();

    // Refreshes the actions that run from a key: a key works without its
    // menu ever opening, so its action must not keep a stale disabled state.
    void refreshShortcuts();

private:
    QAction* createAction(int id, const QString& text);
    void fillMenu(QMenu* menu, const std::vector<MenuEntry>& entries);
    void apply(QAction* action) const;
    void run(QAction* action, bool checkedAfterToggle);

    CommandRouter& router_;
    std::unordered_map<int, QAction*> shared_;
    std::unordered_multimap<int, QAction*> all_;
};
