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
