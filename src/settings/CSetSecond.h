#pragma once

#include <QWidget>

class QFrame;
class QLineEdit;
class QSlider;

// Settings page "タブ設定::タブ背景色": the background of the tab area, read
// by the main window at start.
class CSetSecond : public QWidget {
    Q_OBJECT

public:
    explicit CSetSecond(QWidget* parent = nullptr);

    QLineEdit* ComponentEdit(int which) const { return m_edit[which]; }
    QSlider* ComponentSlider(int which) const { return m_slider[which]; }
    QColor PreviewColor() const;

    void OnOK();

private:
    void Repaint();

    QLineEdit* m_edit[3] = {};
    QSlider* m_slider[3] = {};
    QFrame* m_preview = nullptr;
};
