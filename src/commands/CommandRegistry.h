#pragma once

#include "commands/CommandMap.h"
#include "commands/CommandTable.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>

#include <functional>

class QAction;

// Where the registry's actions report to: the command chosen, the state its
// update handler gives, the command under the pointer in a menu.
struct CommandSink {
    std::function<void(int)> send;
    std::function<CmdUI(int)> state;
    std::function<void(int)> hovered;
};

// One QAction per command of the table, shared by every menu, toolbar and key
// that issues the command: text, shortcuts, prompt and picture come from the
// table, and triggering the action sends the command through the sink.
class CommandRegistry : public QObject {
public:
    explicit CommandRegistry(CommandSink sink, QObject* parent = nullptr);

    // Null for an id outside the table.
    QAction* Action(int id) const { return m_byId.value(id); }
    QAction* Action(CommandId id) const { return Action(ToInt(id)); }
    const QList<QAction*>& Actions() const { return m_actions; }
    const CommandSink& Sink() const { return m_sink; }

    // An item for a menu that shows its own text for the command: choosing it
    // triggers the command's action, and it shows that action's state.
    QAction* MenuItem(int id, const QString& text, QObject* parent);

    // Recomputes the state of the action's command from its update handler. An
    // item of a command outside the table (a recent file) takes the state itself.
    void Refresh(QAction* action);

    // Gives the pictures of one strip to the commands that show them.
    void SetImages(ImageStrip strip, const QList<QPixmap>& images);

private:
    QAction* Create(const CommandDef& def);

    CommandSink m_sink;
    QList<QAction*> m_actions;
    QHash<int, QAction*> m_byId;
};
