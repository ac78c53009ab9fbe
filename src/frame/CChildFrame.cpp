#include "frame/CChildFrame.h"

#include "chrome/BuiltinImages.h"
#include "view/CZelvoView.h"

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
    // A dialog of this page may be open, with its own event loop below us on
    // the stack: the page goes once every one has returned.
    if (m_pView && m_pView->HasOpenDialog()) {
        connect(m_pView, &CHtmlView::dialogsClosed, this, &QObject::deleteLater);
        return;
    }
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
