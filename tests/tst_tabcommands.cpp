#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CTabBarCtrl.h"
#include "settings/CTabSet.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QRegularExpression>
#include <QToolBar>
#include <QtTest>

#include <memory>

// Tab bar colours, the tab settings page, commands on several tabs, the closed
// tab memories, the exit processing and the restore.
class TestTabCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void tabColors_data();
    void tabColors();
    void tabBarDrawing_data();
    void tabBarDrawing();
    void onlyLeftClickActivatesTab();
    void settingsPagePalette();
    void settingsPageKeepsStoredValues();
    void settingsPageWrites();
    void closedTabHistoryKeepsThirty();
    void clearedHistoryLeavesNoSection();
    void closeRightStopsAtLockedTab();
    void closeLeftSkipsLockedTab();
    void closeAll();
    void reopenAfterRestart();
    void reopenWithoutHistory();
    void forgetLastClosedTab();
    void swapPages();
    void exitWritesEndlistAndRestoreReopens();
    void restoreWithoutEndlist();
    void restorePastLimitKeepsUsersTab();
    void exitCleanupsRunAfterSaving();
    void bandLayoutSurvivesRestart();

private:
    CMainFrame* Open();
    void OpenTabs(int count);
    void WaitIdle();
    QString Url(int i) const { return m_server->url("/p" + QByteArray::number(i)).toString(); }

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
};

void TestTabCommands::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    for (int i = 0; i < 6; ++i)
        m_server->route("/p" + QByteArray::number(i), "text/html",
                        "<title>Page " + QByteArray::number(i) + "</title>");
    qputenv("ZELVO_HOMEPAGE", Url(0).toUtf8());
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return MbAnswer::Ok;
    });
}

void TestTabCommands::cleanup()
{
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    SetMessageBoxResponder(nullptr);
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestTabCommands::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestTabCommands::Open()
{
    m_frame = OpenFrame();
    return m_frame.get();
}

void TestTabCommands::WaitIdle()
{
    QVERIFY(WaitTabsIdle(*m_frame));
}

// Tabs 0 … count - 1 showing /p0 … /pN.
void TestTabCommands::OpenTabs(int count)
{
    Open();
    for (int i = 1; i < count; ++i) {
        m_frame->OpenUrlInNewTab(Url(i));
        QTRY_COMPARE(m_frame->TabCount(), i + 1);
    }
    WaitIdle();
}

void TestTabCommands::tabColors_data()
{
    QTest::addColumn<QByteArray>("color");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<QColor>("text");
    QTest::newRow("no Color.ini") << QByteArray() << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("colours") << QByteArray("[TabColor]\r\nred=10\r\ngreen=20\r\nblue=30\r\n"
                                           "[ATabColor]\r\nred=255\r\n")
                             << QColor(10, 20, 30) << QColor(255, 0, 0);
    QTest::newRow("plain faces") << QByteArray("[TabColor]\r\nred=10\r\nenable=1\r\n") << QColor()
                                 << QColor(Qt::black);
}

void TestTabCommands::tabColors()
{
    QFETCH(QByteArray, color);
    QFETCH(QColor, face);
    QFETCH(QColor, text);
    if (!color.isEmpty())
        m_home->write("Color.ini", color);
    CTabBarCtrl bar;
    const QColor expectedFace = face.isValid() ? face : bar.palette().color(QPalette::Button);
    QCOMPARE(bar.FaceColor(), expectedFace);
    QCOMPARE(bar.ActiveTextColor(), text);
    QCOMPARE(bar.InactiveTextColor(), QColor(Qt::black));
}

void TestTabCommands::tabBarDrawing_data()
{
    QTest::addColumn<int>("tabs");
    QTest::newRow("all in view") << 3;
    QTest::newRow("scrolled") << 8;
}

void TestTabCommands::tabBarDrawing()
{
    QFETCH(int, tabs);
    // The shipped colours: faces alike, texts near alike.
    m_home->write("Color.ini", "[TabColor]\r\nred=221\r\ngreen=233\r\nblue=247\r\nenable=0\r\n"
                               "[ATabColor]\r\nred=0\r\ngreen=0\r\nblue=0\r\n"
                               "[NoATabColor]\r\nred=80\r\ngreen=80\r\nblue=96\r\n");
    const QColor face(221, 233, 247);
    CTabBarCtrl bar;
    for (int i = 0; i < tabs; ++i)
        bar.addTab(QStringLiteral("タブ %1......").arg(i));
    bar.resize(500, bar.sizeHint().height());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    // The last tab selected: a scrolled bar is scrolled to its end.
    bar.setCurrentIndex(tabs - 1);
    const QImage image = bar.grab().toImage();
    if (const QString dir = qEnvironmentVariable("ZELVO_GRAB_DIR"); !dir.isEmpty())
        image.save(dir + QStringLiteral("/tabbar-%1.png").arg(tabs));
    const QRect selected = bar.tabRect(tabs - 1);
    const QRect other = bar.tabRect(tabs - 2);
    const int base = selected.bottom();
    const QColor background = image.pixelColor(other.center().x(), 0);
    QVERIFY(background != face);
    // Joined to the band under the selected tab; the band's edge under the others.
    QCOMPARE(image.pixelColor(selected.center().x(), base), face);
    QVERIFY(image.pixelColor(other.center().x(), base) != face);
    // Raised above the others, and reaching over their edges.
    QVERIFY(image.pixelColor(selected.center().x(), 1) != background);
    QVERIFY(image.pixelColor(selected.left() - 1, 1) != background);
    // Left of the first whole tab nothing is drawn, not even a cut tab.
    int first = 0;
    while (bar.tabRect(first).left() < 0)
        ++first;
    QCOMPARE(first > 0, tabs > 3);
    for (int x = 0; x < bar.tabRect(first).left(); ++x)
        for (int y = 0; y < base; ++y)
            QCOMPARE(image.pixelColor(x, y), background);
}

void TestTabCommands::onlyLeftClickActivatesTab()
{
    OpenTabs(3);
    CTabBarCtrl* bar = m_frame->m_wndTabBar;
    QCOMPARE(bar->currentIndex(), 2);
    const QPoint first = bar->tabRect(0).center();
    QTest::mouseClick(bar, Qt::MiddleButton, {}, first);
    QWheelEvent wheel(first, bar->mapToGlobal(first), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &wheel);
    // The selection and the active page never part.
    QCOMPARE(bar->currentIndex(), 2);
    QCOMPARE(m_frame->ActiveZelvoView(), m_frame->TabView(2));
    QTest::mouseClick(bar, Qt::LeftButton, {}, first);
    QCOMPARE(bar->currentIndex(), 0);
    QCOMPARE(m_frame->ActiveZelvoView(), m_frame->TabView(0));
}

void TestTabCommands::settingsPagePalette()
{
    CTabSet page;
    for (int press = 1; press <= 17; ++press)
        page.ChangeButton(CTabSet::ActiveText)->click();
    QCOMPARE(page.ColorAt(CTabSet::ActiveText), QColor(255, 0, 0));
    page.ChangeButton(CTabSet::InactiveText)->click();
    page.ChangeButton(CTabSet::InactiveText)->click();
    QCOMPARE(page.ColorAt(CTabSet::InactiveText), QColor(0, 255, 0));
    QVERIFY(page.IsModified());
    page.PlainFacesBox()->setChecked(true);
    QVERIFY(!page.ChangeButton(CTabSet::TabFace)->isEnabled());
}

void TestTabCommands::settingsPageKeepsStoredValues()
{
    m_home->write("Tablist.ini",
                  "[Tablist]\r\nwidth=480\r\ndbclick=9:\x89\xbd\x82\xa9\r\n"); // 何か
    CTabSet page;
    QCOMPARE(page.DoubleClickBox()->currentText(), QStringLiteral("9:何か"));
    QCOMPARE(page.RightClickBox()->currentText(), QStringLiteral("0:タブメニュー"));
    QCOMPARE(page.WidthBox()->value(), 480);
    m_home->write("Tablist.ini", "");
    CTabSet fresh;
    QCOMPARE(fresh.WidthBox()->value(), 110);
}

void TestTabCommands::settingsPageWrites()
{
    m_home->write("Color.ini", "[TabColor]\r\nenable=1\r\n");
    CTabSet page;
    QVERIFY(page.PlainFacesBox()->isChecked());
    page.PlainFacesBox()->setChecked(false);
    page.ChangeButton(CTabSet::TabFace)->click(); // red
    page.DoubleClickBox()->setCurrentIndex(1);
    page.WidthBox()->setValue(150);
    bool applied = false;
    page.SetOnApplied([&] { applied = true; });
    page.OnOK();
    QVERIFY(applied);
    QCOMPARE(m_home->read("Tablist.ini"),
             QByteArray("[Tablist]\r\nwidth=150\r\ndbclick=1:\x83\x5e\x83\x75\x8d\xed\x8f\x9c\r\n"
                        "rclick=0:\x83\x5e\x83\x75\x83\x81\x83\x6a\x83\x85\x81\x5b\r\n"));
    QCOMPARE(m_home->read("Color.ini"),
             QByteArray("[TabColor]\r\nenable=0\r\nred=255\r\ngreen=0\r\nblue=0\r\n"
                        "[ATabColor]\r\nred=0\r\ngreen=0\r\nblue=0\r\n"
                        "[NoATabColor]\r\nred=0\r\ngreen=0\r\nblue=0\r\n"));
}

void TestTabCommands::closedTabHistoryKeepsThirty()
{
    ClosedTabList list;
    for (int i = 1; i <= 31; ++i)
        list.AddClosedTab(QStringLiteral("t%1").arg(i), QStringLiteral("u%1").arg(i));
    QCOMPARE(list.Count(), 30);
    QCOMPARE(list.Titles().first(), QStringLiteral("t2"));
    list.SaveClosedTabs();
    QByteArray expected = "[DeleteTab]\r\n";
    for (int i = 1; i <= 30; ++i) {
        if (i == 1)
            expected += "count=1\r\n";
        expected += "name_" + QByteArray::number(i) + "=t" + QByteArray::number(i + 1) + "\r\n";
        expected += "url_" + QByteArray::number(i) + "=u" + QByteArray::number(i + 1) + "\r\n";
    }
    expected.replace("count=1", "count=30");
    QCOMPARE(m_home->read("DeleteTab_List.ini"), expected);
    ClosedTabList again;
    again.LoadClosedTabs();
    QCOMPARE(again.Urls(), list.Urls());
}

void TestTabCommands::clearedHistoryLeavesNoSection()
{
    m_home->write("DeleteTab_List.ini", "[DeleteTab]\r\ncount=1\r\nname_1=a\r\nurl_1=b\r\n");
    CMainFrame* frame = Open();
    QCOMPARE(frame->ClosedTabs().Count(), 1);
    frame->SendCommand(CommandId::ClearClosedTabHistory);
    QCOMPARE(frame->ClosedTabs().Count(), 0);
    frame->close();
    QCOMPARE(ProfileStore::SectionNames(SettingsPath("DeleteTab_List.ini")), QList<QByteArray>{});
}

void TestTabCommands::closeRightStopsAtLockedTab()
{
    OpenTabs(5);
    CChildFrame* locked = m_frame->TabFrames()[2];
    m_frame->SendCommand(CommandId::NextTab); // focus 0 (wraps from the last)
    m_frame->SendCommand(CommandId::NextTab);
    m_frame->SendCommand(CommandId::NextTab);
    QCOMPARE(m_frame->FocusedTab(), 2);
    m_frame->SendCommand(CommandId::TabLock);
    m_frame->SendCommand(CommandId::NextTab);
    m_frame->SendCommand(CommandId::NextTab);
    m_frame->SendCommand(CommandId::NextTab);
    QCOMPARE(m_frame->FocusedTab(), 0);
    m_frame->SendCommand(CommandId::TabCloseRight);
    QCOMPARE(m_frame->TabCount(), 4);
    QCOMPARE(m_frame->TabFrames()[1], locked);
    QCOMPARE(m_frame->FocusedTab(), 0);
    QCOMPARE(m_frame->ClosedTabs().Count(), 1);
}

void TestTabCommands::closeLeftSkipsLockedTab()
{
    OpenTabs(5);
    CChildFrame* locked = m_frame->TabFrames()[1];
    CChildFrame* last = m_frame->TabFrames()[4];
    m_frame->SendCommand(CommandId::PreviousTab);
    m_frame->SendCommand(CommandId::PreviousTab);
    m_frame->SendCommand(CommandId::PreviousTab);
    QCOMPARE(m_frame->FocusedTab(), 1);
    m_frame->SendCommand(CommandId::TabLock);
    m_frame->SendCommand(CommandId::PreviousTab);
    m_frame->SendCommand(CommandId::PreviousTab);
    QCOMPARE(m_frame->FocusedTab(), 4);
    QVERIFY(m_frame->CommandState(CommandId::TabCloseLeft).enabled);
    m_frame->SendCommand(CommandId::TabCloseLeft);
    QCOMPARE(m_frame->TabCount(), 2);
    QCOMPARE(m_frame->TabFrames()[0], locked);
    QCOMPARE(m_frame->TabFrames()[1], last);
}

void TestTabCommands::closeAll()
{
    OpenTabs(3);
    m_frame->SendCommand(CommandId::TabCloseAll);
    QCOMPARE(m_frame->TabCount(), 1);
    QTRY_COMPARE(m_frame->TabView(0)->GetLocationURL(), QStringLiteral("about:blank"));
    QVERIFY(!m_frame->CommandState(CommandId::TabCloseAll).enabled);
}

void TestTabCommands::reopenAfterRestart()
{
    WritePrivateProfileStringA("DeleteTab", "0", Url(3).toLatin1().constData(),
                               SettingsPath("Tablist.ini"));
    CMainFrame* frame = Open();
    WaitIdle();
    frame->SendCommand(CommandId::ReopenClosedTab);
    QTRY_COMPARE(frame->TabCount(), 2);
    QTRY_COMPARE(frame->TabView(1)->GetLocationURL(), Url(3));
    frame->SendCommand(CommandId::ReopenClosedTab);
    QTRY_COMPARE(frame->TabCount(), 3);
    QVERIFY(m_boxes.isEmpty());
}

void TestTabCommands::reopenWithoutHistory()
{
    CMainFrame* frame = Open();
    frame->SendCommand(CommandId::ReopenClosedTab);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("履歴がありません。"));
    QCOMPARE(m_boxes[0].caption, QStringLiteral("中止"));
    QCOMPARE(m_boxes[0].icon, MbIcon::Exclamation);
    QCOMPARE(frame->TabCount(), 1);
}

void TestTabCommands::forgetLastClosedTab()
{
    m_home->write("Tablist.ini", "[Tablist]\r\ntabcount=30\r\n[DeleteTab]\r\n0=http://x/\r\n");
    CMainFrame* frame = Open();
    frame->SendCommand(CommandId::ClearLastClosedTab);
    QCOMPARE(m_home->read("Tablist.ini"), QByteArray("[Tablist]\r\ntabcount=30\r\n"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("最後に閉じたタブ履歴を削除しました。"));
    QCOMPARE(m_boxes[0].caption, QStringLiteral("削除"));
}

void TestTabCommands::swapPages()
{
    OpenTabs(1);
    m_frame->SendCommand(CommandId::SwapPages);
    QCOMPARE(m_boxes.value(0).text, QStringLiteral("タブが複数存在しません！"));
    m_frame->OpenUrlInNewTab(Url(1));
    QTRY_COMPARE(m_frame->TabCount(), 2);
    WaitIdle();
    m_frame->SendCommand(CommandId::SwapPages);
    QCOMPARE(m_boxes.value(1).text, QStringLiteral("右隣にページが存在しません！"));
    m_frame->SendCommand(CommandId::NextTab);
    m_frame->SendCommand(CommandId::SwapPages);
    QTRY_COMPARE(m_frame->TabView(0)->GetLocationURL(), Url(1));
    QTRY_COMPARE(m_frame->TabView(1)->GetLocationURL(), Url(0));
    QCOMPARE(m_boxes.size(), 2);
}

void TestTabCommands::exitWritesEndlistAndRestoreReopens()
{
    OpenTabs(3);
    m_home->write("poket.ini", "[Poket]\r\ncount=1\r\n");
    m_home->write("Link.html", "x");
    m_frame->close();
    QCOMPARE(m_frame->TabCount(), 0);
    const QByteArray expected = "[Endlist]\r\n0=\r\ntab_count=3\r\n1=" + Url(0).toLatin1() +
                                "\r\n2=" + Url(1).toLatin1() + "\r\n3=" + Url(2).toLatin1() +
                                "\r\n[Window]\r\nsize=0\r\n";
    QCOMPARE(m_home->read("Endlist.ini"), expected);
    QVERIFY(!m_home->exists("poket.ini"));
    QVERIFY(!m_home->exists("Link.html"));
    QCOMPARE(ProfileStore::GetString("Window", "toolbar", "", 10, SettingsPath("Tablist.ini")),
             QByteArray("0"));
    // Nothing closed by the exit went to the closed-tab history.
    QVERIFY(!m_home->exists("DeleteTab_List.ini"));
    m_frame.reset();

    m_server->clearRequests();
    CMainFrame* frame = Open();
    WaitIdle();
    QElapsedTimer clock;
    clock.start();
    frame->SendCommand(CommandId::RestoreLastSession);
    QTRY_COMPARE(frame->TabCount(), 2);
    // The window stays usable between the steps.
    QVERIFY(frame->IsRestoring());
    frame->SendCommand(CommandId::NextTab);
    QTRY_COMPARE_WITH_TIMEOUT(frame->TabCount(), 4, 5000);
    QVERIFY(clock.elapsed() >= 1900);
    WaitIdle();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(frame->TabView(i + 1)->GetLocationURL(), Url(i));
}

void TestTabCommands::restoreWithoutEndlist()
{
    CMainFrame* frame = Open();
    frame->SendCommand(CommandId::RestoreLastSession);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("前回終了状態は保存されていません"));
    QCOMPARE(m_boxes[0].caption, QStringLiteral("注意"));
    QCOMPARE(frame->TabCount(), 1);
}

void TestTabCommands::restorePastLimitKeepsUsersTab()
{
    // Room for two more tabs; four addresses to restore.
    m_home->write("Tablist.ini", "[Tablist]\r\ntabcount=4\r\n");
    QByteArray endlist = "[Endlist]\r\n0=\r\ntab_count=4\r\n";
    for (int i = 1; i <= 4; ++i)
        endlist += QByteArray::number(i) + "=" + Url(i).toLatin1() + "\r\n";
    m_home->write("Endlist.ini", endlist);
    CMainFrame* frame = Open();
    WaitIdle();
    frame->SendCommand(CommandId::RestoreLastSession);
    QTRY_COMPARE(frame->TabCount(), 2);
    // The user goes back to the first tab while the restore runs on.
    frame->SendCommand(CommandId::NextTab);
    QTRY_COMPARE_WITH_TIMEOUT(frame->TabCount(), 3, 5000);
    frame->SendCommand(CommandId::NextTab);
    QCOMPARE(frame->ActiveZelvoView(), frame->TabView(0));
    QTRY_VERIFY_WITH_TIMEOUT(!frame->IsRestoring(), 5000);
    QTRY_COMPARE(m_server->requestCount("/p4"), 1);
    WaitIdle();
    QCOMPARE(frame->TabCount(), 3);
    QCOMPARE(m_server->requestCount("/p3"), 1);
    QCOMPARE(frame->TabView(0)->GetLocationURL(), Url(0));
    QCOMPARE(frame->TabView(1)->GetLocationURL(), Url(1));
    QCOMPARE(frame->TabView(2)->GetLocationURL(), Url(4));
}

void TestTabCommands::exitCleanupsRunAfterSaving()
{
    WritePrivateProfileStringA("Enddetail", "url", "1", SettingsPath("Security.ini"));
    WritePrivateProfileStringA("Enddetail", "endtab", "1", SettingsPath("Security.ini"));
    WritePrivateProfileStringA("DeleteTab", "0", "http://x/", SettingsPath("Tablist.ini"));
    CMainFrame* frame = Open();
    WaitIdle();
    QVERIFY(frame->m_wndAddressBar->count() > 0);
    frame->close();
    // The history saved in step 2 is gone again, and the user was told so.
    QCOMPARE(ProfileStore::KeyNames("address", SettingsPath("Address.ini")), QList<QByteArray>{});
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[0].text, QStringLiteral("URL履歴を削除しました"));
    QCOMPARE(m_boxes[1].text, QStringLiteral("最後に閉じたタブ履歴を削除しました。"));
    QCOMPARE(ProfileStore::GetString("DeleteTab", "0", "", 520, SettingsPath("Tablist.ini")),
             QByteArray());
}

void TestTabCommands::bandLayoutSurvivesRestart()
{
    Open();
    WaitIdle();
    m_frame->SendCommand(CommandId::ViewAddressBar); // hides the address band
    QVERIFY(m_frame->Band(kBandAddress)->isHidden());
    QVERIFY(m_frame->close());
    // Bands in their places, the hidden one marked, rows after the first broken.
    static const QRegularExpression state(
        "^\\[state\\]\r\n0=wID=E80A,cx=[0-9]+,fStyle=000000A0\r\n"
        "1=wID=E80B,cx=[0-9]+,fStyle=000000A9\r\n2=wID=E80C,cx=[0-9]+,fStyle=000000A0\r\n"
        "3=wID=E80D,cx=[0-9]+,fStyle=000000A1\r\n4=wID=0000,cx=[0-9]+,fStyle=000000A1\r\n"
        "\\[Dock\\]\r\nlen=[0-9]+\r\n$");
    const QString written = QString::fromLatin1(m_home->read("State.ini"));
    QVERIFY2(state.match(written).hasMatch(), qPrintable(written));
    m_frame.reset();
    Open();
    WaitIdle();
    QVERIFY(m_frame->Band(kBandAddress)->isHidden());
    for (int id : {kBandToolbar, kBandSearch, kBandTabs})
        QVERIFY(m_frame->Band(id)->isVisible());
    QVERIFY(m_frame->MenuBand()->isVisible());
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestTabCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tabcommands.moc"
