#pragma once

#include "settings/SettingsHost.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// Settings page "全般::スキン": the bitmap behind the bars, picked from the
// program directory's "res" folder; OK repaints the bars at once.
class CSetSkin : public QWidget {
    Q_OBJECT

public:
    explicit CSetSkin(const SettingsHost& host, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    QLineEdit* NameEdit() const { return m_name; }
    QPushButton* NoSkinButton() const { return m_noSkin; }

    void OnOK();

private:
    SettingsHost m_host;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_noSkin = nullptr;
};
