#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;

// Settings page "全般::終了処理": what the exit clears.
class CSetEndDetail : public QWidget {
    Q_OBJECT

public:
    explicit CSetEndDetail(QWidget* parent = nullptr);

    const QList<QCheckBox*>& Checks() const { return m_checks; }

    void OnOK();

private:
    QList<QCheckBox*> m_checks;
};
