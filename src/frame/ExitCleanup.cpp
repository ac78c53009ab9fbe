// The exit processing of the main frame and the restore of the tabs it saved.
#include "frame/CMainFrame.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "core/StoredAddress.h"
#include "frame/CChildFrame.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "view/CZelvoView.h"

#include <QFile>
#include <QMdiArea>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kRestorePauseMs = 1000;

QString EndlistPath()
{
    return SettingsPath(QStringLiteral("Endlist.ini"));
}

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
    QFile::remove(ProfileStore::ResolvePath(EndlistPath()));
    if (m_tabFrames.IsEmpty())
        return false;
    // 4
    ProfileStore::Batch endlist(EndlistPath());
    endlist.Set("Endlist", "0", "");
    for (int i = 0; i < m_tabFrames.Count(); ++i) {
        CZelvoView* view = TabView(i);
        endlist.SetInt("Endlist", "tab_count", i + 1)
            .SetText("Endlist", QByteArray::number(i + 1).constData(),
                     view ? StoredAddress::Encode(view->GetLocationURL()) : QString());
    }
    // 5
    endlist.Set("Window", "size", isMaximized() ? "1" : "0").Commit();
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
    const QString security = SettingsPath(QStringLiteral("Security.ini"));
    const std::pair<const char*, CommandId> cleanups[] = {
        {"url", CommandId::ClearAddressHistory},   {"search", CommandId::ClearSearchHistory},
        {"history", CommandId::ClearIeHistory}, {"tempo", CommandId::ClearTemporaryFiles},
        {"cookie", CommandId::ClearCookies},        {"endtab", CommandId::ClearLastClosedTab},
        {"deltab", CommandId::ClearClosedTabHistory}};
    for (const auto& [key, id] : cleanups)
        if (GetPrivateProfileIntA("Enddetail", key, 0, security) == 1)
            SendCommand(ToInt(id));
    // 9
    WritePrivateProfileStringA("Window", "toolbar", BarVisible(MainToolbar()) ? "0" : "1",
                               SettingsPath(QStringLiteral("Tablist.ini")));
    // 10; 11 belongs to the docking bar, which is not there yet.
    SaveBandLayout();
    // 12
    m_favoriteUrls.clear();
    m_closedTabs.SaveClosedTabs();
    return true;
}

void CMainFrame::OnRestore()
{
    const int n = GetPrivateProfileIntA("Endlist", "tab_count", 0, EndlistPath());
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
    const QString url = ProfileStore::GetText(
        "Endlist", QByteArray::number(m_restoreNext).constData(), QString(), 780, EndlistPath());
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
