#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The forbidden address and title lists (StopUrl.ini [StopUrl], StopTitle.ini
// [StopTitle]): "count" holds the highest index in use, "0" … "count" one
// entry each. Lists made by Append start at "1"; lists rewritten by the list
// dialogs start at "0". Both are read alike, gaps and empty values skipped.
namespace ForbiddenList {

// Read sizes: entries longer than size - 1 bytes are cut.
constexpr int kUrlSize = 1040;
constexpr int kTitleSize = 780;

// The entries of indices 0 … count in index order, as stored (code page 932;
// Cp932::ToUnicodeKeepingAll gives their text).
QList<QByteArray> Load(const QString& file, const char* section);

// Appends at count + 1 (missing count = 0) and writes the new count. False
// when nothing could be written.
bool Append(const QString& file, const char* section, const QString& value);

// Exact, case-sensitive equality of text with an entry. Characters code page
// 932 cannot hold are kept in the entries as numeric character references.
bool Matches(const QList<QByteArray>& entries, const QString& text);

// Deletes the section and writes the entries as "0" … N - 1 with count = N - 1;
// an empty list leaves no section at all.
bool Rewrite(const QString& file, const char* section, const QList<QByteArray>& entries);

} // namespace ForbiddenList
