#pragma once

#include "frame/CBandLayout.h"
#include "panes/ClosedTabList.h"
#include "frame/TabModel.h"
#include "commands/CommandMap.h"
#include "commands/CommandRegistry.h"
#include "commands/MenuResources.h"
#include "bars/ISearchBarsHost.h"
#include "commands/CommandId.h"
#include "view/IViewHost.h"
#include "view/ViewSwitches.h"

#include <QMainWindow>
#include <QMap>
#include <QPixmap>
#include <QPointer>

#include <functional>

class CChildFrame;
class CDockTabBar;
class CDownloadManager;
class CSearchBars;
class CSessionRestore;
class CTabBarCtrl;
class CZelvoDoc;
class CZelvoView;
struct FavoriteNode;
class QComboBox;
class QLabel;
class QMdiArea;
class QMenu;
class QStatusBar;
class QSystemTrayIcon;
class QTabBar;
class QTimer;
class QToolBar;
class QToolButton;

// Band ids of the top rebar.
enum BandId {
    kBandToolbar = ToInt(CommandId::BandToolbar),
    kBandAddress = ToInt(CommandId::BandAddress),
    kBandSearch = ToInt(CommandId::BandSearch),
    kBandTabs = ToInt(CommandId::BandTabs),
};

// The status bar's children after pane 0, in their order: seven holders for the
// setting buttons, then the kana and scroll-lock indicators.
enum StatusPaneId {
    kStatusPane1 = ToInt(CommandId::StatusPane1),
    kStatusPane2 = ToInt(CommandId::StatusPane2),
    kStatusPane3 = ToInt(CommandId::StatusPane3),
    kStatusPane4 = ToInt(CommandId::StatusPane4),
    kStatusPane5 = ToInt(CommandId::StatusPane5),
    kStatusPane6 = ToInt(CommandId::StatusPane6),
    kStatusPane7 = ToInt(CommandId::StatusPane7),
    kStatusKana = ToInt(CommandId::StatusKana),
    kStatusScrollLock = ToInt(CommandId::StatusScrollLock),
};

// The single top-level window: bars, menus, the MDI area with the tabs, the
// frame timers and the command dispatch.
class CMainFrame : public QMainWindow, public IViewHost, public ISearchBarsHost {
    Q_OBJECT

public:
    // xpStyle is the application's m_bXPStyle (1 = owner-drawn menus in use).
    explicit CMainFrame(int xpStyle, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Builds every bar; false when a bar cannot be created.
    bool OnCreate();

    // Runs a command now / after the current event. Unhandled ids do nothing.
    void SendCommand(int id) override;
    void SendCommand(CommandId id) { SendCommand(ToInt(id)); }
    void PostCommand(int id) override;
    CmdUI CommandState(int id) const;
    CmdUI CommandState(CommandId id) const { return CommandState(ToInt(id)); }
    bool CommandEnabled(int id) const override { return CommandState(id).enabled; }
    void CommandStatesChanged() override { emit commandRan(ToInt(CommandId::None)); }
    bool IsCommandHandled(int id) const { return m_commands.Has(id); }
    // The one action of each command: menus, toolbars and keys all use it.
    CommandRegistry& Registry() { return *m_registry; }
    // A popup menu of the resources, its items issuing their commands here.
    QMenu* BuildPopupMenu(MenuId menu);

    // A second start's command line (hand-over).
    void OnCopyData(const QByteArray& text);

    // Enabled and checked states of every toolbar button and every command that
    // has a key, from the update handlers.
    void UpdateToolbarStates();

    // Status bar pane 0.
    void SetMessageText(const QString& text) override;
    QString MessageText() const override;

    // The tabs.
    void AddTab(CZelvoView* view) override;
    void SetTabCaption(CZelvoView* view, const QString& caption) override;
    void SetBackForward(CZelvoView* view, bool back, bool forward) override;
    // The tab window that holds view; null when there is none.
    CChildFrame* FrameOf(const CZelvoView* view) const;
    void RemoveTab(CChildFrame* frame);
    void RefreshTabLabels() override;
    void SaveTabTitles(int write);
    void RefreshTabListPane();
    void AddAddressHistory(const QString& url) override;
    int TabCount() const override { return m_tabFrames.Count(); }
    void SetFrameCaption(const QString& text) override;
    CZelvoView* CreateNewTab(CZelvoDoc* document, bool opensOwnPage) override;
    ViewSwitches& Switches() override { return m_switches; }
    QByteArray StartupCommandLine() const override { return m_startupCommandLine; }
    void SetStartupCommandLine(const QByteArray& line) { m_startupCommandLine = line; }
    // A new tab with a document of its own, whatever the tab limit.
    CZelvoView* OnFileNew();
    void OpenUrlInNewTab(const QString& url) override;
    // Opens url in a new tab through its command, for panes that hold an address.
    void OnOpenUrl(const QString& url);
    // The view of the active tab when it is a browser view; null otherwise.
    CZelvoView* ActiveZelvoView() const override;
    CZelvoView* TabView(int index) const override;
    QWidget* Window() override { return this; }
    int FocusedTab() const;
    bool IsTabLocked(int index) const;
    QList<CChildFrame*> TabFrames() const { return m_tabFrames.Frames(); }
    const TabModel& Tabs() const { return m_tabFrames; }
    ClosedTabList& ClosedTabs() { return m_closedTabs; }
    // Exit processing; false when there was no tab to save.
    bool ExitCleanup();
    // Called during the exit processing to save the histories.
    void SetSaveHistories(std::function<void()> save) { m_saveHistories = std::move(save); }
    // The top bands in their order, as State.ini [state] keeps them.
    CBandLayout& BandLayout() { return m_bandLayout; }
    // Repaints the tab bar in the colours of Color.ini.
    void ReloadTabColors();
    // Paints the bars with the skin bitmap at path at once; none when empty.
    void ApplySkin(const QString& path);
    // Hides the main toolbar's buttons that State.ini [toolbar] marks hidden
    // and shows the others.
    void ApplyToolbarButtons();
    bool IsRestoring() const;
    // The captions for the tab at index becoming the active one: its title on
    // the tab window, the title and " - Zelvo" on the main window.
    void UpdateCaption(int index, bool replaceQuestionMark = true);

    QToolBar* Band(int bandId) const { return m_bands.value(bandId); }
    QToolBar* MenuBand() const { return m_menuBand; }
    QToolBar* MainToolbar() const { return m_bands.value(kBandToolbar); }
    QWidget* StatusPane(int paneId) const { return m_statusPanes.value(paneId); }
    // The engine's downloads, shown in the status bar.
    CDownloadManager& Downloads() const { return *m_downloads; }
    const QPixmap& SkinBitmap() const { return m_skin; }
    bool WindowTabsOnTop() const { return m_windowTabsOnTop; }
    bool IsTitleWatchRunning() const;
    // Starts or stops the forbidden-title watch.
    void SetTitleWatch(bool on);
    // Binds more commands (subsystems that keep their handlers in files of their own).
    CommandMap& Commands() { return m_commands; }
    CSearchBars* SearchBars() const { return m_searchBars; }
    // Minutes of the automatic refresh (30 means 30 seconds; 0 none), and the timer.
    int AutoRefreshChoice() const { return m_autoRefresh; }
    bool IsAutoRefreshRunning() const;
    int AutoRefreshInterval() const;
    QMenu* PopupFor(int buttonId) const { return m_dropDowns.value(buttonId); }
    QMenu* PopupFor(CommandId buttonId) const { return PopupFor(ToInt(buttonId)); }
    QToolButton* ToolButton(int id) const;
    QToolButton* ToolButton(CommandId id) const { return ToolButton(ToInt(id)); }
    // The side bar with its panes.
    CDockTabBar* DockBar() const { return m_wndDockBar; }
    // Has the properties pane show the focused tab's page.
    void RefreshPageInfo();
    // Has the pocket pane read poket.ini anew.
    void RefreshPocket();

    QStatusBar* m_wndStatusBar = nullptr;
    QComboBox* m_wndAddressBar = nullptr;
    QComboBox* m_wndSearchWords = nullptr;
    QComboBox* m_wndSearchSites = nullptr;
    CTabBarCtrl* m_wndTabBar = nullptr;
    QMdiArea* m_wndMDIClient = nullptr;

    // The ordered tabs; the tab bar shows them.
    TabModel m_tabFrames;
    // URL and name of favourites menu item k (its command is FavoriteCommand(k)).
    QStringList m_favoriteUrls;
    QStringList m_favoriteNames;
    // Fills top menu "お気に入り(&A)" from the favourites folder anew.
    void BuildFavoritesMenu();
    // Has the favourites pane read the folder again.
    void RefreshFavorites();
    // Opens the favourite of that exact name, in the active tab or a new one.
    void OpenFavoriteByName(const QString& name, bool newTab);
    // The first in the active tab when it is the only one, the others in new
    // tabs, one per turn of the event loop.
    void RunFavorites(QStringList names);

signals:
    // After every command and every tab or page event: toolbar states follow.
    void commandRan(int id);

public:
    // No list of bands on a right click: bands are shown and hidden by the
    // view commands, which keep the settings and check marks in step.
    QMenu* createPopupMenu() override { return nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The address and search-word boxes are made this wide at least.
    static constexpr int kBoxMinWidth = 200;
    // The address box takes the width its row leaves (after each resize).
    void FitAddressBand();
    void CreateCommandRegistry();
    void BindCommands();
    void BindBarCommands();
    void BindTimerCommands();

    bool CreateMenuBand();
    bool CreateMainToolbar();
    bool CreateAddressBand();
    bool CreateSearchBand();
    bool CreateTabBand();
    bool CreateStatusBar();
    void CreateDockBar();
    void FillFavoritesMenu(QMenu* menu, const FavoriteNode& folder);
    void RunFavoritesInNewTabs(const QStringList& names);
    QToolBar* AddBand(int bandId, const QString& text, const QString& name);
    QAction* AddButton(QToolBar* bar, const ToolbarButtonDef& def);
    QComboBox* AddBox(QToolBar* band, const QString& name);
    void AttachRecentFiles(QMenu* fileMenu);
    void LoadSkin();
    void ApplySkinTo(QToolBar* band);
    void AttachDropDown(QToolButton* button, MenuId menu);

    // Bar toggles: flips a bar and stores whether it is now hidden.
    void ToggleBar(QWidget* bar, void (*saveHidden)(bool hidden));
    bool BarVisible(const QWidget* bar) const;
    void OnFullScreenBars();
    void OnFlipBars();

    void SetAutoRefresh(int choice, int intervalMs);
    void OnTrayHide();

    void BindTabCommands();
    void BindBrowserCommands();
    void BindViewCommands();
    void ActivateTab(int index);
    void OnTabClicked(int index);
    void OnNextTab(bool forward);
    void OnTabLock();
    void OnCloseTab();
    void OnDuplicateTab();
    void FocusAndActivate(int index);
    void OnCloseAll();
    void OnCloseRight();
    void OnCloseLeft();
    void OnStopAll();
    void OnRefreshAll();
    void OnReopenClosedTab();
    void OnForgetClosedTab();
    void OnClearClosedTabs();
    void OnSwapPages();
    void BindTabListCommands();
    void OnTabMenu(const QPoint& globalPos);
    void OnTitleWatchTick();
    void OnConnect();
    void OnAddressEnter();
    CZelvoView* MakeTab(CZelvoDoc* document, bool opensOwnPage);

    int m_bXPStyle = 0;
    CommandMap m_commands;
    CommandRegistry* m_registry = nullptr;
    QMap<int, QToolBar*> m_bands;
    QToolBar* m_menuBand = nullptr;
    CBandLayout m_bandLayout{*this};
    QToolBar* m_searchToolbar = nullptr;
    QToolBar* m_connectToolbar = nullptr;
    QMap<int, QWidget*> m_statusPanes;
    CDownloadManager* m_downloads = nullptr;
    QMap<int, QMenu*> m_dropDowns;
    QList<QAction*> m_toolbarActions;
    // The actions whose state shows without a menu: toolbar buttons and keys.
    QList<QAction*> m_liveActions;
    QList<QAction*> m_recentActions;
    QPixmap m_skin;
    // Where the window tabs go when they are made: above the pages, or below.
    bool m_windowTabsOnTop = false;
    QTimer* m_titleTimer = nullptr;   // the forbidden-title watch
    QTimer* m_refreshTimer = nullptr; // the automatic refresh
    int m_autoRefresh = 0;
    QSystemTrayIcon* m_tray = nullptr;
    ViewSwitches m_switches;
    ClosedTabList m_closedTabs;
    QByteArray m_startupCommandLine;
    QString m_openUrl;
    QList<QPixmap> m_addressImages;
    CSessionRestore* m_restore = nullptr;
    CSearchBars* m_searchBars = nullptr;
    CDockTabBar* m_wndDockBar = nullptr;
    // What the favourites menu holds beyond its resource items.
    QList<QObject*> m_favoriteItems;
    // The tab the restore loads into when no new tab opens.
    std::function<void()> m_saveHistories;
};
