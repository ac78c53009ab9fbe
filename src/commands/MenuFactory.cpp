#include "commands/MenuFactory.h"

#include "commands/CommandRegistry.h"

#include <QAction>
#include <QMenu>

namespace MenuFactory {

int CommandOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}

void UpdateStates(QMenu* menu, CommandRegistry& registry)
{
    for (QAction* action : menu->actions())
        registry.Refresh(action);
}

namespace {

QAction* CommandItem(const MenuItemDef& item, CommandRegistry& registry, QMenu* menu)
{
    QAction* action = item.text.isEmpty() ? registry.Action(item.id) : nullptr;
    return action ? action : registry.MenuItem(item.id, item.text, menu);
}

} // namespace

void Fill(QMenu* menu, const QList<MenuItemDef>& items, CommandRegistry& registry)
{
    for (const MenuItemDef& item : items) {
        switch (item.kind) {
        case MenuItemDef::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItemDef::Kind::Submenu:
            menu->addMenu(Build(item.text, item.items, registry, menu));
            break;
        case MenuItemDef::Kind::Command:
            menu->addAction(CommandItem(item, registry, menu));
            break;
        }
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [menu, &registry] { UpdateStates(menu, registry); });
    QObject::connect(menu, &QMenu::hovered, menu, [&registry](QAction* action) {
        if (registry.Sink().hovered)
            registry.Sink().hovered(CommandOf(action));
    });
}

QMenu* Build(const QString& title, const QList<MenuItemDef>& items, CommandRegistry& registry,
             QWidget* parent)
{
    auto* menu = new QMenu(title, parent);
    Fill(menu, items, registry);
    return menu;
}

} // namespace MenuFactory
