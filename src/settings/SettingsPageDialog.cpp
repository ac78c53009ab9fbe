#include "settings/SettingsPageDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

SettingsPageDialog::SettingsPageDialog(const QString& title, QWidget* page,
                                       std::function<void()> onOk, QWidget* parent)
    : QDialog(parent), m_page(page), m_onOk(std::move(onOk))
{
    setWindowTitle(title);
    setModal(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("IDCANCEL"));
    connect(ok, &QPushButton::clicked, this, &SettingsPageDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SettingsPageDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    page->setParent(this);
    layout->addWidget(page, 1);
    layout->addLayout(buttons);
    resize(520, 300);
}

void SettingsPageDialog::accept()
{
    if (m_onOk)
        m_onOk();
    QDialog::accept();
}
