#include "frame/CMainFrame.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "core/RecentFiles.h"
#include "chrome/BuiltinImages.h"
#include "chrome/CAboutDlg.h"
#include "bars/CSearchBars.h"
#include "frame/FilterCommands.h"
#include "frame/FormCommands.h"
#include "frame/PocketCommands.h"
#include "frame/FavoriteCommands.h"
#include "frame/SecurityCommands.h"
#include "frame/CookieCommands.h"
#include "frame/HistoryCommands.h"
#include "frame/ProxyCommands.h"
#include "frame/SettingsCommands.h"
#include "frame/SearchCommands.h"
#include "frame/PageToolCommands.h"
#include "frame/CSessionRestore.h"
#include "frame/CTabBarCtrl.h"
#include "panes/CDockTabBar.h"
#include "ini/ColorIni.h"
#include "ini/StopListIni.h"
#include "ini/TablistIni.h"
#include "commands/CommandId.h"
#include "commands/MenuFactory.h"
#include "chrome/ToolbarImages.h"
#include "view/CDownloadManager.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QFileDialog>
#include <QMdiArea>
#include <QUrl>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kSecondMs = 1000;

constexpr int kTitleWatchMs = 1000;
// Drawing the window icon in all its sizes holds up the first page's pixels
// by a frame or two; the icon can come a moment later.
constexpr int kWindowIconDelayMs = 1000;

QString PromptOf(int id)
{
    return CommandPrompt(id).section(QLatin1Char('\n'), 0, 0);
}

} // namespace

CMainFrame::CMainFrame(int xpStyle, QWidget* parent) : QMainWindow(parent), m_bXPStyle(xpStyle)
{
    setWindowTitle(QStringLiteral("Zelvo"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    resize(1024, 720);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateCommandRegistry()
{
    CommandSink sink;
    sink.send = [this](int id) { SendCommand(id); };
    sink.state = [this](int id) { return CommandState(id); };
    sink.hovered = [this](int id) {
        if (id != 0)
            SetMessageText(PromptOf(id));
    };
    m_registry = new CommandRegistry(std::move(sink), this);
    // On the frame itself, so that the keys work whatever has the focus, the page included.
    addActions(m_registry->Actions());
}

bool CMainFrame::OnCreate()
{
    m_wndMDIClient = new QMdiArea(this);
    m_wndMDIClient->setViewMode(QMdiArea::SubWindowView);
    m_wndMDIClient->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_wndMDIClient->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_wndMDIClient);
    setCentralWidget(central);

    CreateCommandRegistry();
    LoadSkin();
    // Rows: toolbar; address and search; tabs; then the menu bar on a row of its own.
    if (!CreateMainToolbar())
        return false;
    ApplyToolbarButtons();
    addToolBarBreak(Qt::TopToolBarArea);
    if (!CreateAddressBand() || !CreateSearchBand())
        return false;
    addToolBarBreak(Qt::TopToolBarArea);
    if (!CreateTabBand())
        return false;
    if (!CreateMenuBand())
        return false;
    if (!CreateStatusBar())
        return false;
    QTimer::singleShot(kWindowIconDelayMs, this,
                       [this] { setWindowIcon(BuiltinImages::FrameIcon()); });
    BuildFavoritesMenu();

    // Bars the user hid stay hidden.
    if (TablistIni::StatusBar() == 1)
        m_wndStatusBar->hide();
    m_windowTabsOnTop = TablistIni::WindowTab() == 1;

    m_titleTimer = new QTimer(this);
    m_titleTimer->setObjectName(QStringLiteral("timer37014"));
    m_titleTimer->setInterval(kTitleWatchMs);
    if (StopListIni::Title().Check() == 1)
        m_titleTimer->start();
    CreateDockBar();
    // The band layout of the previous run.
    m_bandLayout.Restore();
    m_restore = new CSessionRestore(*this);
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setObjectName(QStringLiteral("timer37018"));
    connect(m_refreshTimer, &QTimer::timeout, this,
            [this] { SendCommand(ToInt(CommandId::RefreshAll)); });

    // The closed-tab history lives from one run to the next.
    m_closedTabs.LoadClosedTabs();
    BindCommands();
    m_searchBars =
        new CSearchBars(*this, this, m_wndAddressBar, m_wndSearchWords, m_wndSearchSites);
    BindSearchCommands(*this, *m_searchBars);
    BindPageToolCommands(*this, *m_searchBars);
    // Sites, then search words, then addresses.
    m_searchBars->LoadSearchSites();
    m_searchBars->LoadSearchHistory();
    m_searchBars->LoadAddressHistory();
    SetSaveHistories([this] {
        m_searchBars->SaveSearchHistory();
        m_searchBars->SaveAddressHistory();
    });
    m_liveActions = m_toolbarActions;
    for (QAction* action : m_registry->Actions())
        if (!action->shortcuts().isEmpty() && !m_liveActions.contains(action))
            m_liveActions.append(action);
    connect(this, &CMainFrame::commandRan, this, &CMainFrame::UpdateToolbarStates);
    UpdateToolbarStates();
    if (TablistIni::Docking() == 1)
        m_wndDockBar->hide();
    return true;
}

void CMainFrame::SetMessageText(const QString& text)
{
    if (m_wndStatusBar)
        m_wndStatusBar->showMessage(text);
}

QString CMainFrame::MessageText() const
{
    return m_wndStatusBar ? m_wndStatusBar->currentMessage() : QString();
}

void CMainFrame::SendCommand(int id)
{
    if (!m_commands.Execute(id)) {
        // What the frame does not know may be the active view's own command.
        CZelvoView* view = ActiveZelvoView();
        if (!view || !view->HandlesCommand(id))
            return;
        view->OnCommand(id);
    }
    emit commandRan(id);
}

void CMainFrame::PostCommand(int id)
{
    QTimer::singleShot(0, this, [this, id] { SendCommand(id); });
}

CmdUI CMainFrame::CommandState(int id) const
{
    if (!m_commands.Has(id)) {
        const CZelvoView* view = ActiveZelvoView();
        if (view && view->HandlesCommand(id))
            return view->OnUpdateCommand(id);
    }
    return m_commands.State(id);
}

void CMainFrame::UpdateToolbarStates()
{
    // A key whose action is disabled does nothing, so the keys follow as the buttons do.
    for (QAction* action : std::as_const(m_liveActions))
        m_registry->Refresh(action);
}

bool CMainFrame::BarVisible(const QWidget* bar) const
{
    return bar && !bar->isHidden();
}

void CMainFrame::ToggleBar(QWidget* bar, void (*saveHidden)(bool hidden))
{
    if (!bar)
        return;
    const bool show = bar->isHidden();
    bar->setVisible(show);
    if (saveHidden)
        saveHidden(!show);
    FitAddressBand();
}

void CMainFrame::BindCommands()
{
    BindBarCommands();
    BindTimerCommands();
    BindTabCommands();
    BindTabListCommands();
    BindBrowserCommands();
    BindViewCommands();
    BindFilterCommands(*this);
    BindSecurityCommands(*this);
    BindCookieCommands(*this);
    BindHistoryCommands(*this);
    BindFormCommands(*this);
    BindPocketCommands(*this);
    BindFavoriteCommands(*this);
    BindProxyCommands(*this);
    BindSettingsCommands(*this);
    // Favourites open in a new tab; the menu that issues them fills the list.
    m_commands.BindRange(CommandId::FavoriteFirst, CommandId::FavoriteLast, [this](int id) {
        OpenUrlInNewTab(m_favoriteUrls.value(FavoriteNumber(id)));
    });
    m_commands.Bind(CommandId::HideToTray, [this] { OnTrayHide(); });
    m_commands.Bind(CommandId::AppExit, [this] { close(); });
    m_commands.Bind(CommandId::AppAbout, [this] {
        CAboutDlg dialog(this);
        dialog.exec();
    });
    m_commands.Bind(CommandId::FileOpenStandard, [this] {
        const QString path = QFileDialog::getOpenFileName(this);
        if (path.isEmpty())
            return;
        if (CZelvoView* view = OnFileNew())
            view->Navigate2(QUrl::fromLocalFile(path).toString());
    });
    m_commands.Bind(CommandId::OpenUrl, [this] { OpenUrlInNewTab(m_openUrl); });
    // The choice holds for every later print and page setup.
    m_commands.Bind(CommandId::FilePrintSetup, [this] { CHtmlView::PrintSetup(this); });
}

void CMainFrame::BindBarCommands()
{
    auto bar = [this](CommandId id, std::function<QWidget*()> widget, void (*saveHidden)(bool)) {
        m_commands.Bind(
            id, [this, widget, saveHidden] { ToggleBar(widget(), saveHidden); },
            [this, widget](CmdUI& ui) { ui.check = BarVisible(widget()) ? 1 : 0; });
    };
    bar(
        CommandId::ViewToolbar, [this] { return Band(kBandToolbar); }, nullptr);
    bar(
        CommandId::ViewStatusBar, [this] { return m_wndStatusBar; }, TablistIni::SetStatusBar);
    bar(
        CommandId::ViewAddressBar, [this] { return Band(kBandAddress); },
        TablistIni::SetAddressBar);
    bar(
        CommandId::ViewSearchBar, [this] { return Band(kBandSearch); }, TablistIni::SetSearchBar);
    bar(
        CommandId::ViewTabBar, [this] { return Band(kBandTabs); }, TablistIni::SetTabBar);
    bar(
        CommandId::ViewDockingBar, [this] { return m_wndDockBar; }, TablistIni::SetDocking);
    m_commands.Bind(CommandId::ToggleAllBars, [this] { OnFlipBars(); });
    m_commands.Bind(CommandId::MaximizeView, [this] { OnFullScreenBars(); });
    m_commands.Bind(CommandId::FocusAddressBar, [this] { m_wndAddressBar->setFocus(); });
    m_commands.Bind(CommandId::FocusSearchWords, [this] { m_wndSearchWords->setFocus(); });
    m_commands.Bind(CommandId::FocusSearchSites, [this] { m_wndSearchSites->setFocus(); });
}

void CMainFrame::OnFlipBars()
{
    for (CommandId id :
         {CommandId::ViewToolbar, CommandId::ViewStatusBar, CommandId::ViewAddressBar,
          CommandId::ViewSearchBar, CommandId::ViewDockingBar})
        SendCommand(id);
    // The window tabs come with their own strip; until then there is none to flip.
}

void CMainFrame::OnFullScreenBars()
{
    if (BarVisible(Band(kBandToolbar)))
        Band(kBandToolbar)->hide();
    const std::pair<CommandId, QWidget*> bars[] = {{CommandId::ViewStatusBar, m_wndStatusBar},
                                                   {CommandId::ViewAddressBar, Band(kBandAddress)},
                                                   {CommandId::ViewSearchBar, Band(kBandSearch)},
                                                   {CommandId::ViewTabBar, Band(kBandTabs)},
                                                   {CommandId::ViewDockingBar, m_wndDockBar}};
    for (const auto& [id, widget] : bars)
        if (BarVisible(widget))
            SendCommand(id);
    if (QMdiSubWindow* child = m_wndMDIClient->activeSubWindow())
        child->showMaximized();
    showMaximized();
}

void CMainFrame::BindTimerCommands()
{
    const std::pair<CommandId, std::pair<int, int>> choices[] = {
        {CommandId::AutoRefresh30s, {30, 30 * kSecondMs}},
        {CommandId::AutoRefresh1m, {1, 60 * kSecondMs}},
        {CommandId::AutoRefresh5m, {5, 5 * 60 * kSecondMs}},
        {CommandId::AutoRefresh10m, {10, 10 * 60 * kSecondMs}},
        {CommandId::AutoRefreshOff, {0, 0}}};
    for (const auto& [id, choice] : choices) {
        const int minutes = choice.first;
        const int interval = choice.second;
        m_commands.Bind(
            id, [this, minutes, interval] { SetAutoRefresh(minutes, interval); },
            [this, minutes](CmdUI& ui) { ui.check = m_autoRefresh == minutes ? 1 : 0; });
    }
}

void CMainFrame::SetAutoRefresh(int choice, int intervalMs)
{
    m_refreshTimer->stop();
    m_autoRefresh = choice;
    if (intervalMs > 0)
        m_refreshTimer->start(intervalMs);
}

void CMainFrame::SetTitleWatch(bool on)
{
    if (on)
        m_titleTimer->start(kTitleWatchMs);
    else
        m_titleTimer->stop();
}

bool CMainFrame::IsTitleWatchRunning() const
{
    return m_titleTimer && m_titleTimer->isActive();
}

bool CMainFrame::IsAutoRefreshRunning() const
{
    return m_refreshTimer && m_refreshTimer->isActive();
}

int CMainFrame::AutoRefreshInterval() const
{
    return m_refreshTimer ? m_refreshTimer->interval() : 0;
}

void CMainFrame::OnTrayHide()
{
    delete m_tray;
    m_tray = nullptr;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // No notification area on this desktop: minimise instead of vanishing.
        showMinimized();
        return;
    }
    m_tray = new QSystemTrayIcon(BuiltinImages::TrayIcon(), this);
    m_tray->setToolTip(QStringLiteral("Zelvo"));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger) {
            show();
            raise();
            activateWindow();
        }
    });
    m_tray->show();
    hide();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Without a tab there is nothing to save; the window still closes, or it
    // could never be closed at all.
    ExitCleanup();
    delete m_tray;
    m_tray = nullptr;
    event->accept();
}

void CMainFrame::OnTabMenu(const QPoint& globalPos)
{
    QMenu* menu = BuildPopupMenu(MenuId::Tab);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPos + QPoint(-5, 10));
}

void CMainFrame::ReloadTabColors()
{
    m_wndTabBar->ReloadColors();
}

bool CMainFrame::IsRestoring() const
{
    return m_restore && m_restore->IsRunning();
}

void CMainFrame::OnOpenUrl(const QString& url)
{
    m_openUrl = url;
    SendCommand(CommandId::OpenUrl);
}

void CMainFrame::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (const int focused = FocusedTab(); focused >= 0) {
        ActivateTab(focused);
        UpdateCaption(focused, false);
    }
    FitAddressBand();
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FitAddressBand();
    UpdateToolbarStates();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (!m_wndMDIClient ||
        (event->type() != QEvent::WindowStateChange && event->type() != QEvent::ActivationChange))
        return;
    // Minimising the window takes the active page from the MDI area. Back
    // from there the focused tab is the active one again, and the buttons
    // that need an active page follow it.
    if (isActiveWindow() && !isMinimized() && !m_wndMDIClient->activeSubWindow())
        ActivateTab(FocusedTab());
    UpdateToolbarStates();
}

void CMainFrame::FitAddressBand()
{
    QToolBar* band = Band(kBandAddress);
    if (!band || !m_wndAddressBar || band->isHidden() || !isVisible())
        return;
    // The band is measured with its box at a known width. A box the band has
    // put into its chevron does not tell the band when its width changes, so
    // the band is told here.
    const int current = m_wndAddressBar->minimumWidth();
    m_wndAddressBar->setFixedWidth(current);
    band->layout()->invalidate();
    const int others = band->sizeHint().width() - current;
    // The other bands of its row keep their own width.
    int taken = 0;
    for (const QToolBar* other : m_bandLayout.Order())
        if (other != band && !other->isHidden() && other->y() == band->y())
            taken += other->sizeHint().width();
    m_wndAddressBar->setFixedWidth(std::max(kBoxMinWidth, width() - taken - others));
    band->layout()->invalidate();
    band->updateGeometry();
}
