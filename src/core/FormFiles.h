#pragma once

#include <QString>
#include <QStringList>

// What one stored form holds: the page's address (encoded) and the texts of its
// text fields in document order.
struct FormRecord {
    QString url;
    QStringList values;
};

// The stored forms: one INI file per page in the Form folder of the program
// directory, named after the page title.
namespace FormFiles {

// Files listed in the form menu at start.
constexpr int kListedAtStart = 49;
// Values are read back up to this many bytes less one.
constexpr int kValueSize = 780;

// The file name a title is stored under. Characters no file name can hold,
// path separators and leading dots become "_", so the file always stays in
// the Form folder; the name is cut to fit the file system and the longest
// settings path, room characters for the name and its ".ini".
QString FileNameForTitle(const QString& title, int room);
// As above, with the room the program directory leaves.
QString FileNameForTitle(const QString& title);

QString FolderPath();
// The file of that name in the Form folder, its name matched without regard to case.
QString PathOf(const QString& fileName);
bool Exists(const QString& fileName);

// The "*.ini" files of the Form folder by name, at most max of them.
QStringList List(int max = kListedAtStart);

// Replaces the file's [Form] section with the record as a whole, creating the
// folder when it is missing. False when nothing could be stored; the file is
// then left as it was.
bool Write(const QString& fileName, const FormRecord& record);

// Field numbers beyond this are never filled.
constexpr int kMaxFields = 1000;

// The stored address and the values by field number (values[n - 1] for field
// n), up to the highest number stored; numbers without a key read as empty.
FormRecord Read(const QString& fileName);
// The stored value of field number (from 1), empty when missing.
QString Value(const FormRecord& record, int number);

} // namespace FormFiles
