#include "view/CHtmlView.h"

#include "core/ProgramDir.h"

#include <QFileInfo>

#include <array>
#include <cmath>

namespace {

constexpr std::array<qreal, HtmlView::kZoomLevels> kZoomFactors = {0.7, 0.85, 1.0, 1.2, 1.5};

// The address as the engine writes it in place of a missing title: without
// "http://" or "https://" and without a final slash.
QString BareAddress(QString text)
{
    QString prefix;
    if (text.startsWith(QLatin1String("view-source:"))) {
        prefix = QStringLiteral("view-source:");
        text.remove(0, prefix.size());
    }
    for (const QLatin1String scheme : {QLatin1String("http://"), QLatin1String("https://")}) {
        if (text.startsWith(scheme)) {
            text.remove(0, scheme.size());
            break;
        }
    }
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    return prefix + text;
}

} // namespace

namespace HtmlView {

qreal ZoomFactorForLevel(int level)
{
    if (level < 0 || level >= kZoomLevels)
        return 0;
    return kZoomFactors[level];
}

int ZoomLevelForFactor(qreal factor)
{
    int best = kDefaultZoomLevel;
    for (int level = 0; level < kZoomLevels; ++level) {
        if (std::abs(kZoomFactors[level] - factor) < std::abs(kZoomFactors[best] - factor))
            best = level;
    }
    return best;
}

QUrl ViewSourceUrl(const QUrl& page)
{
    if (!page.isValid() || page.isEmpty() || page.scheme() == QLatin1String("about"))
        return {};
    if (page.scheme() == QLatin1String("view-source"))
        return page;
    return QUrl(QStringLiteral("view-source:") + page.toString(QUrl::FullyEncoded));
}

QString LocationName(const QString& title, const QUrl& url)
{
    const QString address = url.toString();
    if (title.isEmpty() || BareAddress(title) == BareAddress(address))
        return address;
    if (url.isLocalFile() && title == url.fileName())
        return address;
    return title;
}

QUrl HomePageUrl()
{
    const QString home = qEnvironmentVariable("ZELVO_HOMEPAGE");
    if (!home.isEmpty())
        return UrlFromText(home);
    return QUrl::fromLocalFile(ProgramDir::Path() + QStringLiteral("/home.html"));
}

QUrl UrlFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    return QUrl::fromUserInput(trimmed);
}

QWebEngineDownloadRequest::SavePageFormat SaveFormatFor(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("mht") || suffix == QLatin1String("mhtml"))
        return QWebEngineDownloadRequest::MimeHtmlSaveFormat;
    return QWebEngineDownloadRequest::CompleteHtmlSaveFormat;
}

QString SaveFileName(const QString& locationName)
{
    QString name;
    for (const QChar c : locationName) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            continue;
        name += c;
    }
    name = name.trimmed();
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("page"));
    return name + QStringLiteral(".html");
}

} // namespace HtmlView
