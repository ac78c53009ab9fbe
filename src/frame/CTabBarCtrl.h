#pragma once

#include <QColor>
#include <QTabBar>

class QPainter;

// The tab strip of the tab band: paints its own tabs in the colours of Color.ini
// and lets the band's background (the skin) show around them.
class CTabBarCtrl : public QTabBar {
    Q_OBJECT

public:
    explicit CTabBarCtrl(QWidget* parent = nullptr);

    // Re-reads the tab colours of Color.ini.
    void ReloadColors();

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
    // A tab cut at the left edge of a scrolled bar is neither drawn nor clickable.
    bool IsShown(int index) const;
    void DrawTab(QPainter& painter, int index, bool selected) const;

    QColor m_face;
    QColor m_activeText;
    QColor m_inactiveText;
    bool m_plainFaces = false;
};
