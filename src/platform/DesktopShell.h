#pragma once

#include <QByteArray>
#include <QString>

// The desktop services the general settings page uses: a launcher on the
// desktop, the recently used documents, and Zelvo as the default browser
// through xdg-mime (the install provides "zelvo.desktop").
namespace DesktopShell {

// The launcher "Zelvo.desktop" in the user's desktop folder; false when there
// is no desktop folder or the file cannot be written.
bool CreateDesktopShortcut(const QString& program, const QString& workingDir);

// Empties the user's recently-used.xbel.
bool ClearRecentDocuments();

// The types Zelvo registers for, in the order they are set.
inline const char* const kHandledTypes[3] = {"text/html", "x-scheme-handler/http",
                                             "x-scheme-handler/https"};
inline const char kDesktopId[] = "zelvo.desktop";

// The default handler of a type; false when xdg-mime cannot be run.
bool QueryDefault(const QString& type, QString* desktopId);
// Makes Zelvo the type's default handler; false when xdg-mime is missing or fails.
bool SetDefault(const QString& type);
// Takes Zelvo out of the user's defaults for the type, so the desktop's own
// choice applies again.
bool RemoveDefault(const QString& type);

// mimeapps.list contents without desktopId among the type's defaults.
QByteArray WithoutDefault(const QByteArray& list, const QByteArray& type,
                          const QByteArray& desktopId);

} // namespace DesktopShell
