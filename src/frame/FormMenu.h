#pragma once

#include <QObject>
#include <QStringList>

class CommandRegistry;
class QMenu;

// The stored forms in the form auto-fill menu: listed at start, and growing by
// each new registration. Item k issues FormCommand(k).
class FormMenu : public QObject {
public:
    FormMenu(QMenu* menu, CommandRegistry& registry, QObject* parent);

    // Appends the files of the Form folder.
    void Load();
    // False when the menu has no id left for it.
    bool Append(const QString& fileName);

    // The file name behind a command; empty when no item has that id.
    QString NameOf(int id) const;
    int Count() const { return static_cast<int>(m_names.size()); }
    QMenu* Menu() const { return m_menu; }

private:
    QMenu* m_menu;
    CommandRegistry& m_registry;
    QStringList m_names;
};
