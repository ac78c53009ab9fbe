#pragma once

#include <QString>

// The directory that holds the settings, generated pages, shipped data files and,
// under profile/, the engine's own storage.
namespace ProgramDir {

// $ZELVO_HOME; else the executable's directory when it already holds the
// settings (a portable copy: Tablist.ini or Security.ini is there); else
// $XDG_DATA_HOME/Zelvo (~/.local/share/Zelvo). Ends without a separator.
QString Path();

// Creates the directory and copies in the shipped data files that are missing.
// False when the directory cannot be made.
bool Prepare();

// Directory of the page engine's cookies and cache.
QString EngineProfilePath();

} // namespace ProgramDir

// Full path of a settings file in the program directory, rebuilt on every call.
// Accepts "Tablist.ini", "\Tablist.ini" or "Form\site.ini"; backslashes name
// sub-directories and a doubled separator names the same file.
QString SettingsPath(const QString& name);
