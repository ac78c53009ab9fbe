#include "settings/CSetSearchSite.h"

#include "commands/CommandId.h"
#include "ini/SearchsiteIni.h"
#include "platform/MessageBox.h"
#include "settings/ColumnShares.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

void Warn(QWidget* parent, const char* text)
{
    ShowMessageBox(parent, QString::fromUtf8(text), QStringLiteral("Zelvo"));
}

} // namespace

CSetSearchSite::CSetSearchSite(const SettingsHost& host, QWidget* parent)
    : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("page180"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("1067"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({QStringLiteral("検索サイト"), QStringLiteral("URL")});
    m_list->header()->setStretchLastSection(true);
    new ColumnShares(m_list, {2, 3});
    for (const SearchsiteIni::Site& site : SearchsiteIni::Sites())
        new QTreeWidgetItem(m_list, {site.name, site.url});
    connect(m_list, &QTreeWidget::itemClicked, this, &CSetSearchSite::OnRowClicked);

    m_position = new QLineEdit(this);
    m_position->setObjectName(QStringLiteral("1070"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("1068"));
    m_url = new QLineEdit(this);
    m_url->setObjectName(QStringLiteral("1069"));
    const char* texts[5] = {"追加", "削除", "変更", "クリア", "セパレータ"};
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        m_buttons[i] = new QPushButton(QString::fromUtf8(texts[i]), this);
        m_buttons[i]->setObjectName(QString::number(1071 + i));
        buttons->addWidget(m_buttons[i]);
    }
    buttons->addStretch(1);
    connect(m_buttons[Add], &QPushButton::clicked, this, &CSetSearchSite::OnAdd);
    connect(m_buttons[Delete], &QPushButton::clicked, this, &CSetSearchSite::OnDelete);
    connect(m_buttons[Change], &QPushButton::clicked, this, &CSetSearchSite::OnChange);
    connect(m_buttons[Clear], &QPushButton::clicked, this, [this] {
        m_name->clear();
        m_url->clear();
    });
    connect(m_buttons[Separator], &QPushButton::clicked, this, [this] {
        m_name->setText(QStringLiteral("-----"));
        m_url->clear();
    });

    auto* edits = new QGridLayout;
    edits->addWidget(new QLabel(QStringLiteral("項目数"), this), 0, 0);
    edits->addWidget(m_position, 0, 1);
    edits->addWidget(new QLabel(QStringLiteral("検索サイト"), this), 1, 0);
    edits->addWidget(m_name, 1, 1);
    edits->addWidget(new QLabel(QStringLiteral("URL"), this), 2, 0);
    edits->addWidget(m_url, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(edits);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("＊再起動必要"), this));
}

void CSetSearchSite::OnRowClicked()
{
    QTreeWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    m_position->setText(QString::number(m_list->indexOfTopLevelItem(item) + 1));
    m_name->setText(item->text(0));
    m_url->setText(item->text(1));
}

int CSetSearchSite::Position() const
{
    bool ok = false;
    const int position = m_position->text().toInt(&ok);
    return ok && position >= 1 ? position - 1 : -1;
}

void CSetSearchSite::OnAdd()
{
    const int row = Position();
    if (row < 0 || m_name->text().isEmpty()) {
        Warn(this, "サイト項目数とサイト名を入力してください！");
        return;
    }
    auto* item = new QTreeWidgetItem({m_name->text(), m_url->text()});
    m_list->insertTopLevelItem(qMin(row, m_list->topLevelItemCount()), item);
}

void CSetSearchSite::OnDelete()
{
    const int row = Position();
    if (row < 0) {
        Warn(this, "数字を入力してください！");
        return;
    }
    delete m_list->takeTopLevelItem(row);
}

void CSetSearchSite::OnChange()
{
    const int row = Position();
    if (row < 0 || m_name->text().isEmpty() || m_url->text().isEmpty()) {
        Warn(this, "エディットボックスに入力してください！");
        return;
    }
    if (QTreeWidgetItem* item = m_list->topLevelItem(row)) {
        item->setText(0, m_name->text());
        item->setText(1, m_url->text());
    }
}

void CSetSearchSite::OnOK()
{
    QList<SearchsiteIni::Site> sites;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        sites.append({m_list->topLevelItem(i)->text(0), m_list->topLevelItem(i)->text(1)});
    SearchsiteIni::SaveSites(sites);
    m_host.Send(ToInt(CommandId::ReloadSearchSites));
}
