#include "favorites/GroupRunList.h"

#include "core/ProfileStore.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr int kNameSize = 260;

} // namespace

void GroupRunList::Load(const QString& path)
{
    for (int g = 0; g < kGroupCount; ++g) {
        const QByteArray section = GroupName(g).toLatin1();
        QStringList& items = m_groups[g];
        items.clear();
        const int count = GetPrivateProfileIntA(section.constData(), "count", 0, path);
        for (int j = 0; j <= count; ++j) {
            const QString name = ProfileStore::GetText(
                section.constData(), QByteArray::number(j).constData(), QString(), kNameSize, path);
            if (!name.isEmpty())
                items.append(name);
        }
    }
}

bool GroupRunList::Save(const QString& path) const
{
    ProfileStore::Batch batch(path);
    for (const QByteArray& section : ProfileStore::SectionNames(path))
        batch.RemoveSection(section.constData());
    for (int g = 0; g < kGroupCount; ++g) {
        const QByteArray section = GroupName(g).toLatin1();
        for (int n = 0; n < m_groups[g].size(); ++n) {
            batch.SetInt(section.constData(), "count", n);
            batch.SetText(section.constData(), QByteArray::number(n).constData(), m_groups[g][n]);
        }
    }
    if (std::all_of(m_groups.begin(), m_groups.end(),
                    [](const QStringList& l) { return l.isEmpty(); }))
        return !QFile::exists(ProfileStore::ResolvePath(path)) ||
               QFile::remove(ProfileStore::ResolvePath(path));
    return batch.Commit();
}

void GroupRunList::Add(const QString& name)
{
    m_groups[0].append(name);
}

bool GroupRunList::Move(int from, int item, int to)
{
    if (!Valid(from, item) || to < 0 || to >= kGroupCount)
        return false;
    m_groups[to].append(m_groups[from].takeAt(item));
    return true;
}

bool GroupRunList::Remove(int group, int item)
{
    if (!Valid(group, item))
        return false;
    m_groups[group].removeAt(item);
    return true;
}

bool GroupRunList::Clear(int group)
{
    if (group < 0 || group >= kGroupCount || m_groups[group].isEmpty())
        return false;
    m_groups[group].clear();
    return true;
}

bool GroupRunList::Valid(int group, int item) const
{
    return group >= 0 && group < kGroupCount && item >= 0 && item < m_groups[group].size();
}
