#include "commands/CommandId.h"
#include "favorites/FavHtml.h"
#include "favorites/FavoritesFolder.h"
#include "frame/CMainFrame.h"
#include "panes/CDockTabBar.h"
#include "panes/CFTree.h"
#include "panes/CGTree.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"
#include "PageScript.h"

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWebEngineScript>
#include <QtTest>

namespace {

const QString kHostile = QStringLiteral("<img src=x onerror=\"document.title='pwned'\">");

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void Shortcut(const QString& path, const QByteArray& url)
{
    WriteFile(path, "[InternetShortcut]\r\nURL=" + url + "\r\n");
}

// Tree leaves as "name=url" in number order.
QStringList TreeLeaves(const CFTree& tree)
{
    QStringList out;
    QList<QTreeWidgetItem*> stack{tree.topLevelItem(0)};
    QMap<int, QString> byNumber;
    while (!stack.isEmpty()) {
        QTreeWidgetItem* item = stack.takeLast();
        const int leaf = item->data(0, Qt::UserRole).toInt();
        if (leaf >= 0)
            byNumber.insert(leaf, item->text(0) + QLatin1Char('=') + tree.Url(leaf));
        for (int i = 0; i < item->childCount(); ++i)
            stack.append(item->child(i));
    }
    return byNumber.values();
}

void CollectMenu(QMenu* menu, QMap<int, QAction*>& out)
{
    for (QAction* action : menu->actions()) {
        if (action->menu())
            CollectMenu(action->menu(), out);
        else if (action->data().toInt() >= ToInt(CommandId::FavoriteFirst))
            out.insert(action->data().toInt(), action);
    }
}

QMenu* FavoritesMenu(CMainFrame& frame)
{
    return frame.MenuBand()->findChild<QMenuBar*>()->findChild<QMenu*>(QStringLiteral("menu3"));
}

QString RunScript(CZelvoView& view, const QString& script)
{
    const auto value = RunPageScript(view.GetPage(), script, QWebEngineScript::ApplicationWorld);
    return value ? value->toString() : QStringLiteral("(no answer)");
}

QTreeWidgetItem* FindItem(QTreeWidget& tree, const QString& text)
{
    const auto found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

} // namespace

class TestFavorites : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void folderOrder();
    void menuText_data();
    void menuText();
    void openAndAdd();
    void favHtml();
    void groups();
    void runLargeGroup();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<QTemporaryDir> m_favorites;
    QList<MessageBoxCall> m_boxes;
    QString Fav(const QString& name) const { return m_favorites->filePath(name); }
};

void TestFavorites::init()
{
    m_home = std::make_unique<TempHome>();
    m_favorites = std::make_unique<QTemporaryDir>();
    qputenv("ZELVO_FAVORITES", m_favorites->path().toUtf8());
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return MbAnswer::Yes;
    });
}

void TestFavorites::cleanup()
{
    SetMessageBoxResponder({});
    m_favorites.reset();
    m_home.reset();
}

void TestFavorites::folderOrder()
{
    Shortcut(Fav("b.url"), "http://b/");
    Shortcut(Fav("A.url"), "http://upper/");
    Shortcut(Fav("a.url"), "http://lower/");
    Shortcut(Fav(QStringLiteral("日本語.url")), "http://ja/");
    Shortcut(Fav(QStringLiteral("ü😀.url")), "http://emoji/");
    WriteFile(Fav("noUrl.url"), "[InternetShortcut]\r\nIconIndex=1\r\n");
    WriteFile(Fav("broken.url"), QByteArray("\xff\xfe\x00[Intern\r\nURL", 14));
    Shortcut(Fav(kHostile + ".url"), "http://x/\"><script>document.title='pwned'</script>");
    Shortcut(Fav("NAME.URL"), "http://no/");
    Shortcut(Fav("x.url.bak"), "http://no/");
    Shortcut(Fav(".hidden.url"), "http://no/");
    Shortcut(Fav("Sub/z.url"), "http://z/");
    Shortcut(Fav("Sub/Deep/d.url"), "http://d/");
    Shortcut(Fav(".hid/h.url"), "http://h/");
    QDir().mkpath(Fav("empty"));

    auto frame = OpenFrame();
    QVERIFY(frame);
    auto* tree = frame->DockBar()->GetViewByClass<CFTree>();
    QVERIFY(tree);
    const QStringList expected{
        QStringLiteral("ü😀=http://emoji/"),
        kHostile + "=http://x/\"><script>document.title='pwned'</script>",
        "A=http://upper/",
        "a=http://lower/",
        "b=http://b/",
        "broken=",
        "noUrl=",
        QStringLiteral("日本語=http://ja/"),
        "h=http://h/",
        "z=http://z/",
        "d=http://d/",
    };
    QCOMPARE(TreeLeaves(*tree), expected);
    // Sub-folders follow their folder's shortcuts; an empty one stays.
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("お気に入り"));
    QCOMPARE(root->child(8)->text(0), QStringLiteral(".hid"));
    QCOMPARE(root->child(9)->text(0), QStringLiteral("empty"));
    QCOMPARE(root->child(10)->text(0), QStringLiteral("Sub"));

    // The menu numbers the same favourites from 1; folders with shortcuts come
    // first, in name order, before the separator.
    QMap<int, QAction*> items;
    CollectMenu(FavoritesMenu(*frame), items);
    QCOMPARE(items.size(), expected.size());
    for (int k = 0; k < expected.size(); ++k) {
        QAction* action = items.value(FavoriteCommand(k + 1));
        QVERIFY2(action, qPrintable(expected[k]));
        const QString name = frame->m_favoriteNames.value(k + 1);
        QCOMPARE(action->text().replace("&&", "&"), FavoritesFolder::MenuText(name));
        QCOMPARE(frame->m_favoriteNames.value(k + 1) + "=" + frame->m_favoriteUrls.value(k + 1),
                 expected[k]);
    }
    const QList<QAction*> top = FavoritesMenu(*frame)->actions();
    QCOMPARE(top[0]->text(), QStringLiteral(".hid"));
    QCOMPARE(top[1]->text(), QStringLiteral("Sub"));
    QVERIFY(top[2]->isSeparator());
    QCOMPARE(top[1]->menu()->actions()[0]->text(), QStringLiteral("Deep"));
}

void TestFavorites::menuText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("25 bytes") << QString(25, 'x') << QString(25, 'x');
    QTest::newRow("26 bytes") << QString(26, 'x') << QString(25, 'x') + "...";
    QTest::newRow("30 bytes") << QString(30, 'y') << QString(25, 'y') + "...";
    QTest::newRow("double-byte cut")
        << QString(13, QChar(0x3042)) << QString(12, QChar(0x3042)) + "...";
    QTest::newRow("emoji kept") << QStringLiteral("😀😀") << QStringLiteral("😀😀");
}

void TestFavorites::menuText()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(FavoritesFolder::MenuText(name), text);
}

void TestFavorites::openAndAdd()
{
    HttpServer server;
    server.route("/one", "text/html", "<title>one</title>1");
    server.route("/two", "text/html", "<title>two</title>2");
    server.route("/new", "text/html",
                 QStringLiteral("<meta charset=utf-8><title>新しい😀</title>n").toUtf8());
    Shortcut(Fav("one.url"), server.url("/one").toEncoded());
    Shortcut(Fav("dir/two.url"), server.url("/two").toEncoded());
    auto frame = OpenFrame();
    QVERIFY(frame);
    QVERIFY(WaitTabsIdle(*frame));

    // From the menu: a new tab.
    QMap<int, QAction*> items;
    CollectMenu(FavoritesMenu(*frame), items);
    items.value(FavoriteCommand(1))->trigger();
    QTRY_COMPARE(frame->TabCount(), 2);
    QVERIFY(WaitTabsIdle(*frame));
    QCOMPARE(frame->TabView(1)->GetLocationURL(), server.url("/one").toString());

    // From the tree: in the current tab.
    auto* tree = frame->DockBar()->GetViewByClass<CFTree>();
    tree->setCurrentItem(FindItem(*tree, "two"));
    QVERIFY(frame->CommandState(CommandId::FavOpenHere).enabled);
    frame->SendCommand(CommandId::FavOpenHere);
    QTRY_COMPARE(frame->ActiveZelvoView()->GetLocationURL(), server.url("/two").toString());
    QCOMPARE(frame->TabCount(), 2);
    tree->setCurrentItem(tree->topLevelItem(0));
    QVERIFY(!frame->CommandState(CommandId::FavOpenNewTab).enabled);

    // Adding the page: a real shortcut, seen by the tree and the menu at once.
    frame->ActiveZelvoView()->Navigate2(server.url("/new").toString());
    QTRY_COMPARE(frame->ActiveZelvoView()->GetLocationName(), QStringLiteral("新しい😀"));
    frame->SendCommand(CommandId::AddFavorite);
    const QString added = Fav(QStringLiteral("新しい😀.url"));
    QVERIFY(QFileInfo::exists(added));
    QCOMPARE(FavoritesFolder::ReadUrl(added, 2048), server.url("/new").toString());
    QVERIFY(FindItem(*tree, QStringLiteral("新しい😀")));
    items.clear();
    CollectMenu(FavoritesMenu(*frame), items);
    QCOMPARE(items.size(), 3);
    QCOMPARE(items.value(FavoriteCommand(2))->text(), QStringLiteral("新しい😀"));
    // The same title again does not overwrite the first.
    frame->SendCommand(CommandId::AddFavorite);
    QVERIFY(QFileInfo::exists(Fav(QStringLiteral("新しい😀 (2).url"))));

    // Deleting from the tree asks, then the shortcut goes to the trash.
    tree->setCurrentItem(FindItem(*tree, "two"));
    frame->SendCommand(CommandId::FavDelete);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("確認"));
    QVERIFY(!QFileInfo::exists(Fav("dir/two.url")));
    QVERIFY(!FindItem(*tree, "two"));
    QVERIFY(FindItem(*tree, "dir"));
}

void TestFavorites::favHtml()
{
    Shortcut(Fav("a.url"), "http://a/");
    Shortcut(Fav("f/b.url"), "http://b/?x=1&y=2");
    QDir().mkpath(Fav("g"));
    const QByteArray page = FavHtml::Build(m_favorites->path());
    const QByteArray body =
        "<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"http://a/\" ALT=\"\">a</A> - http://a/<BR>\r\n"
        "<BR><IMG SRC=\"forda.png\" ALT=\"\">f<BR>\r\n"
        "<BR><IMG SRC=\"e.png\" ALT=\"\"><A HREF=\"http://b/?x=1&amp;y=2\" ALT=\"\">b</A> - "
        "http://b/?x=1&amp;y=2<BR>\r\n"
        "<BR><IMG SRC=\"forda.png\" ALT=\"\">g<BR>\r\n"
        "\r\n</BODY>\r\n</HTML>";
    const QByteArray head =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n"
        "<HTML LANG=\"JA\">\r\n<HEAD>\r\n"
        "<META HTTP-EQUIV=\"CONTENT-TYPE\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
        "<TITLE>\x82\xa8\x8b\x43\x82\xc9\x93\xfc\x82\xe8\x83\x8a\x83\x93\x83\x4e\x83\x8a\x83\x58"
        "\x83\x67</TITLE>\r\n"
        "<style type=\"text/css\">\r\n<!--\r\nbody\r\n{\r\n  background-image: url(back.png)\r\n}"
        "\r\n-->\r\n</style>\r\n</HEAD>\r\n<BODY>\r\n<P ALIGN=\"CENTER\">"
        "<FONT SIZE=\"6\" COLOR=\"red\">\x81\x75\x82\xa8\x8b\x43\x82\xc9\x93\xfc\x82\xe8\x81\x76"
        "\x83\x8a\x83\x93\x83\x4e\x83\x8a\x83\x58\x83\x67</FONT></P><BR>\r\n";
    QCOMPARE(page, head + body);

    // A hostile shortcut shows as text in a page opened from the program directory.
    QVERIFY(QFile::remove(Fav("a.url")));
    Shortcut(Fav(kHostile + ".url"), "http://x/\"><script>document.title='pwned'</script>");
    auto frame = OpenFrame();
    QVERIFY(frame);
    QVERIFY(WaitTabsIdle(*frame));
    frame->SendCommand(CommandId::FavoritesHtmlCreate);
    QTRY_COMPARE(frame->TabCount(), 2);
    QVERIFY(WaitTabsIdle(*frame));
    CZelvoView* view = frame->TabView(1);
    QVERIFY(view->GetLocationURL().endsWith("fav.html"));
    QCOMPARE(view->GetLocationName(), QStringLiteral("お気に入りリンクリスト"));
    QCOMPARE(RunScript(*view, "document.querySelectorAll('script,[onerror]').length"),
             QStringLiteral("0"));
    QVERIFY(RunScript(*view, "document.body.innerText").contains(kHostile));
    // Opening it again needs no new writing; with child tabs off it refuses.
    frame->SendCommand(CommandId::FavoritesHtmlOpen);
    QTRY_COMPARE(frame->TabCount(), 3);
    QVERIFY(m_boxes.isEmpty());
}

void TestFavorites::groups()
{
    for (const char* name : {"A", "B", "C"})
        Shortcut(Fav(QString::fromLatin1(name) + ".url"), "http://x/");
    auto frame = OpenFrame();
    QVERIFY(frame);
    auto* tree = frame->DockBar()->GetViewByClass<CFTree>();
    auto* groups = frame->DockBar()->GetViewByClass<CGTree>();
    frame->DockBar()->SelectView(4);
    QCOMPARE(groups->topLevelItemCount(), 12);
    QCOMPARE(groups->topLevelItem(11)->text(0), QStringLiteral("group12"));
    for (const char* name : {"A", "B", "C"}) {
        tree->setCurrentItem(FindItem(*tree, QString::fromLatin1(name)));
        frame->SendCommand(CommandId::FavAddToGroup);
    }
    QCOMPARE(m_home->read("Grouprun.ini"),
             QByteArray("[group1]\r\ncount=2\r\n0=A\r\n1=B\r\n2=C\r\n"));

    // Dragging B onto group 5, then A onto B: both end up in group 5, in order.
    auto drag = [&](const QString& from, QTreeWidgetItem* to) {
        QTreeWidgetItem* item = FindItem(*groups, from);
        const QPoint start = groups->visualItemRect(item).center();
        const QPoint end = groups->visualItemRect(to).center();
        QWidget* port = groups->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, start);
        for (const QPoint& at : {start + QPoint(0, 12), end}) {
            QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, {});
            QApplication::sendEvent(port, &move);
        }
        QTest::mouseRelease(port, Qt::LeftButton, {}, end);
    };
    drag("B", groups->GroupItem(4));
    drag("A", FindItem(*groups, "B"));
    QCOMPARE(m_home->read("Grouprun.ini"),
             QByteArray("[group1]\r\ncount=0\r\n0=C\r\n[group5]\r\ncount=1\r\n0=B\r\n1=A\r\n"));
    // Dropped on itself: nothing changes; a group cannot be dragged.
    drag("A", FindItem(*groups, "A"));
    drag("group1", groups->GroupItem(4));
    QCOMPARE(groups->Groups().Items(4), QStringList({"B", "A"}));
    QCOMPARE(groups->Groups().Items(0), QStringList({"C"}));

    groups->setCurrentItem(FindItem(*groups, "B"));
    frame->SendCommand(CommandId::GroupItemDelete);
    groups->setCurrentItem(groups->GroupItem(0));
    QVERIFY(!frame->CommandState(CommandId::GroupItemDelete).enabled);
    frame->SendCommand(CommandId::GroupDeleteAll);
    QCOMPARE(m_home->read("Grouprun.ini"), QByteArray("[group5]\r\ncount=0\r\n0=A\r\n"));
    frame->SendCommand(CommandId::GroupItemRun);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("アイテムを選択してください！"));

    // Gaps read as skipped and are numbered anew on the next change.
    frame.reset();
    m_home->write("Grouprun.ini", "[group2]\r\ncount=3\r\n0=P\r\n3=Q\r\n");
    CGTree fresh;
    QCOMPARE(fresh.Groups().Items(1), QStringList({"P", "Q"}));
    fresh.AddFavorite(QStringLiteral("日本語"));
    QCOMPARE(
        m_home->read("Grouprun.ini"),
        QByteArray("[group1]\r\ncount=0\r\n0=\x93\xfa\x96\x7b\x8c\xea\r\n[group2]\r\ncount=1\r\n"
                   "0=P\r\n1=Q\r\n"));
}

void TestFavorites::runLargeGroup()
{
    HttpServer server;
    QByteArray ini = "[group3]\r\ncount=11\r\n";
    for (int i = 0; i < 12; ++i) {
        const QByteArray path = "/p" + QByteArray::number(i);
        server.route(path, "text/html", "<title>" + path + "</title>");
        Shortcut(Fav(QStringLiteral("p%1.url").arg(i, 2, 10, QLatin1Char('0'))),
                 server.url(path).toEncoded());
        ini += QByteArray::number(i) + "=p" + QByteArray::number(i).rightJustified(2, '0') + "\r\n";
    }
    m_home->write("Grouprun.ini", ini);
    m_home->write("Tablist.ini", "[Tablist]\r\ntabcount=5\r\n");
    auto frame = OpenFrame();
    QVERIFY(frame);
    QVERIFY(WaitTabsIdle(*frame));
    auto* groups = frame->DockBar()->GetViewByClass<CGTree>();
    groups->setCurrentItem(groups->GroupItem(2)->child(3));
    frame->SendCommand(CommandId::GroupRun);
    // The first page replaces the only tab; the others open within the limit.
    QTRY_COMPARE(frame->TabView(0)->GetLocationURL(), server.url("/p0").toString());
    QTRY_VERIFY(server.requestCount("/p11") + server.requestCount("/p3") > 0 ||
                frame->TabCount() == 4);
    QVERIFY(WaitTabsIdle(*frame));
    QCOMPARE(frame->TabCount(), 4);
    for (int i = 1; i < 4; ++i)
        QCOMPARE(frame->TabView(i)->GetLocationURL(),
                 server.url("/p" + QByteArray::number(i)).toString());
}

QTEST_MAIN(TestFavorites)
#include "tst_favorites.moc"
