#include "view/GestureCapture.h"

#include <QApplication>
#include <QChildEvent>
#include <QMouseEvent>
#include <QWebEngineView>

#include <utility>

namespace {

// Our own click on its way to the page.
bool g_replaying = false;

class ApplicationWatch : public QObject {
public:
    explicit ApplicationWatch(std::function<void(QEvent*)> watch) : m_watch(std::move(watch)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_watch(event);
        return false;
    }

private:
    std::function<void(QEvent*)> m_watch;
};

} // namespace

GestureCapture::GestureCapture(QWebEngineView& view, Handlers handlers, QObject* parent)
    : QObject(parent), m_view(&view), m_handlers(std::move(handlers)),
      m_applicationWatch(new ApplicationWatch([this](QEvent* event) { OnApplicationEvent(event); }))
{
    view.installEventFilter(this);
    Attach();
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_active)
            End(EndReason::Abandoned);
    });
}

GestureCapture::~GestureCapture()
{
    if (m_active)
        End(EndReason::Abandoned);
}

void GestureCapture::Attach()
{
    // The engine replaces its render widget on some navigations; every widget
    // it puts into the view is watched, and only the current one counts.
    if (!m_view)
        return;
    for (QWidget* child : m_view->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

bool GestureCapture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view) {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType())
                child->installEventFilter(this);
        }
        return false;
    }
    if (m_view && watched->isWidgetType() && watched == m_view->focusProxy())
        return OnPageEvent(static_cast<QWidget*>(watched), event);
    return false;
}

void GestureCapture::OnApplicationEvent(QEvent* event)
{
    if (!m_active)
        return;
    if (event->type() == QEvent::Quit)
        End(EndReason::Abandoned);
    else if (CaptureLost())
        End(EndReason::CaptureLost);
}

bool GestureCapture::OnPageEvent(QWidget* target, QEvent* event)
{
    if (g_replaying)
        return false;
    if (m_active && target != m_target) {
        End(EndReason::Abandoned);
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return OnPress(target, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        if (!m_active)
            return false;
        m_lastPos = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_recognizer.Move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint(),
                          static_cast<quint32>(static_cast<QMouseEvent*>(event)->timestamp()));
        return true;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::MiddleButton && std::exchange(m_swallowMiddleRelease, false))
            return true;
        if (!m_active || mouse->button() != Qt::RightButton)
            return false;
        m_lastPos = mouse->position().toPoint();
        End(EndReason::Released);
        return true;
    }
    case QEvent::Hide:
        if (m_active)
            End(EndReason::Abandoned);
        return false;
    default:
        return false;
    }
}

bool GestureCapture::OnPress(QWidget* target, QMouseEvent* event)
{
    if (m_active)
        return event->button() == Qt::RightButton;
    if (event->button() == Qt::RightButton) {
        if (!Enabled())
            return false;
        Begin(target, event);
        return true;
    }
    if (event->button() == Qt::MiddleButton) {
        if (!Enabled())
            return false;
        m_swallowMiddleRelease = true;
        // From the event loop: the new tab may hide this page meanwhile.
        if (event->type() == QEvent::MouseButtonPress && m_handlers.middleClick)
            QMetaObject::invokeMethod(
                this, [this] { m_handlers.middleClick(); }, Qt::QueuedConnection);
        return true;
    }
    return false;
}

void GestureCapture::Begin(QWidget* target, QMouseEvent* press)
{
    m_active = true;
    m_target = target;
    m_press.reset(static_cast<QMouseEvent*>(press->clone()));
    m_lastPos = press->position().toPoint();
    m_recognizer.Begin(press->globalPosition().toPoint(), static_cast<quint32>(press->timestamp()));
    target->grabMouse();
    // Watches the whole application for a quit and for another window taking
    // the mouse, until the gesture ends.
    qApp->installEventFilter(m_applicationWatch.get());
    m_targetGone = connect(target, &QObject::destroyed, this, [this] {
        if (m_active)
            End(EndReason::Abandoned);
    });
}

void GestureCapture::End(EndReason reason)
{
    m_active = false;
    qApp->removeEventFilter(m_applicationWatch.get());
    disconnect(m_targetGone);
    QWidget* target = m_target;
    if (target) {
        if (QWidget::mouseGrabber() == target)
            target->releaseMouse();
    }
    m_target = nullptr;
    const QString gesture = m_recognizer.Result();
    if (reason == EndReason::Abandoned)
        return;
    // Run from the event loop: the command may close the tab, and this view's
    // capture with it, which drops the call.
    if (!gesture.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this, gesture] {
                if (m_handlers.gesture)
                    m_handlers.gesture(gesture);
            },
            Qt::QueuedConnection);
    } else if (reason == EndReason::Released && target && m_press) {
        QPointer<QWidget> page(target);
        const QPoint at = m_lastPos;
        std::shared_ptr<QMouseEvent> press = std::exchange(m_press, nullptr);
        QMetaObject::invokeMethod(
            this,
            [page, press, at] {
                if (page)
                    ReplayClick(page, *press, at);
            },
            Qt::QueuedConnection);
    }
}

bool GestureCapture::CaptureLost() const
{
    if (QApplication::activePopupWidget())
        return true;
    const QWidget* grabber = QWidget::mouseGrabber();
    if (grabber && grabber != m_target)
        return true;
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && m_target && modal != m_target->window();
}

void GestureCapture::ReplayClick(QWidget* target, const QMouseEvent& press,
                                 const QPoint& releasePos)
{
    QPointer<QWidget> page(target);
    std::unique_ptr<QEvent> down(press.clone());
    QMouseEvent up(QEvent::MouseButtonRelease, releasePos, target->mapToGlobal(releasePos),
                   Qt::RightButton, Qt::NoButton, press.modifiers());
    up.setTimestamp(press.timestamp());
    g_replaying = true;
    QApplication::sendEvent(target, down.get());
    if (page)
        QApplication::sendEvent(target, &up);
    g_replaying = false;
}
