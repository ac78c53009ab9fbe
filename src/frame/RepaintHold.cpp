#include "frame/RepaintHold.h"

#include <QApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// What ends a hold seldom signals; looking this often costs nothing next to
// the drawing held.
constexpr int kPollMs = 1;

} // namespace

RepaintHold::RepaintHold(QWidget& window, Kind kind, std::function<bool()> done, int longestHoldMs)
    : QObject(&window), m_window(&window), m_kind(kind), m_done(std::move(done))
{
    if (m_done) {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (m_done())
                Release();
        });
        m_poll.start(kPollMs);
    }
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &RepaintHold::Release);
    m_limit.start(longestHoldMs);
    // A window's native window comes only when it is shown; the repaints are
    // the window's own.
    if (kind == Kind::FirstDrawing)
        qApp->installEventFilter(this);
    else
        window.installEventFilter(this);
}

QObject* RepaintHold::Target() const
{
    if (!m_window)
        return nullptr;
    // A shown window is first drawn on its native window's exposure; later
    // repaints all come through one request to the window.
    return m_kind == Kind::FirstDrawing ? static_cast<QObject*>(m_window->windowHandle())
                                        : m_window.data();
}

bool RepaintHold::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type held = m_kind == Kind::FirstDrawing ? QEvent::Expose : QEvent::UpdateRequest;
    if (m_released || event->type() != held || !watched || watched != Target())
        return false;
    if (m_done && m_done()) {
        Release();
        return false;
    }
    m_held = true;
    return true;
}

void RepaintHold::Release()
{
    if (m_released)
        return;
    m_released = true;
    m_poll.stop();
    m_limit.stop();
    qApp->removeEventFilter(this);
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_held && m_window) {
        if (m_kind == Kind::Repaints) {
            QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest),
                                        Qt::LowEventPriority);
        } else if (QWindow* native = m_window->windowHandle(); native && native->isExposed()) {
            QExposeEvent expose(QRegion(QRect(QPoint(), m_window->size())));
            QCoreApplication::sendEvent(native, &expose);
        }
    }
    deleteLater();
}
