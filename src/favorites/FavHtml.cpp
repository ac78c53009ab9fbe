#include "favorites/FavHtml.h"

#include "core/Cp932.h"
#include "favorites/FavoritesFolder.h"

#include <QSaveFile>

namespace FavHtml {

namespace {

constexpr int kUrlSize = 2048;

const char kHeader[] =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
    "<HTML LANG=\"JA\">\r\n"
    "<HEAD>\r\n"
    "<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
    "<TITLE>お気に入りリンクリスト</TITLE>\r\n"
    "<style type=\"text/css\">\r\n<!--\r\nbody\r\n{\r\n  background-image: url(back.png)\r\n}\r\n"
    "-->\r\n</style>\r\n"
    "</HEAD>\r\n"
    "<BODY>\r\n"
    "<P ALIGN=\"CENTER\">"
    "<FONT SIZE=\"6\" COLOR=\"red\">「お気に入り」リンクリスト</FONT></P><BR>\r\n";

const char kFooter[] = "\r\n</BODY>\r\n</HTML>";

// Escaped, then in Shift_JIS; what it cannot hold becomes a character reference.
QByteArray Text(const QString& text)
{
    return Cp932::FromUnicodeKeepingAll(text.toHtmlEscaped());
}

void AppendFolder(QByteArray& out, const QString& folder)
{
    const QString base = folder + QLatin1Char('/');
    for (const QString& file : FavoritesFolder::ListShortcutFiles(folder)) {
        const QByteArray url = Text(FavoritesFolder::ReadUrl(base + file, kUrlSize));
        out += "<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"" + url + "\" ALT=\"\">" +
               Text(file.left(file.size() - 4)) + "</A> - " + url + "<BR>\r\n";
    }
    for (const QString& dir : FavoritesFolder::ListSubFolders(folder)) {
        out += "<BR><IMG SRC=\"forda.png\" ALT=\"\">" + Text(dir) + "<BR>\r\n";
        AppendFolder(out, base + dir);
    }
}

} // namespace

QByteArray Build(const QString& folder)
{
    QByteArray out = Cp932::FromUnicode(QString::fromUtf8(kHeader));
    AppendFolder(out, folder);
    out += kFooter;
    return out;
}

bool Write(const QString& path, const QString& folder)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Build(folder));
    return file.commit();
}

} // namespace FavHtml
