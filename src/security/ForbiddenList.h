#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Matching against the forbidden address and title lists (their storage is
// StopListIni).
namespace ForbiddenList {

// Exact, case-sensitive equality of text with an entry. Characters code page
// 932 cannot hold are kept in the entries as numeric character references.
bool Matches(const QList<QByteArray>& entries, const QString& text);

} // namespace ForbiddenList
