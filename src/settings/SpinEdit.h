#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A number edit with up and down arrows beside it. The edit takes any text,
// as the pages validate it themselves on OK; the arrows keep to the range.
class SpinEdit : public QWidget {
    Q_OBJECT

public:
    SpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    QLineEdit* Edit() const { return m_edit; }
    QString Text() const;
    void SetText(const QString& text);

private:
    void Step(int by);

    int m_minimum = 0;
    int m_maximum = 0;
    QLineEdit* m_edit = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};
