#include "panes/ClosedTabList.h"

#include "ini/DeleteTabListIni.h"

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
    const int count = DeleteTabListIni::Count();
    m_titles.clear();
    m_urls.clear();
    // More than the list can hold means a damaged file; keep the newest entries.
    const int first = count > kCapacity ? count - kCapacity + 1 : 1;
    for (int i = first; i <= count; ++i) {
        m_titles.append(DeleteTabListIni::Name(i));
        m_urls.append(DeleteTabListIni::Url(i));
    }
    emit loaded();
}

void ClosedTabList::SaveClosedTabs() const
{
    DeleteTabListIni::Save(m_titles, m_urls);
}

void ClosedTabList::ClearClosedTabs()
{
    m_titles.clear();
    m_urls.clear();
    emit changed();
}
