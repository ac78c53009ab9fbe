#include "core/Cp932.h"
#include "core/ProfileStore.h"
#include "frame/CMainFrame.h"
#include "bars/CSearchBars.h"
#include "frame/SearchCommands.h"
#include "ini/HistoryIni.h"
#include "bars/SearchRules.h"
#include "ini/SearchsiteIni.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "HttpServer.h"
#include "TempHome.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

QByteArray Page(const QByteArray& title)
{
    return "<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>" + title +
           "</body></html>";
}

QByteArray Sjis(const QString& text)
{
    return Cp932::FromUnicode(text);
}

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

struct PageSearchCall {
    CZelvoView* view;
    CSearchBars::PageSearchKind kind;
    QString words;
};

} // namespace

class TestSearchBars : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();

    void historyFiles_data();
    void historyFiles();
    void siteList_data();
    void siteList();
    void allSitesTargets_data();
    void allSitesTargets();
    void canonicalize_data();
    void canonicalize();

    void addressHistoryKeepsNewest31();
    void searchHistoryBytes();
    void reloadSites();
    void choosingSiteRunsWebSearch_data();
    void choosingSiteRunsWebSearch();
    void webSearchRefusals_data();
    void webSearchRefusals();
    void allSitesSearchOpensEachSite();
    void wordHistoryTrim_data();
    void wordHistoryTrim();
    void addSite_data();
    void addSite();
    void pageSearch_data();
    void pageSearch();
    void deleteHistory_data();
    void deleteHistory();
    void completion_data();
    void completion();
    void translate_data();
    void translate();
    void japaneseInput_data();
    void japaneseInput();

private:
    CMainFrame* Open(bool withTab = true);
    void WaitIdle();
    QComboBox* Box(const QString& name) const;
    void ChooseSite(int itemIndex);
    void WriteSites(const QList<QPair<QString, QString>>& sites, const QByteArray& count = {});

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    CSearchBars* m_bars = nullptr;
    QList<MessageBoxCall> m_boxes;
    MbAnswer m_answer = MbAnswer::Ok;
};

void TestSearchBars::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    for (const char* path : {"/home", "/alpha", "/beta", "/ph", "/gamma", "/words", "/tr"})
        m_server->route(path, "text/html", Page(path + 1));
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
    m_boxes.clear();
    m_answer = MbAnswer::Ok;
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return m_answer;
    });
}

void TestSearchBars::cleanup()
{
    m_frame.reset();
    m_bars = nullptr;
    SetMessageBoxResponder({});
    ProfileStore::SetBeforeReplaceHook({});
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestSearchBars::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestSearchBars::Open(bool withTab)
{
    m_frame = std::make_unique<CMainFrame>(1);
    if (!m_frame->OnCreate())
        return nullptr;
    // The frame makes the bars itself once it knows them; until then, as it will.
    m_bars = m_frame->findChild<CSearchBars*>();
    if (!m_bars) {
        m_bars = new CSearchBars(*m_frame, m_frame.get(), m_frame->m_wndAddressBar,
                                 m_frame->m_wndSearchWords, m_frame->m_wndSearchSites);
        BindSearchCommands(*m_frame, *m_bars);
        m_bars->LoadSearchSites();
        m_bars->LoadSearchHistory();
        m_bars->LoadAddressHistory();
    }
    m_frame->resize(900, 600);
    m_frame->show();
    if (withTab) {
        m_frame->OnFileNew();
        WaitIdle();
    }
    return m_frame.get();
}

void TestSearchBars::WaitIdle()
{
    QTRY_VERIFY_WITH_TIMEOUT(
        [this] {
            for (int i = 0; i < m_frame->TabCount(); ++i)
                if (m_frame->TabView(i)->GetBusy() ||
                    m_frame->TabView(i)->GetLocationURL().isEmpty())
                    return false;
            return true;
        }(),
        15000);
}

QComboBox* TestSearchBars::Box(const QString& name) const
{
    if (name == "address")
        return m_frame->m_wndAddressBar;
    if (name == "words")
        return m_frame->m_wndSearchWords;
    return m_frame->m_wndSearchSites;
}

void TestSearchBars::ChooseSite(int itemIndex)
{
    // As a user does with the arrow keys: each step is a choice from the list.
    QComboBox* sites = m_frame->m_wndSearchSites;
    sites->setCurrentIndex(itemIndex - 1);
    QTest::keyClick(sites, Qt::Key_Down);
    QCOMPARE(sites->currentIndex(), itemIndex);
}

void TestSearchBars::WriteSites(const QList<QPair<QString, QString>>& sites,
                                const QByteArray& count)
{
    QByteArray file =
        "[Searchsite]\r\ncount=" + (count.isNull() ? QByteArray::number(sites.size()) : count) +
        "\r\n";
    for (int i = 0; i < sites.size(); ++i) {
        QString url = sites[i].second;
        url.replace("SERVER", m_server->url("").toString());
        file += "name_" + QByteArray::number(i + 1) + "=" + Sjis(sites[i].first) + "\r\n";
        file += "url_" + QByteArray::number(i + 1) + "=" + Sjis(url) + "\r\n";
    }
    m_home->write("Searchsite.ini", file);
}

// The standard site list of these tests; the last entry searches the first two
// by name, and "ph" as well, which occurs inside "Alpha".
static const QList<QPair<QString, QString>> kSites = {
    {"Alpha", "SERVER/alpha?q="}, {"Beta", "SERVER/beta?q="},
    {"ph", "SERVER/ph?q="},       {"-----", ""},
    {"Gamma", "SERVER/gamma?q="}, {"二つの全検索", "Alpha Beta"},
};

void TestSearchBars::historyFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("expected");
    QByteArray forty;
    QStringList thirtyOne;
    QStringList fortyOne;
    for (int i = 0; i < 45; ++i) {
        forty += QByteArray::number(i) + "=e" + QByteArray::number(i) + "\r\n";
        if (i < 31)
            thirtyOne.append(QStringLiteral("e%1").arg(i));
        if (i < 41)
            fortyOne.append(QStringLiteral("e%1").arg(i));
    }
    QTest::newRow("address: missing") << "Address.ini" << QByteArray() << QStringList();
    QTest::newRow("address: stops at first empty")
        << "Address.ini" << QByteArray("[address]\r\naddress_count=4\r\n0=a\r\n1=b\r\n3=d\r\n")
        << QStringList{"a", "b"};
    QTest::newRow("address: 2 billion claimed")
        << "Address.ini" << QByteArray("[address]\r\naddress_count=2000000000\r\n0=a\r\n1=b\r\n")
        << QStringList{"a", "b"};
    QTest::newRow("address: more keys than capacity")
        << "Address.ini"
        << "[address]\r\naddress_count=44\r\n" + forty << thirtyOne;
    QTest::newRow("address: count missing reads key 0")
        << "Address.ini" << QByteArray("[Address]\r\n0=only\r\n1=not read\r\n")
        << QStringList{"only"};
    QTest::newRow("search: missing") << "Searchstring.ini" << QByteArray() << QStringList{""};
    QTest::newRow("search: empty values kept")
        << "Searchstring.ini" << QByteArray("[Searchstring]\r\ncombo_count=2\r\n0=a\r\n2=c\r\n")
        << QStringList{"a", "", "c"};
    QTest::newRow("search: 2 billion claimed")
        << "Searchstring.ini"
        << "[Searchstring]\r\ncombo_count=2000000000\r\n" + forty << fortyOne;
    QTest::newRow("search: negative count")
        << "Searchstring.ini" << QByteArray("[Searchstring]\r\ncombo_count=-3\r\n0=a\r\n")
        << QStringList();
    QTest::newRow("search: code page 932") << "Searchstring.ini"
                                           << "[Searchstring]\r\n0=" + Sjis("検索語") + "\r\n"
                                           << QStringList{"検索語"};
}

void TestSearchBars::historyFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, expected);
    if (!contents.isEmpty())
        m_home->write(file, contents);
    const HistoryIni ini =
        file == "Address.ini" ? HistoryIni::Address() : HistoryIni::Searchstring();
    QCOMPARE(ini.Load(), expected);
}

void TestSearchBars::siteList_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("missing file") << QByteArray() << 0 << QStringList();
    QTest::newRow("count 0") << QByteArray("[Searchsite]\r\ncount=0\r\nname_1=a\r\n") << 0
                             << QStringList();
    QTest::newRow("count as the C library reads it")
        << QByteArray("[Searchsite]\r\ncount= 2 sites\r\nname_1=a\r\nname_2=b\r\nname_3=c\r\n") << 2
        << QStringList{"a", "b"};
    QTest::newRow("2 billion claimed, two present")
        << QByteArray("[Searchsite]\r\ncount=2000000000\r\nname_1=a\r\nurl_2=u\r\n") << 2000000000
        << QStringList{"a", ""};
    QTest::newRow("beyond int") << QByteArray("[Searchsite]\r\ncount=99999999999\r\nname_1=a\r\n")
                                << INT_MAX << QStringList{"a"};
    QTest::newRow("negative") << QByteArray("[Searchsite]\r\ncount=-1\r\nname_1=a\r\n") << -1
                              << QStringList();
}

void TestSearchBars::siteList()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, count);
    QFETCH(QStringList, names);
    if (!contents.isEmpty())
        m_home->write("Searchsite.ini", contents);
    QCOMPARE(SearchsiteIni::Count(), count);
    QStringList got;
    for (const SearchsiteIni::Site& site : SearchsiteIni::Sites())
        got.append(site.name);
    QCOMPARE(got, names);
}

void TestSearchBars::allSitesTargets_data()
{
    QTest::addColumn<QString>("namesText");
    QTest::addColumn<QStringList>("targets");
    QTest::newRow("two names and one inside a name")
        << "Alpha Beta" << QStringList{"a/?q=w", "b/?q=w", "p/?q=w"};
    QTest::newRow("order is the sites' own")
        << "Beta Alpha" << QStringList{"a/?q=w", "b/?q=w", "p/?q=w"};
    QTest::newRow("separator and empty address skipped") << "----- Nourl" << QStringList{};
    QTest::newRow("nothing named") << "Delta" << QStringList{};
    // 日本 is 93 FA 96 7B in code page 932; 坙 (FA 96) must not match across it.
    QTest::newRow("no match across characters") << "日本" << QStringList{};
}

void TestSearchBars::allSitesTargets()
{
    QFETCH(QString, namesText);
    QFETCH(QStringList, targets);
    const QString across = Cp932::ToUnicode("\xFA\x96");
    const QList<SearchsiteIni::Site> sites = {
        {"Alpha", "a/?q="}, {"Beta", "b/?q="}, {"ph", "p/?q="},  {"-----", ""},
        {"Nourl", ""},      {"", "e/?q="},     {across, "x/?q="}};
    QCOMPARE(SearchRules::AllSitesTargets(sites, namesText, "w"), targets);
}

void TestSearchBars::canonicalize_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QByteArray>("canonical");
    QTest::newRow("plain") << "http://example.com/a?b=c" << QByteArray("http://example.com/a?b=c");
    QTest::newRow("blank") << "http://example.com/a b" << QByteArray("http://example.com/a%20b");
    QTest::newRow("unsafe") << "http://example.com/<x>\"{}"
                            << QByteArray("http://example.com/%3Cx%3E%22%7B%7D");
    QTest::newRow("japanese") << "http://example.com/日本"
                              << QByteArray("http://example.com/%E6%97%A5%E6%9C%AC");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("no scheme") << "just words" << QByteArray();
    QTest::newRow("broken host") << "http://[::1/" << QByteArray();
    QTest::newRow("999 bytes fit")
        << "http://e.com/" + QString(986, 'a') << "http://e.com/" + QByteArray(986, 'a');
    QTest::newRow("1000 bytes do not") << "http://e.com/" + QString(987, 'a') << QByteArray();
}

void TestSearchBars::canonicalize()
{
    QFETCH(QString, url);
    QFETCH(QByteArray, canonical);
    const std::optional<QByteArray> got = SearchRules::CanonicalizeUrl(url);
    QCOMPARE(got.has_value(), !canonical.isEmpty());
    if (got)
        QCOMPARE(*got, canonical);
}

void TestSearchBars::addressHistoryKeepsNewest31()
{
    m_home->write("Address.ini",
                  "[other]\r\nx=1\r\n[address]\r\naddress_count=40\r\n0=old\r\n40=stale\r\n");
    CMainFrame* frame = Open(false);
    QCOMPARE(Items(frame->m_wndAddressBar), QStringList{"old"});
    QVERIFY(frame->m_wndAddressBar->currentText().isEmpty());
    for (int i = 1; i <= 32; ++i)
        frame->AddAddressHistory(QStringLiteral("%1://p%2/").arg(i % 2 ? "http" : "https").arg(i));
    QCOMPARE(frame->m_wndAddressBar->count(), 31);
    // Written by the exit processing when the window closes.
    QVERIFY(frame->close());
    QByteArray expected = "[other]\r\nx=1\r\n[address]\r\naddress_count=30\r\n";
    for (int i = 0; i <= 30; ++i)
        expected += QByteArray::number(i) + "=" + (i % 2 ? "http" : "https") + "://p" +
                    QByteArray::number(32 - i) + "/\r\n";
    QCOMPARE(m_home->read("Address.ini"), expected);

    // Read back at the next start: same order, every entry with the plain image.
    m_frame.reset();
    frame = Open(false);
    QCOMPARE(frame->m_wndAddressBar->count(), 31);
    QCOMPARE(frame->m_wndAddressBar->itemText(0), QStringLiteral("https://p32/"));
    QCOMPARE(frame->m_wndAddressBar->itemText(30), QStringLiteral("https://p2/"));
    const QImage plain = frame->m_wndAddressBar->itemIcon(1).pixmap(16, 15).toImage();
    QCOMPARE(frame->m_wndAddressBar->itemIcon(0).pixmap(16, 15).toImage(), plain);
}

void TestSearchBars::searchHistoryBytes()
{
    // The section is not emptied first: keys past the saved ones stay.
    m_home->write("Searchstring.ini",
                  "[Searchstring]\r\ncombo_count=3\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n");
    CMainFrame* frame = Open(false);
    QCOMPARE(Items(frame->m_wndSearchWords), (QStringList{"a", "b", "c", "d"}));
    frame->m_wndSearchWords->clear();
    frame->m_wndSearchWords->addItem(QStringLiteral("日本語 検索"));
    frame->m_wndSearchWords->addItem(QStringLiteral("€ sign"));
    QVERIFY(frame->close());
    QCOMPARE(m_home->read("Searchstring.ini"),
             "[Searchstring]\r\ncombo_count=1\r\n0=" + Sjis("日本語 検索") +
                 "\r\n1=? sign\r\n2=c\r\n3=d\r\n");
}

void TestSearchBars::reloadSites()
{
    WriteSites(kSites);
    CMainFrame* frame = Open(false);
    frame->m_wndSearchSites->setCurrentIndex(2);
    // The settings page rewrote the list and asks for it again.
    WriteSites({{"One", "u1"}, {"Two", "u2"}});
    frame->SendCommand(CommandId::ReloadSearchSites);
    QCOMPARE(Items(frame->m_wndSearchSites), (QStringList{"One", "Two"}));
    QVERIFY(frame->m_wndSearchSites->currentText().isEmpty());
    m_home->write("Searchsite.ini", "[Searchsite]\r\ncount=0\r\nname_1=One\r\n");
    frame->SendCommand(CommandId::ReloadSearchSites);
    QCOMPARE(frame->m_wndSearchSites->count(), 0);
}

void TestSearchBars::choosingSiteRunsWebSearch_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("site");
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("second site") << "zelvo" << 1 << QByteArray("/beta?q=zelvo");
    QTest::newRow("first site") << "abc" << 0 << QByteArray("/alpha?q=abc");
    QTest::newRow("no words: nothing") << "" << 1 << QByteArray();
}

void TestSearchBars::choosingSiteRunsWebSearch()
{
    QFETCH(QString, words);
    QFETCH(int, site);
    QFETCH(QByteArray, target);
    WriteSites(kSites);
    CMainFrame* frame = Open();
    QCOMPARE(Items(frame->m_wndSearchSites).size(), kSites.size());
    QVERIFY(frame->m_wndSearchSites->currentText().isEmpty());
    QTest::keyClicks(frame->m_wndSearchWords->lineEdit(), words);
    ChooseSite(site);
    QVERIFY(m_boxes.isEmpty());
    if (target.isEmpty()) {
        QCOMPARE(frame->TabCount(), 1);
        return;
    }
    // The active tab is duplicated and the copy goes to the search.
    QCOMPARE(frame->TabCount(), 2);
    QCOMPARE(frame->FocusedTab(), 1);
    QTRY_COMPARE(frame->TabView(1)->GetLocationURL(), m_server->url(target).toString());
    QCOMPARE(frame->TabView(0)->GetLocationURL(), m_server->url("/home").toString());
    QCOMPARE(m_server->requestsFor(target.left(target.indexOf('?'))).last().target, target);
    QCOMPARE(frame->m_wndSearchWords->itemText(0), words);
    QCOMPARE(frame->m_wndSearchWords->currentText(), words);
}

void TestSearchBars::webSearchRefusals_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("site");
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("opened");
    const QString notice = "検索バーに文字列を記入してください";
    QTest::newRow("no words") << ""
                              << "Alpha" << QByteArray() << notice << QByteArray();
    QTest::newRow("no site") << "w"
                             << "" << QByteArray() << notice << QByteArray();
    QTest::newRow("separator") << "w"
                               << "-----" << QByteArray() << "" << QByteArray();
    QTest::newRow("count 0") << "w"
                             << "Alpha" << QByteArray("0") << "" << QByteArray();
    QTest::newRow("count broken") << "w"
                                  << "Alpha" << QByteArray("x") << "" << QByteArray();
    // A name matching no site has no address: the words alone are opened.
    QTest::newRow("typed site name") << "SERVER/words"
                                     << "Nowhere" << QByteArray() << "" << QByteArray("/words");
}

void TestSearchBars::webSearchRefusals()
{
    QFETCH(QString, words);
    QFETCH(QString, site);
    QFETCH(QByteArray, count);
    QFETCH(QString, message);
    QFETCH(QByteArray, opened);
    WriteSites(kSites, count);
    CMainFrame* frame = Open();
    const QStringList before = Items(frame->m_wndSearchWords);
    frame->m_wndSearchWords->setEditText(words.replace("SERVER", m_server->url("").toString()));
    frame->m_wndSearchSites->setEditText(site);
    frame->SendCommand(CommandId::WebSearch);
    if (message.isEmpty()) {
        QVERIFY(m_boxes.isEmpty());
    } else {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].text, message);
        QCOMPARE(m_boxes[0].caption, QStringLiteral("注意"));
        QCOMPARE(m_boxes[0].icon, MbIcon::Stop);
    }
    if (opened.isEmpty()) {
        QCOMPARE(frame->TabCount(), 1);
        QCOMPARE(Items(frame->m_wndSearchWords), before);
        return;
    }
    QCOMPARE(frame->TabCount(), 2);
    QTRY_COMPARE(frame->TabView(1)->GetLocationURL(), m_server->url(opened).toString());
}

void TestSearchBars::allSitesSearchOpensEachSite()
{
    WriteSites(kSites);
    CMainFrame* frame = Open();
    QTest::keyClicks(frame->m_wndSearchWords->lineEdit(), "zelvo");
    QElapsedTimer clock;
    clock.start();
    ChooseSite(5);
    // The pauses between the pages do not hold the window: one page so far.
    QVERIFY(m_bars->IsAllSitesSearchRunning());
    QCOMPARE(frame->TabCount(), 2);
    QCOMPARE(frame->m_wndSearchWords->itemText(0), QStringLiteral("zelvo"));
    QTRY_COMPARE(frame->TabCount(), 4);
    QVERIFY(clock.elapsed() >= 2 * CSearchBars::kAllSitesPauseMs);
    QTRY_VERIFY(!m_bars->IsAllSitesSearchRunning());
    QCOMPARE(frame->TabCount(), 4);
    WaitIdle();
    const char* expected[] = {"/alpha?q=zelvo", "/beta?q=zelvo", "/ph?q=zelvo"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(frame->TabView(i + 1)->GetLocationURL(), m_server->url(expected[i]).toString());
    QCOMPARE(m_server->requestCount("/gamma"), 0);
    QVERIFY(m_boxes.isEmpty());
}

void TestSearchBars::wordHistoryTrim_data()
{
    QTest::addColumn<CommandId>("command");
    QTest::addColumn<int>("site");
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("words");
    QTest::addColumn<int>("after");
    QTest::newRow("web search, new words") << CommandId::WebSearch << 0 << 41 << "new" << 41;
    QTest::newRow("web search, same as newest") << CommandId::WebSearch << 0 << 41 << "w0" << 41;
    QTest::newRow("web search, short box grows") << CommandId::WebSearch << 0 << 3 << "new" << 4;
    QTest::newRow("all sites, new words") << CommandId::WebSearch << 5 << 41 << "new" << 31;
    QTest::newRow("all sites, same as newest") << CommandId::WebSearch << 5 << 41 << "w0" << 41;
    QTest::newRow("page search, new words")
        << CommandId::HighlightSearch << -1 << 41 << "new" << 41;
}

void TestSearchBars::wordHistoryTrim()
{
    QFETCH(CommandId, command);
    QFETCH(int, site);
    QFETCH(int, before);
    QFETCH(QString, words);
    QFETCH(int, after);
    WriteSites({{"Alpha", "SERVER/alpha?q="}, {"全検索", ""}});
    QByteArray history = "[Searchstring]\r\ncombo_count=" + QByteArray::number(before - 1) + "\r\n";
    for (int i = 0; i < before; ++i)
        history += QByteArray::number(i) + "=w" + QByteArray::number(i) + "\r\n";
    m_home->write("Searchstring.ini", history);
    CMainFrame* frame = Open();
    m_bars->SetPageSearch([](CZelvoView&, CSearchBars::PageSearchKind, const QString&) {});
    QComboBox* box = frame->m_wndSearchWords;
    // The user picked the oldest entry and then typed over it.
    box->setCurrentIndex(before - 1);
    box->setEditText(words);
    if (site >= 0)
        frame->m_wndSearchSites->setCurrentIndex(site == 5 ? 1 : 0);
    frame->SendCommand(command);
    QCOMPARE(box->count(), after);
    QCOMPARE(box->itemText(0), words);
    QCOMPARE(box->currentText(), words);
    if (words == "new")
        QCOMPARE(box->itemText(1), QStringLiteral("w0"));
}

void TestSearchBars::addSite_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("added");
    const QString missing = "サイト名とURLアドレスを入力してください！";
    QTest::newRow("yes") << "http://s.example/?q="
                         << "新しいサイト" << int(MbAnswer::Yes) << "" << true;
    QTest::newRow("no") << "http://s.example/?q="
                        << "新しいサイト" << int(MbAnswer::No) << "" << false;
    QTest::newRow("no name") << "http://s.example/?q="
                             << "" << int(MbAnswer::Yes) << missing << false;
    QTest::newRow("no address") << ""
                                << "新しいサイト" << int(MbAnswer::Yes) << missing << false;
}

void TestSearchBars::addSite()
{
    QFETCH(QString, address);
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(bool, added);
    const QByteArray before = "[Searchsite]\r\ncount=1\r\nname_1=Alpha\r\nurl_1=http://a/\r\n";
    m_home->write("Searchsite.ini", before);
    CMainFrame* frame = Open(false);
    m_answer = static_cast<MbAnswer>(answer);
    frame->m_wndSearchWords->setEditText(address);
    frame->m_wndSearchSites->setEditText(name);
    frame->SendCommand(CommandId::AddSearchSite);
    QCOMPARE(m_boxes.size(), 1);
    if (!message.isEmpty()) {
        QCOMPARE(m_boxes[0].text, message);
        QCOMPARE(m_boxes[0].caption, QStringLiteral("注意"));
        QCOMPARE(m_boxes[0].icon, MbIcon::Exclamation);
    } else {
        QCOMPARE(m_boxes[0].text, "URL:" + address + "\r\n検索エンジン名:" + name);
        QCOMPARE(m_boxes[0].caption, QStringLiteral("確認:以下でいいですか？"));
        QCOMPARE(m_boxes[0].icon, MbIcon::Question);
        QCOMPARE(m_boxes[0].buttons, MbButtons::YesNo);
    }
    if (!added) {
        QCOMPARE(m_home->read("Searchsite.ini"), before);
        QCOMPARE(Items(frame->m_wndSearchSites), QStringList{"Alpha"});
        return;
    }
    QCOMPARE(m_home->read("Searchsite.ini"),
             "[Searchsite]\r\ncount=2\r\nname_1=Alpha\r\nurl_1=http://a/\r\nurl_2=" +
                 Sjis(address) + "\r\nname_2=" + Sjis(name) + "\r\n");
    QCOMPARE(Items(frame->m_wndSearchSites), (QStringList{"Alpha", name}));
}

void TestSearchBars::pageSearch_data()
{
    QTest::addColumn<CommandId>("command");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QList<int>>("views"); // tab indexes handed the words
    QTest::addColumn<int>("kind");
    const int find = int(CSearchBars::PageSearchKind::Find);
    const int highlight = int(CSearchBars::PageSearchKind::Highlight);
    QTest::newRow("find") << CommandId::FindInPage << "語" << QList<int>{1} << find;
    QTest::newRow("highlight") << CommandId::HighlightSearch << "語" << QList<int>{1} << highlight;
    QTest::newRow("highlight every tab")
        << CommandId::HighlightSearchAllTabs << "語" << QList<int>{0, 1} << highlight;
    QTest::newRow("find without words") << CommandId::FindInPage << "" << QList<int>{} << find;
    QTest::newRow("all tabs without words")
        << CommandId::HighlightSearchAllTabs << "" << QList<int>{} << highlight;
}

void TestSearchBars::pageSearch()
{
    QFETCH(CommandId, command);
    QFETCH(QString, words);
    QFETCH(QList<int>, views);
    QFETCH(int, kind);
    CMainFrame* frame = Open();
    frame->OpenUrlInNewTab(m_server->url("/alpha").toString());
    QTRY_COMPARE(frame->TabCount(), 2);
    WaitIdle();
    frame->m_wndSearchWords->setEditText(words);
    // Without a page search the command is shown disabled and does nothing.
    m_bars->SetPageSearch({});
    QVERIFY(!frame->CommandState(command).enabled);
    frame->SendCommand(command);
    // A missing history file gave one empty entry.
    QCOMPARE(Items(frame->m_wndSearchWords), QStringList{""});
    QVERIFY(m_boxes.isEmpty());

    QList<PageSearchCall> calls;
    m_bars->SetPageSearch([&calls](CZelvoView& v, CSearchBars::PageSearchKind k, const QString& w) {
        calls.append({&v, k, w});
    });
    QVERIFY(frame->CommandState(command).enabled);
    frame->SendCommand(command);
    if (words.isEmpty()) {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].text, QStringLiteral("文字列を記入してください"));
        QCOMPARE(m_boxes[0].caption, QStringLiteral("失敗"));
        QCOMPARE(m_boxes[0].icon, MbIcon::Stop);
        QVERIFY(calls.isEmpty());
        return;
    }
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(frame->m_wndSearchWords->itemText(0), words);
    QCOMPARE(calls.size(), views.size());
    for (int i = 0; i < views.size(); ++i) {
        QCOMPARE(calls[i].view, frame->TabView(views[i]));
        QCOMPARE(int(calls[i].kind), kind);
        QCOMPARE(calls[i].words, words);
    }
}

void TestSearchBars::deleteHistory_data()
{
    QTest::addColumn<CommandId>("command");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("address") << CommandId::ClearAddressHistory << true << "URL履歴を削除しました"
                             << "削除";
    QTest::newRow("search") << CommandId::ClearSearchHistory << true << "検索履歴を削除しました"
                            << "削除";
    QTest::newRow("address, write fails") << CommandId::ClearAddressHistory << false << "削除失敗"
                                          << "失敗";
    QTest::newRow("search, write fails") << CommandId::ClearSearchHistory << false << "削除失敗"
                                         << "失敗";
}

void TestSearchBars::deleteHistory()
{
    QFETCH(CommandId, command);
    QFETCH(bool, writable);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    const bool address = command == CommandId::ClearAddressHistory;
    const QString file = address ? "Address.ini" : "Searchstring.ini";
    const QByteArray contents = address
                                    ? QByteArray("[keep]\r\nk=1\r\n[address]\r\naddress_count=1\r\n"
                                                 "0=http://a/\r\n1=http://b/\r\n")
                                    : QByteArray("[keep]\r\nk=1\r\n[Searchstring]\r\ncombo_count=1"
                                                 "\r\n0=a\r\n1=b\r\n");
    m_home->write(file, contents);
    CMainFrame* frame = Open(false);
    QComboBox* box = address ? frame->m_wndAddressBar : frame->m_wndSearchWords;
    QCOMPARE(box->count(), 2);
    box->setEditText("typed");
    if (!writable)
        ProfileStore::SetBeforeReplaceHook([](const QString&) { return false; });
    frame->SendCommand(command);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, text);
    QCOMPARE(m_boxes[0].caption, caption);
    QCOMPARE(m_boxes[0].icon, writable ? MbIcon::Information : MbIcon::Stop);
    QCOMPARE(box->count(), 0);
    QVERIFY(box->currentText().isEmpty());
    QCOMPARE(m_home->read(file), writable ? QByteArray("[keep]\r\nk=1\r\n") : contents);
}

void TestSearchBars::completion_data()
{
    QTest::addColumn<CommandId>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("completed");
    QTest::newRow(".com") << CommandId::CompleteCom << "example"
                          << "http://www.example.com";
    QTest::newRow(".co.jp") << CommandId::CompleteCoJp << "example"
                            << "http://www.example.co.jp";
    QTest::newRow(".ne.jp") << CommandId::CompleteNeJp << "例"
                            << "http://www.例.ne.jp";
    QTest::newRow("empty") << CommandId::CompleteCom << ""
                           << "http://www..com";
}

void TestSearchBars::completion()
{
    QFETCH(CommandId, command);
    QFETCH(QString, typed);
    QFETCH(QString, completed);
    CMainFrame* frame = Open(false);
    frame->AddAddressHistory("http://before/");
    frame->m_wndAddressBar->setEditText(typed);
    frame->SendCommand(command);
    QCOMPARE(frame->m_wndAddressBar->currentText(), completed);
    // Nothing is opened or remembered until the user confirms.
    QCOMPARE(Items(frame->m_wndAddressBar), QStringList{"http://before/"});
    QCOMPARE(frame->TabCount(), 0);
}

void TestSearchBars::translate_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("page"); // empty: the active tab's own page
    QTest::addColumn<QByteArray>("target");
    QTest::newRow("infoseek, active tab")
        << ToInt(CommandId::TranslateInfoseekEnJa) << "" << QByteArray("/tr?s=1&u=SERVER/home&e=1");
    QTest::newRow("excite en-ja, active tab")
        << ToInt(CommandId::TranslateExciteEnJa) << "" << QByteArray("/tr?s=2&u=SERVER/home");
    QTest::newRow("excite ja-en, active tab")
        << ToInt(CommandId::TranslateExciteJaEn) << "" << QByteArray("/tr?s=3&u=SERVER/home");
    QTest::newRow("given address escaped")
        << 0 << "http://x.example/a b/日"
        << QByteArray("/tr?s=2&u=http://x.example/a%20b/%E6%97%A5");
    QTest::newRow("given address fails") << 0 << "no address" << QByteArray();
}

void TestSearchBars::translate()
{
    QFETCH(int, command);
    QFETCH(QString, page);
    QFETCH(QByteArray, target);
    const QByteArray server = m_server->url("").toString().toLatin1();
    m_home->write("Searchsite.ini", "[Trancelate]\r\nurl_1=" + server +
                                        "/tr?s=1&u=\r\nurl_2=&e=1\r\n"
                                        "[Trancelate2]\r\nurl_1=" +
                                        server +
                                        "/tr?s=2&u=\r\n"
                                        "[Trancelate3]\r\nurl_1=" +
                                        server + "/tr?s=3&u=\r\n");
    CMainFrame* frame = Open();
    if (command)
        frame->SendCommand(command);
    else
        m_bars->TranslatePage(page, "Trancelate2");
    if (target.isEmpty()) {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].text, QStringLiteral("InternetCanonicalizeUrl失敗"));
        QVERIFY(m_boxes[0].caption.isEmpty());
        QCOMPARE(frame->TabCount(), 1);
        return;
    }
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(frame->TabCount(), 2);
    QTRY_COMPARE(m_server->requestCount("/tr"), 1);
    QCOMPARE(m_server->requestsFor("/tr")[0].target, target.replace("SERVER", server));
}

void TestSearchBars::japaneseInput_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("preedit");
    QTest::addColumn<QString>("commit");
    // History entries that begin with the committed text must not be
    // completed into the field.
    QTest::newRow("search words") << "words"
                                  << "けんさく"
                                  << "検索";
    QTest::newRow("address") << "address"
                             << "にほん"
                             << "日本";
    QTest::newRow("site name") << "sites"
                               << "さいと"
                               << "検索";
}

void TestSearchBars::japaneseInput()
{
    QFETCH(QString, box);
    QFETCH(QString, preedit);
    QFETCH(QString, commit);
    m_home->write("Searchstring.ini", "[Searchstring]\r\n0=" + Sjis("検索エンジン") + "\r\n");
    m_home->write("Address.ini", "[address]\r\n0=" + Sjis("日本のページ") + "\r\n");
    WriteSites({{"検索サイト", "SERVER/words?q="}});
    CMainFrame* frame = Open(false);
    QComboBox* combo = Box(box);
    QLineEdit* edit = combo->lineEdit();
    QVERIFY(edit);
    QVERIFY(edit->testAttribute(Qt::WA_InputMethodEnabled));
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());

    QInputMethodEvent composing(preedit, {});
    QApplication::sendEvent(edit, &composing);
    QInputMethodEvent done;
    done.setCommitString(commit);
    QApplication::sendEvent(edit, &done);
    QCOMPARE(edit->text(), commit);
    QCOMPARE(combo->currentText(), commit);
    // Typed key by key, the text stays as typed too.
    edit->clear();
    for (const QChar c : commit)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(combo->currentText(), commit);
    QTest::keyClicks(edit, "ab");
    QCOMPARE(combo->currentText(), commit + "ab");

    if (box == "words") {
        frame->m_wndSearchSites->setCurrentIndex(0);
        frame->OnFileNew();
        frame->SendCommand(CommandId::WebSearch);
        QCOMPARE(combo->itemText(0), commit + "ab");
        m_bars->SaveSearchHistory();
        QVERIFY(m_home->read("Searchstring.ini").contains("0=" + Sjis(commit + "ab") + "\r\n"));
    }
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestSearchBars test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_searchbars.moc"
