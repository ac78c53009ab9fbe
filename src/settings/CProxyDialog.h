#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The three stored proxies, the bypass list and whether local addresses
// bypass them. A clear button deletes its proxy at once, whatever the dialog
// ends with; OK writes the rest. Nothing is put in force here: the next proxy
// command takes the new values.
class CProxyDialog : public QDialog {
    Q_OBJECT

public:
    static const QColor kBackground;

    explicit CProxyDialog(QWidget* parent = nullptr);

    QLineEdit* HostEdit(int n) const { return m_hosts[n - 1]; }
    QLineEdit* PortEdit(int n) const { return m_ports[n - 1]; }
    QPushButton* ClearButton(int n) const { return m_clears[n - 1]; }
    QCheckBox* LocalCheck() const { return m_local; }
    QLineEdit* BypassEdit() const { return m_bypass; }

    // Asks, then empties proxy n's edits and deletes it from the file.
    void OnClear(int n);
    // A proxy is written only with both its address and its port.
    void accept() override;

private:
    void BuildProxyRow(class QGridLayout* grid, int n);
    void Fill();

    QLineEdit* m_hosts[3] = {};
    QLineEdit* m_ports[3] = {};
    QPushButton* m_clears[3] = {};
    QCheckBox* m_local = nullptr;
    QLineEdit* m_bypass = nullptr;
};
