#include "core/PocketLinks.h"

QStringList HrefValues(const QString& html)
{
    static const QString kHref = QStringLiteral("href");
    QStringList values;
    for (qsizetype at = html.indexOf(kHref); at >= 0; at = html.indexOf(kHref, at)) {
        at += kHref.size();
        qsizetype pos = at;
        if (pos < html.size() && html[pos] == u' ')
            ++pos;
        if (pos >= html.size() || html[pos] != u'=')
            continue;
        ++pos;
        if (pos < html.size() && html[pos] == u'"')
            ++pos;
        qsizetype end = html.indexOf(u'"', pos);
        if (end < 0)
            end = html.size();
        values.append(html.mid(pos, end - pos));
        at = end;
    }
    return values;
}

QStringList PocketLinks(const QString& selectionHtml, const QString& documentUrl,
                        const QStringList& anchorHrefs)
{
    QStringList found;
    QStringList relative;
    for (const QString& value : HrefValues(selectionHtml)) {
        if (value.startsWith(QLatin1String("http")))
            found.append(value);
        else if (!value.isEmpty())
            relative.append(value);
    }
    for (const QString& href : anchorHrefs)
        for (const QString& value : relative)
            if (href == documentUrl + value)
                found.append(href);
    return found;
}
