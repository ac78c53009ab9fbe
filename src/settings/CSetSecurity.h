#pragma once

#include "settings/SettingsHost.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class SpinEdit;

// Settings page "Web設定::セキュリティ". Each check box runs its menu command
// at once, so the switch is stored whether the sheet ends with OK or Cancel;
// OK writes only the mosaic strength.
class CSetSecurity : public QWidget {
    Q_OBJECT

public:
    explicit CSetSecurity(const SettingsHost& host, QWidget* parent = nullptr);

    const QList<QCheckBox*>& Checks() const { return m_checks; }
    SpinEdit* StrengthEdit() const { return m_strength; }

    void OnOK();

private:
    void AddChecks();

    SettingsHost m_host;
    QList<QCheckBox*> m_checks;
    SpinEdit* m_strength = nullptr;
};
