#include "frame/FirstPaintHold.h"

#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <utility>

namespace {

// A page that composes no frame after its first one is not waited for longer.
constexpr int kNextFrameMs = 100;

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}

} // namespace

FirstPaintHold::FirstPaintHold(QMainWindow& window, QWebEngineView& page, int longestHoldMs)
    : QObject(&window), m_window(&window), m_page(&page)
{
    for (QToolBar* bar : window.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly))
        m_bars.append(bar);
    for (QDockWidget* dock : window.findChildren<QDockWidget*>(Qt::FindDirectChildrenOnly))
        m_bars.append(dock);
    m_bars.append(window.statusBar());
    connect(page.page(), &QWebEnginePage::loadFinished, this, [this] {
        m_loaded = true;
        ReleaseWhenShown();
    });
    m_limit.setSingleShot(true);
    m_limit.setInterval(longestHoldMs);
    connect(&m_limit, &QTimer::timeout, this, &FirstPaintHold::Release);
    qApp->installEventFilter(this);
}

FirstPaintHold::~FirstPaintHold()
{
    Release();
}

bool FirstPaintHold::eventFilter(QObject* watched, QEvent* event)
{
    if (m_released)
        return false;
    const QEvent::Type type = event->type();
    if (IsUserInput(type)) {
        Release();
    } else if (m_holding && type == QEvent::LayoutRequest && watched == m_window) {
        // A bar whose contents changed size would have the window lay out all
        // its bars again and repaint the gaps between them; their places do
        // not change as the first page loads, so that waits as well.
        m_layoutWaiting = true;
        return true;
    } else if (!m_shown && type == QEvent::Paint && watched == m_window) {
        // The bars must be drawn once; they are held after the window's first
        // paint is through.
        m_shown = true;
        QTimer::singleShot(0, this, &FirstPaintHold::Hold);
    } else if (m_holding && IsPagePaint(watched, event)) {
        ++m_pagePaints;
        ReleaseWhenShown();
    }
    return false;
}

bool FirstPaintHold::IsPagePaint(QObject* watched, QEvent* event) const
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType() || !m_page)
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    return widget != m_page && m_page->isAncestorOf(widget);
}

void FirstPaintHold::ReleaseWhenShown()
{
    // A composed frame reaches the screen with the next one. The bars come
    // after the page's second frame, so that their repaint, which takes
    // longer, does not stand in for it.
    if (!m_loaded || m_pagePaints == 0)
        return;
    if (m_pagePaints >= 2)
        QTimer::singleShot(0, this, &FirstPaintHold::Release);
    else if (m_limit.remainingTime() > kNextFrameMs)
        m_limit.start(kNextFrameMs);
}

void FirstPaintHold::Hold()
{
    if (m_released || m_holding)
        return;
    m_holding = true;
    for (const QPointer<QWidget>& bar : std::as_const(m_bars))
        if (bar)
            bar->setUpdatesEnabled(false);
    m_limit.start();
}

void FirstPaintHold::Release()
{
    if (m_released)
        return;
    m_released = true;
    m_limit.stop();
    qApp->removeEventFilter(this);
    // Turning updates on again repaints each bar as it is now.
    if (m_holding)
        for (const QPointer<QWidget>& bar : std::as_const(m_bars))
            if (bar)
                bar->setUpdatesEnabled(true);
    m_holding = false;
    if (std::exchange(m_layoutWaiting, false) && m_window)
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::LayoutRequest));
}
