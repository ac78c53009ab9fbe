#include "ScreenWatch.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

// Rows sampled: dense enough that no text line falls between two of them.
constexpr int kRowStep = 3;

bool Near(int value, int target)
{
    return std::abs(value - target) <= 2;
}

enum class Ink { Other, Heading, Link };

// Pixels come as blue, green, red, unused.
Ink InkOf(const quint8* p)
{
    if (Near(p[2], 255) && Near(p[1], 0) && Near(p[0], 0))
        return Ink::Heading;
    // Unvisited link text, or the aqua behind same-site links.
    if ((Near(p[2], 0) && Near(p[1], 0) && Near(p[0], 238)) ||
        (Near(p[2], 0) && Near(p[1], 255) && Near(p[0], 255)))
        return Ink::Link;
    return Ink::Other;
}

} // namespace

ScreenWatch::ScreenWatch(const QElapsedTimer& clock) : m_clock(clock)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return;
    }
    m_connection = c;
    m_thread = std::thread([this] { Loop(); });
}

ScreenWatch::~ScreenWatch()
{
    m_running = false;
    if (m_thread.joinable())
        m_thread.join();
    if (m_connection)
        xcb_disconnect(m_connection);
}

void ScreenWatch::arm(const QRect& screenRect)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_shownAt = -1;
    m_rect = screenRect;
}

void ScreenWatch::disarm()
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_rect = QRect();
}

bool ScreenWatch::ListShown(const QRect& rect)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    std::vector<std::pair<int, xcb_get_image_cookie_t>> rows;
    for (int y = rect.top(); y <= rect.bottom(); y += kRowStep)
        rows.emplace_back(y, xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, rect.x(),
                                           y, rect.width(), 1, ~0u));
    const int lastQuarter = rect.top() + rect.height() * 3 / 4;
    int heading = 0;
    bool linkBelow = false;
    for (const auto& [y, cookie] : rows) {
        xcb_get_image_reply_t* image = xcb_get_image_reply(m_connection, cookie, nullptr);
        if (!image)
            continue;
        const quint8* data = xcb_get_image_data(image);
        const int length = xcb_get_image_data_length(image);
        for (int i = 0; i + 3 < length; i += 4) {
            const Ink ink = InkOf(data + i);
            heading += ink == Ink::Heading;
            linkBelow = linkBelow || (ink == Ink::Link && y >= lastQuarter);
        }
        free(image);
    }
    return heading >= 10 && linkBelow;
}

void ScreenWatch::Loop()
{
    while (m_running) {
        QRect rect;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            rect = m_rect;
        }
        // The grab's start counts: the pixels were there by then at the latest.
        const double at = m_clock.nsecsElapsed() / 1e6;
        if (rect.isValid() && m_shownAt.load() < 0 && ListShown(rect)) {
            std::lock_guard<std::mutex> hold(m_lock);
            if (m_rect == rect)
                m_shownAt = at;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}
