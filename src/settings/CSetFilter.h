#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// Settings page "Web設定::フィルター": extensions whose pages are not shown.
class CSetFilter : public QWidget {
    Q_OBJECT

public:
    explicit CSetFilter(QWidget* parent = nullptr);

    QLineEdit* FilterEdit() const { return m_filter; }
    QPushButton* ClearButton() const { return m_clear; }

    void OnOK();

private:
    QLineEdit* m_filter = nullptr;
    QPushButton* m_clear = nullptr;
};
