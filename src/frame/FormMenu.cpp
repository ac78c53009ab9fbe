#include "frame/FormMenu.h"

#include "commands/CommandId.h"
#include "commands/CommandRegistry.h"
#include "core/FormFiles.h"

#include <QAction>
#include <QMenu>

namespace {

constexpr int kItems = ToInt(CommandId::FormLast) - ToInt(CommandId::FormFirst) + 1;

} // namespace

FormMenu::FormMenu(QMenu* menu, CommandRegistry& registry, QObject* parent)
    : QObject(parent), m_menu(menu), m_registry(registry)
{
}

void FormMenu::Load()
{
    for (const QString& name : FormFiles::List())
        Append(name);
}

bool FormMenu::Append(const QString& fileName)
{
    if (!m_menu || m_names.size() >= kItems)
        return false;
    const int id = FormCommand(static_cast<int>(m_names.size()));
    m_names.append(fileName);
    // The name shows as it is stored; "&" would otherwise mark a key.
    QString text = fileName;
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    m_menu->addAction(m_registry.MenuItem(id, text, m_menu));
    return true;
}

QString FormMenu::NameOf(int id) const
{
    return IsFormCommand(id) ? m_names.value(FormPosition(id)) : QString();
}
