#include "frame/NewTabHold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWebEnginePage>
#include <QWidget>

NewTabHold::NewTabHold(QWidget& window, QWebEnginePage& page, int longestHoldMs)
    : QObject(&window), m_window(&window)
{
    connect(&page, &QWebEnginePage::loadStarted, this, &NewTabHold::Release);
    connect(&page, &QObject::destroyed, this, &NewTabHold::Release);
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &NewTabHold::Release);
    m_limit.start(longestHoldMs);
    window.installEventFilter(this);
}

NewTabHold::~NewTabHold()
{
    if (!m_released && m_window)
        m_window->removeEventFilter(this);
}

bool NewTabHold::eventFilter(QObject* watched, QEvent* event)
{
    // The window's repaints all come through this one request; the areas to
    // draw stay collected meanwhile.
    if (!m_released && watched == m_window && event->type() == QEvent::UpdateRequest) {
        m_held = true;
        return true;
    }
    return false;
}

void NewTabHold::Release()
{
    if (m_released)
        return;
    m_released = true;
    m_limit.stop();
    if (m_window) {
        m_window->removeEventFilter(this);
        if (m_held)
            QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest),
                                        Qt::LowEventPriority);
    }
    deleteLater();
}
