#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWebEnginePage;
class QWidget;

// Keeps a window from repainting until the engine has begun loading the page
// of a tab just opened for it. The engine's work runs on the window's thread,
// and a repaint of a window holding a page is a full composition, so drawing
// the new, still empty tab first would hold up the page it is opened for.
// What changed meanwhile is drawn in one go afterwards.
class NewTabHold : public QObject {
    Q_OBJECT

public:
    // A page that has not begun within longestHoldMs is not waited for.
    NewTabHold(QWidget& window, QWebEnginePage& page, int longestHoldMs = 200);
    ~NewTabHold() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Release();

    QPointer<QWidget> m_window;
    QTimer m_limit;
    bool m_held = false;
    bool m_released = false;
};
