#pragma once

#include "view/CookieGate.h"

#include <QDialog>

class QTreeWidget;

// The privacy report of one page: each cookie its site tried to set, or each
// site whose cookies were refused, with what became of it.
class CPrivacyReportDlg : public QDialog {
    Q_OBJECT

public:
    CPrivacyReportDlg(const QString& pageUrl, const QList<CookieRecord>& records,
                      QWidget* parent = nullptr);

    static QString OutcomeText(CookieRecord::Outcome outcome);

    QTreeWidget* List() const { return m_list; }

private:
    QTreeWidget* m_list = nullptr;
};
