#pragma once

#include <QString>
#include <QStringList>

// DeleteTab_List.ini [DeleteTab]: the closed-tab history, oldest first, as
// `count` and "name_i", "url_i" for 1 … count. Read anew on every call.
namespace DeleteTabListIni {

int Count();
QString Name(int i);
QString Url(int i);

// Writes the entries as one; keys beyond them are kept.
bool Save(const QStringList& names, const QStringList& urls);
// Removes the section.
bool Clear();

} // namespace DeleteTabListIni
