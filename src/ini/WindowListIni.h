#pragma once

#include <QMap>
#include <QString>

// Window_List.ini: the titles of the open tabs, [Window_List] "0" … by tab
// position, and [Window_count] `count`, the highest position written.
namespace WindowListIni {

int Count();
QString Title(int position);

// Writes the titles given, by position, as one. The count goes first, as the
// sections have always been ordered; nothing is written for no titles.
bool Save(const QMap<int, QString>& titles);

} // namespace WindowListIni
