#pragma once

#include "gestures/GestureRecognizer.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QMouseEvent;
class QWebEngineView;

// Right-button gestures and the middle button over one engine view. While the
// right button is held over the page, the page's render widget holds the mouse
// and its moves go to the recognizer instead of the page; a right click
// without movement reaches the page as a plain click, so it opens its menu.
class GestureCapture : public QObject {
    Q_OBJECT

public:
    struct Handlers {
        // Asked at every right or middle press: whether gestures are on.
        std::function<bool()> enabled;
        // A gesture of at least one arrow has ended.
        std::function<void(const QString& gesture)> gesture;
        // The middle button went down over the page.
        std::function<void()> middleClick;
    };

    GestureCapture(QWebEngineView& view, Handlers handlers, QObject* parent = nullptr);
    ~GestureCapture() override;

    bool IsCapturing() const { return m_active; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class EndReason {
        Released,    // the right button came up: the gesture counts
        CaptureLost, // another window took the mouse: what was drawn counts
        Abandoned,   // quit, the page hidden or gone: nothing runs
    };

    void Attach();
    bool OnPageEvent(QWidget* target, QEvent* event);
    bool OnPress(QWidget* target, QMouseEvent* event);
    void Begin(QWidget* target, QMouseEvent* press);
    void End(EndReason reason);
    bool CaptureLost() const;
    void OnApplicationEvent(QEvent* event);
    static void ReplayClick(QWidget* target, const QMouseEvent& press, const QPoint& releasePos);
    bool Enabled() const { return !m_handlers.enabled || m_handlers.enabled(); }

    QPointer<QWebEngineView> m_view;
    Handlers m_handlers;
    GestureRecognizer m_recognizer;
    bool m_active = false;
    QPointer<QWidget> m_target;
    std::shared_ptr<QMouseEvent> m_press;
    QMetaObject::Connection m_targetGone;
    QPoint m_lastPos;
    // The release after a middle press that the page never saw.
    bool m_swallowMiddleRelease = false;
    // Watches the whole application while a gesture runs.
    std::unique_ptr<QObject> m_applicationWatch;
};
