#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

// Holds a starting window's first drawing until the engine has sent the first
// page's request. The first drawing is the longest the window does, and the
// engine needs the same thread to send the request; sent first, the request
// is on its way while the window draws.
class FirstExposeHold : public QObject {
    Q_OBJECT

public:
    // requested: whether the engine has sent its first request. One that
    // has not gone after longestHoldMs is not waited for.
    FirstExposeHold(QWidget& window, std::function<bool()> requested, int longestHoldMs = 100);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Release();

    QPointer<QWidget> m_window;
    std::function<bool()> m_requested;
    QTimer m_poll;
    QTimer m_limit;
    bool m_held = false;
    bool m_released = false;
};
