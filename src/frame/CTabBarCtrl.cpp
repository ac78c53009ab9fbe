#include "frame/CTabBarCtrl.h"

#include "chrome/BuiltinImages.h"
#include "chrome/ToolbarImages.h"
#include "frame/TabModel.h"
#include "ini/ColorIni.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QWheelEvent>

namespace {

QColor ColorOf(const ColorIni::Rgb& stored)
{
    return QColor(stored.red, stored.green, stored.blue);
}

constexpr int kMinTabWidth = 120;
// How far the selected tab stands out of the others.
constexpr int kRaise = 2;

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

void CTabBarCtrl::SetModel(const TabModel* model)
{
    m_model = model;
    m_stateImages = CutStrip(BuiltinImages::TabStateStrip(), BuiltinImages::kTabStateImageSize);
    Insert(0, model->Count() - 1);
    connect(model, &TabModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { Insert(first, last); });
    connect(model, &TabModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        for (int i = last; i >= first; --i)
            removeTab(i);
    });
    connect(model, &TabModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                Update(from.row(), to.row(), roles);
            });
}

void CTabBarCtrl::Insert(int first, int last)
{
    for (int i = first; i <= last; ++i) {
        insertTab(i, QString());
        Update(i, i, {});
    }
}

void CTabBarCtrl::Update(int first, int last, const QList<int>& roles)
{
    auto wanted = [&roles](int role) { return roles.isEmpty() || roles.contains(role); };
    for (int i = first; i <= last && i < count(); ++i) {
        const QModelIndex at = m_model->index(i);
        // Every new text lays the bar out anew, and that scrolls a scrolled bar
        // to its selected tab: only a label that changed is set.
        if (wanted(Qt::DisplayRole)) {
            // A tab label holds "&" literally; the bar would read it as a mnemonic.
            const QString label =
                at.data(Qt::DisplayRole).toString().replace(QLatin1Char('&'), QStringLiteral("&&"));
            if (tabText(i) != label)
                setTabText(i, label);
        }
        // A tool tip would take a title that looks like markup for markup.
        if (wanted(Qt::ToolTipRole))
            setTabToolTip(i, Qt::convertFromPlainText(at.data(Qt::ToolTipRole).toString()));
        if (wanted(TabModel::BusyRole))
            setTabIcon(i, m_stateImages.value(at.data(TabModel::BusyRole).toBool()
                                                  ? BuiltinImages::TabBusy
                                                  : BuiltinImages::TabIdle));
    }
}

void CTabBarCtrl::ReloadColors()
{
    m_face = ColorOf(ColorIni::TabColor());
    m_activeText = ColorOf(ColorIni::ATabColor());
    m_inactiveText = ColorOf(ColorIni::NoATabColor());
    m_plainFaces = ColorIni::TabColorEnable() == 1;
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

bool CTabBarCtrl::IsShown(int index) const
{
    const QRect r = tabRect(index);
    return r.isValid() && r.left() >= 0;
}

void CTabBarCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int current = currentIndex();
    for (int i = 0; i < count(); ++i)
        if (i != current && IsShown(i))
            DrawTab(painter, i, false);
    if (count() == 0)
        return;
    // The edge of the band the tabs stand on; the selected tab covers it.
    const int base = tabRect(0).bottom();
    painter.setPen(QGuiApplication::palette().color(QPalette::Dark));
    painter.drawLine(0, base, width() - 1, base);
    if (current >= 0 && IsShown(current))
        DrawTab(painter, current, true);
}

void CTabBarCtrl::DrawTab(QPainter& painter, int index, bool selected) const
{
    const QRect r = tabRect(index);
    // The selected tab stands raised, wider and joined to the band below;
    // the others are set back and stop at the band's edge.
    const QRect body = selected ? r.adjusted(-kRaise, 0, kRaise, 0) : r.adjusted(0, kRaise, 0, -1);
    painter.fillRect(body.adjusted(2, 2, -2, 0), FaceColor());
    const QPalette system = QGuiApplication::palette();
    // An outline with cut corners in the shadow colour, lit inside at the left
    // and top and shaded inside at the right: a raised edge that shows on any
    // background, the band's skin included.
    painter.setPen(system.color(QPalette::Dark));
    painter.drawLine(body.left(), body.bottom(), body.left(), body.top() + 2);
    painter.drawPoint(body.left() + 1, body.top() + 1);
    painter.drawLine(body.left() + 2, body.top(), body.right() - 2, body.top());
    painter.drawPoint(body.right() - 1, body.top() + 1);
    painter.drawLine(body.right(), body.top() + 2, body.right(), body.bottom());
    painter.setPen(system.color(QPalette::Light));
    painter.drawLine(body.left() + 1, body.bottom(), body.left() + 1, body.top() + 2);
    painter.drawLine(body.left() + 2, body.top() + 1, body.right() - 2, body.top() + 1);
    painter.setPen(system.color(QPalette::Mid));
    painter.drawLine(body.right() - 1, body.top() + 2, body.right() - 1, body.bottom());

    QRect content = r.adjusted(1, kRaise + 1, -2, -1);
    if (selected)
        content.translate(0, -kRaise);
    const QIcon icon = tabIcon(index);
    if (!icon.isNull()) {
        content.setLeft(content.left() + QFontMetrics(font()).horizontalAdvance(QLatin1Char(' ')));
        const QSize size = iconSize();
        painter.drawPixmap(content.left(), content.top() + 2, icon.pixmap(size));
        content.setLeft(content.left() + size.width());
    }
    painter.setPen(selected ? m_activeText : m_inactiveText);
    QString text = tabText(index);
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    painter.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, text);
}

void CTabBarCtrl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::RightButton) {
        // The tab menu acts on the focused tab, so a right click selects nothing.
        emit rightClicked(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    // The tab is found once, where the press was. Selecting it may scroll the
    // bar, and a second look would find whatever tab came under the mouse.
    const int index = tabAt(event->position().toPoint());
    if (index < 0 || !IsShown(index))
        return;
    setCurrentIndex(index);
    emit tabBarClicked(index);
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
