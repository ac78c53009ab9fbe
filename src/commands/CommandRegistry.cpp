#include "commands/CommandRegistry.h"

#include <QAction>
#include <QKeySequence>

namespace {

void ApplyState(QAction* action, const CmdUI& ui)
{
    action->setEnabled(ui.enabled);
    action->setCheckable(ui.check >= 0);
    if (ui.check >= 0)
        action->setChecked(ui.check == 1);
}

void Mirror(const QAction* source, QAction* item)
{
    item->setEnabled(source->isEnabled());
    item->setCheckable(source->isCheckable());
    item->setChecked(source->isChecked());
}

} // namespace

CommandRegistry::CommandRegistry(CommandSink sink, QObject* parent)
    : QObject(parent), m_sink(std::move(sink))
{
    for (const CommandDef& def : CommandTable()) {
        QAction* action = Create(def);
        m_actions.append(action);
        m_byId.insert(ToInt(def.id), action);
    }
}

QAction* CommandRegistry::Create(const CommandDef& def)
{
    const int id = ToInt(def.id);
    auto* action = new QAction(CommandMenuText(id), this);
    action->setData(id);
    QList<QKeySequence> keys;
    for (const QKeyCombination& key : CommandKeys(id))
        keys.append(QKeySequence(key));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    const QString prompt = CommandPrompt(id);
    action->setStatusTip(prompt.section(QLatin1Char('\n'), 0, 0));
    action->setToolTip(prompt.contains(QLatin1Char('\n')) ? prompt.section(QLatin1Char('\n'), 1)
                                                          : prompt);
    // Menus show no pictures until they draw their own.
    action->setIconVisibleInMenu(false);
    connect(action, &QAction::triggered, this, [this, id] {
        if (m_sink.send)
            m_sink.send(id);
    });
    return action;
}

QAction* CommandRegistry::MenuItem(int id, const QString& text, QObject* parent)
{
    auto* item = new QAction(text, parent);
    item->setData(id);
    QAction* source = Action(id);
    if (!source) {
        connect(item, &QAction::triggered, this, [this, id] {
            if (m_sink.send)
                m_sink.send(id);
        });
        return item;
    }
    item->setStatusTip(source->statusTip());
    Mirror(source, item);
    connect(source, &QAction::changed, item, [source, item] { Mirror(source, item); });
    connect(item, &QAction::triggered, source, &QAction::trigger);
    return item;
}

void CommandRegistry::Refresh(QAction* action)
{
    const int id = action ? action->data().toInt() : 0;
    if (id == 0 || !m_sink.state)
        return;
    QAction* target = Action(id);
    ApplyState(target ? target : action, m_sink.state(id));
}

void CommandRegistry::SetImages(ImageStrip strip, const QList<QPixmap>& images)
{
    for (const CommandDef& def : CommandTable())
        if (def.strip == strip && def.image >= 0 && def.image < images.size())
            Action(def.id)->setIcon(QIcon(images[def.image]));
}
