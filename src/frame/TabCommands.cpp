// Commands on several tabs at once, the closed-tab memories and the page swap.
#include "frame/CMainFrame.h"

#include "chrome/BuiltinImages.h"
#include "chrome/ToolbarImages.h"
#include "frame/CChildFrame.h"
#include "frame/CSessionRestore.h"
#include "frame/CTabBarCtrl.h"
#include "ini/DeleteTabListIni.h"
#include "ini/TablistIni.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "view/CZelvoView.h"

#include <QMdiArea>

void CMainFrame::FocusAndActivate(int index)
{
    if (index < 0 || index >= m_tabFrames.Count())
        return;
    m_wndTabBar->setCurrentIndex(index);
    m_wndMDIClient->setActiveSubWindow(m_tabFrames.Frame(index));
}

void CMainFrame::OnCloseAll()
{
    const int n = TabCount();
    for (int k = 0; k < n; ++k)
        OnCloseTab();
}

void CMainFrame::OnCloseRight()
{
    if (m_tabFrames.IsEmpty())
        return;
    const int c = FocusedTab();
    const int n = TabCount();
    for (int step = c + 1; step <= n - 1; ++step) {
        FocusAndActivate(c + 1);
        OnCloseTab();
    }
    FocusAndActivate(c);
}

void CMainFrame::OnCloseLeft()
{
    if (m_tabFrames.IsEmpty())
        return;
    const int c = FocusedTab();
    for (int k = c - 1; k >= 0; --k) {
        FocusAndActivate(k);
        OnCloseTab();
    }
    FocusAndActivate(0);
}

void CMainFrame::OnStopAll()
{
    if (m_tabFrames.IsEmpty())
        return;
    const int focused = FocusedTab();
    for (int i = 0; i < m_tabFrames.Count(); ++i) {
        CZelvoView* view = TabView(i);
        if (!view)
            continue;
        m_wndTabBar->setCurrentIndex(i);
        view->Stop();
        // The whole name, uncut, until the next relabelling.
        m_tabFrames.SetShown(i, view->GetLocationName(), m_tabFrames.Title(i), false);
    }
    FocusAndActivate(focused);
}

void CMainFrame::OnRefreshAll()
{
    const int focused = FocusedTab();
    for (int i = 0; i < m_tabFrames.Count(); ++i)
        if (CZelvoView* view = TabView(i))
            view->Refresh();
    FocusAndActivate(focused);
}

void CMainFrame::OnReopenClosedTab()
{
    const QString url = TablistIni::DeleteTab();
    if (url.isEmpty()) {
        ShowMessageBox(this, QStringLiteral("履歴がありません。"), QStringLiteral("中止"),
                       MbIcon::Exclamation);
        return;
    }
    OpenUrlInNewTab(url);
}

void CMainFrame::OnForgetClosedTab()
{
    if (TablistIni::RemoveDeleteTab())
        ShowMessageBox(this, QStringLiteral("最後に閉じたタブ履歴を削除しました。"),
                       QStringLiteral("削除"), MbIcon::Information);
    else
        ShowMessageBox(this, QStringLiteral("失敗"), QStringLiteral("失敗"), MbIcon::Stop);
}

void CMainFrame::OnClearClosedTabs()
{
    DeleteTabListIni::Clear();
    m_closedTabs.ClearClosedTabs();
}

void CMainFrame::OnSwapPages()
{
    if (TabCount() < 2) {
        ShowMessageBox(this, QStringLiteral("タブが複数存在しません！"), QStringLiteral("Zelvo"));
        return;
    }
    CZelvoView* active = ActiveZelvoView();
    const QString u = active ? active->GetLocationURL() : QString();
    if (u.isEmpty())
        return;
    const int c = FocusedTab();
    if (c < 0)
        return;
    if (c == TabCount() - 1) {
        ShowMessageBox(this, QStringLiteral("右隣にページが存在しません！"),
                       QStringLiteral("Zelvo"));
        return;
    }
    CZelvoView* right = TabView(c + 1);
    const QString v = right ? right->GetLocationURL() : QString();
    if (v.isEmpty()) {
        ShowMessageBox(this, QStringLiteral("失敗"), QStringLiteral("Zelvo"));
        return;
    }
    active->Navigate2(v);
    right->Navigate2(u);
}

void CMainFrame::BindTabListCommands()
{
    auto bind = [this](CommandId id, CommandMap::Run run, CommandMap::Update update = {}) {
        m_commands.Bind(ToInt(id), std::move(run), std::move(update));
    };
    bind(
        CommandId::TabCloseAll, [this] { OnCloseAll(); },
        [this](CmdUI& ui) { ui.enabled = TabCount() > 1; });
    bind(
        CommandId::TabCloseRight, [this] { OnCloseRight(); },
        [this](CmdUI& ui) { ui.enabled = FocusedTab() >= 0 && FocusedTab() < TabCount() - 1; });
    bind(
        CommandId::TabCloseLeft, [this] { OnCloseLeft(); },
        [this](CmdUI& ui) { ui.enabled = FocusedTab() >= 1; });
    bind(CommandId::StopAll, [this] { OnStopAll(); });
    bind(CommandId::RefreshAll, [this] { OnRefreshAll(); });
    bind(CommandId::ReopenClosedTab, [this] { OnReopenClosedTab(); });
    bind(CommandId::ClearLastClosedTab, [this] { OnForgetClosedTab(); });
    bind(CommandId::ClearClosedTabHistory, [this] { OnClearClosedTabs(); });
    bind(CommandId::SwapPages, [this] { OnSwapPages(); });
    bind(CommandId::RestoreLastSession, [this] { m_restore->Start(); });
}
