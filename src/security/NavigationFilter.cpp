#include "security/NavigationFilter.h"

#include "core/Cp932.h"
#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "ini/SecurityIni.h"
#include "ini/StopListIni.h"
#include "security/ForbiddenList.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kExtensionUrlChars = 999;
constexpr int kExtensionTailChars = 259;
constexpr int kMediaKeyChars = 6;

// Case rules of the original: ASCII letters only.
QString AsciiLower(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return out;
}

bool IsScriptUrl(const QString& url)
{
    const QString lower = AsciiLower(url);
    return lower.contains(QLatin1String("javascript:")) || lower.contains(QLatin1String("<script"));
}

bool IsMailLink(const QString& url)
{
    return url.size() >= 6 && AsciiLower(url.left(6)) == QLatin1String("mailto");
}

// From the last "." of the (cut) address to its end; empty when it has none.
QString ExtensionTail(const QString& url)
{
    const QString cut = url.left(kExtensionUrlChars);
    const qsizetype dot = cut.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    return cut.mid(dot).left(kExtensionTailChars);
}

PlayerKind PlayerFor(const QString& url)
{
    const QString key = AsciiLower(url.right(kMediaKeyChars));
    static const char* const kWindowsMedia[] = {".wmv", ".asf", ".wma",  ".asx", ".wax",  ".wvx",
                                                ".mid", ".mpg", ".midi", ".avi", ".mpeg", ".mp3"};
    for (const char* extension : kWindowsMedia)
        if (key.contains(QLatin1String(extension)))
            return PlayerKind::WindowsMedia;
    if (key.contains(QLatin1String(".ram")) || key.contains(QLatin1String(".rm")) ||
        url.contains(QLatin1String(".rm?start=")))
        return PlayerKind::RealOne;
    return PlayerKind::None;
}

// Steps after the extension question: player pages, forbidden addresses, lock.
NavigationDecision DecideRest(const QString& url, const FilterSettings& settings,
                              const FilterLists& lists, const NavigateLockState& lock,
                              FrameKind frame)
{
    NavigationDecision decision;
    if (settings.mediaPlayer == 1) {
        const PlayerKind kind = PlayerFor(url);
        if (kind != PlayerKind::None) {
            decision.outcome = NavigationOutcome::PlayerPage;
            decision.player = kind;
            decision.page = NavigationFilter::FillPlayerPage(
                kind,
                kind == PlayerKind::WindowsMedia ? lists.mediaTemplate : lists.realOneTemplate,
                url);
            return decision;
        }
    }
    if (settings.forbiddenUrlCheck == 1 && ForbiddenList::Matches(lists.forbiddenUrls, url)) {
        decision.outcome = NavigationOutcome::RefuseAndCloseTab;
        return decision;
    }
    if (frame == FrameKind::Top && lock.on && !lock.lockedUrl.isEmpty() && url != lock.lockedUrl) {
        if (lock.returning) {
            decision.outcome = NavigationOutcome::RefuseSilently;
        } else {
            decision.outcome = NavigationOutcome::RedirectToLocked;
            decision.redirectUrl = lock.lockedUrl;
        }
    }
    return decision;
}

QByteArray ReadTemplate(PlayerKind kind)
{
    QFile file(ProfileStore::ResolvePath(SettingsPath(NavigationFilter::TemplateName(kind))));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(NavigationFilter::kTemplateBytes);
}

} // namespace

NavigationDecision NavigationDecision::Answered(bool yes) const
{
    if (outcome != NavigationOutcome::AskExtension)
        return *this;
    NavigationDecision answered = *this;
    answered.extension.clear();
    answered.outcome = yes ? afterYes : NavigationOutcome::RefuseSilently;
    if (!yes) {
        answered.player = PlayerKind::None;
        answered.page.clear();
        answered.redirectUrl.clear();
    }
    return answered;
}

namespace NavigationFilter {

NavigationDecision Decide(const QString& url, const FilterSettings& settings,
                          const FilterLists& lists, const NavigateLockState& lock, FrameKind frame,
                          const QString& written)
{
    NavigationDecision decision;
    if (settings.urlSecurity == 1 && (IsScriptUrl(url) || IsScriptUrl(written))) {
        decision.outcome = NavigationOutcome::RefuseWithScriptMessage;
        return decision;
    }
    // The catalogue turns mail suppression on for any non-zero value, as its
    // check mark shows.
    if (settings.mailto != 0 && IsMailLink(url)) {
        decision.outcome = NavigationOutcome::RefuseSilently;
        return decision;
    }
    QString askAbout;
    if (!settings.extensionFilter.isEmpty()) {
        const QString tail = ExtensionTail(url);
        if (!tail.isEmpty() && settings.extensionFilter.contains(tail))
            askAbout = tail;
    }
    decision = DecideRest(url, settings, lists, lock, frame);
    if (!askAbout.isEmpty()) {
        decision.afterYes = decision.outcome;
        decision.outcome = NavigationOutcome::AskExtension;
        decision.extension = askAbout;
    }
    return decision;
}

namespace {

// One character the code page cannot hold, as a character reference; control
// characters become the replacement character.
void AppendReference(QByteArray& out, char32_t cp)
{
    out +=
        "&#" + QByteArray::number(static_cast<uint>(cp < 0x20 || cp == 0x7F ? 0xFFFD : cp)) + ';';
}

// A run of characters beyond ASCII, converted at once: a long page of
// Japanese titles is thousands of them. '?' only comes from a character the
// code page lacks, as the run holds no ASCII.
void AppendWide(QByteArray& out, const QString& run)
{
    const QByteArray encoded = Cp932::FromUnicode(run);
    if (!encoded.contains('?')) {
        out += encoded;
        return;
    }
    for (const char32_t cp : run.toUcs4()) {
        const QByteArray one = Cp932::FromUnicode(QString::fromUcs4(&cp, 1));
        if (one != "?")
            out += one;
        else
            AppendReference(out, cp);
    }
}

} // namespace

QByteArray EscapeHtml(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    qsizetype wideFrom = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const char16_t c = i < text.size() ? text.at(i).unicode() : u'\0';
        if (i < text.size() && c >= 0x80) {
            if (wideFrom < 0)
                wideFrom = i;
            continue;
        }
        if (wideFrom >= 0) {
            AppendWide(out, text.mid(wideFrom, i - wideFrom));
            wideFrom = -1;
        }
        if (i == text.size())
            break;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if (c >= 0x20 && c < 0x7F)
                out += static_cast<char>(c);
            else
                AppendReference(out, c);
        }
    }
    return out;
}

QByteArray FillPlayerPage(PlayerKind kind, const QByteArray& templateText, const QString& url)
{
    const QByteArray address = EscapeHtml(url);
    QByteArray page = templateText;
    if (kind == PlayerKind::WindowsMedia) {
        page.replace(QByteArrayLiteral("<param name=\"FileName\" value=\"\">"),
                     "<param name=\"FileName\" value=\"" + address + "\">");
    } else if (kind == PlayerKind::RealOne) {
        page.replace(QByteArrayLiteral("<PARAM NAME=\"src\" VALUE=\"\">"),
                     "<PARAM NAME=\"src\" VALUE=\"" + address + "\">");
        page.replace(QByteArrayLiteral("<EMBED SRC=\"\""), "<EMBED SRC=\"" + address + '"');
    }
    return page;
}

FilterSettings ReadSettings()
{
    FilterSettings settings;
    settings.urlSecurity = SecurityIni::UrlSec();
    settings.mailto = SecurityIni::Mailto();
    settings.extensionFilter = SecurityIni::Filter();
    settings.mediaPlayer = SecurityIni::Media();
    settings.forbiddenUrlCheck = StopListIni::Url().Check();
    return settings;
}

FilterLists ReadLists(const FilterSettings& settings)
{
    FilterLists lists;
    if (settings.forbiddenUrlCheck == 1)
        lists.forbiddenUrls = StopListIni::Url().Load();
    if (settings.mediaPlayer == 1) {
        lists.mediaTemplate = ReadTemplate(PlayerKind::WindowsMedia);
        lists.realOneTemplate = ReadTemplate(PlayerKind::RealOne);
    }
    return lists;
}

QString TemplateName(PlayerKind kind)
{
    return kind == PlayerKind::RealOne ? QStringLiteral("Zelvo2.dat") : QStringLiteral("Zelvo.dat");
}

QString PageName(PlayerKind kind)
{
    return kind == PlayerKind::RealOne ? QStringLiteral("realone.html")
                                       : QStringLiteral("media.html");
}

QString WritePlayerPage(PlayerKind kind, const QByteArray& page)
{
    const QString templatePath = ProfileStore::ResolvePath(SettingsPath(TemplateName(kind)));
    if (!QFileInfo::exists(templatePath)) {
        QFile empty(templatePath);
        empty.open(QIODevice::WriteOnly);
    }
    const QString path = SettingsPath(PageName(kind));
    QFile::remove(path);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(page);
    return path;
}

} // namespace NavigationFilter
