// The exit processing of the main frame.
#include "frame/CMainFrame.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "core/StoredAddress.h"
#include "frame/CChildFrame.h"
#include "frame/CSessionRestore.h"
#include "ini/EndlistIni.h"
#include "ini/SecurityIni.h"
#include "ini/StateIni.h"
#include "panes/CDockTabBar.h"
#include "ini/TablistIni.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "view/CZelvoView.h"

#include <QFile>
#include <QMdiArea>
#include <QTimer>
#include <QToolBar>

bool CMainFrame::ExitCleanup()
{
    // Nothing may run on a frame that is going.
    m_titleTimer->stop();
    m_refreshTimer->stop();
    m_restore->Stop();
    // The address and search histories.
    if (m_saveHistories)
        m_saveHistories();
    // The saved tabs are those of this run or none.
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
    // The tabs go without entering the closed-tab history.
    for (int i = m_tabFrames.Count() - 1; i >= 0; --i) {
        CChildFrame* frame = m_tabFrames.Frame(i);
        RemoveTab(frame);
        frame->DestroyFrame();
    }
    // The generated pages of this run.
    for (const char* name : {"realone.html", "media.html", "選択範囲のソースコード.txt",
                             "Image.html", "Link.html", "history.html", "poket.ini"})
        QFile::remove(ProfileStore::ResolvePath(SettingsPath(QString::fromUtf8(name))));
    // The clean-ups the user chose for the exit.
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
    TablistIni::SetToolbar(!BarVisible(MainToolbar()));
    // The bars as they stand, for the next start.
    m_bandLayout.Save();
    StateIni::SetDockLen(m_wndDockBar->width());
    m_favoriteUrls.clear();
    m_closedTabs.SaveClosedTabs();
    return true;
}
