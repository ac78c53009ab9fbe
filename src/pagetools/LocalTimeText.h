#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

// Local date and time texts for many instants at once. The C library's local
// conversion looks at the zone file again on every call, which made a list of
// ten thousand visits wait on the disk; the zone is taken once here instead.
class LocalTimeText {
public:
    LocalTimeText();

    // "yyyy-MM-dd HH:mm:ss"
    QByteArray Stamp(const QDateTime& when) const;
    // "yyyy-MM-dd"
    QString Day(const QDateTime& when) const;

private:
    QDateTime Local(const QDateTime& when) const;

    QTimeZone m_zone;
};
