#include "core/Cp932.h"
#include "core/ProgramDir.h"
#include "ini/StopListIni.h"
#include "security/ForbiddenList.h"
#include "security/NavigationFilter.h"

#include "TempHome.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(NavigationOutcome)
Q_DECLARE_METATYPE(PlayerKind)

namespace {

const QByteArray kWmPlaceholder = R"(<param name="FileName" value="">)";
const QByteArray kWmTemplate = "<p>" + kWmPlaceholder + "</p><i>" + kWmPlaceholder + "</i>";
const QByteArray kRoTemplate = R"(<PARAM NAME="src" VALUE=""><EMBED SRC="" type="x">)";

FilterLists Templates()
{
    FilterLists lists;
    lists.mediaTemplate = kWmTemplate;
    lists.realOneTemplate = kRoTemplate;
    return lists;
}

} // namespace

class TestNavigationFilter : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void scriptAndMailLinks_data();
    void scriptAndMailLinks();
    void extensionFilter_data();
    void extensionFilter();
    void playerPages_data();
    void playerPages();
    void laterStepsAfterYes_data();
    void laterStepsAfterYes();
    void forbiddenUrlsAndLock_data();
    void forbiddenUrlsAndLock();
    void hostileAddressEscaped_data();
    void hostileAddressEscaped();
    void listLayouts_data();
    void listLayouts();
    void appendCountsOn_data();
    void appendCountsOn();
    void rewriteBytes();
    void settingsReadAnew();
    void playerPageWritten();

private:
    std::unique_ptr<TempHome> m_home;
};

void TestNavigationFilter::init()
{
    m_home = std::make_unique<TempHome>();
}

void TestNavigationFilter::cleanup()
{
    m_home.reset();
}

void TestNavigationFilter::scriptAndMailLinks_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("urlSec");
    QTest::addColumn<int>("mailto");
    QTest::addColumn<NavigationOutcome>("outcome");
    // The address as typed or written, where it differs from the engine's.
    QTest::addColumn<QString>("written");
    using O = NavigationOutcome;
    auto row = [](const char* name, const QString& url, int urlSec, int mailto, O outcome,
                  const QString& written = QString()) {
        QTest::newRow(name) << url << urlSec << mailto << outcome << written;
    };
    row("JavaScript:void(0)", "JavaScript:void(0)", 1, 0, O::RefuseWithScriptMessage);
    row("javascript inside", "http://a/?u=jAvAsCrIpT:x", 1, 0, O::RefuseWithScriptMessage);
    row("literal <script", "http://a/<ScRiPt>", 1, 0, O::RefuseWithScriptMessage);
    row("%3Cscript allowed", "http://a/%3Cscript%3E", 1, 0, O::GoOn);
    row("%3Cscript written as <script", "http://a/?q=%3Cscript%3E", 1, 0,
        O::RefuseWithScriptMessage, "http://a/?q=<script>");
    row("%3Cscript written so", "http://a/%3Cscript%3E", 1, 0, O::GoOn, "http://a/%3Cscript%3E");
    row("javascript: written only", "http://a/?u=javascript%3Ax", 1, 0, O::RefuseWithScriptMessage,
        "http://a/?u=javascript:x");
    row("written <script, url_sec off", "http://a/?q=%3Cscript%3E", 0, 0, O::GoOn,
        "http://a/?q=<script>");
    row("javascript without colon", "http://a/javascript", 1, 0, O::GoOn);
    row("url_sec off", "javascript:void(0)", 0, 0, O::GoOn);
    row("url_sec 2 is not on", "javascript:void(0)", 2, 0, O::GoOn);
    row("long s is no s", QString::fromUtf8("javaſcript:x"), 1, 0, O::GoOn);
    row("mailto", "mailto:x", 0, 1, O::RefuseSilently);
    row("MAILTO", "MAILTO:x", 0, 1, O::RefuseSilently);
    row("mailto any non-zero", "mailto:x", 0, 2, O::RefuseSilently);
    row("mailto off", "mailto:x", 0, 0, O::GoOn);
    row("under 6 characters", "mail", 0, 1, O::GoOn);
    row("exactly MAILTO", "MaIlTo", 0, 1, O::RefuseSilently);
    row("mailto not first", "http://mailto:x", 0, 1, O::GoOn);
    row("dotless i", QString::fromUtf8("maıltox"), 0, 1, O::GoOn);
    row("script before mail", "mailto:javascript:", 1, 1, O::RefuseWithScriptMessage);
}

void TestNavigationFilter::scriptAndMailLinks()
{
    QFETCH(QString, url);
    QFETCH(int, urlSec);
    QFETCH(int, mailto);
    QFETCH(NavigationOutcome, outcome);
    QFETCH(QString, written);
    FilterSettings settings;
    settings.urlSecurity = urlSec;
    settings.mailto = mailto;
    QCOMPARE(NavigationFilter::Decide(url, settings, {}, {}, FrameKind::Top, written).outcome,
             outcome);
}

void TestNavigationFilter::extensionFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("caption");
    QTest::newRow("b.exe") << ".exe+.zip"
                           << "http://h/b.exe"
                           << ".exe";
    QTest::newRow("b.EXE") << ".exe+.zip"
                           << "http://h/b.EXE"
                           << "";
    QTest::newRow("b.ex") << ".exe+.zip"
                          << "http://h/b.ex"
                          << ".ex";
    QTest::newRow("b.zip") << ".exe+.zip"
                           << "http://h/b.zip"
                           << ".zip";
    QTest::newRow("query is part of the tail") << ".exe+.zip"
                                               << "http://h/b.exe?x=1"
                                               << "";
    QTest::newRow("filter holds the query") << ".exe?x=1"
                                            << "http://h/b.exe?x=1"
                                            << ".exe?x=1";
    QTest::newRow("host dot") << ".exe"
                              << "http://h.com/"
                              << "";
    QTest::newRow("no dot at all") << ".exe"
                                   << "about:blank"
                                   << "";
    QTest::newRow("empty filter") << ""
                                  << "http://h/b.exe"
                                  << "";
    QTest::newRow("trailing dot") << ".pdf"
                                  << "http://h/b."
                                  << ".";
    QTest::newRow("dot after character 999 unseen")
        << ".exe"
        << "http://h/" + QString(990, QLatin1Char('a')) + ".exe"
        << "";
    QTest::newRow("tail cut at 259") << ".exe" + QString(255, QLatin1Char('q'))
                                     << "http://h/b.exe" + QString(300, QLatin1Char('q'))
                                     << ".exe" + QString(255, QLatin1Char('q'));
}

void TestNavigationFilter::extensionFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, url);
    QFETCH(QString, caption);
    FilterSettings settings;
    settings.extensionFilter = filter;
    const NavigationDecision d = NavigationFilter::Decide(url, settings, {}, {});
    QCOMPARE(d.outcome,
             caption.isEmpty() ? NavigationOutcome::GoOn : NavigationOutcome::AskExtension);
    QCOMPARE(d.extension, caption);
    if (!caption.isEmpty()) {
        QCOMPARE(d.Answered(true).outcome, NavigationOutcome::GoOn);
        QCOMPARE(d.Answered(false).outcome, NavigationOutcome::RefuseSilently);
    }
}

void TestNavigationFilter::playerPages_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("media");
    QTest::addColumn<PlayerKind>("player");
    QTest::newRow("x.MP3") << "http://h/x.MP3" << 1 << PlayerKind::WindowsMedia;
    QTest::newRow("a.midi") << "http://h/a.midi" << 1 << PlayerKind::WindowsMedia;
    QTest::newRow("a.mid") << "http://h/a.mid" << 1 << PlayerKind::WindowsMedia;
    QTest::newRow("a.wmv") << "http://h/a.wmv" << 1 << PlayerKind::WindowsMedia;
    QTest::newRow("a.mpeg") << "http://h/a.mpeg" << 1 << PlayerKind::WindowsMedia;
    QTest::newRow("a.ram") << "http://h/a.ram" << 1 << PlayerKind::RealOne;
    QTest::newRow("a.rm") << "http://h/a.rm" << 1 << PlayerKind::RealOne;
    QTest::newRow(".rm?start=") << "http://h/a.rm?start=10" << 1 << PlayerKind::RealOne;
    QTest::newRow(".RM?start= is case-sensitive")
        << "http://h/a.RM?start=10" << 1 << PlayerKind::None;
    QTest::newRow("extension beyond last 6") << "http://h/a.mp3?x=1" << 1 << PlayerKind::None;
    QTest::newRow("setting off") << "http://h/x.mp3" << 0 << PlayerKind::None;
    QTest::newRow("setting 2") << "http://h/x.mp3" << 2 << PlayerKind::None;
    QTest::newRow("short url") << ".mp3" << 1 << PlayerKind::WindowsMedia;
    QTest::newRow("html page") << "http://h/a.html" << 1 << PlayerKind::None;
}

void TestNavigationFilter::playerPages()
{
    QFETCH(QString, url);
    QFETCH(int, media);
    QFETCH(PlayerKind, player);
    FilterSettings settings;
    settings.mediaPlayer = media;
    const NavigationDecision d = NavigationFilter::Decide(url, settings, Templates(), {});
    QCOMPARE(d.player, player);
    if (player == PlayerKind::None) {
        QCOMPARE(d.outcome, NavigationOutcome::GoOn);
        return;
    }
    QCOMPARE(d.outcome, NavigationOutcome::PlayerPage);
    const QByteArray address = url.toLatin1();
    if (player == PlayerKind::WindowsMedia) {
        const QByteArray filled = R"(<param name="FileName" value=")" + address + "\">";
        QCOMPARE(d.page, "<p>" + filled + "</p><i>" + filled + "</i>");
    } else {
        QCOMPARE(d.page, R"(<PARAM NAME="src" VALUE=")" + address + R"("><EMBED SRC=")" + address +
                             R"(" type="x">)");
    }
}

void TestNavigationFilter::laterStepsAfterYes_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<NavigationOutcome>("afterYes");
    QTest::newRow("player page") << "http://h/x.mp3" << NavigationOutcome::PlayerPage;
    QTest::newRow("forbidden") << "http://h/bad.zip" << NavigationOutcome::RefuseAndCloseTab;
    QTest::newRow("locked") << "http://h/other.zip" << NavigationOutcome::RedirectToLocked;
}

void TestNavigationFilter::laterStepsAfterYes()
{
    QFETCH(QString, url);
    QFETCH(NavigationOutcome, afterYes);
    FilterSettings settings;
    settings.extensionFilter = QStringLiteral(".mp3+.zip");
    settings.mediaPlayer = 1;
    settings.forbiddenUrlCheck = 1;
    FilterLists lists = Templates();
    lists.forbiddenUrls = {"http://h/bad.zip"};
    const NavigateLockState lock{true, QStringLiteral("http://h/bad.zip"), false};
    const NavigationDecision d = NavigationFilter::Decide(url, settings, lists, lock);
    QCOMPARE(d.outcome, NavigationOutcome::AskExtension);
    QCOMPARE(d.afterYes, afterYes);
    const NavigationDecision yes = d.Answered(true);
    QCOMPARE(yes.outcome, afterYes);
    QCOMPARE(yes.page.isEmpty(), afterYes != NavigationOutcome::PlayerPage);
    QCOMPARE(d.Answered(false).outcome, NavigationOutcome::RefuseSilently);
    QVERIFY(d.Answered(false).page.isEmpty());
}

void TestNavigationFilter::forbiddenUrlsAndLock_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("check");
    QTest::addColumn<int>("urlSec");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("returning");
    QTest::addColumn<bool>("subFrame");
    QTest::addColumn<NavigationOutcome>("outcome");
    using O = NavigationOutcome;
    const QString bad = QStringLiteral("http://h/bad");
    QTest::newRow("match") << bad << 1 << 0 << false << false << false << O::RefuseAndCloseTab;
    QTest::newRow("other entry") << "http://h/worse" << 1 << 0 << false << false << false
                                 << O::RefuseAndCloseTab;
    QTest::newRow("trailing slash") << bad + "/" << 1 << 0 << false << false << false << O::GoOn;
    QTest::newRow("case differs") << "http://h/BAD" << 1 << 0 << false << false << false << O::GoOn;
    QTest::newRow("check off") << bad << 0 << 0 << false << false << false << O::GoOn;
    QTest::newRow("check 2") << bad << 2 << 0 << false << false << false << O::GoOn;
    QTest::newRow("sub-frame match")
        << bad << 1 << 0 << false << false << true << O::RefuseAndCloseTab;
    QTest::newRow("script url listed")
        << "javascript:x()" << 1 << 1 << false << false << false << O::RefuseWithScriptMessage;
    QTest::newRow("forbidden beats lock")
        << bad << 1 << 0 << true << false << false << O::RefuseAndCloseTab;
    QTest::newRow("locked elsewhere")
        << "http://h/b" << 0 << 0 << true << false << false << O::RedirectToLocked;
    QTest::newRow("locked url itself")
        << "http://h/p" << 0 << 0 << true << false << false << O::GoOn;
    QTest::newRow("locked, slash differs")
        << "http://h/p/" << 0 << 0 << true << false << false << O::RedirectToLocked;
    QTest::newRow("locked, sub-frame")
        << "http://h/frame" << 0 << 0 << true << false << true << O::GoOn;
    QTest::newRow("locked, returning")
        << "http://h/b" << 0 << 0 << true << true << false << O::RefuseSilently;
}

void TestNavigationFilter::forbiddenUrlsAndLock()
{
    QFETCH(QString, url);
    QFETCH(int, check);
    QFETCH(int, urlSec);
    QFETCH(bool, locked);
    QFETCH(bool, returning);
    QFETCH(bool, subFrame);
    QFETCH(NavigationOutcome, outcome);
    m_home->write(QStringLiteral("StopUrl.ini"),
                  "[StopUrl]\r\ncount=3\r\n1=http://h/bad\r\n3=http://h/worse\r\n");
    FilterSettings settings;
    settings.forbiddenUrlCheck = check;
    settings.urlSecurity = urlSec;
    FilterLists lists;
    lists.forbiddenUrls = StopListIni::Url().Load();
    lists.forbiddenUrls.append("javascript:x()");
    const NavigateLockState lock{locked, QStringLiteral("http://h/p"), returning};
    const NavigationDecision d = NavigationFilter::Decide(
        url, settings, lists, lock, subFrame ? FrameKind::Sub : FrameKind::Top);
    QCOMPARE(d.outcome, outcome);
    QCOMPARE(d.redirectUrl, outcome == NavigationOutcome::RedirectToLocked
                                ? QStringLiteral("http://h/p")
                                : QString());
}

void TestNavigationFilter::hostileAddressEscaped_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("quote and script")
        << R"(http://h/"><script>alert(1)</script>.mp3)"
        << QByteArray(R"(http://h/&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;.mp3)");
    QTest::newRow("single quote and ampersand")
        << "http://h/a'b&c=1.mp3" << QByteArray("http://h/a&#39;b&amp;c=1.mp3");
    QTest::newRow("Japanese stays Shift_JIS")
        << QString::fromUtf8("http://h/曲.mp3") << QByteArray("http://h/\x8b\xc8.mp3");
    QTest::newRow("outside code page 932")
        << QString::fromUtf8("http://h/😀.mp3") << QByteArray("http://h/&#128512;.mp3");
    QTest::newRow("one run, some characters outside")
        << QString::fromUtf8("http://h/曲😀ü曲&曲.mp3")
        << QByteArray("http://h/\x8b\xc8&#128512;&#252;\x8b\xc8&amp;\x8b\xc8.mp3");
    QTest::newRow("control character")
        << QString::fromUtf8("http://h/\x01.mp3") << QByteArray("http://h/&#65533;.mp3");
}

void TestNavigationFilter::hostileAddressEscaped()
{
    QFETCH(QString, url);
    QFETCH(QByteArray, written);
    QCOMPARE(NavigationFilter::FillPlayerPage(PlayerKind::WindowsMedia, kWmPlaceholder, url),
             R"(<param name="FileName" value=")" + written + "\">");
    QCOMPARE(NavigationFilter::FillPlayerPage(PlayerKind::RealOne, kRoTemplate, url),
             R"(<PARAM NAME="src" VALUE=")" + written + R"("><EMBED SRC=")" + written +
                 R"(" type="x">)");
}

void TestNavigationFilter::listLayouts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("entries");
    QTest::newRow("from 0") << QByteArray("[StopUrl]\r\ncount=1\r\n0=a\r\n1=b\r\n")
                            << QList<QByteArray>{"a", "b"};
    QTest::newRow("from 1") << QByteArray("[StopUrl]\r\ncount=2\r\n1=a\r\n2=b\r\n")
                            << QList<QByteArray>{"a", "b"};
    QTest::newRow("count 3, keys 1 and 3")
        << QByteArray("[StopUrl]\r\ncount=3\r\n3=c\r\n1=a\r\n") << QList<QByteArray>{"a", "c"};
    QTest::newRow("beyond count unread")
        << QByteArray("[StopUrl]\r\ncount=1\r\n1=a\r\n2=b\r\n") << QList<QByteArray>{"a"};
    QTest::newRow("empty values skipped")
        << QByteArray("[StopUrl]\r\ncount=2\r\n0=\r\n1=a\r\n2=\r\n") << QList<QByteArray>{"a"};
    QTest::newRow("no count") << QByteArray("[StopUrl]\r\n0=a\r\n1=b\r\n")
                              << QList<QByteArray>{"a"};
    QTest::newRow("negative count")
        << QByteArray("[StopUrl]\r\ncount=-1\r\n0=a\r\n") << QList<QByteArray>{};
    QTest::newRow("huge count") << QByteArray("[StopUrl]\r\ncount=2147483647\r\n7=a\r\n")
                                << QList<QByteArray>{"a"};
    QTest::newRow("keys not in %d form")
        << QByteArray("[StopUrl]\r\ncount=3\r\n01=a\r\n+2=b\r\n3=c\r\n") << QList<QByteArray>{"c"};
    QTest::newRow("first duplicate wins")
        << QByteArray("[StopUrl]\r\ncount=1\r\n1=a\r\n1=b\r\n") << QList<QByteArray>{"a"};
    QTest::newRow("section name case")
        << QByteArray("[stopurl]\r\nCOUNT=0\r\n0=a\r\n") << QList<QByteArray>{"a"};
    QTest::newRow("garbage") << QByteArray(1, '\0') + "\xff[[[\r\n=\r\n[StopUrl\r\ncount=x\r\n"
                             << QList<QByteArray>{};
    QTest::newRow("entry cut at 1039 bytes")
        << "[StopUrl]\r\ncount=0\r\n0=" + QByteArray(1100, 'u') + "\r\n"
        << QList<QByteArray>{QByteArray(1039, 'u')};
}

void TestNavigationFilter::listLayouts()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, entries);
    m_home->write(QStringLiteral("StopUrl.ini"), file);
    QCOMPARE(StopListIni::Url().Load(), entries);
}

void TestNavigationFilter::appendCountsOn_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("new file") << QByteArray() << QByteArray("[StopTitle]\r\ncount=1\r\n1=題名\r\n");
    QTest::newRow("after a dialog rewrite")
        << QByteArray("[StopTitle]\r\ncount=0\r\n0=a\r\n")
        << QByteArray("[StopTitle]\r\ncount=1\r\n0=a\r\n1=題名\r\n");
    QTest::newRow("negative count") << QByteArray("[StopTitle]\r\ncount=-4\r\n")
                                    << QByteArray("[StopTitle]\r\ncount=1\r\n1=題名\r\n");
}

void TestNavigationFilter::appendCountsOn()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        m_home->write(QStringLiteral("StopTitle.ini"), before);
    QVERIFY(StopListIni::Title().Append(QString::fromUtf8("題名")));
    QCOMPARE(m_home->read(QStringLiteral("StopTitle.ini")),
             Cp932::FromUnicode(QString::fromUtf8(after)));
    QVERIFY(ForbiddenList::Matches(StopListIni::Title().Load(), QString::fromUtf8("題名")));
}

void TestNavigationFilter::rewriteBytes()
{
    m_home->write(QStringLiteral("StopUrl.ini"),
                  "[Security]\r\ncheck=1\r\n[StopUrl]\r\ncount=9\r\n4=x\r\n9=y\r\n");
    QVERIFY(StopListIni::Url().Rewrite({"y", "x", "z"}));
    QCOMPARE(m_home->read(QStringLiteral("StopUrl.ini")),
             QByteArray("[Security]\r\ncheck=1\r\n[StopUrl]\r\ncount=2\r\n0=y\r\n1=x\r\n2=z\r\n"));
    QVERIFY(StopListIni::Url().Rewrite({}));
    QCOMPARE(m_home->read(QStringLiteral("StopUrl.ini")), QByteArray("[Security]\r\ncheck=1\r\n"));
}

void TestNavigationFilter::settingsReadAnew()
{
    m_home->write(QStringLiteral("Security.ini"),
                  "[Security]\r\nurl_sec=1\r\nmailto=3\r\nfilter=" + QByteArray(300, 'f') +
                      "\r\n[media]\r\nsetting=1\r\n");
    m_home->write(QStringLiteral("StopUrl.ini"),
                  "[Security]\r\ncheck=1\r\n[StopUrl]\r\ncount=1\r\n1=http://h/bad\r\n");
    m_home->write(QStringLiteral("Zelvo.dat"), QByteArray(2000, 'w'));
    FilterSettings s = NavigationFilter::ReadSettings();
    QCOMPARE(s.urlSecurity, 1);
    QCOMPARE(s.mailto, 3);
    QCOMPARE(s.extensionFilter, QString(259, QLatin1Char('f')));
    QCOMPARE(s.mediaPlayer, 1);
    QCOMPARE(s.forbiddenUrlCheck, 1);
    FilterLists lists = NavigationFilter::ReadLists(s);
    QCOMPARE(lists.forbiddenUrls, QList<QByteArray>{"http://h/bad"});
    QCOMPARE(lists.mediaTemplate, QByteArray(1699, 'w'));
    QVERIFY(lists.realOneTemplate.isEmpty());

    // Switched off: nothing of theirs is read.
    m_home->write(QStringLiteral("Security.ini"), "[media]\r\nsetting=0\r\n");
    m_home->write(QStringLiteral("StopUrl.ini"), "[StopUrl]\r\ncount=1\r\n1=http://h/bad\r\n");
    s = NavigationFilter::ReadSettings();
    QCOMPARE(s.urlSecurity, 0);
    QVERIFY(s.extensionFilter.isEmpty());
    lists = NavigationFilter::ReadLists(s);
    QVERIFY(lists.forbiddenUrls.isEmpty());
    QVERIFY(lists.mediaTemplate.isEmpty());
}

void TestNavigationFilter::playerPageWritten()
{
    QVERIFY(ProgramDir::Prepare());
    FilterSettings settings;
    settings.mediaPlayer = 1;
    const FilterLists lists = NavigationFilter::ReadLists(settings);
    for (const PlayerKind kind : {PlayerKind::WindowsMedia, PlayerKind::RealOne}) {
        const QByteArray& shipped =
            kind == PlayerKind::WindowsMedia ? lists.mediaTemplate : lists.realOneTemplate;
        // The shipped pages fit the bytes read and hold every placeholder.
        QVERIFY(shipped.size() < NavigationFilter::kTemplateBytes);
        QVERIFY(shipped.contains("charset=\"Shift_JIS\""));
        const QByteArray page = NavigationFilter::FillPlayerPage(kind, shipped, "http://h/x.mp3");
        QVERIFY(!page.contains("value=\"\"") && !page.contains("VALUE=\"\"") &&
                !page.contains("SRC=\"\""));
        m_home->write(NavigationFilter::PageName(kind), QByteArray(5000, 'o'));
        const QString path = NavigationFilter::WritePlayerPage(kind, page);
        QCOMPARE(QFileInfo(path).fileName(), NavigationFilter::PageName(kind));
        QCOMPARE(m_home->read(NavigationFilter::PageName(kind)), page);
    }
    QFile::remove(m_home->file(QStringLiteral("Zelvo2.dat")));
    NavigationFilter::WritePlayerPage(PlayerKind::RealOne, QByteArray());
    QVERIFY(m_home->exists(QStringLiteral("Zelvo2.dat")));
    QVERIFY(m_home->read(QStringLiteral("Zelvo2.dat")).isEmpty());
    QVERIFY(m_home->read(QStringLiteral("realone.html")).isEmpty());
}

QTEST_GUILESS_MAIN(TestNavigationFilter)
#include "tst_navigationfilter.moc"
