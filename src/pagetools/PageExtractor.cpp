#include "pagetools/PageExtractor.h"

#include "core/ProgramDir.h"
#include "pagetools/ExtractionPage.h"
#include "pagetools/ExtractionRules.h"
#include "pagetools/LocalTimeText.h"
#include "platform/MessageBox.h"
#include "platform/UrlHistory.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QUrl>
#include <QWebEngineHistory>

#include <algorithm>
#include <climits>

namespace {

using Header = ExtractionPage::Header;
using Style = ExtractionPage::Style;
using PageKind = PageExtractor::PageKind;

struct PageMember {
    const char* file;
    const char* title;
    Style style;
    Header header;
    bool frames;
};

PageMember MemberOf(PageKind kind)
{
    switch (kind) {
    case PageKind::Links:
        return {"Link.html", "抽出リンクリスト", Style::Background, Header::Page, true};
    case PageKind::AllImages:
        return {"Image.html", "抽出画像リスト", Style::Plain, Header::AllImages, false};
    case PageKind::Gif:
        return {"Image.html", "抽出画像リスト(GIF)", Style::Plain, Header::Page, false};
    case PageKind::Jpeg:
        return {"Image.html", "抽出画像リスト(JPEG)", Style::Plain, Header::Page, false};
    case PageKind::Png:
        return {"Image.html", "抽出画像リスト(PNG)", Style::Plain, Header::Page, false};
    case PageKind::ImageAddresses:
        return {"Image.html", "抽出画像アドレスリスト", Style::Background, Header::Page, true};
    case PageKind::Flash:
        return {"Link.html", "抽出Frashリスト", Style::Background, Header::Page, true};
    case PageKind::StyleSheets:
        return {"Link.html", "外部ファイルアドレスリスト - LINK属性", Style::Background,
                Header::StyleSheets, true};
    }
    return {};
}

QString ExtractScript()
{
    static const QString script = [] {
        QFile file(QStringLiteral(":/pagetools/scripts/extract.js"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }();
    return script;
}

void Open(CZelvoView& view, const QString& path, int flags)
{
    view.Navigate2(QUrl::fromLocalFile(path).toString(), flags);
}

// The lines one document gives; top: the page itself rather than a frame.
void AppendDocument(ExtractionPage& page, PageKind kind, const QVariantMap& doc, bool top,
                    const QString& domain, const QString& pageUrl)
{
    using namespace ExtractionRules;
    switch (kind) {
    case PageKind::Links:
        for (const QVariant& v : doc.value(QStringLiteral("anchors")).toList()) {
            const QString href = v.toString();
            if (href.isEmpty())
                continue;
            page.Append(top && IsSameSite(href, domain) ? ExtractionPage::SameSiteLink(href)
                                                        : ExtractionPage::PlainLink(href));
        }
        return;
    case PageKind::AllImages:
    case PageKind::Gif:
    case PageKind::Jpeg:
    case PageKind::Png:
    case PageKind::ImageAddresses:
        for (const QVariant& v : doc.value(QStringLiteral("images")).toList()) {
            const QVariantList image = v.toList();
            const QString src = image.value(0).toString();
            const QString alt = image.value(1).toString();
            if (kind == PageKind::ImageAddresses) {
                if (!src.isEmpty())
                    page.Append(ExtractionPage::PlainLink(src));
                continue;
            }
            const bool listed = kind == PageKind::AllImages ||
                                (kind == PageKind::Gif && IsImageType(src, ImageType::Gif)) ||
                                (kind == PageKind::Jpeg && IsImageType(src, ImageType::Jpeg)) ||
                                (kind == PageKind::Png && IsImageType(src, ImageType::Png));
            if (listed)
                page.Append(ExtractionPage::ImageLine(src, alt));
        }
        return;
    case PageKind::Flash:
        for (const QVariant& v : doc.value(QStringLiteral("objects")).toList())
            if (const std::optional<QString> address = FlashAddress(v.toString(), pageUrl))
                page.Append(ExtractionPage::PlainLink(*address));
        return;
    case PageKind::StyleSheets:
        for (const QVariant& v : doc.value(QStringLiteral("links")).toList())
            if (!v.toString().isEmpty())
                page.Append(ExtractionPage::PlainLink(StyleSheetAddress(v.toString(), pageUrl)));
        return;
    }
}

void WritePageResult(CZelvoView& view, PageKind kind, const QVariant& result)
{
    const PageMember member = MemberOf(kind);
    const QString path = SettingsPath(QString::fromUtf8(member.file));
    ExtractionPage page;
    if (!page.Begin(path, QString::fromUtf8(member.title), member.style, view.GetLocationName(),
                    member.header))
        return;
    if (result.typeId() != QMetaType::QVariantMap) {
        page.Abandon();
        ShowMessageBox(&view, QStringLiteral("失敗"), QStringLiteral("失敗"), MbIcon::Stop);
        return;
    }
    const QVariantMap map = result.toMap();
    const QString domain = map.value(QStringLiteral("domain")).toString();
    const QVariantList docs = map.value(QStringLiteral("docs")).toList();
    const QString pageUrl = view.GetLocationURL();
    for (qsizetype i = 0; i < docs.size() && (i == 0 || member.frames); ++i)
        AppendDocument(page, kind, docs.at(i).toMap(), i == 0, domain, pageUrl);
    page.End(ExtractionPage::Footer::Page);
    Open(view, path, navOpenInNewWindow);
    if (kind == PageKind::Gif || kind == PageKind::Jpeg || kind == PageKind::Png)
        ShowMessageBox(&view,
                       QStringLiteral("画像を抽出しました。\r\n\r\nこのページを「名前を付けて保存」"
                                      "しますと、全画像を簡単に取得できます。\r\n\r\nうまく表示でき"
                                      "ないときは「更新」ボタンを押してください！"),
                       QStringLiteral("Zelvo"), MbIcon::Information);
}

bool HasDocument(CZelvoView& view)
{
    const QString url = view.GetLocationURL();
    return !url.isEmpty() && url != QLatin1String("about:blank");
}

} // namespace

namespace PageExtractor {

void ExtractFromPage(CZelvoView& view, PageKind kind)
{
    if (!HasDocument(view)) {
        WritePageResult(view, kind, QVariantMap());
        return;
    }
    QPointer<CZelvoView> guard(&view);
    view.GetPage()->runJavaScript(ExtractScript(), QWebEngineScript::ApplicationWorld,
                                  [guard, kind](const QVariant& result) {
                                      if (guard)
                                          WritePageResult(*guard, kind, result);
                                  });
}

void ExtractHistory(CZelvoView& view, HistoryKind kind, const QString& argument)
{
    using namespace ExtractionRules;
    static const char* const kTitles[] = {"「履歴」リスト", "「今日の履歴」リスト",
                                          "履歴の検索リスト", "履歴の語句検索リスト"};
    const bool waits = kind == HistoryKind::All;
    if (waits)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString path = SettingsPath(QStringLiteral("history.html"));
    ExtractionPage page;
    if (page.Begin(path, QString::fromUtf8(kTitles[static_cast<int>(kind)]), Style::Background,
                   QString(), Header::History)) {
        const LocalTimeText times;
        const QString today = times.Day(QDateTime::currentDateTime());
        for (const UrlHistoryEntry& e : UrlHistory::Instance().Entries(QStringLiteral("http"))) {
            QString title = e.title;
            switch (kind) {
            case HistoryKind::All:
                break;
            case HistoryKind::Today:
            case HistoryKind::ByDate:
                if (times.Day(e.lastVisit) != (kind == HistoryKind::Today ? today : argument))
                    continue;
                break;
            case HistoryKind::ByWord:
                if (!TitleHasWord(e.title, argument))
                    continue;
                title = AsciiUpper(e.title);
                break;
            }
            page.Append(ExtractionPage::HistoryLine(e.url, title, times.Stamp(e.lastVisit)));
        }
        if (page.End(ExtractionPage::Footer::History))
            Open(view, path, navOpenInNewWindow);
    }
    if (waits)
        QApplication::restoreOverrideCursor();
}

void ShowTravelList(CZelvoView& view, TravelKind kind)
{
    const bool back = kind == TravelKind::Back;
    const QString path = SettingsPath(QStringLiteral("history.html"));
    ExtractionPage page;
    if (!page.Begin(path,
                    back ? QStringLiteral("「戻る」履歴リスト")
                         : QStringLiteral("「進む」履歴リスト"),
                    Style::Background, QString(), Header::History))
        return;
    QWebEngineHistory* history = view.GetPage()->history();
    QList<QWebEngineHistoryItem> items =
        back ? history->backItems(INT_MAX) : history->forwardItems(INT_MAX);
    // Nearest to the current page first.
    if (back)
        std::reverse(items.begin(), items.end());
    int number = 0;
    for (const QWebEngineHistoryItem& item : std::as_const(items)) {
        const QString url = item.url().toString();
        if (url.isEmpty() || item.title().isEmpty())
            continue;
        page.Append(ExtractionPage::TravelLine(number++, url, item.title()));
    }
    if (page.End(ExtractionPage::Footer::History))
        Open(view, path, 0);
}

} // namespace PageExtractor
