#include "ini/StopListIni.h"

#include "core/Cp932.h"
#include "core/FlagToggle.h"
#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "core/StoredAddress.h"

#include <algorithm>
#include <climits>

namespace {

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

StopListIni::StopListIni(const char* file, const char* section, int entrySize)
    : m_file(file), m_section(section), m_entrySize(entrySize)
{
}

StopListIni StopListIni::Url()
{
    return StopListIni("StopUrl.ini", "StopUrl", kUrlSize);
}

StopListIni StopListIni::Title()
{
    return StopListIni("StopTitle.ini", "StopTitle", kTitleSize);
}

QString StopListIni::Path() const
{
    return SettingsPath(QString::fromLatin1(m_file));
}

int StopListIni::Check() const
{
    return GetPrivateProfileIntA("Security", "check", 0, Path());
}

int StopListIni::ToggleCheck() const
{
    return ToggleFlag("Security", "check", Path());
}

QList<QByteArray> StopListIni::Load() const
{
    const QString file = Path();
    QList<QByteArray> entries;
    const int count = GetPrivateProfileIntA(m_section, "count", 0, file);
    if (count < 0)
        return entries;
    // Only keys present in the file can hold entries, so a huge count costs
    // nothing; a key is an index only in the form "%d" writes it.
    QList<int> indices;
    for (const QByteArray& name : ProfileStore::KeyNames(m_section, file)) {
        bool ok = false;
        const int index = name.toInt(&ok);
        if (ok && index >= 0 && index <= count && QByteArray::number(index) == name)
            indices.append(index);
    }
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (int index : std::as_const(indices)) {
        const QByteArray value = ProfileStore::GetString(
            m_section, QByteArray::number(index).constData(), "", m_entrySize, file);
        if (!value.isEmpty())
            entries.append(value);
    }
    return entries;
}

bool StopListIni::Append(const QString& value) const
{
    const QString file = Path();
    const int count = GetPrivateProfileIntA(m_section, "count", 0, file);
    // A count no reader can go past would hide the new entry for good.
    if (count == INT_MAX)
        return false;
    const int n = std::max(count, 0) + 1;
    const QString stored = m_entrySize == kUrlSize ? StoredAddress::Encode(value) : value;
    const QByteArray text = CutWhole(Cp932::FromUnicodeKeepingAll(stored), kUrlSize - 1);
    return ProfileStore::Batch(file)
        .SetInt(m_section, "count", n)
        .Set(m_section, QByteArray::number(n).constData(), text)
        .Commit();
}

bool StopListIni::Rewrite(const QList<QByteArray>& entries) const
{
    ProfileStore::Batch batch(Path());
    batch.RemoveSection(m_section);
    if (!entries.isEmpty())
        batch.SetInt(m_section, "count", static_cast<int>(entries.size()) - 1);
    for (int i = 0; i < entries.size(); ++i)
        batch.Set(m_section, QByteArray::number(i).constData(), entries[i]);
    return batch.Commit();
}

bool StopListIni::SetCheck(bool on) const
{
    return WritePrivateProfileStringA("Security", "check", on ? "1" : "0", Path());
}
