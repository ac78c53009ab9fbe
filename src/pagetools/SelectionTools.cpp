#include "pagetools/SelectionTools.h"

#include "core/ProgramDir.h"
#include "pagetools/CSourceWindow.h"
#include "pagetools/ScriptRunner.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"

#include <QDesktopServices>
#include <QFile>
#include <QPointer>
#include <QUrl>
#include <QVariantMap>

namespace SelectionTools {
namespace {

FileOpener& Opener()
{
    static FileOpener opener;
    return opener;
}

bool OpenFile(const QString& path)
{
    if (Opener())
        return Opener()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

// Reads the selection and hands it on; a page we cannot read shows the failure.
void ReadSelection(CZelvoView& view, std::function<void(CZelvoView&, const QVariantMap&)> use)
{
    QPointer<CZelvoView> target(&view);
    ScriptRunner::Run(view, QStringLiteral("SelectionRead"), {},
                      [target, use](const QVariant& result) {
                          if (!target)
                              return;
                          if (!result.canConvert<QVariantMap>()) {
                              ScriptRunner::ShowFailure(*target);
                              return;
                          }
                          use(*target, result.toMap());
                      });
}

// Advances past one blank when there is one.
qsizetype SkipBlank(const QString& html, qsizetype at)
{
    return at < html.size() && html.at(at) == QLatin1Char(' ') ? at + 1 : at;
}

} // namespace

QString SourceFilePath()
{
    return SettingsPath(QStringLiteral("選択範囲のソースコード.txt"));
}

void SetFileOpener(FileOpener opener)
{
    Opener() = std::move(opener);
}

void ShowSource(CZelvoView& view)
{
    ReadSelection(view, [](CZelvoView& v, const QVariantMap& reading) {
        const QString html = reading.value("html").toString();
        const QString path = SourceFilePath();
        QFile::remove(path);
        QFile file(path);
        // UTF-8 keeps every character the page had.
        const bool written =
            file.open(QIODevice::WriteOnly) && file.write(html.toUtf8()) == html.toUtf8().size();
        file.close();
        if (written && OpenFile(path))
            return;
        if (!written) {
            CHtmlView::DialogHold hold(v);
            ShowMessageBox(&v, QStringLiteral("選択範囲ソースコードを表示できません！"), QString(),
                           MbIcon::Exclamation);
            return;
        }
        (new CSourceWindow(html, v.window()))->show();
    });
}

void Linkify(CZelvoView& view, LinkKind kind)
{
    QJsonObject args;
    switch (kind) {
    case LinkKind::Http:
        args = {{"prefix", "http://"}, {"hrefBefore", ""}, {"textBefore", ""}};
        break;
    case LinkKind::Ttp:
        args = {{"prefix", "ttp://"}, {"hrefBefore", "h"}, {"textBefore", "h"}};
        break;
    case LinkKind::Www:
        args = {{"prefix", "www."}, {"hrefBefore", "http://"}, {"textBefore", "http://"}};
        break;
    }
    ScriptRunner::Run(view, QStringLiteral("SelectionLinkify"), args);
}

void ShowLinkAddress(CZelvoView& view, std::function<void(const QString&)> show)
{
    ReadSelection(view, [show](CZelvoView& v, const QVariantMap& reading) {
        const QString html = reading.value("html").toString();
        if (html.isEmpty())
            return;
        const QString address = LinkAddress(html, reading.value("url").toString(),
                                            reading.value("anchors").toStringList());
        if (!address.isEmpty()) {
            show(address);
            return;
        }
        CHtmlView::DialogHold hold(v);
        ShowMessageBox(&v, QStringLiteral("アドレス表示失敗！"), QString(), MbIcon::Exclamation);
    });
}

QString LinkAddress(const QString& html, const QString& pageUrl, const QStringList& anchors)
{
    const QLatin1String href("href");
    const QChar quote(QLatin1Char('"'));
    QString absolute;
    QStringList relative;
    for (qsizetype at = html.indexOf(href); at >= 0; at = html.indexOf(href, at + 1)) {
        qsizetype p = SkipBlank(html, at + href.size());
        if (p >= html.size() || html.at(p) != QLatin1Char('='))
            continue;
        ++p;
        if (p < html.size() && html.at(p) == quote)
            ++p;
        const qsizetype end = html.indexOf(quote, p);
        const QString value = html.mid(p, end < 0 ? -1 : end - p);
        if (value.startsWith(QLatin1String("http")))
            absolute = value;
        else if (!value.isEmpty())
            relative.append(value);
    }
    if (!absolute.isEmpty())
        return absolute;
    // Relative values are resolved against the page, as the page itself does.
    const QUrl base(pageUrl);
    for (const QString& anchor : anchors)
        for (const QString& value : relative)
            if (base.resolved(QUrl(value)).toString() == QUrl(anchor).toString())
                return anchor;
    return QString();
}

} // namespace SelectionTools
