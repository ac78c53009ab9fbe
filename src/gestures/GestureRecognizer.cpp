#include "gestures/GestureRecognizer.h"

#include <cmath>
#include <numbers>

namespace {

const QChar kRight(0x2192);
const QChar kUp(0x2191);
const QChar kLeft(0x2190);
const QChar kDown(0x2193);

} // namespace

void GestureRecognizer::Begin(QPoint point, quint32 time)
{
    Q_UNUSED(time);
    m_anchor = point;
    m_gesture.clear();
    m_lastArrow = QChar();
    m_lastStroke = 0xFFFFFFFFu;
}

int GestureRecognizer::Angle(QPoint anchor, QPoint p)
{
    const int dx = p.x() - anchor.x();
    const int dy = anchor.y() - p.y();
    if (dx == 0 && dy == 0)
        return 0;
    if (dx == 0)
        return anchor.y() >= p.y() ? 90 : 270;
    if (dy == 0)
        return anchor.x() >= p.x() ? 180 : 0;
    double degrees = std::atan2(double(dy), double(dx)) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    return static_cast<int>(degrees);
}

QChar GestureRecognizer::ArrowFor(int angle)
{
    if (angle < 45 || angle > 315)
        return kRight;
    if (angle <= 135)
        return kUp;
    if (angle < 225)
        return kLeft;
    return kDown;
}

void GestureRecognizer::Move(QPoint point, quint32 time)
{
    const double dx = m_anchor.x() - point.x();
    const double dy = m_anchor.y() - point.y();
    if (static_cast<int>(std::sqrt(dx * dx + dy * dy)) < kStepPixels)
        return;
    const QChar arrow = ArrowFor(Angle(m_anchor, point));
    m_anchor = point;
    // The same direction after a pause is a new stroke.
    if (arrow == m_lastArrow && quint32(time - m_lastStroke) > kRepeatPauseMs)
        m_lastArrow = QChar();
    if (arrow != m_lastArrow) {
        m_gesture += arrow;
        m_lastArrow = arrow;
    }
    m_lastStroke = time;
}
