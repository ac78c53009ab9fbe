#include "view/CPrivacyReportDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

CPrivacyReportDlg::CPrivacyReportDlg(const QString& pageUrl, const QList<CookieRecord>& records,
                                     QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this))
{
    setWindowTitle(QStringLiteral("プライバシーレポート"));
    auto* address = new QLabel(pageUrl, this);
    address->setTextFormat(Qt::PlainText);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {QStringLiteral("Webサイト"), QStringLiteral("Cookie"), QStringLiteral("判定")});
    for (const CookieRecord& record : records)
        new QTreeWidgetItem(m_list, {record.site, record.name, OutcomeText(record.outcome)});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("このページのCookie:"), this));
    layout->addWidget(address);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(520, 320);
}

QString CPrivacyReportDlg::OutcomeText(CookieRecord::Outcome outcome)
{
    switch (outcome) {
    case CookieRecord::Outcome::Accepted:
        return QStringLiteral("Cookie受諾");
    case CookieRecord::Outcome::Session:
        return QStringLiteral("セッションクッキー");
    case CookieRecord::Outcome::Refused:
        return QStringLiteral("Cookie拒絶");
    }
    return QString();
}
