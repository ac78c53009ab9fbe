#include "pagetools/ExtractionRules.h"

#include <algorithm>

namespace ExtractionRules {

bool IsSameSite(const QString& href, const QString& domain)
{
    return domain.isEmpty() || href.contains(domain);
}

bool IsImageType(const QString& href, ImageType type)
{
    const QString name = href.mid(href.lastIndexOf(QLatin1Char('/')) + 1).toUpper();
    switch (type) {
    case ImageType::Gif:
        return name.contains(QLatin1String(".GIF"));
    case ImageType::Jpeg:
        return name.contains(QLatin1String(".JPG")) || name.contains(QLatin1String(".JPEG"));
    case ImageType::Png:
        return name.contains(QLatin1String(".PNG"));
    }
    return false;
}

std::optional<QString> FlashAddress(const QString& outerHtml, const QString& pageUrl)
{
    if (!outerHtml.contains(QLatin1String("macromedia")))
        return std::nullopt;
    const qsizetype p = outerHtml.indexOf(QLatin1String(".swf"));
    if (p < 0)
        return std::nullopt;
    qsizetype start = p;
    while (start > 0) {
        const QChar c = outerHtml.at(start - 1);
        if (c == QLatin1Char('=') || c == QLatin1Char(' ') || c == QLatin1Char('.') ||
            c == QLatin1Char('"'))
            break;
        --start;
    }
    const QString movie = outerHtml.mid(start, p - start);
    const QString swf = QStringLiteral(".swf");
    if (movie.startsWith(QLatin1String("http")))
        return movie + swf;
    QString base = pageUrl;
    const qsizetype cuts = std::max<qsizetype>(movie.count(QLatin1Char('/')), 1);
    for (qsizetype i = 0; i < cuts; ++i) {
        const qsizetype slash = base.lastIndexOf(QLatin1Char('/'));
        if (slash < 0)
            break;
        base.truncate(slash);
    }
    if (movie.startsWith(QLatin1Char('/')))
        return base + movie + swf;
    return base + QLatin1Char('/') + movie + swf;
}

QString StyleSheetAddress(const QString& href, const QString& pageUrl)
{
    if (href.left(5).contains(QLatin1String("http")))
        return href;
    const QString base = pageUrl.left(pageUrl.lastIndexOf(QLatin1Char('/')) + 1);
    return base + (href.startsWith(QLatin1Char('/')) ? href.mid(1) : href);
}

QString AsciiUpper(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

bool TitleHasWord(const QString& title, const QString& word)
{
    return AsciiUpper(title).contains(AsciiUpper(word));
}

} // namespace ExtractionRules
