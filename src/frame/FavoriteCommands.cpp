#include "frame/FavoriteCommands.h"

#include "bars/CSearchBars.h"
#include "commands/CommandId.h"
#include "commands/MenuFactory.h"
#include "core/ProgramDir.h"
#include "favorites/FavHtml.h"
#include "favorites/FavoritesFolder.h"
#include "frame/CMainFrame.h"
#include "ini/SecurityIni.h"
#include "panes/CDockTabBar.h"
#include "panes/CFTree.h"
#include "panes/CGTree.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <memory>

namespace {

constexpr int kMenuUrlSize = 2048;
// Top menu "お気に入り(&A)".
constexpr int kFavoritesTopMenu = 3;

QString FavHtmlPath()
{
    return SettingsPath(QStringLiteral("fav.html"));
}

// Menu texts show names as they are: "&" is not a mnemonic here.
QString MenuLabel(const QString& name)
{
    QString text = FavoritesFolder::MenuText(name);
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

bool HasShortcut(const FavoriteNode& node)
{
    for (const FavoriteNode& child : node.children)
        if (!child.folder || HasShortcut(child))
            return true;
    return false;
}

CFTree* FavoritesPane(const CMainFrame& frame)
{
    return frame.DockBar() ? frame.DockBar()->GetViewByClass<CFTree>() : nullptr;
}

CGTree* GroupsPane(const CMainFrame& frame)
{
    return frame.DockBar() ? frame.DockBar()->GetViewByClass<CGTree>() : nullptr;
}

void CreateFavHtml(CMainFrame& frame)
{
    if (!FavHtml::Write(FavHtmlPath(), FavoritesFolder::Path())) {
        ShowMessageBox(&frame, FavHtmlPath() + QStringLiteral(" を作成できません"),
                       QStringLiteral("失敗"), MbIcon::Exclamation);
        return;
    }
    frame.OpenUrlInNewTab(QUrl::fromLocalFile(FavHtmlPath()).toString());
}

void OpenFavHtml(CMainFrame& frame)
{
    if (SecurityIni::ChileTab() == 1) {
        ShowMessageBox(&frame,
                       QStringLiteral("子タブが非表示になっています。\r\n"
                                      "チェックをはずしてから実行してください！"),
                       QString(), MbIcon::Exclamation);
        return;
    }
    if (QFileInfo::exists(FavHtmlPath())) {
        frame.OpenUrlInNewTab(QUrl::fromLocalFile(FavHtmlPath()).toString());
        return;
    }
    ShowMessageBox(&frame,
                   QStringLiteral("お気に入りHTMLがありません！\r\n"
                                  "HTMLお気に入りの作成を実行します！"),
                   QString(), MbIcon::Exclamation);
    CreateFavHtml(frame);
}

void AddPage(CMainFrame& frame)
{
    CZelvoView* view = frame.ActiveZelvoView();
    if (!view || view->GetLocationURL().isEmpty())
        return;
    if (FavoritesFolder::AddShortcut(FavoritesFolder::Path(), view->GetLocationName(),
                                     view->GetLocationURL())
            .isEmpty()) {
        ShowMessageBox(&frame, QStringLiteral("お気に入りに追加できません"), QStringLiteral("失敗"),
                       MbIcon::Exclamation);
        return;
    }
    frame.BuildFavoritesMenu();
    frame.RefreshFavorites();
}

void Organize(CMainFrame& frame)
{
    const QString folder = FavoritesFolder::Path();
    QDir().mkpath(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    if (ShowMessageBox(&frame, QStringLiteral("お気に入りを再作成しますか？"),
                       QStringLiteral("確認"), MbIcon::Information,
                       MbButtons::YesNo) == MbAnswer::Yes)
        frame.RefreshFavorites();
}

void OnTreeCommand(CMainFrame& frame, CommandId id)
{
    CFTree* tree = FavoritesPane(frame);
    const int leaf = tree ? tree->SelectedLeaf() : CFTree::kFolder;
    if (leaf == CFTree::kFolder)
        return;
    const QString url = tree->Url(leaf);
    switch (id) {
    case CommandId::FavOpenHere:
        if (CZelvoView* view = frame.ActiveZelvoView())
            view->Navigate2(url);
        break;
    case CommandId::FavOpenNewTab:
        frame.OpenUrlInNewTab(url);
        break;
    case CommandId::FavOpenCgiProxy: {
        const QString target = FavoritesFolder::CgiProxyUrl(
            url, SecurityIni::CgiCommand() == SecurityIni::kCgiRewrite, SecurityIni::CgiProxy());
        if (!target.isEmpty())
            frame.OpenUrlInNewTab(target);
        break;
    }
    case CommandId::FavTranslate:
        if (frame.SearchBars())
            frame.SearchBars()->TranslatePage(url, "Trancelate2");
        break;
    case CommandId::FavDelete:
        tree->DeleteSelected();
        break;
    case CommandId::FavAddToGroup:
        if (CGTree* groups = GroupsPane(frame))
            groups->AddFavorite(tree->Name(leaf));
        break;
    default:
        break;
    }
}

void BindPaneCommands(CMainFrame& frame)
{
    CommandMap& commands = frame.Commands();
    for (CommandId id :
         {CommandId::FavOpenHere, CommandId::FavOpenNewTab, CommandId::FavOpenCgiProxy,
          CommandId::FavTranslate, CommandId::FavDelete, CommandId::FavAddToGroup}) {
        commands.Bind(
            id, [&frame, id] { OnTreeCommand(frame, id); },
            [&frame](CmdUI& ui) {
                const CFTree* tree = FavoritesPane(frame);
                ui.enabled = tree && tree->SelectedLeaf() != CFTree::kFolder;
            });
    }
    for (CommandId id : {CommandId::GroupRun, CommandId::GroupDeleteAll, CommandId::GroupItemRun,
                         CommandId::GroupItemDelete}) {
        commands.Bind(
            id,
            [&frame, id] {
                if (CGTree* groups = GroupsPane(frame))
                    groups->OnCommand(ToInt(id));
            },
            [&frame, id](CmdUI& ui) {
                const CGTree* groups = GroupsPane(frame);
                ui.enabled = groups && groups->CommandEnabled(ToInt(id));
            });
    }
}

void ConnectPanes(CMainFrame& frame)
{
    if (CFTree* tree = FavoritesPane(frame)) {
        QObject::connect(tree, &CFTree::openRequested, &frame,
                         [&frame](const QString& url) { frame.OpenUrlInNewTab(url); });
        QObject::connect(tree, &CFTree::menuRequested, &frame, [&frame](const QPoint& pos) {
            std::unique_ptr<QMenu> menu(frame.BuildPopupMenu(MenuId::FavoritesTree));
            menu->exec(pos);
        });
    }
    if (CGTree* groups = GroupsPane(frame)) {
        QObject::connect(groups, &CGTree::runRequested, &frame,
                         [&frame](const QStringList& names) { frame.RunFavorites(names); });
        QObject::connect(groups, &CGTree::menuRequested, &frame, [&frame](const QPoint& pos) {
            std::unique_ptr<QMenu> menu(frame.BuildPopupMenu(MenuId::GroupTree));
            menu->exec(pos);
        });
    }
}

} // namespace

void CMainFrame::BuildFavoritesMenu()
{
    QMenu* top = nullptr;
    if (auto* bar = m_menuBand ? m_menuBand->findChild<QMenuBar*>() : nullptr)
        top = bar->findChild<QMenu*>(QStringLiteral("menu%1").arg(kFavoritesTopMenu));
    qDeleteAll(m_favoriteItems);
    m_favoriteItems.clear();
    m_favoriteUrls.clear();
    m_favoriteNames.clear();
    // Numbers start at 1; number 0 has no favourite.
    const FavoriteNode root = FavoritesFolder::Scan(FavoritesFolder::Path(), 1, kMenuUrlSize);
    m_favoriteUrls.append(QString());
    m_favoriteNames.append(QString());
    for (const FavoriteNode* leaf : FavoritesFolder::Leaves(root)) {
        m_favoriteUrls.append(leaf->url);
        m_favoriteNames.append(leaf->name);
    }
    if (top)
        FillFavoritesMenu(top, root);
}

void CMainFrame::FillFavoritesMenu(QMenu* menu, const FavoriteNode& folder)
{
    // Sub-folders go before what the menu already holds, in name order.
    QAction* before = menu->actions().value(0);
    for (const FavoriteNode& child : folder.children) {
        if (!child.folder || !HasShortcut(child))
            continue;
        auto* sub = new QMenu(MenuLabel(child.name), menu);
        menu->insertMenu(before, sub);
        if (menu->objectName() == QStringLiteral("menu%1").arg(kFavoritesTopMenu))
            m_favoriteItems.append(sub);
        FillFavoritesMenu(sub, child);
    }
    for (const FavoriteNode& child : folder.children) {
        if (child.folder)
            continue;
        auto* action = new QAction(MenuLabel(child.name), menu);
        const int id = FavoriteCommand(child.number);
        action->setData(id);
        // Beyond the command range an item has no command.
        action->setEnabled(IsFavoriteCommand(id));
        connect(action, &QAction::triggered, this, [this, id] { SendCommand(id); });
        menu->addAction(action);
        if (menu->objectName() == QStringLiteral("menu%1").arg(kFavoritesTopMenu))
            m_favoriteItems.append(action);
    }
}

void CMainFrame::RefreshFavorites()
{
    if (CFTree* tree = FavoritesPane(*this))
        tree->Refill();
}

void CMainFrame::OpenFavoriteByName(const QString& name, bool newTab)
{
    CZelvoView* view = ActiveZelvoView();
    const int at = m_favoriteNames.indexOf(name, 1);
    if (!view || at < 1)
        return;
    if (newTab)
        OpenUrlInNewTab(m_favoriteUrls.value(at));
    else
        view->Navigate2(m_favoriteUrls.value(at));
}

void CMainFrame::RunFavorites(QStringList names)
{
    if (names.isEmpty())
        return;
    OpenFavoriteByName(names.takeFirst(), TabCount() != 1);
    // One tab per turn of the event loop, so a large group never freezes the window.
    if (!names.isEmpty())
        RunFavoritesInNewTabs(names);
}

void CMainFrame::RunFavoritesInNewTabs(const QStringList& names)
{
    QTimer::singleShot(0, this, [this, names] {
        QStringList rest = names;
        OpenFavoriteByName(rest.takeFirst(), true);
        if (!rest.isEmpty())
            RunFavoritesInNewTabs(rest);
    });
}

void BindFavoriteCommands(CMainFrame& frame)
{
    CommandMap& commands = frame.Commands();
    auto hasView = [&frame](CmdUI& ui) { ui.enabled = frame.ActiveZelvoView() != nullptr; };
    commands.Bind(
        CommandId::FavoritesHtmlCreate, [&frame] { CreateFavHtml(frame); }, hasView);
    commands.Bind(
        CommandId::FavoritesHtmlOpen, [&frame] { OpenFavHtml(frame); }, hasView);
    commands.Bind(
        CommandId::AddFavorite, [&frame] { AddPage(frame); }, hasView);
    commands.Bind(CommandId::OrganizeFavorites, [&frame] { Organize(frame); });
    commands.Bind(
        CommandId::ShowFavoritesFolder,
        [&frame] {
            if (CZelvoView* view = frame.ActiveZelvoView())
                view->Navigate2(QUrl::fromLocalFile(FavoritesFolder::Path()).toString());
        },
        hasView);
    BindPaneCommands(frame);
    ConnectPanes(frame);
}
