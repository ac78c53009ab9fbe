#include "security/ProxyBypass.h"

namespace {

QRegularExpression HostPattern(const QString& pattern)
{
    QString expression;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::CaseInsensitiveOption);
}

bool IsSimpleName(const QString& host)
{
    return !host.isEmpty() && !host.contains(QLatin1Char('.')) && !host.contains(QLatin1Char(':'));
}

} // namespace

ProxyBypass::ProxyBypass(const QString& list)
{
    static const QRegularExpression kSeparators(QStringLiteral("[;,\\s]+"));
    for (const QString& entry : list.split(kSeparators, Qt::SkipEmptyParts))
        AddEntry(entry);
}

void ProxyBypass::AddEntry(QString entry)
{
    if (entry.compare(QStringLiteral("<local>"), Qt::CaseInsensitive) == 0) {
        m_local = true;
        return;
    }
    Entry parsed;
    const qsizetype schemeEnd = entry.indexOf(QStringLiteral("://"));
    if (schemeEnd >= 0) {
        parsed.scheme = entry.left(schemeEnd).toLower();
        entry = entry.mid(schemeEnd + 3);
    }
    entry = entry.section(QLatin1Char('/'), 0, 0);
    QString host = entry;
    QString port;
    if (entry.startsWith(QLatin1Char('['))) {
        const qsizetype close = entry.indexOf(QLatin1Char(']'));
        if (close < 0)
            return;
        host = entry.mid(1, close - 1);
        if (entry.mid(close + 1).startsWith(QLatin1Char(':')))
            port = entry.mid(close + 2);
        else if (close + 1 != entry.size())
            return;
    } else if (entry.count(QLatin1Char(':')) == 1) {
        host = entry.section(QLatin1Char(':'), 0, 0);
        port = entry.section(QLatin1Char(':'), 1);
    }
    if (!port.isEmpty() && port != QStringLiteral("*")) {
        bool number = false;
        parsed.port = port.toInt(&number);
        if (!number || parsed.port <= 0 || parsed.port > 65535)
            return;
    }
    if (host.isEmpty())
        return;
    parsed.host = HostPattern(host);
    m_entries.append(parsed);
}

bool ProxyBypass::Bypasses(const QString& scheme, const QString& host, int port) const
{
    if (m_local && IsSimpleName(host))
        return true;
    for (const Entry& entry : m_entries) {
        if (!entry.scheme.isEmpty() && entry.scheme != scheme.toLower())
            continue;
        if (entry.port != -1 && entry.port != port)
            continue;
        if (entry.host.match(host).hasMatch())
            return true;
    }
    return false;
}
