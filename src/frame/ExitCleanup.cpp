// The exit processing of the main frame and the restore of the tabs it saved.
#include "frame/CMainFrame.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "core/StoredAddress.h"
#include "frame/CChildFrame.h"
#include "ini/EndlistIni.h"
#include "ini/SecurityIni.h"
#include "ini/TablistIni.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "view/CZelvoView.h"

#include <QFile>
#include <QMdiArea>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kRestorePauseMs = 1000;

} // namespace

bool CMainFrame::ExitCleanup()
{
    // 1
    m_titleTimer->stop();
    m_refreshTimer->stop();
    m_restoreTimer->stop();
    // 2
    if (m_saveHistories)
        m_saveHistories();
    // 3
    EndlistIni::Remove();
    if (m_tabFrames.IsEmpty())
        return false;
    // The open tabs and the window state, for the next start.
    QStringList urls;
    for (int i = 0; i < m_tabFrames.Count(); ++i) {
        CZelvoView* view = TabView(i);
        urls.append(view ? StoredAddress::Encode(view->GetLocationURL()) : QString());
    }
    EndlistIni::Save(urls, isMaximized());
    // 6: no closed-tab history for these.
    for (int i = m_tabFrames.Count() - 1; i >= 0; --i) {
        CChildFrame* frame = m_tabFrames.Frame(i);
        RemoveTab(frame);
        frame->DestroyFrame();
    }
    // 7
    for (const char* name : {"realone.html", "media.html", "選択範囲のソースコード.txt",
                             "Image.html", "Link.html", "history.html", "poket.ini"})
        QFile::remove(ProfileStore::ResolvePath(SettingsPath(QString::fromUtf8(name))));
    // 8
    const std::pair<int (*)(), CommandId> cleanups[] = {
        {SecurityIni::EnddetailUrl, CommandId::ClearAddressHistory},
        {SecurityIni::EnddetailSearch, CommandId::ClearSearchHistory},
        {SecurityIni::EnddetailHistory, CommandId::ClearIeHistory},
        {SecurityIni::EnddetailTempo, CommandId::ClearTemporaryFiles},
        {SecurityIni::EnddetailCookie, CommandId::ClearCookies},
        {SecurityIni::EnddetailEndtab, CommandId::ClearLastClosedTab},
        {SecurityIni::EnddetailDeltab, CommandId::ClearClosedTabHistory}};
    for (const auto& [flag, id] : cleanups)
        if (flag() == 1)
            SendCommand(ToInt(id));
    // 9
    TablistIni::SetToolbar(!BarVisible(MainToolbar()));
    // 10; 11 belongs to the docking bar, which is not there yet.
    SaveBandLayout();
    // 12
    m_favoriteUrls.clear();
    m_closedTabs.SaveClosedTabs();
    return true;
}

void CMainFrame::OnRestore()
{
    const int n = EndlistIni::TabCount();
    if (n <= 0) {
        ShowMessageBox(this, QStringLiteral("前回終了状態は保存されていません"),
                       QStringLiteral("注意"), MbIcon::Exclamation);
        return;
    }
    m_restoreNext = 1;
    m_restoreCount = n;
    // At the tab limit from the start, the addresses go into the tab the
    // command was given in.
    m_restoreTab = qobject_cast<CChildFrame*>(m_wndMDIClient->activeSubWindow());
    RestoreStep();
}

void CMainFrame::RestoreStep()
{
    // One tab a second, as before, but the window stays usable between them.
    if (m_restoreNext > m_restoreCount)
        return;
    const QString url = EndlistIni::Tab(m_restoreNext);
    ++m_restoreNext;
    const int before = TabCount();
    SendCommand(ToInt(CommandId::FileNew));
    // Past the tab limit no tab opens, and the address goes into the tab the
    // restore opened last, never into one the user went to meanwhile.
    if (TabCount() > before)
        m_restoreTab = m_tabFrames.Frame(m_tabFrames.Count() - 1);
    if (CZelvoView* view = m_restoreTab ? m_restoreTab->GetView() : nullptr)
        view->Navigate2(url);
    if (m_restoreNext <= m_restoreCount)
        m_restoreTimer->start(kRestorePauseMs);
}
