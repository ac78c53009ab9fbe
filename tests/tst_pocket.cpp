#include "commands/CommandId.h"
#include "core/PocketLinks.h"
#include "frame/CMainFrame.h"
#include "panes/CDelTree.h"
#include "panes/CDockTabBar.h"
#include "panes/CPoket.h"
#include "panes/ClosedTabList.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QWebEngineScript>
#include <QtTest>

#include <memory>

namespace {

using Commands = QList<int>;

QStringList Children(const QTreeWidget& tree)
{
    QStringList texts;
    const QTreeWidgetItem* root = tree.topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i)
        texts << root->child(i)->text(0);
    return texts;
}

QList<int> ChildData(const QTreeWidget& tree)
{
    QList<int> data;
    const QTreeWidgetItem* root = tree.topLevelItem(0);
    for (int i = 0; root && i < root->childCount(); ++i)
        data << root->child(i)->data(0, Qt::UserRole).toInt();
    return data;
}

QByteArray PoketFile(const QList<QByteArray>& entries)
{
    QByteArray bytes = "[Poket]\r\ncount=" + QByteArray::number(entries.size()) + "\r\n";
    for (int i = 0; i < entries.size(); ++i)
        bytes += QByteArray::number(i + 1) + "=" + entries[i] + "\r\n";
    return bytes;
}

} // namespace

class TestPocket : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void selectionLinks_data();
    void selectionLinks();
    void closedTabPaneFollowsCloses();
    void closedTabPaneRows_data();
    void closedTabPaneRows();
    void pocketCommands_data();
    void pocketCommands();
    void pocketPaneOpensEntries();

private:
    CMainFrame* Open();
    QString Url(const QByteArray& path) const { return m_server->url(path).toString(); }
    CDelTree* ClosedPane() const { return m_frame->DockBar()->GetViewByClass<CDelTree>(); }
    CPoket* PocketPane() const { return m_frame->DockBar()->GetViewByClass<CPoket>(); }
    QStringList TabUrls() const;

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
    MbAnswer m_answer = MbAnswer::Yes;
};

void TestPocket::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", "<html><head><title>Home</title></head></html>");
    for (int i = 1; i <= 5; ++i)
        m_server->route("/p" + QByteArray::number(i), "text/html",
                        "<html><head><title>Page " + QByteArray::number(i) +
                            "</title></head></html>");
    m_server->route("/dir/", "text/html",
                    "<html><head><meta charset=utf-8><title>Links</title></head><body><p id=s>"
                    "<a href=\"http://127.0.0.1:1/abs\">abs</a> "
                    "<a href=\"rel.html\">rel</a> <a href=\"/root.html\">root</a></p>"
                    "<p id=t>not an address 例 \xf0\x9f\x98\x80 \xc3\xbc</p>"
                    "<p><a href=\"rel.html\">again</a></p></body></html>");
    qputenv("ZELVO_HOMEPAGE", Url("/home").toUtf8());
    m_boxes.clear();
    m_answer = MbAnswer::Yes;
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes << call;
        return call.buttons == MbButtons::YesNo ? m_answer : MbAnswer::Ok;
    });
}

void TestPocket::cleanup()
{
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    SetMessageBoxResponder({});
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestPocket::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestPocket::Open()
{
    m_frame = OpenFrame();
    if (m_frame)
        WaitTabsIdle(*m_frame);
    return m_frame.get();
}

QStringList TestPocket::TabUrls() const
{
    QStringList urls;
    for (int i = 0; i < m_frame->TabCount(); ++i)
        urls << m_frame->TabView(i)->GetLocationURL();
    return urls;
}

void TestPocket::selectionLinks_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("anchors");
    QTest::addColumn<QStringList>("expected");
    const QStringList anchors = {"http://h/d/a.html", "http://h/b.html", "http://h/d/a.html"};
    QTest::newRow("absolute first, then anchors in page order")
        << QStringLiteral("<a href=\"a.html\">x</a><a href=\"http://e/\">y</a>") << anchors
        << QStringList{"http://e/", "http://h/d/a.html", "http://h/d/a.html"};
    QTest::newRow("blank before =, no quotes, value to the end")
        << QStringLiteral("<a href =https://s/x") << anchors << QStringList{"https://s/x"};
    QTest::newRow("href without = and empty values")
        << QStringLiteral("href, <a href=\"\">, <link href=http>") << anchors
        << QStringList{"http>"};
    QTest::newRow("value that matches no anchor")
        << QStringLiteral("<a href=\"b.html\">") << anchors << QStringList();
    QTest::newRow("no selection") << QString() << anchors << QStringList();
}

void TestPocket::selectionLinks()
{
    QFETCH(QString, html);
    QFETCH(QStringList, anchors);
    QFETCH(QStringList, expected);
    QCOMPARE(PocketLinks(html, QStringLiteral("http://h/d/"), anchors), expected);
}

void TestPocket::closedTabPaneFollowsCloses()
{
    QVERIFY(Open());
    for (int i = 1; i <= 5; ++i)
        QVERIFY(OpenNewTab(*m_frame, Url("/p" + QByteArray::number(i))));
    QVERIFY(WaitTabsIdle(*m_frame));
    // The active tab is the newest; each close takes it.
    QStringList closed;
    for (int i = 5; i >= 1; --i) {
        closed << QStringLiteral("Page %1").arg(i);
        m_frame->SendCommand(CommandId::TabClose);
    }
    CDelTree* pane = ClosedPane();
    QVERIFY(pane);
    QCOMPARE(pane->Root()->text(0), QStringLiteral("タブ削除履歴"));
    QVERIFY(pane->Root()->isExpanded());
    QCOMPARE(Children(*pane), closed);
    QCOMPARE(ChildData(*pane), (QList<int>{1, 2, 3, 4, 5}));
    // Picking an entry opens it in a new tab and keeps it; the root opens nothing.
    pane->setCurrentItem(pane->Root());
    QCOMPARE(m_frame->TabCount(), 1);
    pane->setCurrentItem(pane->Root()->child(1));
    QTRY_COMPARE(m_frame->TabCount(), 2);
    QTRY_COMPARE(m_frame->ActiveZelvoView()->GetLocationURL(), Url("/p4"));
    QVERIFY(WaitTabsIdle(*m_frame));
    QCOMPARE(Children(*pane), closed);
    m_frame->close();
    QByteArray file = "[DeleteTab]\r\ncount=5\r\n";
    for (int i = 1; i <= 5; ++i)
        file += "name_" + QByteArray::number(i) + "=Page " + QByteArray::number(6 - i) +
                "\r\nurl_" + QByteArray::number(i) + "=" +
                Url("/p" + QByteArray::number(6 - i)).toLatin1() + "\r\n";
    QCOMPARE(m_home->read("DeleteTab_List.ini"), file);
}

void TestPocket::closedTabPaneRows_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("adds");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QByteArray>("savedFile");
    const QByteArray five = "[DeleteTab]\r\ncount=5\r\nname_1=a\r\nurl_1=ua\r\nurl_2=ub\r\n"
                            "name_3=c\r\nurl_3=uc\r\nname_4=d\r\nurl_4=ud\r\nname_5=e\r\n"
                            "url_5=ue\r\n";
    QTest::newRow("saved list, a title missing")
        << five << 0 << false << QStringList{"a", "", "c", "d", "e"} << QByteArray();
    QTest::newRow("next close hides the empty title")
        << five << 1 << false << QStringList{"a", "c", "d", "e", "n1"} << QByteArray();
    QStringList last30;
    for (int i = 2; i <= 31; ++i)
        last30 << QStringLiteral("n%1").arg(i);
    QTest::newRow("31 closes keep the newest 30")
        << QByteArray() << 31 << false << last30 << QByteArray();
    QTest::newRow("cleared: pane and file empty, exit writes nothing")
        << five << 2 << true << QStringList() << QByteArray("");
}

void TestPocket::closedTabPaneRows()
{
    QFETCH(QByteArray, file);
    QFETCH(int, adds);
    QFETCH(bool, clear);
    QFETCH(QStringList, shown);
    QFETCH(QByteArray, savedFile);
    if (!file.isEmpty())
        m_home->write("DeleteTab_List.ini", file);
    QVERIFY(Open());
    for (int i = 1; i <= adds; ++i)
        m_frame->ClosedTabs().AddClosedTab(QStringLiteral("n%1").arg(i),
                                           QStringLiteral("u%1").arg(i));
    if (clear) {
        m_frame->SendCommand(CommandId::ClearClosedTabHistory);
        QVERIFY(!m_home->read("DeleteTab_List.ini").contains("DeleteTab"));
    }
    QCOMPARE(Children(*ClosedPane()), shown);
    if (!savedFile.isNull()) {
        m_frame->close();
        QCOMPARE(m_home->read("DeleteTab_List.ini"), savedFile);
    }
}

void TestPocket::pocketCommands_data()
{
    QTest::addColumn<QString>("addressText");
    QTest::addColumn<QString>("selectScript");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<Commands>("commands");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("boxes");
    using C = CommandId;
    const QString selectLinks =
        QStringLiteral("getSelection().selectAllChildren(document.getElementById('s'))");
    const QString selectText =
        QStringLiteral("getSelection().selectAllChildren(document.getElementById('t'))");
    const int yes = int(MbAnswer::Yes);
    const int no = int(MbAnswer::No);
    QTest::newRow("address bar, text kept as typed")
        << QStringLiteral("http://例え.jp/ü") << QString() << QString()
        << Commands{ToInt(C::PocketAddAddress)} << yes
        << PoketFile({"http://\x97\xe1\x82\xa6.jp/?"}) << QStringList{"ポケットに追加しました！"};
    QTest::newRow("address bar empty, twice")
        << QString() << QString() << QString()
        << Commands{ToInt(C::PocketAddAddress), ToInt(C::PocketAddAddress)} << yes
        << PoketFile({"", ""})
        << QStringList{"ポケットに追加しました！", "ポケットに追加しました！"};
    QTest::newRow("selection links")
        << QString() << selectLinks << QString() << Commands{ToInt(C::PocketAddSelectionLinks)}
        << yes << PoketFile({"http://127.0.0.1:1/abs", "%BASE%rel.html", "%BASE%rel.html"})
        << QStringList{"ポケットに追加しました。"};
    QTest::newRow("selection links, nothing selected")
        << QString() << QString() << QString() << Commands{ToInt(C::PocketAddSelectionLinks)} << yes
        << QByteArray() << QStringList();
    QTest::newRow("selected text, any text")
        << QString() << selectText << QString() << Commands{ToInt(C::PocketAddSelectionText)} << yes
        << PoketFile({"not an address \x97\xe1 ? ?"})
        << QStringList{"not an address 例 😀 ü", "ポケットに追加しました。"};
    QTest::newRow("selected text, answered no")
        << QString() << selectText << QString() << Commands{ToInt(C::PocketAddSelectionText)} << no
        << QByteArray() << QStringList{"not an address 例 😀 ü"};
    QTest::newRow("selected text, nothing selected")
        << QString() << QString() << QString() << Commands{ToInt(C::PocketAddSelectionText)} << yes
        << QByteArray() << QStringList{"ポケットできません！"};
    QTest::newRow("clipboard, trimmed")
        << QString() << QString() << QStringLiteral("  http://c/简体 \n")
        << Commands{ToInt(C::PocketAddClipboard)} << yes << PoketFile({"http://c/?\x91\xcc"})
        << QStringList{"ポケットに追加しました。"};
    QTest::newRow("clipboard empty")
        << QString() << QString() << QString() << Commands{ToInt(C::PocketAddClipboard)} << yes
        << QByteArray() << QStringList{"ポケットできません！"};
    QTest::newRow("run answered no empties the pocket")
        << QStringLiteral("http://x/") << QString() << QString()
        << Commands{ToInt(C::PocketAddAddress), ToInt(C::PocketRun)} << no << QByteArray()
        << QStringList{"ポケットに追加しました！",
                       "ポケットの数は、1ですが、これらを全て開きますか？"};
    QTest::newRow("clear removes the file")
        << QStringLiteral("http://x/") << QString() << QString()
        << Commands{ToInt(C::PocketAddAddress), ToInt(C::PocketClear)} << yes << QByteArray()
        << QStringList{"ポケットに追加しました！"};
}

void TestPocket::pocketCommands()
{
    QFETCH(QString, addressText);
    QFETCH(QString, selectScript);
    QFETCH(QString, clipboard);
    QFETCH(Commands, commands);
    QFETCH(int, answer);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, boxes);
    m_answer = MbAnswer(answer);
    QVERIFY(Open());
    QVERIFY(OpenNewTab(*m_frame, Url("/dir/")));
    QVERIFY(WaitTabsIdle(*m_frame));
    CZelvoView* view = m_frame->ActiveZelvoView();
    if (!selectScript.isEmpty()) {
        bool done = false;
        view->GetPage()->runJavaScript(selectScript, QWebEngineScript::ApplicationWorld,
                                       [&done](const QVariant&) { done = true; });
        QTRY_VERIFY(done);
    }
    QGuiApplication::clipboard()->setText(clipboard);
    m_frame->m_wndAddressBar->setEditText(addressText);
    for (int id : commands)
        m_frame->SendCommand(id);
    QTRY_COMPARE(m_boxes.size(), boxes.size());
    QStringList texts;
    for (const MessageBoxCall& box : m_boxes)
        texts << box.text;
    QCOMPARE(texts, boxes);
    file.replace("%BASE%", Url("/dir/").toLatin1());
    if (file.isEmpty()) {
        QVERIFY(!m_home->exists("poket.ini"));
    } else {
        QCOMPARE(m_home->read("poket.ini"), file);
    }
    // The pane follows every change.
    QStringList entries;
    for (const QByteArray& line : file.split('\n'))
        if (!line.isEmpty() && line[0] >= '1' && line[0] <= '9')
            entries << QString();
    QCOMPARE(Children(*PocketPane()).size(), entries.size());
}

void TestPocket::pocketPaneOpensEntries()
{
    QVERIFY(Open());
    CPoket* pane = PocketPane();
    QVERIFY(pane);
    QCOMPARE(pane->Root()->text(0), QStringLiteral("ポケットの中身"));
    const QStringList addresses = {Url("/p1"), Url("/p2"), QStringLiteral("https://s.invalid/"),
                                   Url("/p3")};
    for (const QString& address : addresses) {
        m_frame->m_wndAddressBar->setEditText(address);
        m_frame->SendCommand(CommandId::PocketAddAddress);
    }
    QCOMPARE(Children(*pane), addresses);
    QCOMPARE(ChildData(*pane), (QList<int>{0, 1, 2, 3}));
    QVERIFY(pane->Root()->child(0)->flags() & Qt::ItemIsUserCheckable);
    // Ticked entries open in list order, and stay in the pocket.
    pane->Root()->child(3)->setCheckState(0, Qt::Checked);
    pane->Root()->child(0)->setCheckState(0, Qt::Checked);
    pane->setCurrentItem(pane->Root()->child(1));
    m_frame->SendCommand(CommandId::PocketRunChecked);
    QTRY_COMPARE(m_frame->TabCount(), 3);
    QVERIFY(WaitTabsIdle(*m_frame));
    QCOMPARE(TabUrls().mid(1), (QStringList{Url("/p1"), Url("/p3")}));
    QCOMPARE(Children(*pane), addresses);
    // Double-clicking the root asks for an entry and opens nothing.
    m_boxes.clear();
    pane->setCurrentItem(pane->Root());
    emit pane->itemDoubleClicked(pane->Root(), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("アイテムを選択してください！"));
    QCOMPARE(m_frame->TabCount(), 3);
    // Everything at once: only http addresses open, then the pocket is empty.
    m_frame->SendCommand(CommandId::PocketRun);
    QTRY_VERIFY(!m_home->exists("poket.ini"));
    QTRY_COMPARE(m_frame->TabCount(), 6);
    QVERIFY(WaitTabsIdle(*m_frame));
    QCOMPARE(TabUrls().mid(3), (QStringList{Url("/p1"), Url("/p2"), Url("/p3")}));
    QCOMPARE(m_boxes.last().text,
             QStringLiteral("ポケットの数は、4ですが、これらを全て開きますか？"));
    QCOMPARE(Children(*pane), QStringList());
    // Collected again, the pocket is gone after exit.
    m_frame->SendCommand(CommandId::PocketAddAddress);
    QVERIFY(m_home->exists("poket.ini"));
    m_frame->close();
    QVERIFY(!m_home->exists("poket.ini"));
}

QTEST_MAIN(TestPocket)
#include "tst_pocket.moc"
