#pragma once

#include <QDialog>

class QPushButton;

// The About box (dialog 100): name, version and copyright on a light blue
// ground, the Zelvo picture on its OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static const QColor kBackground;

    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* OkButton() const { return m_ok; }

private:
    QPushButton* m_ok = nullptr;
};
