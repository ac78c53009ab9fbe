#include "commands/CommandId.h"
#include "core/Cp932.h"
#include "frame/CMainFrame.h"
#include "pagetools/CHistorySearchDlg.h"
#include "platform/MessageBox.h"
#include "platform/UrlHistory.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"
#include "PageScript.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The extraction pages, the URL history and its search, through the real
// window and engine.
class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase() { EngineProfile::Shutdown(); }
    void extractFromPage_data();
    void extractFromPage();
    void visitsAndHistoryPages();
    void backListInSameTab();

private:
    QByteArray Base() const { return m_server->url("/").toString().toUtf8().chopped(1); }
    // Runs a command on the active tab and waits for the page it opens in a new tab.
    CZelvoView* RunToNewTab(CommandId id);
    QVariant Eval(CZelvoView* view, const QString& script);
    void Visit(CZelvoView* view, const QByteArray& path);

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
};

// Every value a page controls tries to break out of its place in the list.
static const char kPage[] =
    "<html><head><title>&lt;script&gt;window.top.pwned=1&lt;/script&gt; 寿司🍣</title>"
    "<link rel=stylesheet href=\"/css/a.css\"></head><body>"
    "<a href=\"/dir/a\">A</a><a name=\"nohref\">-</a>"
    "<a href='javascript:\"><script>window.top.pwned=2</script>'>J</a><a href=\"/dir/a\">A2</a>"
    "<img src=\"/i/photo.Gif\" alt=\"gif\">"
    "<img src=\"/gif.php/x.png\" alt='\"><script>window.top.pwned=3</script>'>"
    "<img src=\"/j.jpeg\" alt=\"ü😀简\">"
    "<object codebase=\"http://download.macromedia.com/pub\"><param name=\"movie\" "
    "value=\"movie.swf\"></object>"
    "<iframe src=\"/frame\"></iframe></body></html>";
static const char kFrame[] = "<html><head><link rel=stylesheet href=\"f.css\"></head><body>"
                             "<a href=\"/f1\">F</a><img src=\"/f.gif\"></body></html>";

void TestHistory::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    m_server->route("/dir/p.html", "text/html; charset=utf-8", kPage);
    m_server->route("/frame", "text/html", kFrame);
    for (const char* p : {"/h1", "/h2", "/h3"})
        m_server->route(p, "text/html",
                        QByteArray("<title>") +
                            (p[2] == '1'   ? "Alpha page"
                             : p[2] == '2' ? "beta Page"
                                           : "Gamma &lt;b&gt;") +
                            "</title>");
    qputenv("ZELVO_HOMEPAGE", m_server->url("/h1").toString().toUtf8());
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return MbAnswer::Ok;
    });
    m_frame = OpenFrame();
    QVERIFY(m_frame);
    QVERIFY(WaitTabsIdle(*m_frame));
}

void TestHistory::cleanup()
{
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    SetMessageBoxResponder(nullptr);
    CHtmlView::SetDialogResponder(nullptr);
    qunsetenv("ZELVO_HOMEPAGE");
}

QVariant TestHistory::Eval(CZelvoView* view, const QString& script)
{
    const auto value = RunPageScript(view->GetPage(), script);
    return value ? *value : QStringLiteral("no answer");
}

void TestHistory::Visit(CZelvoView* view, const QByteArray& path)
{
    view->Navigate2(m_server->url(path).toString());
    QTRY_VERIFY(view->GetLocationURL() == m_server->url(path).toString() && !view->GetBusy());
}

CZelvoView* TestHistory::RunToNewTab(CommandId id)
{
    const int before = m_frame->TabCount();
    m_frame->SendCommand(id);
    if (!QTest::qWaitFor([&] { return m_frame->TabCount() == before + 1; }, 15000))
        return nullptr;
    CZelvoView* view = m_frame->TabView(before);
    if (!WaitTabsIdle(*m_frame))
        return nullptr;
    return view;
}

void TestHistory::extractFromPage_data()
{
    QTest::addColumn<CommandId>("id");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("messages");
    auto link = [](const QByteArray& url) {
        return "<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"" + url + "\">" + url + "</A><BR>\r\n";
    };
    auto own = [](const QByteArray& url) {
        return "<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"" + url +
               "\"><span style=\"background-color: aqua\">" + url + "</span></A><BR>\r\n";
    };
    auto img = [](const QByteArray& url, const QByteArray& alt) {
        return "<IMG SRC=\"" + url + "\" ALT=\"" + alt + "\">\r\n";
    };
    const QByteArray b = "BASE";
    const QByteArray hostileAlt = "&quot;&gt;&lt;script&gt;window.top.pwned=3&lt;/script&gt;";
    const QByteArray pageEnd = "</BODY>\r\n</HTML>";
    QTest::newRow("links") << CommandId::ExtractLinks << "Link.html"
                           << "抽出リンクリスト"
                           << own(b + "/dir/a") +
                                  link("javascript:&quot;&gt;&lt;script&gt;window.top.pwned=2&lt;"
                                       "/script&gt;") +
                                  own(b + "/dir/a") + link(b + "/f1") + pageEnd
                           << 0;
    QTest::newRow("all images") << CommandId::ExtractImages << "Image.html"
                                << "抽出画像リスト"
                                << img(b + "/i/photo.Gif", "gif") +
                                       img(b + "/gif.php/x.png", hostileAlt) +
                                       img(b + "/j.jpeg", "&#252;&#128512;&#31616;") + pageEnd
                                << 0;
    QTest::newRow("gif") << CommandId::ExtractGif << "Image.html"
                         << "抽出画像リスト(GIF)" << img(b + "/i/photo.Gif", "gif") + pageEnd << 1;
    QTest::newRow("jpeg") << CommandId::ExtractJpeg << "Image.html"
                          << "抽出画像リスト(JPEG)"
                          << img(b + "/j.jpeg", "&#252;&#128512;&#31616;") + pageEnd << 1;
    QTest::newRow("png") << CommandId::ExtractPng << "Image.html"
                         << "抽出画像リスト(PNG)" << img(b + "/gif.php/x.png", hostileAlt) + pageEnd
                         << 1;
    QTest::newRow("image addresses") << CommandId::ShowImageAddresses << "Image.html"
                                     << "抽出画像アドレスリスト"
                                     << link(b + "/i/photo.Gif") + link(b + "/gif.php/x.png") +
                                            link(b + "/j.jpeg") + link(b + "/f.gif") + pageEnd
                                     << 0;
    QTest::newRow("flash") << CommandId::ExtractFlash << "Link.html"
                           << "抽出Frashリスト" << link(b + "/dir/movie.swf") + pageEnd << 0;
    QTest::newRow("style sheets") << CommandId::ExtractStyleSheets << "Link.html"
                                  << "外部ファイルアドレスリスト - LINK属性"
                                  << "<BR><BR>\r\n" + link(b + "/dir/css/a.css") +
                                         link(b + "/dir/f.css") + pageEnd
                                  << 0;
}

void TestHistory::extractFromPage()
{
    QFETCH(CommandId, id);
    QFETCH(QString, file);
    QFETCH(QString, title);
    QFETCH(QByteArray, lines);
    QFETCH(int, messages);
    lines.replace("BASE", Base());
    CZelvoView* page = m_frame->ActiveZelvoView();
    Visit(page, "/dir/p.html");
    QTRY_COMPARE(m_server->requestCount("/frame"), 1);
    QTRY_COMPARE(
        Eval(page, "document.querySelector('iframe').contentDocument.readyState").toString(),
        QStringLiteral("complete"));
    QCOMPARE(m_frame->CommandState(ToInt(id)).enabled, true);
    CZelvoView* result = RunToNewTab(id);
    QVERIFY(result);
    QCOMPARE(QUrl(result->GetLocationURL()).toLocalFile(), m_home->file(file));
    const QByteArray bytes = m_home->read(file);
    QVERIFY2(bytes.endsWith(lines), bytes.constData());
    QVERIFY(bytes.contains(Cp932::FromUnicode(QStringLiteral(
        "サイト名：&lt;script&gt;window.top.pwned=1&lt;/script&gt; 寿司&#127843;"))));
    // The list is shown as the page wrote it, and nothing of the page ran.
    QCOMPARE(result->GetLocationName(), title);
    QCOMPARE(Eval(result, "typeof window.pwned + document.scripts.length").toString(),
             QStringLiteral("undefined0"));
    QCOMPARE(m_boxes.size(), messages);
}

void TestHistory::visitsAndHistoryPages()
{
    CZelvoView* view = m_frame->ActiveZelvoView();
    Visit(view, "/h2");
    Visit(view, "/h3");
    Visit(view, "/h1");
    const QList<UrlHistoryEntry> entries = UrlHistory::Instance().Entries(QStringLiteral("http"));
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries[0].url, m_server->url("/h1").toString());
    QCOMPARE(entries[0].title, QStringLiteral("Alpha page"));
    QCOMPARE(entries[2].title, QStringLiteral("beta Page"));
    QVERIFY(entries[0].lastVisit > entries[1].lastVisit);

    auto historyLines = [this] { return m_home->read("history.html").count("<A HREF="); };
    QVERIFY(RunToNewTab(CommandId::ExtractIeHistory));
    QCOMPARE(historyLines(), 3);
    QVERIFY(m_home->read("history.html").contains("Gamma &lt;b&gt;</A> - "));
    QVERIFY(RunToNewTab(CommandId::ExtractTodayHistory));
    QCOMPARE(historyLines(), 3);

    // The search dialog: a word, then today and another day; it stays open
    // until closed and each search opens its own tab.
    int tabsSeen = -1;
    CHtmlView::SetDialogResponder([&](QDialog& d) {
        auto* dialog = qobject_cast<CHistorySearchDlg*>(&d);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->findChild<QLineEdit*>(QStringLiteral("word"))->setText(QStringLiteral("PAGE"));
        const int before = m_frame->TabCount();
        dialog->OnWordSearch();
        if (!QTest::qWaitFor([&] { return m_frame->TabCount() == before + 1; }, 15000))
            return int(QDialog::Rejected);
        tabsSeen = m_frame->TabCount() - before;
        return int(QDialog::Rejected);
    });
    m_frame->SendCommand(CommandId::SearchHistory);
    QCOMPARE(tabsSeen, 1);
    QVERIFY(WaitTabsIdle(*m_frame));
    QByteArray page = m_home->read("history.html");
    QVERIFY(page.contains(Cp932::FromUnicode(QStringLiteral("履歴の語句検索リスト"))));
    QVERIFY(page.contains(">ALPHA PAGE</A>"));
    QVERIFY(page.contains(">BETA PAGE</A>"));
    QVERIFY(!page.contains("GAMMA"));

    for (const QDate& day : {QDate::currentDate(), QDate::currentDate().addDays(-1)}) {
        CHtmlView::SetDialogResponder([&](QDialog& d) {
            d.findChild<QCalendarWidget*>()->setSelectedDate(day);
            static_cast<CHistorySearchDlg&>(d).OnDateSearch();
            return int(QDialog::Rejected);
        });
        QVERIFY(RunToNewTab(CommandId::SearchHistory));
        page = m_home->read("history.html");
        QVERIFY(page.contains(Cp932::FromUnicode(QStringLiteral("履歴の検索リスト"))));
        QCOMPARE(historyLines(), day == QDate::currentDate() ? 3 : 0);
    }
}

void TestHistory::backListInSameTab()
{
    CZelvoView* view = m_frame->ActiveZelvoView();
    m_frame->SendCommand(CommandId::BackHistoryPage);
    QTRY_VERIFY(view->GetLocationURL().endsWith(QLatin1String("/history.html")) &&
                !view->GetBusy());
    QVERIFY(!m_home->read("history.html").contains("<A HREF="));
    Visit(view, "/h2");
    Visit(view, "/h3");
    m_frame->SendCommand(CommandId::BackHistoryPage);
    QTRY_VERIFY(view->GetLocationURL().endsWith(QLatin1String("/history.html")) &&
                !view->GetBusy());
    QCOMPARE(m_frame->TabCount(), 1);
    const QByteArray page = m_home->read("history.html");
    const QByteArray h = m_server->url("/").toString().toUtf8();
    QVERIFY2(page.contains("<A HREF=\"" + h + "h2\" ALT=\"\">0" +
                           Cp932::FromUnicode(QStringLiteral("：")) + "beta Page</A>"),
             page.constData());
    QVERIFY(page.contains("<A HREF=\"" + h + "h1\" ALT=\"\">2" +
                          Cp932::FromUnicode(QStringLiteral("：")) + "Alpha page</A>"));
    QVERIFY(page.endsWith("\r\n</BODY>\r\n</HTML>"));
}

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
