// The docking bar of the main frame: its panes, its place and the page
// information of the properties pane.
#include "frame/CMainFrame.h"

#include "frame/CTabBarCtrl.h"
#include "ini/StateIni.h"
#include "panes/CDelTree.h"
#include "panes/CDockTabBar.h"
#include "panes/CHisTree.h"
#include "panes/CFTree.h"
#include "panes/CGTree.h"
#include "panes/CPoket.h"
#include "panes/CTView.h"
#include "view/CZelvoView.h"

#include <QPointer>

void CMainFrame::CreateDockBar()
{
    m_wndDockBar = new CDockTabBar(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_wndDockBar);
    resizeDocks({m_wndDockBar}, {StateIni::DockLen()}, Qt::Horizontal);
    // Tab order is picture order.
    m_wndDockBar->AddView<CFTree>(QString());
    m_wndDockBar->AddView<CHisTree>(QString());
    auto* tabList = m_wndDockBar->GetViewByClass<CHisTree>();
    connect(tabList, &CHisTree::activateTab, this, [this](int index) { ActivateTab(index); });
    connect(tabList, &CHisTree::tabMenuRequested, this, [this](int index, const QPoint& pos) {
        ActivateTab(index);
        OnTabMenu(pos);
    });
    m_wndDockBar->AddView<CTView>(QString());
    m_wndDockBar->AddView<CDelTree>(QString());
    m_wndDockBar->AddView<CGTree>(QString());
    m_wndDockBar->AddView<CPoket>(QString());
    connect(m_wndDockBar, &CDockTabBar::closeRequested, this,
            [this] { SendCommand(CommandId::ViewDockingBar); });
    // A tab still loading is asked when its page is there.
    connect(m_wndTabBar, &QTabBar::currentChanged, this, [this] {
        const CZelvoView* view = ActiveZelvoView();
        if (!view || (!view->GetBusy() && !view->GetLocationURL().isEmpty()))
            RefreshPageInfo();
    });
}

void CMainFrame::RefreshPageInfo()
{
    CTView* pane = m_wndDockBar ? m_wndDockBar->GetViewByClass<CTView>() : nullptr;
    if (!pane)
        return;
    CZelvoView* view = ActiveZelvoView();
    if (!view) {
        pane->SetText(QString());
        return;
    }
    QPointer<CTView> target(pane);
    QPointer<CZelvoView> source(view);
    view->GetPageInfoText([this, target, source](const QString& text) {
        // An answer for a tab that has lost the focus meanwhile is not shown.
        if (target && source && source == ActiveZelvoView())
            target->SetText(text);
    });
}

void CMainFrame::RefreshTabListPane()
{
    if (CHisTree* pane = m_wndDockBar ? m_wndDockBar->GetViewByClass<CHisTree>() : nullptr)
        pane->Refill();
}
