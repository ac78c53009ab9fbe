#include "frame/CChildFrame.h"

#include "chrome/BuiltinImages.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(QWidget* parent) : QMdiSubWindow(parent)
{
    // Tabs always fill the MDI area; the tab bar stands in for their captions.
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    setWindowIcon(BuiltinImages::ChildFrameIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void CChildFrame::DestroyFrame()
{
    m_destroying = true;
    close();
    deleteLater();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (m_destroying) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    // The tab's own close goes through the frame: lock, history, never the last tab.
    event->ignore();
    emit closeRequested();
}
