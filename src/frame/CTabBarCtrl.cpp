#include "frame/CTabBarCtrl.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {

QColor ColorOf(const char* section)
{
    const QString path = SettingsPath(QStringLiteral("Color.ini"));
    return QColor(GetPrivateProfileIntA(section, "red", 0, path) & 0xFF,
                  GetPrivateProfileIntA(section, "green", 0, path) & 0xFF,
                  GetPrivateProfileIntA(section, "blue", 0, path) & 0xFF);
}

constexpr int kMinTabWidth = 120;

} // namespace

CTabBarCtrl::CTabBarCtrl(QWidget* parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("m_wndTabBar"));
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    setIconSize(QSize(14, 14));
    // Only a click activates a tab; keys would move the selection alone.
    setFocusPolicy(Qt::NoFocus);
    ReloadColors();
}

void CTabBarCtrl::ReloadColors()
{
    const QString path = SettingsPath(QStringLiteral("Color.ini"));
    m_face = ColorOf("TabColor");
    m_activeText = ColorOf("ATabColor");
    m_inactiveText = ColorOf("NoATabColor");
    m_plainFaces = GetPrivateProfileIntA("TabColor", "enable", 0, path) == 1;
    update();
}

QColor CTabBarCtrl::FaceColor() const
{
    // The system's face colour: the band's own button brush is the skin picture.
    return m_plainFaces ? QGuiApplication::palette().color(QPalette::Button) : m_face;
}

QSize CTabBarCtrl::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    size.setWidth(std::max(size.width(), kMinTabWidth));
    return size;
}

void CTabBarCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int blank = metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < count(); ++i) {
        QRect r = tabRect(i);
        if (!r.isValid())
            continue;
        const bool active = i == currentIndex();
        if (!active)
            r.adjust(0, 2, 0, 0);
        painter.fillRect(r.adjusted(1, 1, -1, 0), FaceColor());
        // Frame lines: light above and left, shadow at the right.
        const QPalette system = QGuiApplication::palette();
        painter.setPen(system.color(QPalette::Light));
        painter.drawLine(r.left(), r.bottom(), r.left(), r.top());
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.setPen(system.color(QPalette::Dark));
        painter.drawLine(r.right(), r.top() + 1, r.right(), r.bottom());
        QRect content = r.adjusted(1, 1, -1, 0);
        const QIcon icon = tabIcon(i);
        if (!icon.isNull()) {
            content.setLeft(content.left() + blank);
            const QSize size = iconSize();
            painter.drawPixmap(content.left(), content.top() + 2, icon.pixmap(size));
            content.setLeft(content.left() + size.width());
        }
        painter.setPen(active ? m_activeText : m_inactiveText);
        QString text = tabText(i);
        text.replace(QStringLiteral("&&"), QStringLiteral("&"));
        painter.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
}

void CTabBarCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        // The tab menu acts on the focused tab, so a right click selects nothing.
        emit rightClicked(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTabBar::mousePressEvent(event);
}

void CTabBarCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    // The tab menu was shown on the press already.
    event->accept();
}

void CTabBarCtrl::wheelEvent(QWheelEvent* event)
{
    // Turning the wheel would select a tab without activating its page.
    event->accept();
}
