#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class CChildFrame;
class CMainFrame;

// Reopens the tabs the previous run saved in Endlist.ini, one a second, while
// the window stays usable.
class CSessionRestore : public QObject {
    Q_OBJECT

public:
    static constexpr int kPauseMs = 1000;

    explicit CSessionRestore(CMainFrame& frame);

    // Tells the user when nothing was saved.
    void Start();
    void Stop() { m_timer.stop(); }
    bool IsRunning() const { return m_timer.isActive(); }

private:
    void Step();

    CMainFrame& m_frame;
    QTimer m_timer;
    // The tab the restore opened last; addresses past the tab limit go there.
    QPointer<CChildFrame> m_lastTab;
    int m_next = 0;
    int m_count = 0;
};
