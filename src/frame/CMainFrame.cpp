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
#include "frame/HistoryCommands.h"
#include "frame/ProxyCommands.h"
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
constexpr int kRecentFileFirst = ToInt(CommandId::RecentFile1);
// The address and search-word boxes are made this wide at least.
constexpr int kBoxMinWidth = 200;

// Status bar panes after pane 0, in order.
constexpr StatusPaneId kStatusPanes[] = {kStatusPane1, kStatusPane2, kStatusPane3,
                                         kStatusPane4, kStatusPane5, kStatusPane6,
                                         kStatusPane7, kStatusKana,  kStatusScrollLock};

// Menu-bar buttons when the menus are drawn by the program; plain menus keep the
// resource's own top-menu texts.
const char* const kMenuBarButtons[] = {"ファイル(&F)",   "編集(&E)",       "表示(&V)",
                                       "お気に入り(&A)", "移動(&G)",       "セキュリティ(&S)",
                                       "ツール(&T)",     "ウインドウ(&W)", "ヘルプ(&H)"};

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

QToolBar* CMainFrame::AddBand(int bandId, const QString& text, const QString& name)
{
    auto* band = new QToolBar(name, this);
    band->setObjectName(QStringLiteral("band%1").arg(bandId));
    band->setMovable(true);
    band->setFloatable(false);
    band->setAllowedAreas(Qt::TopToolBarArea);
    if (!text.isEmpty()) {
        auto* label = new QLabel(text, band);
        label->setContentsMargins(4, 0, 4, 0);
        band->addWidget(label);
    }
    ApplySkinTo(band);
    addToolBar(Qt::TopToolBarArea, band);
    m_bandLayout.Add(band);
    if (bandId != 0)
        m_bands.insert(bandId, band);
    return band;
}

void CMainFrame::LoadSkin()
{
    const QString name = TablistIni::SkinName();
    // The file is found as the settings files are, without regard to case.
    const QString path =
        name.isEmpty() ? ProgramDir::Path()
                       : ProfileStore::ResolvePath(SettingsPath(QStringLiteral("res\\") + name));
    m_skin = QPixmap();
    if (QFileInfo(path).isFile())
        m_skin.load(path);
}

void CMainFrame::ApplySkinTo(QToolBar* band)
{
    if (m_skin.isNull())
        return;
    QPalette palette = band->palette();
    palette.setBrush(QPalette::Window, QBrush(m_skin));
    palette.setBrush(QPalette::Button, QBrush(m_skin));
    band->setPalette(palette);
    band->setAutoFillBackground(true);
}

bool CMainFrame::CreateMainToolbar()
{
    QToolBar* band = AddBand(kBandToolbar, QString(), QStringLiteral("ツールバー"));
    band->setIconSize(QSize(20, 20));
    band->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_registry->SetImages(
        ImageStrip::Main,
        LoadToolbarImages(QStringLiteral("tool.bmp"), BuiltinImages::MainToolbarStrip(), 20));
    for (const ToolbarButtonDef& def : MainToolbarButtons())
        AddButton(band, def);
    return true;
}

QMenu* CMainFrame::BuildPopupMenu(MenuId menu)
{
    return MenuFactory::Build(QString(), PopupMenu(menu), *m_registry, this);
}

void CMainFrame::AttachDropDown(QToolButton* button, MenuId menuId)
{
    if (!button)
        return;
    QMenu* menu = BuildPopupMenu(menuId);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    m_dropDowns.insert(MenuFactory::CommandOf(button->defaultAction()), menu);
}

QAction* CMainFrame::AddButton(QToolBar* bar, const ToolbarButtonDef& def)
{
    QAction* action = m_registry->Action(def.id);
    bar->addAction(action);
    m_toolbarActions.append(action);
    if (def.dropDown != MenuId::None)
        AttachDropDown(qobject_cast<QToolButton*>(bar->widgetForAction(action)), def.dropDown);
    return action;
}

QComboBox* CMainFrame::AddBox(QToolBar* band, const QString& name)
{
    auto* box = new QComboBox(band);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(kBoxMinWidth);
    band->addWidget(box);
    return box;
}

QToolButton* CMainFrame::ToolButton(int id) const
{
    for (QAction* action : m_toolbarActions)
        if (action->data().toInt() == id)
            for (QToolBar* bar : m_bands)
                if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
                    return button;
    return nullptr;
}

bool CMainFrame::CreateAddressBand()
{
    QToolBar* band = AddBand(kBandAddress, QStringLiteral("URL"), QStringLiteral("アドレスバー"));
    m_wndAddressBar = AddBox(band, QStringLiteral("m_wndAddressBar"));
    m_wndAddressBar->setMaxVisibleItems(20);
    m_wndAddressBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(m_wndAddressBar->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { SendCommand(CommandId::Ok); });

    m_connectToolbar = new QToolBar(band);
    m_connectToolbar->setIconSize(QSize(16, 16));
    m_registry->SetImages(
        ImageStrip::Connect,
        LoadToolbarImages(QStringLiteral("Go.bmp"), BuiltinImages::ConnectToolbarStrip(), 16));
    for (const ToolbarButtonDef& def : ConnectToolbarButtons())
        AddButton(m_connectToolbar, def);
    band->addWidget(m_connectToolbar);
    return true;
}

bool CMainFrame::CreateSearchBand()
{
    QToolBar* band = AddBand(kBandSearch, QStringLiteral("検索"), QStringLiteral("検索バー"));
    m_wndSearchWords = AddBox(band, QStringLiteral("m_wndSearchWords"));

    m_searchToolbar = new QToolBar(band);
    m_searchToolbar->setIconSize(QSize(16, 16));
    m_registry->SetImages(
        ImageStrip::Search,
        LoadToolbarImages(QStringLiteral("search.bmp"), BuiltinImages::SearchToolbarStrip(), 16));
    for (const ToolbarButtonDef& def : SearchToolbarButtons()) {
        if (def.id == ToInt(CommandId::SearchSitePlaceHolder)) {
            // The place holder carries the search-site box.
            m_wndSearchSites = new QComboBox(m_searchToolbar);
            m_wndSearchSites->setObjectName(QStringLiteral("m_wndSearchSites"));
            m_wndSearchSites->setFixedWidth(138);
            m_searchToolbar->addWidget(m_wndSearchSites);
            continue;
        }
        AddButton(m_searchToolbar, def);
    }
    band->addWidget(m_searchToolbar);
    return true;
}

bool CMainFrame::CreateTabBand()
{
    QToolBar* band = AddBand(kBandTabs, QString(), QStringLiteral("タブバー"));
    band->setMinimumHeight(28);
    m_wndTabBar = new CTabBarCtrl(band);
    m_wndTabBar->SetModel(&m_tabFrames);
    connect(m_wndTabBar, &CTabBarCtrl::rightClicked, this, &CMainFrame::OnTabMenu);
    m_wndTabBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    band->addWidget(m_wndTabBar);
    return true;
}

bool CMainFrame::CreateMenuBand()
{
    addToolBarBreak(Qt::TopToolBarArea);
    m_menuBand = AddBand(0, QString(), QStringLiteral("メニューバー"));
    m_menuBand->setObjectName(QStringLiteral("bandMenu"));
    auto* bar = new QMenuBar(m_menuBand);
    bar->setNativeMenuBar(false);
    const QList<MenuItemDef>& top = MainMenu();
    for (int i = 0; i < top.size(); ++i) {
        const QString title =
            m_bXPStyle == 1 && i < 9 ? QString::fromUtf8(kMenuBarButtons[i]) : top[i].text;
        QMenu* menu = MenuFactory::Build(title, top[i].items, *m_registry, bar);
        menu->setObjectName(QStringLiteral("menu%1").arg(i));
        bar->addMenu(menu);
        if (i == 0)
            AttachRecentFiles(menu);
    }
    m_menuBand->addWidget(bar);
    setMenuWidget(nullptr);
    return true;
}

void CMainFrame::AttachRecentFiles(QMenu* fileMenu)
{
    QAction* placeholder = nullptr;
    for (QAction* action : fileMenu->actions())
        if (MenuFactory::CommandOf(action) == kRecentFileFirst)
            placeholder = action;
    if (!placeholder)
        return;
    // The list is read each time the menu opens; with no file the resource's
    // item stays, disabled.
    connect(fileMenu, &QMenu::aboutToShow, this, [this, fileMenu, placeholder] {
        for (QAction* old : m_recentActions)
            fileMenu->removeAction(old);
        qDeleteAll(m_recentActions);
        m_recentActions.clear();
        const QStringList files = RecentFiles::Load();
        placeholder->setVisible(files.isEmpty());
        for (int i = 0; i < files.size(); ++i) {
            auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), fileMenu);
            action->setData(kRecentFileFirst + i);
            const int id = kRecentFileFirst + i;
            connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
            fileMenu->insertAction(placeholder, action);
            m_recentActions.append(action);
        }
    });
    m_commands.BindRange(
        kRecentFileFirst, kRecentFileFirst + RecentFiles::kCount - 1,
        [this](int id) {
            const QString file = RecentFiles::Load().value(id - kRecentFileFirst);
            if (file.isEmpty())
                return;
            if (CZelvoView* view = OnFileNew())
                view->Navigate2(QUrl::fromLocalFile(file).toString());
        },
        [](int id, CmdUI& ui) { ui.enabled = id - kRecentFileFirst < RecentFiles::Load().size(); });
}

bool CMainFrame::CreateStatusBar()
{
    m_wndStatusBar = new QStatusBar(this);
    m_wndStatusBar->setObjectName(QStringLiteral("m_wndStatusBar"));
    for (int id : kStatusPanes) {
        auto* pane = new QLabel(m_wndStatusBar);
        pane->setObjectName(QStringLiteral("pane%1").arg(id));
        pane->setMinimumWidth(id == kStatusKana || id == kStatusScrollLock ? 36 : 24);
        m_wndStatusBar->addPermanentWidget(pane);
        m_statusPanes.insert(id, pane);
    }
    const ColorIni::Rgb stored = ColorIni::Background();
    const QColor background(stored.red, stored.green, stored.blue);
    // Text stays readable on any background the user picks, black included.
    const QColor text = background.lightness() < 128 ? Qt::white : Qt::black;
    m_wndStatusBar->setStyleSheet(QStringLiteral("QStatusBar, QStatusBar QLabel { background: %1; "
                                                 "color: %2; }")
                                      .arg(background.name(), text.name()));
    setStatusBar(m_wndStatusBar);
    m_downloads = new CDownloadManager(
        *m_wndStatusBar, [this](const QString& text) { SetMessageText(text); }, this);
    m_downloads->Attach(EngineProfile::Instance());
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
    BindHistoryCommands(*this);
    BindFormCommands(*this);
    BindPocketCommands(*this);
    BindFavoriteCommands(*this);
    BindProxyCommands(*this);
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
