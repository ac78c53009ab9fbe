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
    // A box of this page may be open inside the engine's question about a
    // navigation: the page goes once that is answered.
    if (m_pView && m_pView->IsDeciding()) {
        connect(m_pView, &CHtmlView::decisionEnded, this, &QObject::deleteLater);
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
