#include "commands/CommandId.h"
#include "core/EncodingList.h"
#include "frame/CMainFrame.h"
#include "panes/CDockCaption.h"
#include "panes/CDockTabBar.h"
#include "panes/CDockTabCtrl.h"
#include "panes/CPanePlaceholder.h"
#include "panes/CTView.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"
#include "PageScript.h"

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QStringEncoder>
#include <QWebEngineHistory>
#include <QWebEngineScript>
#include <QtTest>

#include <memory>

namespace {

const QString kJapanese = QStringLiteral("日本語のテキストです。これは正しく読めるはずの文です。");

QByteArray Encoded(const char* encoding, const QString& text)
{
    return QStringEncoder(encoding).encode(text);
}

QByteArray JapanesePage(const char* encoding, const QByteArray& head = QByteArray())
{
    return "<html><head>" + head + "<title>" + Encoded(encoding, QStringLiteral("題名")) +
           "</title></head><body><p id=t>" + Encoded(encoding, kJapanese) + "</p></body></html>";
}

QString RunScript(CZelvoView& view, const QString& script)
{
    const auto value = RunPageScript(view.GetPage(), script, QWebEngineScript::ApplicationWorld);
    return value ? value->toString() : QStringLiteral("(no answer)");
}

QString PageText(CZelvoView& view)
{
    return RunScript(view, QStringLiteral("document.getElementById('t').textContent"));
}

QString ExpectedInfo(const QString& title, const QString& charset, qsizetype size,
                     const QString& referrer = QString())
{
    return QStringLiteral("\r\nサイト名:") + title +
           "\r\n\r\nprotocol:http:\r\n\r\ncharset:" + charset +
           "\r\n\r\nfilesize(byte):" + QString::number(size) + "\r\n\r\nreferrer:" + referrer +
           "\r\n\r\nmimeType:text/html\r\n\r\ndomain:127.0.0.1";
}

} // namespace

class TestDockBar : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void encodingLookup_data();
    void encodingLookup();
    void barAtStart_data();
    void barAtStart();
    void toggleWritesSetting();
    void widthSavedAtExit();
    void selectView();
    void placement_data();
    void placement();
    void propertiesText_data();
    void propertiesText();
    void encodingSwitch_data();
    void encodingSwitch();
    void encodingMenu();
    void screenshot();

private:
    CMainFrame* Open();
    CZelvoView* OpenPage(const QByteArray& path);
    CTView* Properties() const { return m_frame->DockBar()->GetViewByClass<CTView>(); }

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
};

void TestDockBar::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", "<html><head><title>Home</title></head></html>");
    m_server->route("/sjis", "text/html; charset=Shift_JIS", JapanesePage("Shift_JIS"));
    m_server->route("/latin", "text/html; charset=iso-8859-1", JapanesePage("Shift_JIS"));
    m_server->route("/meta", "text/html", JapanesePage("Shift_JIS", "<meta charset=euc-jp>"));
    m_server->route("/euc", "text/html; charset=Shift_JIS", JapanesePage("EUC-JP"));
    m_server->route("/link", "text/html",
                    "<html><head><title>L</title></head><body><a id=a href=/sjis>s</a></body>"
                    "</html>");
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes << call;
        return MbAnswer::Ok;
    });
}

void TestDockBar::cleanup()
{
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    SetMessageBoxResponder({});
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestDockBar::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestDockBar::Open()
{
    m_frame = OpenFrame();
    if (m_frame)
        WaitTabsIdle(*m_frame);
    return m_frame.get();
}

CZelvoView* TestDockBar::OpenPage(const QByteArray& path)
{
    if (!OpenNewTab(*m_frame, m_server->url(path).toString()) || !WaitTabsIdle(*m_frame))
        return nullptr;
    return m_frame->ActiveZelvoView();
}

void TestDockBar::encodingLookup_data()
{
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("name");
    auto row = [](const char* tag, QStringList words, const char* name) {
        QTest::newRow(tag) << words << QString() << QByteArray(name);
    };
    row("auto Japanese", {"自動選択", "日本語"}, "");
    row("EUC", {"EUC", "日本語"}, "EUC-JP");
    // Two entries hold "JIS": the Shift_JIS one stands first.
    row("shift JIS", {"JIS", "日本語"}, "Shift_JIS");
    row("found only among the others", {"KOI8-R"}, "KOI8-R");
    row("none", {"日本語", "KOI8"}, nullptr);
    QTest::newRow("by text") << QStringList() << QStringLiteral("日本語 (JIS)")
                             << QByteArray("ISO-2022-JP");
    QTest::newRow("by text, not a part")
        << QStringList() << QStringLiteral("日本語") << QByteArray();
}

void TestDockBar::encodingLookup()
{
    QFETCH(QStringList, words);
    QFETCH(QString, text);
    QFETCH(QByteArray, name);
    const int found =
        text.isEmpty() ? EncodingList::FindContaining(words) : EncodingList::FindByText(text);
    if (name.isNull()) {
        QCOMPARE(found, -1);
        return;
    }
    QVERIFY(found >= 0);
    QCOMPARE(EncodingList::Entries().at(found).name, name);
    // The engine reports the names in its own spelling; each is found again.
    if (!name.isEmpty())
        QCOMPARE(EncodingList::FindByName(name.toLower()), found);
}

void TestDockBar::barAtStart_data()
{
    QTest::addColumn<QByteArray>("tablist");
    QTest::addColumn<QByteArray>("state");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("width");
    QTest::newRow("no settings") << QByteArray() << QByteArray() << true << 200;
    QTest::newRow("saved width") << QByteArray() << QByteArray("[Dock]\r\nlen=350\r\n") << true
                                 << 350;
    QTest::newRow("hidden") << QByteArray("[Window]\r\ndocking=1\r\n") << QByteArray() << false
                            << 200;
}

void TestDockBar::barAtStart()
{
    QFETCH(QByteArray, tablist);
    QFETCH(QByteArray, state);
    QFETCH(bool, visible);
    QFETCH(int, width);
    if (!tablist.isEmpty())
        m_home->write(QStringLiteral("Tablist.ini"), tablist);
    if (!state.isEmpty())
        m_home->write(QStringLiteral("State.ini"), state);
    QVERIFY(Open());
    CDockTabBar* bar = m_frame->DockBar();
    QVERIFY(bar);
    QCOMPARE(bar->windowTitle(), QStringLiteral("ドッキングバー"));
    QCOMPARE(m_frame->dockWidgetArea(bar), Qt::LeftDockWidgetArea);
    QCOMPARE(bar->isVisible(), visible);
    QCOMPARE(m_frame->CommandState(CommandId::ViewDockingBar).check, visible ? 1 : 0);
    if (visible)
        QTRY_COMPARE(bar->width(), width);
    // Six icon tabs, the first pane shown; a pane that is not built says so.
    QCOMPARE(bar->ViewCount(), 6);
    QCOMPARE(bar->TabCtrl()->count(), 6);
    for (int i = 0; i < 6; ++i) {
        QVERIFY(!bar->TabCtrl()->tabIcon(i).isNull());
        QVERIFY(bar->TabCtrl()->tabText(i).isEmpty());
        if (auto* note = qobject_cast<CPanePlaceholder*>(bar->View(i)))
            QVERIFY(!note->Note().isEmpty());
    }
    QCOMPARE(bar->ActiveIndex(), 0);
    QVERIFY(qobject_cast<CTView*>(bar->View(2)));
    QCOMPARE(bar->TabCtrl()->toolTip(),
             QStringLiteral("1:お気に入り 2:タブウインドの切り替え 3:プロパティ 4:タブ削除履歴 "
                            "5:巡回グループ 6:ポケットの中身"));
}

void TestDockBar::toggleWritesSetting()
{
    QVERIFY(Open());
    CDockTabBar* bar = m_frame->DockBar();
    const QString file = QStringLiteral("Tablist.ini");
    m_frame->SendCommand(CommandId::ViewDockingBar);
    QVERIFY(!bar->isVisible());
    QCOMPARE(m_home->read(file), QByteArray("[Window]\r\ndocking=1\r\n"));
    QCOMPARE(m_frame->CommandState(CommandId::ViewDockingBar).check, 0);
    m_frame->SendCommand(CommandId::ViewDockingBar);
    QVERIFY(bar->isVisible());
    QCOMPARE(m_home->read(file), QByteArray("[Window]\r\ndocking=0\r\n"));
    // The caption's "x" hides the bar as the command does.
    QTest::mouseClick(bar->Caption()->CloseButton(), Qt::LeftButton);
    QVERIFY(!bar->isVisible());
    QCOMPARE(m_home->read(file), QByteArray("[Window]\r\ndocking=1\r\n"));
}

void TestDockBar::widthSavedAtExit()
{
    QVERIFY(Open());
    CDockTabBar* bar = m_frame->DockBar();
    m_frame->resizeDocks({bar}, {260}, Qt::Horizontal);
    QTRY_COMPARE(bar->width(), 260);
    m_frame->close();
    QCOMPARE(m_home->read(QStringLiteral("State.ini")).contains("[Dock]\r\nlen=260\r\n"), true);
}

void TestDockBar::selectView()
{
    QVERIFY(Open());
    CDockTabBar* bar = m_frame->DockBar();
    m_frame->activateWindow();
    m_frame->m_wndAddressBar->setFocus();
    QTRY_VERIFY(m_frame->m_wndAddressBar->hasFocus());
    QSignalSpy selected(bar, &CDockTabBar::viewSelected);
    for (int same : {-1, 0}) {
        bar->SelectView(same);
        QCOMPARE(bar->ActiveIndex(), 0);
        QVERIFY(m_frame->m_wndAddressBar->hasFocus());
    }
    QCOMPARE(selected.count(), 0);
    // A click on a tab shows its pane, enabled and with the focus; the old one waits disabled.
    bar->TabCtrl()->setCurrentIndex(2);
    QCOMPARE(bar->ActiveIndex(), 2);
    QCOMPARE(bar->ActiveView(), bar->View(2));
    QTRY_VERIFY(bar->View(2)->isVisible());
    QVERIFY(bar->View(2)->isEnabled());
    QVERIFY(!bar->View(0)->isEnabled());
    QVERIFY(!bar->View(0)->isVisible());
    QTRY_VERIFY(bar->View(2)->hasFocus());
    QCOMPARE(selected.count(), 1);
}

void TestDockBar::placement_data()
{
    QTest::addColumn<int>("area");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("stripTop");
    QTest::newRow("left") << int(Qt::LeftDockWidgetArea) << false << 27;
    QTest::newRow("right") << int(Qt::RightDockWidgetArea) << false << 27;
    QTest::newRow("top") << int(Qt::TopDockWidgetArea) << true << 7;
    QTest::newRow("bottom") << int(Qt::BottomDockWidgetArea) << true << 7;
    QTest::newRow("floating") << 0 << true << 7;
}

void TestDockBar::placement()
{
    QFETCH(int, area);
    QFETCH(bool, horizontal);
    QFETCH(int, stripTop);
    QVERIFY(Open());
    CDockTabBar* bar = m_frame->DockBar();
    if (area == 0)
        bar->setFloating(true);
    else
        m_frame->addDockWidget(Qt::DockWidgetArea(area), bar);
    QCOMPARE(bar->IsHorizontalOrFloating(), horizontal);
    QTRY_COMPARE(bar->Caption()->isVisible(), !horizontal);
    // Measured from the corner of the bar's inside: a floating bar has a frame around it.
    QTRY_COMPARE(bar->TabCtrl()->mapTo(bar, QPoint(0, 0)) -
                     bar->titleBarWidget()->mapTo(bar, QPoint(0, 0)),
                 QPoint(7, stripTop));
}

void TestDockBar::propertiesText_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("followLink");
    QTest::addColumn<bool>("switchAway");
    QTest::newRow("Shift_JIS page") << QByteArray("/sjis") << false << false;
    QTest::newRow("reached by a link") << QByteArray("/link") << true << false;
    QTest::newRow("back to its tab") << QByteArray("/sjis") << false << true;
}

void TestDockBar::propertiesText()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, followLink);
    QFETCH(bool, switchAway);
    QVERIFY(Open());
    CZelvoView* view = OpenPage(path);
    QVERIFY(view);
    QString referrer;
    if (followLink) {
        RunScript(*view, QStringLiteral("document.getElementById('a').click()"));
        QTRY_COMPARE(view->GetLocationURL(), m_server->url("/sjis").toString());
        QVERIFY(WaitTabsIdle(*m_frame));
        referrer = m_server->url("/link").toString();
    }
    if (switchAway) {
        m_frame->SendCommand(CommandId::NextTab);
        QTRY_VERIFY(Properties()->Text().contains(QStringLiteral("サイト名:Home")));
        m_frame->SendCommand(CommandId::NextTab);
    }
    const QString expected = ExpectedInfo(QStringLiteral("題名"), QStringLiteral("Shift_JIS"),
                                          JapanesePage("Shift_JIS").size(), referrer);
    QTRY_COMPARE(Properties()->Text(), expected);
}

void TestDockBar::encodingSwitch_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("charset");
    const int sjis = ToInt(CommandId::EncodingShiftJis);
    QTest::newRow("sent as Latin-1") << QByteArray("/latin") << sjis << QStringLiteral("Shift_JIS");
    QTest::newRow("meta says EUC") << QByteArray("/meta") << sjis << QStringLiteral("Shift_JIS");
    QTest::newRow("EUC sent as Shift_JIS")
        << QByteArray("/euc") << ToInt(CommandId::EncodingEucJp) << QStringLiteral("EUC-JP");
}

void TestDockBar::encodingSwitch()
{
    QFETCH(QByteArray, path);
    QFETCH(int, command);
    QFETCH(QString, charset);
    QVERIFY(Open());
    CZelvoView* view = OpenPage(path);
    QVERIFY(view);
    QVERIFY(PageText(*view) != kJapanese);
    const int entries = view->GetPage()->history()->count();
    m_frame->SendCommand(command);
    QTRY_COMPARE(PageText(*view), kJapanese);
    QCOMPARE(view->GetLocationURL(), m_server->url(path).toString());
    QCOMPARE(view->GetPage()->history()->count(), entries);
    QTRY_VERIFY(Properties()->Text().contains(QStringLiteral("charset:") + charset + "\r\n"));
    QTRY_VERIFY(Properties()->Text().contains(QStringLiteral("サイト名:題名\r\n")));
    // Back to the engine's own choice: the page as it was sent.
    m_frame->SendCommand(CommandId::EncodingJapaneseAuto);
    QTRY_VERIFY(PageText(*view) != kJapanese);
    QVERIFY(m_boxes.isEmpty());
}

void TestDockBar::encodingMenu()
{
    QVERIFY(Open());
    CZelvoView* view = OpenPage("/latin");
    QVERIFY(view);
    QVERIFY(m_frame->CommandState(CommandId::EncodingMenu).enabled);
    m_frame->SendCommand(CommandId::EncodingMenu);
    QTRY_VERIFY(view->EncodingMenu() && view->EncodingMenu()->isVisible());
    QMenu* menu = view->EncodingMenu();
    // Every entry once, the page's own encoding checked.
    QStringList checked;
    int items = 0;
    QList<QAction*> actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (QMenu* sub = actions[i]->menu()) {
            QCOMPARE(sub->title(), EncodingList::MoreTitle());
            actions << sub->actions();
            continue;
        }
        QCOMPARE(actions[i]->data().toInt(), ToInt(CommandId::EncodingFirst) + items);
        ++items;
        if (actions[i]->isChecked())
            checked << actions[i]->text();
    }
    QCOMPARE(items, EncodingList::Entries().size());
    QVERIFY(items <= ToInt(CommandId::EncodingLast) - ToInt(CommandId::EncodingFirst) + 1);
    QCOMPARE(checked, QStringList{QStringLiteral("西ヨーロッパ言語 (Windows)")});
    for (QAction* action : std::as_const(actions))
        if (action->text() == QStringLiteral("日本語 (シフト JIS)"))
            action->trigger();
    QTRY_COMPARE(PageText(*view), kJapanese);
    // Shown again, the chosen one is checked.
    m_frame->SendCommand(CommandId::EncodingMenu);
    QTRY_VERIFY(view->EncodingMenu() && view->EncodingMenu() != menu &&
                view->EncodingMenu()->isVisible());
    QAction* first = nullptr;
    for (QAction* action : view->EncodingMenu()->actions())
        if (action->isChecked())
            first = action;
    QVERIFY(first);
    QCOMPARE(first->text(), QStringLiteral("日本語 (シフト JIS)"));
    view->EncodingMenu()->close();
}

void TestDockBar::screenshot()
{
    m_home->write(QStringLiteral("Color.ini"),
                  "[SetColor]\r\nred=236\r\ngreen=241\r\nblue=248\r\n");
    QVERIFY(Open());
    QVERIFY(OpenPage("/sjis"));
    CDockTabBar* bar = m_frame->DockBar();
    bar->SelectView(2);
    QTRY_VERIFY(Properties()->Text().contains(QStringLiteral("Shift_JIS")));
    const QString dir = qEnvironmentVariable("ZELVO_SCREENSHOTS");
    if (dir.isEmpty())
        QSKIP("ZELVO_SCREENSHOTS not set");
    QVERIFY(m_frame->grab().save(dir + QStringLiteral("/dockbar-left.png")));
    m_frame->addDockWidget(Qt::TopDockWidgetArea, bar);
    QTRY_VERIFY(!bar->Caption()->isVisible());
    QVERIFY(m_frame->grab().save(dir + QStringLiteral("/dockbar-top.png")));
}

QTEST_MAIN(TestDockBar)
#include "tst_dockbar.moc"
