#pragma once

#include "commands/CommandMap.h"
#include "commands/MenuResources.h"

#include <QList>

#include <functional>

class QAction;
class QMenu;
class QWidget;

// What menus built from the resources report to: the command chosen, the state
// of an item about to show, the item under the pointer.
struct CommandSink {
    std::function<void(int)> send;
    std::function<CmdUI(int)> state;
    std::function<void(int)> hovered;
};

namespace MenuFactory {

// The command id an action issues; 0 for none.
int CommandOf(const QAction* action);

// Fills menu with items; every action issues its id through sink, and the items'
// states are recomputed each time the menu (or a submenu) is about to show.
void Fill(QMenu* menu, const QList<MenuItemDef>& items, const CommandSink& sink);

QMenu* Build(const QString& title, const QList<MenuItemDef>& items, const CommandSink& sink,
             QWidget* parent);

// Applies the update handlers' answers to the menu's own actions.
void UpdateStates(QMenu* menu, const CommandSink& sink);

} // namespace MenuFactory
