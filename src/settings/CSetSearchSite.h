#pragma once

#include "settings/SettingsHost.h"

#include <QWidget>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// Settings page "Web設定::検索サイト": the search sites of the search bar,
// edited as rows and written as a whole on OK.
class CSetSearchSite : public QWidget {
    Q_OBJECT

public:
    explicit CSetSearchSite(const SettingsHost& host, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    QLineEdit* PositionEdit() const { return m_position; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* UrlEdit() const { return m_url; }
    // "追加", "削除", "変更", "クリア", "セパレータ".
    enum Button { Add, Delete, Change, Clear, Separator };
    QPushButton* ButtonAt(Button which) const { return m_buttons[which]; }

    void OnOK();

private:
    void OnRowClicked();
    void OnAdd();
    void OnDelete();
    void OnChange();
    // The row the position edit names, 0-based; -1 when it names none.
    int Position() const;

    SettingsHost m_host;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_position = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_url = nullptr;
    QPushButton* m_buttons[5] = {};
};
