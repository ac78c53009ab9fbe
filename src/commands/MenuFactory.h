#pragma once

#include "commands/MenuResources.h"

#include <QList>

class CommandRegistry;
class QAction;
class QMenu;
class QWidget;

namespace MenuFactory {

// The command id an action issues; 0 for none.
int CommandOf(const QAction* action);

// Fills menu with items: the registry's action of each command, or an item with
// the menu's own text that stands for it. The items' states are recomputed each
// time the menu (or a submenu) is about to show.
void Fill(QMenu* menu, const QList<MenuItemDef>& items, CommandRegistry& registry);

QMenu* Build(const QString& title, const QList<MenuItemDef>& items, CommandRegistry& registry,
             QWidget* parent);

// Applies the update handlers' answers to the menu's own actions.
void UpdateStates(QMenu* menu, CommandRegistry& registry);

} // namespace MenuFactory
