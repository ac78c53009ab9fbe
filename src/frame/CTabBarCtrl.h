#pragma once

#include <QColor>
#include <QTabBar>

class QPainter;
class TabModel;

// The tab strip of the tab band: paints its own tabs in the colours of Color.ini
// and lets the band's background (the skin) show around them.
class CTabBarCtrl : public QTabBar {
    Q_OBJECT

public:
    explicit CTabBarCtrl(QWidget* parent = nullptr);

    // Re-reads the tab colours of Color.ini.
    void ReloadColors();

    // Shows the model's tabs and follows every change to them.
    void SetModel(const TabModel* model);

    QColor FaceColor() const;
    QColor ActiveTextColor() const { return m_activeText; }
    QColor InactiveTextColor() const { return m_inactiveText; }
    bool PlainFaces() const { return m_plainFaces; }

signals:
    // A right click at a global position; the selection stays as it is.
    void rightClicked(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A left press selects the tab under it and reports it as clicked.
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QSize tabSizeHint(int index) const override;

private:
    void Insert(int first, int last);
    void Update(int first, int last, const QList<int>& roles);

    const TabModel* m_model = nullptr;
    QList<QPixmap> m_stateImages;
    // A tab cut at the left edge of a scrolled bar is neither drawn nor clickable.
    bool IsShown(int index) const;
    void DrawTab(QPainter& painter, int index, bool selected) const;

    QColor m_face;
    QColor m_activeText;
    QColor m_inactiveText;
    bool m_plainFaces = false;
};
