#pragma once

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;

// The CGI proxy page: the address prefix with the stored list to pick from,
// and whether the target's scheme is rewritten. Adding an address writes the
// list at once; OK writes the rest.
class CSetCgi : public QWidget {
    Q_OBJECT

public:
    // sendCommand reaches the main window (the proxy dialog's button).
    explicit CSetCgi(std::function<void(int)> sendCommand, QWidget* parent = nullptr);

    QComboBox* AddressBox() const { return m_address; }
    QCheckBox* RewriteCheck() const { return m_rewrite; }
    QCheckBox* KeepCheck() const { return m_keep; }
    QPushButton* ProxyButton() const { return m_proxyButton; }
    QPushButton* AddButton() const { return m_add; }

    void OnAdd();
    void OnOK();

private:
    std::function<void(int)> m_sendCommand;
    QComboBox* m_address = nullptr;
    QCheckBox* m_rewrite = nullptr;
    QCheckBox* m_keep = nullptr;
    QPushButton* m_proxyButton = nullptr;
    QPushButton* m_add = nullptr;
};
