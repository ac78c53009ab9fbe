#include "settings/CStopListDlg.h"

#include "core/Cp932.h"
#include "core/StoredAddress.h"
#include "ini/StopListIni.h"
#include "platform/MessageBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

const QColor CStopListDlg::kBackground(230, 245, 253);

CStopListDlg::CStopListDlg(StopListKind kind, QWidget* parent) : QDialog(parent), m_kind(kind)
{
    const bool urls = kind == StopListKind::Url;
    setObjectName(urls ? QStringLiteral("dialog151") : QStringLiteral("dialog156"));
    setWindowTitle(urls ? QStringLiteral("禁止URLリスト") : QStringLiteral("禁止タイトルリスト"));
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("1017"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->viewport()->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("IDCANCEL"));
    m_deleteAll = new QPushButton(QStringLiteral("全部削除"), this);
    m_deleteAll->setObjectName(urls ? QStringLiteral("1019") : QStringLiteral("1022"));
    connect(ok, &QPushButton::clicked, this, &CStopListDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CStopListDlg::reject);
    connect(m_deleteAll, &QPushButton::clicked, this, &CStopListDlg::OnDeleteAll);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(m_deleteAll);
    auto* row = new QHBoxLayout(this);
    row->addWidget(m_list, 1);
    row->addLayout(buttons);
    resize(520, 320);
    Fill();
}

StopListIni CStopListDlg::List() const
{
    return m_kind == StopListKind::Url ? StopListIni::Url() : StopListIni::Title();
}

void CStopListDlg::Fill()
{
    for (const QByteArray& entry : List().Load()) {
        // The stored bytes go back unchanged, whatever the display made of them.
        QString text = Cp932::ToUnicodeKeepingAll(entry);
        if (m_kind == StopListKind::Url)
            text = StoredAddress::Decode(text);
        auto* item = new QListWidgetItem(text, m_list);
        item->setData(Qt::UserRole, entry);
    }
}

bool CStopListDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        OnDblclkList();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CStopListDlg::OnDblclkList()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        ShowMessageBox(this, QStringLiteral("エラー"), QStringLiteral("Error"), MbIcon::Stop);
        return;
    }
    QListWidgetItem* item = selected.constFirst();
    if (ShowMessageBox(this, item->text(), QStringLiteral("下記を削除しますか？"), MbIcon::Question,
                       MbButtons::YesNo) == MbAnswer::Yes)
        delete item;
}

void CStopListDlg::OnDeleteAll()
{
    if (ShowMessageBox(this, QStringLiteral("全部削除しますか？"), QStringLiteral("確認"),
                       MbIcon::Question, MbButtons::YesNo) != MbAnswer::Yes)
        return;
    m_list->clear();
    List().Rewrite({});
}

void CStopListDlg::accept()
{
    QList<QByteArray> entries;
    for (int i = 0; i < m_list->count(); ++i)
        entries.append(m_list->item(i)->data(Qt::UserRole).toByteArray());
    List().Rewrite(entries);
    QDialog::accept();
}
