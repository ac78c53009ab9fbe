#include "pagetools/ExtractionPage.h"

#include "core/Cp932.h"
#include "security/NavigationFilter.h"

namespace {

QByteArray Own(const char* utf8)
{
    return Cp932::FromUnicode(QString::fromUtf8(utf8));
}

QByteArray Own(const QString& text)
{
    return Cp932::FromUnicode(text);
}

const char kBullet[] = "<BR><IMG SRC=\"e.png\" ALT=\"\">";

} // namespace

QByteArray ExtractionPage::HeaderText(const QString& title, Style style, const QString& siteTitle,
                                      Header variant)
{
    QByteArray out = "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
                     "<HTML LANG=\"JA\">\r\n<HEAD>\r\n"
                     "<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; "
                     "charset=Shift_JIS\">\r\n";
    out += "<TITLE>" + Own(title) + "</TITLE>\r\n";
    if (style == Style::Background)
        out += "<style type=\"text/css\">\r\n<!--\r\nbody\r\n{\r\n  background-image: "
               "url(back.png)\r\n}\r\n-->\r\n</style>\r\n";
    out += "</HEAD>\r\n<BODY>\r\n<P ALIGN=\"CENTER\">";
    if (variant == Header::StyleSheets) {
        out += "<FONT SIZE=\"6\" COLOR=\"red\">" + Own(title) + "</FONT><BR><BR>\r\n";
        out += "<FONT SIZE=\"3\" COLOR=\"red\">" +
               Own("注 - アドレス先をクリックするのではなく右クリックから「保存」してください!") +
               "</FONT></P><BR>\r\n";
    } else {
        out += "<FONT SIZE=\"6\" COLOR=\"red\">" + Own(title) + "</FONT></P><BR>\r\n";
    }
    if (variant == Header::History)
        return out;
    out += "<BR>" + Own("サイト名：") + NavigationFilter::EscapeHtml(siteTitle);
    if (variant == Header::AllImages)
        out += "<BR><BR>\r\n" +
               Own("このページを「名前を付けて保存」しますと、全画像を簡単に取得できます。") +
               "<BR><BR>\r\n";
    else
        out += "<BR><BR>\r\n";
    return out;
}

QByteArray ExtractionPage::FooterText(Footer footer)
{
    return footer == Footer::History ? QByteArrayLiteral("\r\n</BODY>\r\n</HTML>")
                                     : QByteArrayLiteral("</BODY>\r\n</HTML>");
}

QByteArray ExtractionPage::PlainLink(const QString& url)
{
    const QByteArray u = NavigationFilter::EscapeHtml(url);
    return kBullet + ("<A HREF=\"" + u + "\">" + u + "</A><BR>\r\n");
}

QByteArray ExtractionPage::SameSiteLink(const QString& url)
{
    const QByteArray u = NavigationFilter::EscapeHtml(url);
    return kBullet + ("<A HREF=\"" + u + "\"><span style=\"background-color: aqua\">" + u +
                      "</span></A><BR>\r\n");
}

QByteArray ExtractionPage::ImageLine(const QString& url, const QString& alt)
{
    return "<IMG SRC=\"" + NavigationFilter::EscapeHtml(url) + "\" ALT=\"" +
           NavigationFilter::EscapeHtml(alt) + "\">\r\n";
}

QByteArray ExtractionPage::HistoryLine(const QString& url, const QString& title,
                                       const QByteArray& visited)
{
    return kBullet + ("<A HREF=\"" + NavigationFilter::EscapeHtml(url) + "\" ALT=\"\">" +
                      NavigationFilter::EscapeHtml(title) + "</A> - " + visited + "<BR>\r\n");
}

QByteArray ExtractionPage::TravelLine(int number, const QString& url, const QString& title)
{
    return kBullet + ("<A HREF=\"" + NavigationFilter::EscapeHtml(url) + "\" ALT=\"\">" +
                      QByteArray::number(number) + Own("：") + NavigationFilter::EscapeHtml(title) +
                      "</A><BR>\r\n");
}

bool ExtractionPage::Begin(const QString& file, const QString& title, Style style,
                           const QString& siteTitle, Header variant)
{
    m_file.close();
    QFile::remove(file);
    m_file.setFileName(file);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    m_file.write(HeaderText(title, style, siteTitle, variant));
    return true;
}

void ExtractionPage::Append(const QByteArray& line)
{
    if (m_file.isOpen())
        m_file.write(line);
}

bool ExtractionPage::End(Footer footer)
{
    if (!m_file.isOpen())
        return false;
    m_file.write(FooterText(footer));
    const bool ok = m_file.error() == QFileDevice::NoError;
    m_file.close();
    return ok;
}

void ExtractionPage::Abandon()
{
    m_file.close();
}
