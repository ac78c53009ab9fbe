#pragma once

#include "settings/SettingsHost.h"

#include <QWidget>

class QCheckBox;
class QPushButton;
class SpinEdit;

// Settings page "タブ設定": the tab limit and the forbidden lists' switches.
class CSetFirst : public QWidget {
    Q_OBJECT

public:
    explicit CSetFirst(const SettingsHost& host, QWidget* parent = nullptr);

    SpinEdit* CountEdit() const { return m_count; }
    QPushButton* UrlListButton() const { return m_urlList; }
    QPushButton* TitleListButton() const { return m_titleList; }
    QCheckBox* UrlCheck() const { return m_urlCheck; }
    QCheckBox* TitleCheck() const { return m_titleCheck; }

    void OnOK();

private:
    SettingsHost m_host;
    SpinEdit* m_count = nullptr;
    QPushButton* m_urlList = nullptr;
    QPushButton* m_titleList = nullptr;
    QCheckBox* m_urlCheck = nullptr;
    QCheckBox* m_titleCheck = nullptr;
};
