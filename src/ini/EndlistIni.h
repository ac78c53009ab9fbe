#pragma once

#include <QString>
#include <QStringList>

// Endlist.ini: the tabs open at exit ([Endlist] `tab_count`, "1" … count) and
// whether the window was maximised ([Window] `size`). Read anew on every call.
namespace EndlistIni {

int TabCount();
// The address of tab i, 1 … TabCount().
QString Tab(int i);
// 1 = the window was maximised at exit.
int WindowSize();

// Deletes the file.
void Remove();
// Writes the tabs and the window state as one.
bool Save(const QStringList& urls, bool maximized);

} // namespace EndlistIni
