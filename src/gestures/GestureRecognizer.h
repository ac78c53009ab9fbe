#pragma once

#include <QPoint>
#include <QString>

// Turns the pointer's path while the right button is held into a string of
// arrows ("→", "↑", "←", "↓"). Points are screen coordinates; times are
// milliseconds of a wrapping 32-bit tick count.
class GestureRecognizer {
public:
    static constexpr int kStepPixels = 10;
    static constexpr quint32 kRepeatPauseMs = 300;

    void Begin(QPoint point, quint32 time);
    void Move(QPoint point, quint32 time);
    QString Result() const { return m_gesture; }

    // Degrees from the anchor to p, counter-clockwise from the positive x axis
    // with y pointing up, truncated: 0 to 359.
    static int Angle(QPoint anchor, QPoint p);
    static QChar ArrowFor(int angle);

private:
    QPoint m_anchor;
    QString m_gesture;
    QChar m_lastArrow;
    // All bits set until the first step.
    quint32 m_lastStroke = 0xFFFFFFFFu;
};
