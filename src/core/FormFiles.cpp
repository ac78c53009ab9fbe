#include "core/FormFiles.h"

#include "core/Cp932.h"
#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr char kSection[] = "Form";
const QLatin1String kSuffix(".ini");
// Bytes a name may take on disk, leaving room for ".ini" and the store's
// temporary suffix within the 255 a file name may have.
constexpr int kMaxNameBytes = 240;

bool Forbidden(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("\\/:*?\"<>|").contains(c);
}

// Cuts at a character boundary, never inside a surrogate pair.
QString CutName(const QString& name, int maxChars)
{
    QString out;
    int bytes = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype width = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString piece = name.mid(i, width);
        bytes += static_cast<int>(piece.toUtf8().size());
        if (bytes > kMaxNameBytes || out.size() + width > maxChars)
            break;
        out += piece;
        i += width - 1;
    }
    return out;
}

// The store trims blanks around a value and takes off a pair of quotes; a
// value they would change goes in quotes of its own, which reading takes off.
QByteArray Stored(const QByteArray& value)
{
    if (value.isEmpty())
        return value;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (quoted || blank(value.front()) || blank(value.back()))
        return '"' + value + '"';
    return value;
}

} // namespace

namespace FormFiles {

QString FileNameForTitle(const QString& title, int room)
{
    QString name = title;
    for (QChar& c : name)
        if (Forbidden(c))
            c = QLatin1Char('_');
    // A leading dot hides the file, and ".." would name the parent.
    for (QChar& c : name) {
        if (c != QLatin1Char('.'))
            break;
        c = QLatin1Char('_');
    }
    return CutName(name, room - static_cast<int>(kSuffix.size())) + kSuffix;
}

QString FileNameForTitle(const QString& title)
{
    const int used = static_cast<int>(FolderPath().size()) + 1;
    return FileNameForTitle(title, kMaxSettingsPath - used);
}

QString FolderPath()
{
    return ProfileStore::ResolvePath(SettingsPath(QStringLiteral("Form")));
}

QString PathOf(const QString& fileName)
{
    return ProfileStore::ResolvePath(FolderPath() + QLatin1Char('/') + fileName);
}

bool Exists(const QString& fileName)
{
    return QFileInfo(PathOf(fileName)).isFile();
}

QStringList List(int max)
{
    QStringList names = QDir(FolderPath())
                            .entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden,
                                       QDir::Name | QDir::IgnoreCase);
    if (names.size() > max)
        names.resize(max);
    return names;
}

bool Write(const QString& fileName, const FormRecord& record)
{
    if (!QDir().mkpath(FolderPath()))
        return false;
    ProfileStore::Batch batch(PathOf(fileName));
    batch.RemoveSection(kSection).Set(kSection, "url", Cp932::FromUnicode(record.url));
    // A page without text fields stores its address alone.
    if (!record.values.isEmpty())
        batch.SetInt(kSection, "count", static_cast<int>(record.values.size()));
    for (qsizetype i = 0; i < record.values.size(); ++i)
        batch.Set(kSection, QByteArray::number(i + 1).constData(),
                  Stored(Cp932::FromUnicodeKeepingAll(record.values[i])));
    return batch.Commit();
}

FormRecord Read(const QString& fileName)
{
    const QString path = PathOf(fileName);
    FormRecord record;
    record.url = ProfileStore::GetText(kSection, "url", QString(), kValueSize, path);
    // Field n takes key n whatever count says; a key beyond the others
    // leaves the fields between them empty.
    QList<int> numbers;
    for (const QByteArray& key : ProfileStore::KeyNames(kSection, path)) {
        bool ok = false;
        const int n = key.toInt(&ok);
        if (ok && n >= 1 && n <= kMaxFields && QByteArray::number(n) == key)
            numbers.append(n);
    }
    for (int n : numbers) {
        if (record.values.size() < n)
            record.values.resize(n);
        record.values[n - 1] = Cp932::ToUnicodeKeepingAll(ProfileStore::GetString(
            kSection, QByteArray::number(n).constData(), "", kValueSize, path));
    }
    return record;
}

QString Value(const FormRecord& record, int number)
{
    return record.values.value(number - 1);
}

} // namespace FormFiles
