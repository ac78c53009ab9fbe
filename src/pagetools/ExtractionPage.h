#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The generated pages of the extraction commands: one header, one line per
// entry, one footer, all in Shift_JIS. Every text that came from a page or
// from the history is HTML-escaped where it enters the page, so no page can
// put markup or script into a file opened from the program directory.
class ExtractionPage {
public:
    enum class Style { Plain, Background };
    // Page: the site-title line follows the heading. AllImages: that line
    // ends with the note on saving. StyleSheets: a heading of its own, then
    // the site-title line. History: no site-title line.
    enum class Header { Page, AllImages, StyleSheets, History };
    enum class Footer { Page, History };

    // Replaces file with the header; false when it cannot be written.
    bool Begin(const QString& file, const QString& title, Style style, const QString& siteTitle,
               Header variant);
    void Append(const QByteArray& line);
    // Writes the footer and closes the file.
    bool End(Footer footer);
    // Closes the file as it stands, without a footer.
    void Abandon();

    static QByteArray HeaderText(const QString& title, Style style, const QString& siteTitle,
                                 Header variant);
    static QByteArray FooterText(Footer footer);

    static QByteArray PlainLink(const QString& url);
    static QByteArray SameSiteLink(const QString& url);
    static QByteArray ImageLine(const QString& url, const QString& alt);
    static QByteArray HistoryLine(const QString& url, const QString& title,
                                  const QByteArray& visited);
    static QByteArray TravelLine(int number, const QString& url, const QString& title);

private:
    QFile m_file;
};
