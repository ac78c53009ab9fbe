// The main frame's bars: the toolbar, the address, search, tab and menu bands
// and the status bar.
#include "frame/CMainFrame.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "core/RecentFiles.h"
#include "bars/CSearchBars.h"
#include "frame/CTabBarCtrl.h"
#include "ini/ColorIni.h"
#include "ini/TablistIni.h"
#include "commands/CommandId.h"
#include "commands/MenuFactory.h"
#include "chrome/BuiltinImages.h"
#include "chrome/ToolbarImages.h"
#include "view/CDownloadManager.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int kRecentFileFirst = ToInt(CommandId::RecentFile1);

// Status bar panes after pane 0, in order.
constexpr StatusPaneId kStatusPanes[] = {kStatusPane1, kStatusPane2, kStatusPane3,
                                         kStatusPane4, kStatusPane5, kStatusPane6,
                                         kStatusPane7, kStatusKana,  kStatusScrollLock};

// Menu-bar buttons when the menus are drawn by the program; plain menus keep the
// resource's own top-menu texts.
const char* const kMenuBarButtons[] = {"ファイル(&F)",   "編集(&E)",       "表示(&V)",
                                       "お気に入り(&A)", "移動(&G)",       "セキュリティ(&S)",
                                       "ツール(&T)",     "ウインドウ(&W)", "ヘルプ(&H)"};

} // namespace

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
