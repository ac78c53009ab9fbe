#pragma once

#include <QDockWidget>
#include <QList>
#include <QPointer>

#include <functional>

class CDockCaption;
class CDockTabCtrl;
class QStackedWidget;

// The docking bar: a dockable side bar that shows one of its panes at a time
// behind a strip of icon tabs. It docks on every side of the main window (the
// left at start), floats, and is resized by its inner edge. Each pane is a
// widget of its own class, added once with AddView and found again with
// GetViewByClass.
class CDockTabBar : public QDockWidget {
    Q_OBJECT

public:
    // Neither width nor height goes below this by the edge.
    static constexpr int kMinimumSize = 32;
    static constexpr int kMaxNameLength = 31;

    using PaneFactory = std::function<QWidget*(QWidget* parent)>;

    explicit CDockTabBar(QWidget* parent = nullptr);

    // Makes a pane and its tab at the end, the tab showing name (cut to 31
    // characters) and the picture of its position. The first pane is the
    // active one; later ones wait hidden. False when no pane came.
    bool AddView(const QString& name, const PaneFactory& create);
    template <class T, class... Args>
    bool AddView(const QString& name, Args... args)
    {
        return AddView(name, [=](QWidget* parent) { return new T(args..., parent); });
    }

    // Shows pane index and gives it the focus; the active pane and -1 change nothing.
    void SelectView(int index);

    // The first pane that is a T; null when none.
    template <class T>
    T* GetViewByClass() const
    {
        for (const PaneRecord& record : m_panes)
            if (auto* view = dynamic_cast<T*>(record.view))
                return view;
        return nullptr;
    }

    // Set while the bar stands at the top or bottom or floats; clear at the
    // left or right.
    bool IsHorizontalOrFloating() const;

    int ViewCount() const { return int(m_panes.size()); }
    QWidget* View(int index) const;
    QString ViewName(int index) const;
    int ActiveIndex() const { return m_activeIndex; }
    QWidget* ActiveView() const { return View(m_activeIndex); }
    CDockTabCtrl* TabCtrl() const { return m_tabs; }
    CDockCaption* Caption() const { return m_caption; }

signals:
    // The "x" of the caption or a close asked of the floating bar: the owner
    // decides, so that the setting follows.
    void closeRequested();
    void viewSelected(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct PaneRecord {
        QWidget* view = nullptr;
        QString name;
    };

    void OnPlacementChanged();

    QList<PaneRecord> m_panes;
    int m_activeIndex = 0;
    Qt::DockWidgetArea m_area = Qt::LeftDockWidgetArea;
    CDockTabCtrl* m_tabs = nullptr;
    CDockCaption* m_caption = nullptr;
    QWidget* m_captionHolder = nullptr;
    QWidget* m_grip = nullptr;
    QStackedWidget* m_stack = nullptr;
};
