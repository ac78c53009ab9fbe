#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The twelve groups of favourites that run together, kept in Grouprun.ini:
// section "group%d" per group that has favourites, `count` = the highest key
// number, keys "0", "1", … the favourites' names in their order.
class GroupRunList {
public:
    static constexpr int kGroupCount = 12;

    // Reads keys 0 to `count` of each group; gaps and empty values are skipped.
    void Load(const QString& path);
    // Replaces the file: groups without favourites have no section, the
    // others are numbered from 0 without gaps.
    bool Save(const QString& path) const;

    static QString GroupName(int group) { return QStringLiteral("group%1").arg(group + 1); }
    const QStringList& Items(int group) const { return m_groups[group]; }

    // Appends name to the first group.
    void Add(const QString& name);
    // Moves item of group `from` to the end of group `to`.
    bool Move(int from, int item, int to);
    bool Remove(int group, int item);
    // False when the group had nothing to delete.
    bool Clear(int group);

private:
    bool Valid(int group, int item) const;

    QList<QStringList> m_groups = QList<QStringList>(kGroupCount);
};
