#pragma once

#include <QByteArray>
#include <QString>

namespace TabLabels {

// Label of a busy tab: blanks, so the busy image stands alone.
QByteArray BusyLabel();

// A title shown for the page "?" the engine reports for an empty one.
QString DisplayTitle(const QString& locationName);

// Label of an idle tab from its title, by the code page 932 bytes: longer than
// 5 bytes (or empty) → first 13 bytes + "..."; 1 to 5 bytes → title + "......".
QByteArray Label(const QByteArray& title);

// The same, from and to display text.
QString LabelText(const QString& title);

} // namespace TabLabels
