#include "ini/HistoryIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <algorithm>

HistoryIni::HistoryIni(const char* file, const char* section, const char* countKey, int valueSize,
                       int capacity, EmptyValue empty, BeforeSave beforeSave)
    : m_file(file), m_section(section), m_countKey(countKey), m_valueSize(valueSize),
      m_capacity(capacity), m_empty(empty), m_beforeSave(beforeSave)
{
}

HistoryIni HistoryIni::Address()
{
    return HistoryIni("Address.ini", "address", "address_count", 780, 31, EmptyValue::Ends,
                      BeforeSave::DeleteSection);
}

HistoryIni HistoryIni::Searchstring()
{
    return HistoryIni("Searchstring.ini", "Searchstring", "combo_count", 520, 41, EmptyValue::Kept,
                      BeforeSave::KeepSection);
}

QString HistoryIni::Path() const
{
    return SettingsPath(QString::fromLatin1(m_file));
}

QStringList HistoryIni::Load() const
{
    const QString path = Path();
    // The count comes from a file anyone can edit: never read past what the
    // box can hold, whatever it claims.
    const int last =
        std::min(GetPrivateProfileIntA(m_section, m_countKey, 0, path), m_capacity - 1);
    QStringList entries;
    for (int i = 0; i <= last; ++i) {
        const QString value = ProfileStore::GetText(m_section, QByteArray::number(i).constData(),
                                                    QString(), m_valueSize, path);
        if (value.isEmpty() && m_empty == EmptyValue::Ends)
            break;
        entries.append(value);
    }
    return entries;
}

void HistoryIni::Save(const QStringList& entries) const
{
    ProfileStore::Batch batch(Path());
    if (m_beforeSave == BeforeSave::DeleteSection)
        batch.RemoveSection(m_section);
    const int n = std::min(static_cast<int>(entries.size()), m_capacity);
    for (int i = 0; i < n; ++i) {
        batch.SetInt(m_section, m_countKey, i)
            .SetText(m_section, QByteArray::number(i).constData(), entries[i]);
    }
    batch.Commit();
}

bool HistoryIni::Clear() const
{
    return WritePrivateProfileStringA(m_section, nullptr, nullptr, Path());
}
