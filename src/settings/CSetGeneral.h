#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;

// Settings page "全般": desktop launcher, default browser, recent documents
// and the menu style. Writes on Apply as well as on OK.
class CSetGeneral : public QWidget {
    Q_OBJECT

public:
    explicit CSetGeneral(QWidget* parent = nullptr);

    QPushButton* ShortcutButton() const { return m_shortcut; }
    QCheckBox* DefaultBrowserCheck() const { return m_defaultBrowser; }
    QPushButton* RecentButton() const { return m_recent; }
    QCheckBox* XpStyleCheck() const { return m_xpStyle; }

    void OnApply();
    void OnOK() { OnApply(); }

private:
    void OnShortcut();
    void OnClearRecent();
    void ApplyAssociation();

    QPushButton* m_shortcut = nullptr;
    QCheckBox* m_defaultBrowser = nullptr;
    QPushButton* m_recent = nullptr;
    QCheckBox* m_xpStyle = nullptr;
    // The association is touched only when its box was clicked.
    bool m_associationChanged = false;
};
