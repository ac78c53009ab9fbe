#include "frame/CMainFrame.h"
#include "frame/CTabBarCtrl.h"
#include "core/RecentFiles.h"
#include "commands/MenuFactory.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "HttpServer.h"
#include "TempHome.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

// The command registry as the frame uses it: handlers, disabled placeholders,
// routing to the active view, the items of every menu and the accelerators.
class TestCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void builtCommandsAreHandled_data();
    void builtCommandsAreHandled();
    void everyItemRunsOrIsDisabled();
    void noViewNoAction();
    void unbuiltCommandsAreDisabled();
    void printSetupHoldsForLaterPrints();
    void acceleratorTable_data();
    void acceleratorTable();
    void keysShownAreTheKeys();
    void acceleratorsWorkFromThePage();
    void recentFilesInFileMenu();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestCommands::init()
{
    m_home = std::make_unique<TempHome>();
    m_frame = std::make_unique<CMainFrame>(1);
    QVERIFY(m_frame->OnCreate());
    m_frame->show();
}

void TestCommands::cleanup()
{
    m_frame.reset();
    m_home.reset();
}

void TestCommands::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

void TestCommands::builtCommandsAreHandled_data()
{
    QTest::addColumn<CommandId>("id");
    // Frame, tab and page commands that exist now; a lost binding shows up here.
    using C = CommandId;
    for (C id : {C::FileNewUnlimited,
                 C::FileOpenStandard,
                 C::FilePrintSetup,
                 C::AppAbout,
                 C::Settings,
                 C::AppExit,
                 C::OpenUrl,
                 C::ViewToolbar,
                 C::ViewStatusBar,
                 C::ViewAddressBar,
                 C::ViewSearchBar,
                 C::ViewTabBar,
                 C::ToggleAllBars,
                 C::MaximizeView,
                 C::FocusAddressBar,
                 C::FocusSearchWords,
                 C::FocusSearchSites,
                 C::AutoRefresh1m,
                 C::AutoRefresh5m,
                 C::AutoRefresh10m,
                 C::AutoRefresh30s,
                 C::AutoRefreshOff,
                 C::HideToTray,
                 C::AuthorHomePage,
                 C::HelpIndex,
                 C::Connect,
                 C::Ok,
                 C::TabClose,
                 C::FileClose,
                 C::FileNew,
                 C::TabMoveRight,
                 C::TabMoveLeft,
                 C::TabLock,
                 C::HideChildTabs,
                 C::NextTab,
                 C::PreviousTab,
                 C::RefreshTabLabels,
                 C::GoForward,
                 C::GoBack,
                 C::GoHome,
                 C::Refresh,
                 C::RefreshCompletely,
                 C::Stop,
                 C::PrintPreview,
                 C::PageSetup,
                 C::PageProperties,
                 C::SelectAll,
                 C::EditUndo,
                 C::EditRedo,
                 C::EditCut,
                 C::EditCopy,
                 C::EditPaste,
                 C::RefreshAll,
                 C::TextSizeSmallest,
                 C::TextSizeSmaller,
                 C::TextSizeMedium,
                 C::TextSizeLarger,
                 C::TextSizeLargest,
                 C::StatusUrlOnly,
                 C::NavigateLock,
                 C::AlwaysMosaicFilter,
                 C::FavoritesHtmlAtStart,
                 C::FileOpen,
                 C::FileSaveAs,
                 C::FilePrint,
                 C::PrintPage,
                 C::ViewSource,
                 C::Search,
                 C::FindInPage,
                 C::HighlightSearch,
                 C::HighlightSearchAllTabs,
                 C::SelectionSearch,
                 C::SelectionSource,
                 C::SelectionLinkify,
                 C::SelectionRepairTtp,
                 C::SelectionRepairWww,
                 C::SelectionLinkAddresses,
                 C::ImageZoomIn,
                 C::ImageZoomIn2x,
                 C::ImageZoomOut,
                 C::ImageZoomOut2x,
                 C::MosaicFilter,
                 C::ShowImageSizes,
                 C::SourcePreview,
                 C::RefreshFrames,
                 C::ConnectFrames,
                 C::SplitFrames,
                 C::ScrollTop,
                 C::ScrollBottom,
                 C::LinkToolTips,
                 C::InputToolTips,
                 C::Back1,
                 C::Back3,
                 C::Forward1,
                 C::Forward3})
        QTest::newRow(QByteArray::number(ToInt(id)).constData()) << id;
}

void TestCommands::builtCommandsAreHandled()
{
    QFETCH(CommandId, id);
    QVERIFY(m_frame->IsCommandHandled(ToInt(id)));
}

void TestCommands::everyItemRunsOrIsDisabled()
{
    // With a page open, so that the page's own commands count as built.
    QVERIFY(m_frame->OnFileNew());
    const CZelvoView* view = m_frame->ActiveZelvoView();
    int checked = 0;
    auto check = [&](QAction* action, const QString& where) {
        const int id = MenuFactory::CommandOf(action);
        if (id == 0 || !action->isVisible())
            return;
        ++checked;
        const QString what = where + ": " + action->text();
        // Whatever menu shows the command, its item shows the command's own state.
        QVERIFY2(action->isEnabled() == m_frame->CommandState(id).enabled, qPrintable(what));
        if (!m_frame->IsCommandHandled(id) && !view->HandlesCommand(id))
            QVERIFY2(!action->isEnabled(), qPrintable(what));
    };
    std::function<void(QMenu*, const QString&)> walk = [&](QMenu* menu, const QString& where) {
        emit menu->aboutToShow();
        for (QAction* action : menu->actions())
            action->menu() ? walk(action->menu(), where) : check(action, where);
    };
    for (QAction* top : m_frame->MenuBand()->findChild<QMenuBar*>()->actions())
        walk(top->menu(), top->text());
    QVERIFY2(checked > 200, qPrintable(QString::number(checked)));
    for (MenuId id : PopupMenuIds()) {
        std::unique_ptr<QMenu> menu(m_frame->BuildPopupMenu(id));
        walk(menu.get(), QString::number(int(id)));
    }
    // Buttons and keys show and act without a menu: they follow every command.
    m_frame->SendCommand(CommandId::TabCloseAll);
    for (QAction* action : m_frame->actions())
        if (!action->shortcuts().isEmpty())
            check(action, action->shortcut().toString());
    for (QToolBar* bar : m_frame->findChildren<QToolBar*>())
        for (QAction* action : bar->actions())
            check(action, bar->windowTitle());
    // The window tabs are not here yet: visibly disabled.
    for (CommandId id :
         {CommandId::WindowTabsTopBottom, CommandId::WindowTabsShow, CommandId::WindowTabsHide})
        QVERIFY(!m_frame->Registry().Action(id)->isEnabled());
}

void TestCommands::noViewNoAction()
{
    // No tab at all: page commands are disabled and do nothing when sent.
    for (CommandId id : {CommandId::Refresh, CommandId::GoBack, CommandId::ViewSource,
                         CommandId::TextSizeSmallest, CommandId::TabClose}) {
        QVERIFY(!m_frame->CommandState(id).enabled);
        m_frame->SendCommand(id);
    }
    QCOMPARE(m_frame->TabCount(), 0);
}

void TestCommands::unbuiltCommandsAreDisabled()
{
    // The encoding pop-up's items act through the pop-up alone: as commands they
    // are disabled, and sent anyway they run nothing, not even a state update.
    QVERIFY(m_frame->OnFileNew());
    QSignalSpy ran(m_frame.get(), &CMainFrame::commandRan);
    const int first = ToInt(CommandId::EncodingFirst), last = ToInt(CommandId::EncodingLast);
    for (int id : {first, (first + last) / 2, last, last + 1}) {
        QVERIFY(!m_frame->CommandState(id).enabled);
        m_frame->SendCommand(id);
    }
    QVERIFY(ran.isEmpty());
}

void TestCommands::printSetupHoldsForLaterPrints()
{
    const QPageLayout::Orientation before = CHtmlView::Printer().pageLayout().orientation();
    const QPageLayout::Orientation chosen =
        before == QPageLayout::Landscape ? QPageLayout::Portrait : QPageLayout::Landscape;
    int shown = 0;
    CHtmlView::SetDialogResponder([&](QDialog& dialog) {
        ++shown;
        if (auto* setup = qobject_cast<QPageSetupDialog*>(&dialog))
            setup->printer()->setPageOrientation(chosen);
        return int(QDialog::Accepted);
    });
    m_frame->SendCommand(CommandId::FilePrintSetup);
    CHtmlView::SetDialogResponder({});
    QCOMPARE(shown, 1);
    QCOMPARE(CHtmlView::Printer().pageLayout().orientation(), chosen);
}

void TestCommands::acceleratorTable_data()
{
    QTest::addColumn<CommandId>("id");
    QTest::addColumn<QString>("keys");
    QTest::newRow("mosaic takes Ctrl+Z") << CommandId::MosaicFilter << "Ctrl+Z";
    QTest::newRow("undo by Alt+Backspace") << CommandId::EditUndo << "Alt+Backspace";
    QTest::newRow("cut") << CommandId::EditCut << "Ctrl+X, Shift+Del";
    QTest::newRow("copy") << CommandId::EditCopy << "Ctrl+C, Ctrl+Ins";
    QTest::newRow("paste") << CommandId::EditPaste << "Ctrl+V, Shift+Ins";
    QTest::newRow("close tab") << CommandId::TabClose << "Ctrl+Del";
    QTest::newRow("full screen") << CommandId::MaximizeView << "F1";
    QTest::newRow("exit") << CommandId::AppExit << "Alt+F4";
}

void TestCommands::acceleratorTable()
{
    QFETCH(CommandId, id);
    QFETCH(QString, keys);
    QAction* action = m_frame->Registry().Action(id);
    QVERIFY(m_frame->actions().contains(action));
    QStringList actual;
    for (const QKeySequence& key : action->shortcuts())
        actual.append(key.toString());
    QCOMPARE(actual.join(", "), keys);
    // One key, one command: a key bound twice would do nothing at all.
    QSet<QKeySequence> all;
    for (QAction* a : m_frame->actions())
        for (const QKeySequence& key : a->shortcuts()) {
            QVERIFY2(!all.contains(key), qPrintable(key.toString()));
            all.insert(key);
        }
    QCOMPARE(all.size(), 108); // the menus' keys, the classic edit keys and the system close
}

void TestCommands::keysShownAreTheKeys()
{
    // The key after the tab of a menu text is the key that runs the item, read
    // as the menus write it ("Ctrl+VK_DELETE").
    QAction* mosaic = m_frame->Registry().Action(CommandId::MosaicFilter);
    int shown = 0;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                walk(action->menu());
                continue;
            }
            const int tab = action->text().indexOf('\t');
            if (tab < 0)
                continue;
            ++shown;
            const QKeySequence key =
                QKeySequence::fromString(action->text().mid(tab + 1).remove("VK_"));
            QVERIFY2(!key.isEmpty(), qPrintable(action->text()));
            // Undo keeps its text, but Ctrl+Z is the mosaic filter's.
            QAction* owner =
                MenuFactory::CommandOf(action) == ToInt(CommandId::EditUndo) ? mosaic : action;
            QVERIFY2(owner->shortcut() == key, qPrintable(action->text()));
        }
    };
    for (QAction* top : m_frame->MenuBand()->findChild<QMenuBar*>()->actions())
        walk(top->menu());
    QCOMPARE(shown, 105);
}

void TestCommands::acceleratorsWorkFromThePage()
{
    HttpServer server;
    server.route("/p", "text/html", "<title>p</title><input id=i>");
    qputenv("ZELVO_HOMEPAGE", server.url("/p").toString().toUtf8());
    m_frame->OnFileNew();
    qunsetenv("ZELVO_HOMEPAGE");
    CZelvoView* view = m_frame->ActiveZelvoView();
    QVERIFY(view);
    QTRY_VERIFY_WITH_TIMEOUT(!view->GetBusy() && !view->GetLocationURL().isEmpty(), 15000);
    m_frame->activateWindow();
    QWidget* page =
        view->GetWebView()->focusProxy() ? view->GetWebView()->focusProxy() : view->GetWebView();
    page->setFocus();
    QVERIFY(!m_frame->Switches().statusUrlOnly);
    QTest::keyClick(page, Qt::Key_U, Qt::ControlModifier);
    QTRY_VERIFY(m_frame->Switches().statusUrlOnly);
    // F7 from the page opens the settings sheet.
    bool sheetShown = false;
    QTimer::singleShot(0, this, [&sheetShown] {
        if (QWidget* sheet = QApplication::activeModalWidget()) {
            sheetShown = true;
            sheet->close();
        }
    });
    QTest::keyClick(page, Qt::Key_F7);
    QVERIFY(sheetShown);
    m_frame->activateWindow();
    page->setFocus();
    QTest::keyClick(page, Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(m_frame->Switches().navigateLock);
}

void TestCommands::recentFilesInFileMenu()
{
    // The application profile, in the test's own place.
    QSettings(QStringLiteral("Zelvo"), QStringLiteral("Zelvo")).clear();
    auto* bar = m_frame->MenuBand()->findChild<QMenuBar*>();
    QMenu* file = bar->actions().first()->menu();
    auto recent = [file] {
        QStringList texts;
        for (QAction* action : file->actions())
            if (action->isVisible() && IsRecentFileCommand(action->data().toInt()))
                texts.append(action->text() + (action->isEnabled() ? "" : " (off)"));
        return texts;
    };
    emit file->aboutToShow();
    QCOMPARE(recent(), QStringList{"最近使ったﾌｧｲﾙ (off)"});
    const QString page = m_home->file("page.html");
    m_home->write("page.html", "<title>f</title>");
    for (int i = 0; i < 5; ++i)
        RecentFiles::Add(QStringLiteral("/tmp/f%1.html").arg(i));
    RecentFiles::Add(page);
    emit file->aboutToShow();
    QCOMPARE(recent(),
             (QStringList{"&1 " + page, "&2 /tmp/f4.html", "&3 /tmp/f3.html", "&4 /tmp/f2.html"}));
    m_frame->SendCommand(CommandId::RecentFile1);
    QCOMPARE(m_frame->TabCount(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->TabView(0)->GetLocationURL().endsWith("page.html"), 15000);
}

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_commands.moc"
