#pragma once

#include <QString>

// poket.ini [Poket]: the pocket's addresses in the order added, as `count` and
// the keys "1" … count. Read anew on every call.
namespace PoketIni {

int Count();
// The address under key (1-based), read into a buffer of size bytes.
QString Address(int key, int size = 1040);
// Writes count + 1 and the address under it, both at once.
bool Append(const QString& address);
// Removes the section, then the file.
bool Clear();

} // namespace PoketIni
