#include "frame/FirstExposeHold.h"

#include <QApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// Nothing signals the request; looking this often costs nothing next to the
// drawing held.
constexpr int kPollMs = 1;

} // namespace

FirstExposeHold::FirstExposeHold(QWidget& window, std::function<bool()> requested,
                                 int longestHoldMs)
    : QObject(&window), m_window(&window), m_requested(std::move(requested))
{
    connect(&m_poll, &QTimer::timeout, this, [this] {
        if (m_requested())
            Release();
    });
    m_poll.start(kPollMs);
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &FirstExposeHold::Release);
    m_limit.start(longestHoldMs);
    qApp->installEventFilter(this);
}

bool FirstExposeHold::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Expose || m_released || !m_window ||
        watched != m_window->windowHandle())
        return false;
    if (m_requested()) {
        Release();
        return false;
    }
    m_held = true;
    return true;
}

void FirstExposeHold::Release()
{
    if (m_released)
        return;
    m_released = true;
    m_poll.stop();
    m_limit.stop();
    qApp->removeEventFilter(this);
    if (m_held && m_window && m_window->windowHandle() && m_window->windowHandle()->isExposed()) {
        QExposeEvent expose(QRegion(QRect(QPoint(), m_window->size())));
        QCoreApplication::sendEvent(m_window->windowHandle(), &expose);
    }
    deleteLater();
}
