#include "frame/CSessionRestore.h"

#include "commands/CommandId.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "ini/EndlistIni.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"

CSessionRestore::CSessionRestore(CMainFrame& frame) : QObject(&frame), m_frame(frame)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSessionRestore::Step);
}

void CSessionRestore::Start()
{
    const int n = EndlistIni::TabCount();
    if (n <= 0) {
        ShowMessageBox(&m_frame, QStringLiteral("前回終了状態は保存されていません"),
                       QStringLiteral("注意"), MbIcon::Exclamation);
        return;
    }
    m_next = 1;
    m_count = n;
    // At the tab limit from the start, the addresses go into the tab the
    // command was given in.
    m_lastTab = m_frame.FrameOf(m_frame.ActiveZelvoView());
    Step();
}

void CSessionRestore::Step()
{
    if (m_next > m_count)
        return;
    const QString url = EndlistIni::Tab(m_next);
    ++m_next;
    const int before = m_frame.TabCount();
    m_frame.SendCommand(ToInt(CommandId::FileNew));
    // Past the tab limit no tab opens, and the address goes into the tab the
    // restore opened last, never into one the user went to meanwhile.
    if (m_frame.TabCount() > before)
        m_lastTab = m_frame.Tabs().Frame(m_frame.TabCount() - 1);
    if (CZelvoView* view = m_lastTab ? m_lastTab->GetView() : nullptr)
        view->Navigate2(url);
    if (m_next <= m_count)
        m_timer.start(kPauseMs);
}
