#include "security/ForbiddenList.h"

#include "core/Cp932.h"
#include "core/ProfileStore.h"
#include "core/StoredAddress.h"

#include <algorithm>
#include <climits>

namespace {

int EntrySize(const char* section)
{
    return qstricmp(section, "StopTitle") == 0 ? ForbiddenList::kTitleSize
                                               : ForbiddenList::kUrlSize;
}

// The first bytes of text up to n, never ending inside a double-byte character.
QByteArray CutWhole(const QByteArray& text, int n)
{
    int end = 0;
    while (end < text.size()) {
        const int width = Cp932::IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > n)
            break;
        end += width;
    }
    return text.left(std::min<qsizetype>(end, text.size()));
}

} // namespace

namespace ForbiddenList {

QList<QByteArray> Load(const QString& file, const char* section)
{
    QList<QByteArray> entries;
    const int count = GetPrivateProfileIntA(section, "count", 0, file);
    if (count < 0)
        return entries;
    // Only keys present in the file can hold entries, so a huge count costs
    // nothing; a key is an index only in the form "%d" writes it.
    QList<int> indices;
    for (const QByteArray& name : ProfileStore::KeyNames(section, file)) {
        bool ok = false;
        const int index = name.toInt(&ok);
        if (ok && index >= 0 && index <= count && QByteArray::number(index) == name)
            indices.append(index);
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    const int size = EntrySize(section);
    for (int index : std::as_const(indices)) {
        const QByteArray value =
            ProfileStore::GetString(section, QByteArray::number(index).constData(), "", size, file);
        if (!value.isEmpty())
            entries.append(value);
    }
    return entries;
}

bool Append(const QString& file, const char* section, const QString& value)
{
    const int count = GetPrivateProfileIntA(section, "count", 0, file);
    // A count no reader can go past would hide the new entry for good.
    if (count == INT_MAX)
        return false;
    const int n = std::max(count, 0) + 1;
    const QString stored = EntrySize(section) == kUrlSize ? StoredAddress::Encode(value) : value;
    const QByteArray text = CutWhole(Cp932::FromUnicodeKeepingAll(stored), kUrlSize - 1);
    return ProfileStore::Batch(file)
        .SetInt(section, "count", n)
        .Set(section, QByteArray::number(n).constData(), text)
        .Commit();
}

bool Matches(const QList<QByteArray>& entries, const QString& text)
{
    if (text.isEmpty())
        return false;
    // Compared in the stored form, where a character code page 932 cannot hold
    // is a reference of its own and never a "?" that stands for any of them.
    if (entries.contains(Cp932::FromUnicodeKeepingAll(text)) ||
        entries.contains(Cp932::FromUnicodeKeepingAll(StoredAddress::Encode(text))))
        return true;
    for (const QByteArray& entry : entries) {
        if (Cp932::ToUnicodeKeepingAll(entry) == text)
            return true;
    }
    return false;
}

bool Rewrite(const QString& file, const char* section, const QList<QByteArray>& entries)
{
    ProfileStore::Batch batch(file);
    batch.RemoveSection(section);
    if (!entries.isEmpty())
        batch.SetInt(section, "count", static_cast<int>(entries.size()) - 1);
    for (int i = 0; i < entries.size(); ++i)
        batch.Set(section, QByteArray::number(i).constData(), entries[i]);
    return batch.Commit();
}

} // namespace ForbiddenList
