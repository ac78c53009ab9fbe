#pragma once

#include <QWidget>

class QPushButton;

// The title strip of the docking bar while it stands at the left or right:
// a cyan-to-white gradient with the bar's name and an "x" button.
class CDockCaption : public QWidget {
    Q_OBJECT

public:
    explicit CDockCaption(QWidget* parent = nullptr);

    QPushButton* CloseButton() const { return m_close; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* m_close = nullptr;
};
