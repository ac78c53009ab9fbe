#include "panes/CDockTabCtrl.h"

#include "chrome/BuiltinImages.h"
#include "chrome/ToolbarImages.h"
#include "ini/ColorIni.h"

#include <QPainter>

namespace {

// Room for the picture and the style's margins beside it.
constexpr QSize kTabSize(30, 25);

} // namespace

CDockTabCtrl::CDockTabCtrl(QWidget* parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("dockTabCtrl"));
    const ColorIni::Rgb stored = ColorIni::Background();
    m_background = QColor(stored.red, stored.green, stored.blue);
    m_images = LoadToolbarImages(QStringLiteral("docktab.bmp"), BuiltinImages::DockTabStrip(),
                                 BuiltinImages::kDockTabImageSize);
    setIconSize(QSize(BuiltinImages::kDockTabImageSize, BuiltinImages::kDockTabImageSize));
    setFocusPolicy(Qt::NoFocus);
    setExpanding(false);
    setDrawBase(false);
    setUsesScrollButtons(true);
    // One row of icon tabs, whatever the bar's width.
    setFixedHeight(kTabSize.height());
    setToolTip(QStringLiteral("1:お気に入り 2:タブウインドの切り替え 3:プロパティ 4:タブ削除履歴 "
                              "5:巡回グループ 6:ポケットの中身"));
}

QIcon CDockTabCtrl::PaneIcon(int index) const
{
    return index >= 0 && index < m_images.size() ? QIcon(m_images.at(index)) : QIcon();
}

QSize CDockTabCtrl::tabSizeHint(int index) const
{
    // Tabs with a name are as wide as it needs; the icon tabs have one size.
    if (!tabText(index).isEmpty())
        return QTabBar::tabSizeHint(index).expandedTo(kTabSize);
    return kTabSize;
}

QSize CDockTabCtrl::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void CDockTabCtrl::paintEvent(QPaintEvent* event)
{
    if (count() > 0) {
        QPainter p(this);
        p.fillRect(rect(), m_background);
    }
    QTabBar::paintEvent(event);
}
