#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

// Keeps a window from drawing while the engine, which shares the window's
// thread, gets a page under way: a drawing of a window holding a page is a
// full composition and would hold the page up. What was held is drawn in one
// go afterwards.
class RepaintHold : public QObject {
    Q_OBJECT

public:
    enum class Kind {
        FirstDrawing, // the window's first drawing when it is shown
        Repaints,     // its repaints
    };

    // done, when given, is asked now and then and ends the hold; the hold
    // ends after longestHoldMs in any case. Ends itself, or call Release.
    RepaintHold(QWidget& window, Kind kind, std::function<bool()> done, int longestHoldMs);

    void Release();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* Target() const;

    QPointer<QWidget> m_window;
    Kind m_kind;
    std::function<bool()> m_done;
    QTimer m_poll;
    QTimer m_limit;
    bool m_held = false;
    bool m_released = false;
};
