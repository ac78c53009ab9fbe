#include "frame/ClosedTabList.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace {

QString ListPath()
{
    return SettingsPath(QStringLiteral("DeleteTab_List.ini"));
}

QByteArray Key(const char* prefix, int i)
{
    return QByteArray(prefix) + QByteArray::number(i);
}

} // namespace

void ClosedTabList::AddClosedTab(const QString& title, const QString& url)
{
    if (m_titles.size() > kCapacity - 1 && m_urls.size() > kCapacity - 1) {
        m_titles.removeFirst();
        m_urls.removeFirst();
    }
    m_titles.append(title);
    m_urls.append(url);
    emit changed();
}

void ClosedTabList::LoadClosedTabs()
{
    const QString path = ListPath();
    const int count = GetPrivateProfileIntA("DeleteTab", "count", 0, path);
    m_titles.clear();
    m_urls.clear();
    // More than the list can hold means a damaged file; keep the newest entries.
    const int first = count > kCapacity ? count - kCapacity + 1 : 1;
    for (int i = first; i <= count; ++i) {
        m_titles.append(ProfileStore::GetText("DeleteTab", Key("name_", i).constData(), QString(),
                                              520, path));
        m_urls.append(ProfileStore::GetText("DeleteTab", Key("url_", i).constData(), QString(),
                                            780, path));
    }
    emit changed();
}

void ClosedTabList::SaveClosedTabs() const
{
    ProfileStore::Batch batch(ListPath());
    for (int i = 1; i <= m_titles.size(); ++i) {
        batch.SetInt("DeleteTab", "count", i)
            .SetText("DeleteTab", Key("name_", i).constData(), m_titles[i - 1])
            .SetText("DeleteTab", Key("url_", i).constData(), m_urls[i - 1]);
    }
    batch.Commit();
}

void ClosedTabList::ClearClosedTabs()
{
    m_titles.clear();
    m_urls.clear();
    emit changed();
}
