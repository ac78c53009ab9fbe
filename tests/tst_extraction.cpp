#include "core/Cp932.h"
#include "core/ProgramDir.h"
#include "pagetools/CHistorySearchDlg.h"
#include "pagetools/ExtractionPage.h"
#include "pagetools/ExtractionRules.h"
#include "pagetools/LocalTimeText.h"
#include "platform/MessageBox.h"
#include "platform/UrlHistory.h"

#include "TempHome.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QtTest>

#include <memory>

using Style = ExtractionPage::Style;
using Header = ExtractionPage::Header;

// The generated pages byte for byte, the rules that pick their lines, the URL
// history store and the history search dialog; no page engine.
class TestExtraction : public QObject {
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<TempHome>(); }
    void cleanup()
    {
        SetMessageBoxResponder(nullptr);
        m_home.reset();
    }
    void header_data();
    void header();
    void lines_data();
    void lines();
    void wholeFileReplacesOld();
    void rules_data();
    void rules();
    void localTimes_data();
    void localTimes();
    void flashAndStyleSheets_data();
    void flashAndStyleSheets();
    void historyKeepsOneRowPerAddress();
    void damagedHistoryIsSetAside();
    void clearHistory();
    void storeOpenAtExit();
    void searchDialog();

private:
    std::unique_ptr<TempHome> m_home;
};

static QByteArray Sjis(const char* utf8)
{
    return Cp932::FromUnicode(QString::fromUtf8(utf8));
}

static const char kTop[] =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<HTML LANG=\"JA\">\r\n"
    "<HEAD>\r\n<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n";
static const char kStyle[] =
    "<style type=\"text/css\">\r\n<!--\r\nbody\r\n{\r\n  background-image: "
    "url(back.png)\r\n}\r\n-->\r\n</style>\r\n";

void TestExtraction::header_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<Style>("style");
    QTest::addColumn<QString>("site");
    QTest::addColumn<Header>("variant");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray body = "</HEAD>\r\n<BODY>\r\n<P ALIGN=\"CENTER\">";
    QTest::newRow("links, hostile site title")
        << QStringLiteral("抽出リンクリスト") << Style::Background
        << QStringLiteral("<script>x</script> & \"ü😀\"") << Header::Page
        << kTop + Sjis("<TITLE>抽出リンクリスト</TITLE>\r\n") + kStyle + body +
               Sjis("<FONT SIZE=\"6\" COLOR=\"red\">抽出リンクリスト</FONT></P><BR>\r\n"
                    "<BR>サイト名：&lt;script&gt;x&lt;/script&gt; &amp; "
                    "&quot;&#252;&#128512;&quot;<BR><BR>\r\n");
    QTest::newRow("all images") << QStringLiteral("抽出画像リスト") << Style::Plain
                                << QStringLiteral("猫") << Header::AllImages
                                << kTop + Sjis("<TITLE>抽出画像リスト</TITLE>\r\n") + body +
                                       Sjis("<FONT SIZE=\"6\" COLOR=\"red\">抽出画像リスト</FONT>"
                                            "</P><BR>\r\n<BR>サイト名：猫<BR><BR>\r\nこのページを"
                                            "「名前を付けて保存」しますと、全画像を簡単に取得でき"
                                            "ます。<BR><BR>\r\n");
    QTest::newRow("gif") << QStringLiteral("抽出画像リスト(GIF)") << Style::Plain
                         << QStringLiteral("s") << Header::Page
                         << kTop + Sjis("<TITLE>抽出画像リスト(GIF)</TITLE>\r\n") + body +
                                Sjis("<FONT SIZE=\"6\" COLOR=\"red\">抽出画像リスト(GIF)</FONT></P>"
                                     "<BR>\r\n<BR>サイト名：s<BR><BR>\r\n");
    QTest::newRow("style sheets")
        << QStringLiteral("外部ファイルアドレスリスト - LINK属性") << Style::Background
        << QStringLiteral("s") << Header::StyleSheets
        << kTop + Sjis("<TITLE>外部ファイルアドレスリスト - LINK属性</TITLE>\r\n") + kStyle + body +
               Sjis("<FONT SIZE=\"6\" COLOR=\"red\">外部ファイルアドレスリスト - LINK属性</FONT>"
                    "<BR><BR>\r\n<FONT SIZE=\"3\" COLOR=\"red\">注 - アドレス先をクリックするのでは"
                    "なく右クリックから「保存」してください!</FONT></P><BR>\r\n<BR>サイト名：s"
                    "<BR><BR>\r\n");
    QTest::newRow("history") << QStringLiteral("「履歴」リスト") << Style::Background
                             << QStringLiteral("ignored") << Header::History
                             << kTop + Sjis("<TITLE>「履歴」リスト</TITLE>\r\n") + kStyle + body +
                                    Sjis("<FONT SIZE=\"6\" COLOR=\"red\">「履歴」リスト</FONT></P>"
                                         "<BR>\r\n");
}

void TestExtraction::header()
{
    QFETCH(QString, title);
    QFETCH(Style, style);
    QFETCH(QString, site);
    QFETCH(Header, variant);
    QFETCH(QByteArray, expected);
    QCOMPARE(ExtractionPage::HeaderText(title, style, site, variant), expected);
}

void TestExtraction::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("expected");
    const QDateTime when(QDate(2004, 5, 3), QTime(7, 8, 9));
    QTest::newRow("plain link") << ExtractionPage::PlainLink(QStringLiteral("http://a/b?c=1&d=2"))
                                << QByteArray("<BR><IMG SRC=\"e.png\" ALT=\"\"><A "
                                              "HREF=\"http://a/b?c=1&amp;d=2\">http://a/b?c=1&amp;"
                                              "d=2</A><BR>\r\n");
    QTest::newRow("hostile link")
        << ExtractionPage::PlainLink(QStringLiteral("javascript:\"><script>x()</script>"))
        << QByteArray("<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"javascript:&quot;&gt;&lt;"
                      "script&gt;x()&lt;/script&gt;\">javascript:&quot;&gt;&lt;script&gt;x()&lt;/"
                      "script&gt;</A><BR>\r\n");
    QTest::newRow("same-site link")
        << ExtractionPage::SameSiteLink(QStringLiteral("http://s/x"))
        << QByteArray("<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"http://s/x\"><span "
                      "style=\"background-color: aqua\">http://s/x</span></A><BR>\r\n");
    QTest::newRow("image, hostile alt")
        << ExtractionPage::ImageLine(QStringLiteral("http://s/a.gif"),
                                     QStringLiteral("' onerror='x()' 猫"))
        << QByteArray("<IMG SRC=\"http://s/a.gif\" ALT=\"&#39; onerror=&#39;x()&#39; ") +
               Sjis("猫") + "\">\r\n";
    QTest::newRow("history entry")
        << ExtractionPage::HistoryLine(QStringLiteral("http://s/"),
                                       QStringLiteral("</A><script>x()</script>简体"),
                                       LocalTimeText().Stamp(when))
        << QByteArray("<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"http://s/\" ALT=\"\">&lt;/A&gt;"
                      "&lt;script&gt;x()&lt;/script&gt;&#31616;") +
               Sjis("体") + "</A> - 2004-05-03 07:08:09<BR>\r\n";
    QTest::newRow("travel entry")
        << ExtractionPage::TravelLine(12, QStringLiteral("http://s/"), QStringLiteral("頁"))
        << QByteArray("<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"http://s/\" ALT=\"\">12") +
               Sjis("：頁") + "</A><BR>\r\n";
}

void TestExtraction::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, expected);
    QCOMPARE(line, expected);
}

void TestExtraction::wholeFileReplacesOld()
{
    m_home->write("Link.html", QByteArray(5000, 'x'));
    for (const auto footer : {ExtractionPage::Footer::Page, ExtractionPage::Footer::History}) {
        ExtractionPage page;
        const QString title = QStringLiteral("t");
        QVERIFY(page.Begin(SettingsPath(QStringLiteral("Link.html")), title, Style::Plain,
                           QStringLiteral("s"), Header::Page));
        page.Append("one\r\n");
        page.Append("two\r\n");
        QVERIFY(page.End(footer));
        const QByteArray tail = footer == ExtractionPage::Footer::Page
                                    ? QByteArray("one\r\ntwo\r\n</BODY>\r\n</HTML>")
                                    : QByteArray("one\r\ntwo\r\n\r\n</BODY>\r\n</HTML>");
        QCOMPARE(
            m_home->read("Link.html"),
            ExtractionPage::HeaderText(title, Style::Plain, QStringLiteral("s"), Header::Page) +
                tail);
    }
}

void TestExtraction::rules_data()
{
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("expected");
    using namespace ExtractionRules;
    QTest::newRow("href holds domain") << IsSameSite("http://www.a.jp/x", "www.a.jp") << true;
    QTest::newRow("other site") << IsSameSite("http://b.jp/www.a", "www.a.jp") << false;
    QTest::newRow("domain case matters") << IsSameSite("http://WWW.A.JP/", "www.a.jp") << false;
    QTest::newRow("local file: every link") << IsSameSite("http://b.jp/", "") << true;
    QTest::newRow("photo.Gif is GIF")
        << IsImageType("http://s/i/photo.Gif", ImageType::Gif) << true;
    QTest::newRow("gif in folder only")
        << IsImageType("http://s/gif.php/x.png", ImageType::Gif) << false;
    QTest::newRow("x.png is PNG") << IsImageType("http://s/gif.php/x.png", ImageType::Png) << true;
    QTest::newRow(".JPEG") << IsImageType("http://s/a.JPEG?x", ImageType::Jpeg) << true;
    QTest::newRow(".jpg") << IsImageType("http://s/a.jpg", ImageType::Jpeg) << true;
    QTest::newRow("png is no jpeg") << IsImageType("http://s/a.png", ImageType::Jpeg) << false;
    QTest::newRow("word, ASCII case folded")
        << TitleHasWord(QStringLiteral("Alpha Page"), QStringLiteral("pAGE")) << true;
    QTest::newRow("word, ü kept") << TitleHasWord(QStringLiteral("Müller"), QStringLiteral("MÜ"))
                                  << false;
    QTest::newRow("word, emoji") << TitleHasWord(QStringLiteral("寿司🍣bar"), QStringLiteral("🍣B"))
                                 << true;
    QTest::newRow("upper-cased title")
        << (AsciiUpper(QStringLiteral("abc ü 简")) == QStringLiteral("ABC ü 简")) << true;
}

void TestExtraction::rules()
{
    QFETCH(bool, result);
    QFETCH(bool, expected);
    QCOMPARE(result, expected);
}

void TestExtraction::localTimes_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QByteArray>("stamp");
    const auto utc = [](int y, int mo, int d, int h, int mi, int s) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
    };
    QTest::newRow("Tokyo") << QByteArray("Asia/Tokyo") << utc(2026, 12, 31, 15, 0, 0)
                           << QByteArray("2027-01-01 00:00:00");
    QTest::newRow("Berlin, summer") << QByteArray("Europe/Berlin") << utc(2026, 7, 1, 22, 30, 5)
                                    << QByteArray("2026-07-02 00:30:05");
    QTest::newRow("Berlin, winter") << QByteArray("Europe/Berlin") << utc(2026, 1, 1, 22, 30, 5)
                                    << QByteArray("2026-01-01 23:30:05");
    QTest::newRow("New York, a second before summer time")
        << QByteArray("America/New_York") << utc(2026, 3, 8, 6, 59, 59)
        << QByteArray("2026-03-08 01:59:59");
    QTest::newRow("New York, summer time")
        << QByteArray("America/New_York") << utc(2026, 3, 8, 7, 0, 0)
        << QByteArray("2026-03-08 03:00:00");
    QTest::newRow("a POSIX rule") << QByteArray("JST-9") << utc(2004, 5, 2, 22, 8, 9)
                                  << QByteArray("2004-05-03 07:08:09");
    QTest::newRow("a local time") << QByteArray("Asia/Tokyo")
                                  << QDateTime(QDate(2004, 5, 3), QTime(7, 8, 9))
                                  << QByteArray("2004-05-03 07:08:09");
}

// Whatever the zone, the texts are the C library's local time.
void TestExtraction::localTimes()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, when);
    QFETCH(QByteArray, stamp);
    const QByteArray before = qgetenv("TZ");
    qputenv("TZ", zone);
    const LocalTimeText times;
    const QByteArray got = times.Stamp(when);
    const QString day = times.Day(when);
    const QByteArray reference =
        when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
    qputenv("TZ", before);
    QCOMPARE(got, stamp);
    QCOMPARE(reference, stamp);
    QCOMPARE(day, QString::fromLatin1(stamp.left(10)));
}

void TestExtraction::flashAndStyleSheets_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    using namespace ExtractionRules;
    const QString page = QStringLiteral("http://s/dir/sub/p.html");
    auto flash = [&](const char* html) {
        return FlashAddress(QString::fromUtf8(html), page).value_or("none");
    };
    QTest::newRow("movie beside the page")
        << flash("<OBJECT codebase=\"http://download.macromedia.com/x\"><PARAM "
                 "value=\"movie.swf\"></OBJECT>")
        << QStringLiteral("http://s/dir/sub/movie.swf");
    QTest::newRow("movie in a folder")
        << flash("<OBJECT macromedia><PARAM value=\"a/b/m.swf\"></OBJECT>")
        << QStringLiteral("http://s/dir/a/b/m.swf");
    QTest::newRow("rooted movie") << flash("<OBJECT macromedia value=\"/m.swf\">")
                                  << QStringLiteral("http://s/dir/sub/m.swf");
    QTest::newRow("absolute movie") << flash("<OBJECT macromedia value=\"http://x/m.swf\">")
                                    << QStringLiteral("http://x/m.swf");
    QTest::newRow("no macromedia") << flash("<OBJECT value=\"m.swf\">") << QStringLiteral("none");
    QTest::newRow("no .swf") << flash("<OBJECT macromedia value=\"m.mov\">")
                             << QStringLiteral("none");
    QTest::newRow("rooted sheet") << StyleSheetAddress("/css/a.css", "http://s/dir/p.html")
                                  << QStringLiteral("http://s/dir/css/a.css");
    QTest::newRow("relative sheet") << StyleSheetAddress("a.css", "http://s/dir/p.html")
                                    << QStringLiteral("http://s/dir/a.css");
    QTest::newRow("absolute sheet") << StyleSheetAddress("https://c/a.css", "http://s/p.html")
                                    << QStringLiteral("https://c/a.css");
}

void TestExtraction::flashAndStyleSheets()
{
    QFETCH(QString, result);
    QFETCH(QString, expected);
    QCOMPARE(result, expected);
}

void TestExtraction::historyKeepsOneRowPerAddress()
{
    UrlHistory& store = UrlHistory::Instance();
    const QDateTime t0(QDate(2024, 3, 1), QTime(10, 0));
    store.Record(QStringLiteral("http://a/"), QStringLiteral("Alpha"), t0);
    store.Record(QStringLiteral("https://b/"), QStringLiteral("Beta 🍣"), t0.addSecs(60));
    store.Record(QStringLiteral("file:///c.html"), QStringLiteral("local"), t0.addSecs(120));
    store.Record(QStringLiteral("http://a/"), QStringLiteral("Alpha again"), t0.addSecs(180));
    store.Record(QStringLiteral("https://b/"), QString(), t0.addSecs(240));
    const QList<UrlHistoryEntry> http = store.Entries(QStringLiteral("http"));
    QCOMPARE(http.size(), 2);
    QCOMPARE(http[0].url, QStringLiteral("https://b/"));
    QCOMPARE(http[0].title, QStringLiteral("Beta 🍣"));
    QCOMPARE(http[0].lastVisit, t0.addSecs(240));
    QCOMPARE(http[1].title, QStringLiteral("Alpha again"));
    QCOMPARE(store.Entries().size(), 3);
    QVERIFY(QFileInfo(store.DatabasePath()).absolutePath().endsWith(QLatin1String("/profile")));
    QVERIFY(store.DatabasePath().startsWith(m_home->path()));
}

void TestExtraction::damagedHistoryIsSetAside()
{
    QDir(m_home->path()).mkpath(QStringLiteral("profile"));
    const QByteArray junk(8192, '\x5a');
    m_home->write("profile/history.sqlite", junk);
    UrlHistory& store = UrlHistory::Instance();
    store.Record(QStringLiteral("http://a/"), QStringLiteral("A"));
    QCOMPARE(store.Entries().size(), 1);
    QCOMPARE(m_home->read("profile/history.sqlite.damaged"), junk);
}

void TestExtraction::clearHistory()
{
    UrlHistory& store = UrlHistory::Instance();
    store.Record(QStringLiteral("http://a/"), QStringLiteral("A"));
    QCOMPARE(store.Entries().size(), 1);
    store.Record(QStringLiteral("http://b/"), QStringLiteral("B"));
    QVERIFY(store.ClearHistory());
    QVERIFY(store.Entries().isEmpty());
}

void TestExtraction::storeOpenAtExit()
{
    // A process ended by exit() with the store open, as the engine ends one
    // on a fatal error: no crash, and the visit is kept.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--record-and-exit")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(UrlHistory::Instance().Entries().size(), 1);
}

void TestExtraction::searchDialog()
{
    QStringList searches;
    QList<MessageBoxCall> boxes;
    SetMessageBoxResponder([&](const MessageBoxCall& call) {
        boxes.append(call);
        return MbAnswer::Ok;
    });
    CHistorySearchDlg dialog([&](const QString& d) { searches << "date " + d; },
                             [&](const QString& w) { searches << "word " + w; });
    dialog.show();
    auto button = [&](const char* text) {
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8(text))
                return b;
        return static_cast<QPushButton*>(nullptr);
    };
    auto* calendar = dialog.findChild<QCalendarWidget*>();
    auto* word = dialog.findChild<QLineEdit*>(QStringLiteral("word"));
    QVERIFY(calendar && word && button("日付検索") && button("語句検索") && button("クリア"));
    QVERIFY(button("日付検索")->isDefault());
    for (const QDate& d : {QDate(2004, 5, 3), QDate(2004, 12, 31), QDate(2005, 1, 1)}) {
        calendar->setSelectedDate(d);
        button("日付検索")->click();
    }
    button("語句検索")->click();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("何か語句を入力してください！"));
    word->setText(QStringLiteral("Ab 🍣"));
    button("語句検索")->click();
    QCOMPARE(searches, QStringList({"date 2004-05-03", "date 2004-12-31", "date 2005-01-01",
                                    QStringLiteral("word Ab 🍣")}));
    QVERIFY(dialog.isVisible());
    button("クリア")->click();
    QVERIFY(word->text().isEmpty());
    button("終了")->click();
    QVERIFY(!dialog.isVisible());
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--record-and-exit") == 0) {
        UrlHistory::Instance().Record(QStringLiteral("http://a/"), QStringLiteral("A"));
        UrlHistory::Instance().Flush();
        std::exit(0);
    }
    TestExtraction test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_extraction.moc"
