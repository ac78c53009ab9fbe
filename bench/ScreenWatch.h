#pragma once

#include <QElapsedTimer>
#include <QRect>

#include <atomic>
#include <mutex>
#include <thread>

struct xcb_connection_t;

// Watches the X screen from a thread of its own, with a connection of its own,
// so that the watched program's event loop does no work for it. Armed with a
// screen rectangle, it notes the first moment a generated list shows there:
// the red heading and link-coloured text down in the rectangle's last quarter
// (a page fills the view top down, so that is a full screen of the list).
class ScreenWatch {
public:
    explicit ScreenWatch(const QElapsedTimer& clock);
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    bool connected() const { return m_connection != nullptr; }
    void arm(const QRect& screenRect);
    // Milliseconds on the clock when the list showed; negative until then.
    double shownAt() const { return m_shownAt.load(); }
    void disarm();

private:
    bool ListShown(const QRect& rect);
    void Loop();

    const QElapsedTimer& m_clock;
    xcb_connection_t* m_connection = nullptr;
    std::mutex m_lock;
    QRect m_rect;
    std::atomic<double> m_shownAt{-1};
    std::atomic<bool> m_running{true};
    std::thread m_thread;
};
