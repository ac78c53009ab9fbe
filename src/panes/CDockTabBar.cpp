#include "panes/CDockTabBar.h"

#include "panes/CDockCaption.h"
#include "panes/CDockTabCtrl.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The space kept around the strip and the panes.
constexpr int kMargin = 7;
constexpr int kHorizontalHeight = 200;

} // namespace

CDockTabBar::CDockTabBar(QWidget* parent) : QDockWidget(QStringLiteral("ドッキングバー"), parent)
{
    setObjectName(QStringLiteral("m_wndDockBar"));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                QDockWidget::DockWidgetClosable);

    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("dockBody"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(kMargin, 0, kMargin, kMargin);
    layout->setSpacing(0);
    m_tabs = new CDockTabCtrl(body);
    m_stack = new QStackedWidget(body);
    m_stack->setMinimumSize(0, 0);
    layout->addWidget(m_tabs);
    layout->addWidget(m_stack, 1);
    QPalette palette = body->palette();
    palette.setColor(QPalette::Window, m_tabs->Background());
    body->setPalette(palette);
    body->setAutoFillBackground(true);
    body->setMinimumSize(0, 0);
    setWidget(body);

    // Docked left or right the caption is the handle to drag the bar by; at
    // the top, bottom or afloat a thin strip of the bar's colour is.
    m_captionHolder = new QWidget(this);
    auto* captionRow = new QVBoxLayout(m_captionHolder);
    captionRow->setContentsMargins(kMargin, 5, kMargin, 1);
    m_caption = new CDockCaption(m_captionHolder);
    captionRow->addWidget(m_caption);
    m_captionHolder->setPalette(palette);
    m_captionHolder->setAutoFillBackground(true);
    m_grip = new QWidget(this);
    m_grip->setObjectName(QStringLiteral("dockGrip"));
    auto* gripRow = new QVBoxLayout(m_grip);
    gripRow->setContentsMargins(0, 0, 0, 0);
    gripRow->addSpacing(kMargin);
    m_grip->setPalette(palette);
    m_grip->setAutoFillBackground(true);
    m_grip->hide();
    setTitleBarWidget(m_captionHolder);
    setMinimumSize(kMinimumSize, kMinimumSize);

    connect(m_caption, &CDockCaption::closeClicked, this, &CDockTabBar::closeRequested);
    connect(m_tabs, &QTabBar::currentChanged, this, &CDockTabBar::SelectView);
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea area) {
        m_area = area;
        OnPlacementChanged();
    });
    connect(this, &QDockWidget::topLevelChanged, this, [this] { OnPlacementChanged(); });
}

bool CDockTabBar::AddView(const QString& name, const PaneFactory& create)
{
    QWidget* view = create ? create(m_stack) : nullptr;
    if (!view)
        return false;
    const QString cut = name.left(kMaxNameLength);
    m_panes.append({view, cut});
    m_stack->addWidget(view);
    const int index = int(m_panes.size()) - 1;
    const QSignalBlocker quiet(m_tabs);
    m_tabs->addTab(m_tabs->PaneIcon(index), cut);
    if (index == m_activeIndex) {
        m_stack->setCurrentWidget(view);
        m_tabs->setCurrentIndex(index);
    } else {
        view->setEnabled(false);
    }
    return true;
}

void CDockTabBar::SelectView(int index)
{
    if (index == -1 || index == m_activeIndex || index >= ViewCount())
        return;
    if (QWidget* old = ActiveView())
        old->setEnabled(false);
    QWidget* view = View(index);
    view->setEnabled(true);
    m_stack->setCurrentWidget(view);
    view->setFocus();
    m_activeIndex = index;
    const QSignalBlocker quiet(m_tabs);
    m_tabs->setCurrentIndex(index);
    emit viewSelected(index);
}

QWidget* CDockTabBar::View(int index) const
{
    return index >= 0 && index < ViewCount() ? m_panes.at(index).view : nullptr;
}

QString CDockTabBar::ViewName(int index) const
{
    return index >= 0 && index < ViewCount() ? m_panes.at(index).name : QString();
}

bool CDockTabBar::IsHorizontalOrFloating() const
{
    return isFloating() || m_area == Qt::TopDockWidgetArea || m_area == Qt::BottomDockWidgetArea;
}

void CDockTabBar::OnPlacementChanged()
{
    const bool horizontal = IsHorizontalOrFloating();
    QWidget* wanted = horizontal ? m_grip : m_captionHolder;
    if (titleBarWidget() != wanted) {
        titleBarWidget()->hide();
        setTitleBarWidget(wanted);
        wanted->show();
    }
    m_caption->setVisible(!horizontal);
    // At the top or bottom the bar starts as high as a new bar is.
    auto* frame = qobject_cast<QMainWindow*>(parentWidget());
    if (frame && !isFloating() && horizontal)
        frame->resizeDocks({this}, {kHorizontalHeight}, Qt::Vertical);
}

void CDockTabBar::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested();
}
