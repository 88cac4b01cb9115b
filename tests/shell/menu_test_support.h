// Helpers for reading built menus in tests: the item texts of a menu, with
// "-" for a separator.
#pragma once

#include <QAction>
#include <QMenu>
#include <QStringList>

inline QStringList itemTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

inline QMenu* subMenu(const QList<QAction*>& actions, const QString& title)
{
    for (const QAction* action : actions) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

// The item with that text in the menu bar's pop-up of that title, its
// enabled state brought up to date as when the menu opens; null when absent.
inline QAction* menuItem(const QList<QAction*>& menuBar, const QString& menuTitle,
                         const QString& text)
{
    QMenu* menu = subMenu(menuBar, menuTitle);
    if (!menu)
        return nullptr;
    emit menu->aboutToShow();
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}
