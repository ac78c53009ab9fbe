#include "commands/MenuFactory.h"

#include <QAction>
#include <QMenu>

namespace MenuFactory {

int CommandOf(const QAction* action)
{
    return action ? action->data().toInt() : 0;
}

void UpdateStates(QMenu* menu, const CommandSink& sink)
{
    for (QAction* action : menu->actions()) {
        const int id = CommandOf(action);
        if (id == 0 || !sink.state)
            continue;
        const CmdUI ui = sink.state(id);
        action->setEnabled(ui.enabled);
        action->setCheckable(ui.check >= 0);
        if (ui.check >= 0)
            action->setChecked(ui.check == 1);
    }
}

void Fill(QMenu* menu, const QList<MenuItemDef>& items, const CommandSink& sink)
{
    for (const MenuItemDef& item : items) {
        switch (item.kind) {
        case MenuItemDef::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItemDef::Kind::Submenu:
            menu->addMenu(Build(item.text, item.items, sink, menu));
            break;
        case MenuItemDef::Kind::Command: {
            QAction* action = menu->addAction(item.text);
            action->setData(item.id);
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, menu, [sink, id] {
                if (sink.send)
                    sink.send(id);
            });
            break;
        }
        }
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, sink] { UpdateStates(menu, sink); });
    QObject::connect(menu, &QMenu::hovered, menu, [sink](QAction* action) {
        if (sink.hovered)
            sink.hovered(CommandOf(action));
    });
}

QMenu* Build(const QString& title, const QList<MenuItemDef>& items, const CommandSink& sink,
             QWidget* parent)
{
    auto* menu = new QMenu(title, parent);
    Fill(menu, items, sink);
    return menu;
}

} // namespace MenuFactory
