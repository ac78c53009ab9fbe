#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QMainWindow;
class QWebEngineView;
class QWidget;

// Keeps the bars of a window from repainting while its first page is on its
// way. Every repaint of the window costs a full composition of the window
// with the page on the thread the engine also needs, so the labels, the
// status text and the address that change as the first page loads would hold
// up the page's own first frame. The bars are drawn once when the window is
// first shown and again, in their latest state, once the page has painted,
// the user touches the window, or a short while has passed.
class FirstPaintHold : public QObject {
    Q_OBJECT

public:
    // A page slower than longestHoldMs is not waited for.
    FirstPaintHold(QMainWindow& window, QWebEngineView& page, int longestHoldMs = 1000);
    ~FirstPaintHold() override;

    // True while the bars are not repainted.
    bool IsHolding() const { return m_holding; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Hold();
    void Release();
    void ReleaseWhenShown();
    bool IsPagePaint(QObject* watched, QEvent* event) const;

    QPointer<QMainWindow> m_window;
    QPointer<QWebEngineView> m_page;
    QList<QPointer<QWidget>> m_bars;
    QTimer m_limit;
    bool m_holding = false;
    bool m_shown = false;
    bool m_loaded = false;
    bool m_released = false;
    bool m_layoutWaiting = false;
    int m_pagePaints = 0;
};
