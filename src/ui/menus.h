#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// Adds a named action to a menu or to the menu bar itself and connects it.
template <typename Receiver, typename Slot>
QAction* addMenuAction(QWidget* menu, const char* name, const QString& text, Receiver* receiver, Slot slot)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    QObject::connect(action, &QAction::triggered, receiver, slot);
    return action;
}

inline QMenu* addMenu(QMenuBar* bar, const char* name, const QString& text)
{
    QMenu* menu = bar->addMenu(text);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

inline void addSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}
