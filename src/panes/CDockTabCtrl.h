#pragma once

#include <QColor>
#include <QTabBar>

// The docking bar's strip of icon tabs, one per pane, on the background colour
// of Color.ini [SetColor], with one tool tip for the whole strip.
class CDockTabCtrl : public QTabBar {
    Q_OBJECT

public:
    explicit CDockTabCtrl(QWidget* parent = nullptr);

    QColor Background() const { return m_background; }
    // The picture of pane index: toolbar\docktab.bmp, else the built-in one.
    QIcon PaneIcon(int index) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    QList<QPixmap> m_images;
};
