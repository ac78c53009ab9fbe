#pragma once

#include "settings/SettingsHost.h"

#include <QWidget>

class QTreeWidget;

// Settings page "全般::ツールバー": which buttons of the main toolbar are
// hidden. OK stores them and has the window show the toolbar so.
class CSetToolbar : public QWidget {
    Q_OBJECT

public:
    explicit CSetToolbar(const SettingsHost& host, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }

    void OnOK();

private:
    SettingsHost m_host;
    QTreeWidget* m_list = nullptr;
};
