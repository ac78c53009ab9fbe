#include "pagetools/LocalTimeText.h"

#include <cstdio>

LocalTimeText::LocalTimeText() : m_zone(QTimeZone::systemTimeZone()) {}

// The wall-clock reading as a UTC value: cheap to take apart.
QDateTime LocalTimeText::Local(const QDateTime& when) const
{
    if (!m_zone.isValid())
        return when.toLocalTime();
    const qint64 ms = when.toMSecsSinceEpoch();
    return QDateTime::fromMSecsSinceEpoch(ms + qint64(m_zone.offsetFromUtc(when)) * 1000, Qt::UTC);
}

QByteArray LocalTimeText::Stamp(const QDateTime& when) const
{
    if (!when.isValid())
        return {};
    const QDateTime local = Local(when);
    const QDate d = local.date();
    const QTime t = local.time();
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year(),
                                d.month(), d.day(), t.hour(), t.minute(), t.second());
    return QByteArray(text, n);
}

QString LocalTimeText::Day(const QDateTime& when) const
{
    return QString::fromLatin1(Stamp(when).left(10));
}
