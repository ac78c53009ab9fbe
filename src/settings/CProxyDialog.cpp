#include "settings/CProxyDialog.h"

#include "ini/ProxyIni.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Ids of each proxy's address edit, port edit and clear button.
constexpr int kControlIds[3][3] = {{1002, 1003, 1011}, {1009, 1010, 1012}, {1013, 1014, 1015}};
constexpr int kHostSize = 780;
const char* const kWideDigits[] = {"１", "２", "３"};

QString WideDigit(int n)
{
    return QString::fromUtf8(kWideDigits[n - 1]);
}

QString Id(int id)
{
    return QString::number(id);
}

} // namespace

const QColor CProxyDialog::kBackground(0xFD, 0xF5, 0xE6);

CProxyDialog::CProxyDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dialog149"));
    setWindowTitle(QStringLiteral("プロキシ設定"));
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    auto* notice = new QLabel(
        QStringLiteral("プロキシ設定(アドレスにhttp://などは入れないでください！)"), this);
    layout->addWidget(notice);
    auto* grid = new QGridLayout;
    for (int n = 1; n <= 3; ++n)
        BuildProxyRow(grid, n);
    layout->addLayout(grid);

    m_local = new QCheckBox(QStringLiteral("ローカルファイルアクセスにはプロキシを通さない"), this);
    m_local->setObjectName(Id(1016));
    layout->addWidget(m_local);
    auto* bypassRow = new QHBoxLayout;
    bypassRow->addWidget(new QLabel(QStringLiteral("・例外"), this));
    m_bypass = new QLineEdit(this);
    m_bypass->setObjectName(Id(1021));
    bypassRow->addWidget(m_bypass, 1);
    layout->addLayout(bypassRow);

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                               QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                   QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("IDCANCEL"));
    connect(ok, &QPushButton::clicked, this, &CProxyDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CProxyDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    Fill();
}

void CProxyDialog::BuildProxyRow(QGridLayout* grid, int n)
{
    const int row = n - 1;
    auto* host = new QLineEdit(this);
    host->setObjectName(Id(kControlIds[row][0]));
    host->setMaxLength(kHostSize - 1);
    auto* port = new QLineEdit(this);
    port->setObjectName(Id(kControlIds[row][1]));
    port->setMaxLength(259);
    port->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), port));
    port->setFixedWidth(80);
    auto* clear = new QPushButton(style()->standardIcon(QStyle::SP_DialogDiscardButton),
                                  QStringLiteral("クリア") + WideDigit(n), this);
    clear->setObjectName(Id(kControlIds[row][2]));
    connect(clear, &QPushButton::clicked, this, [this, n] { OnClear(n); });
    grid->addWidget(new QLabel(QStringLiteral("プロキシ") + WideDigit(n), this), row, 0);
    grid->addWidget(host, row, 1);
    grid->addWidget(new QLabel(QStringLiteral(":"), this), row, 2);
    grid->addWidget(port, row, 3);
    grid->addWidget(clear, row, 4);
    m_hosts[row] = host;
    m_ports[row] = port;
    m_clears[row] = clear;
}

void CProxyDialog::Fill()
{
    for (int n = 1; n <= 3; ++n) {
        HostEdit(n)->setText(ProxyIni::Host(n, kHostSize));
        PortEdit(n)->setText(ProxyIni::Port(n));
    }
    m_local->setChecked(ProxyIni::Local() == 1);
    m_bypass->setText(ProxyIni::Bypas());
}

void CProxyDialog::OnClear(int n)
{
    const QString question = QStringLiteral("プロキシ%1データを削除しますか？").arg(WideDigit(n));
    if (ShowMessageBox(this, question, QStringLiteral("確認"), MbIcon::Question,
                       MbButtons::YesNo) != MbAnswer::Yes)
        return;
    HostEdit(n)->clear();
    PortEdit(n)->clear();
    ProxyIni::ClearProxy(n);
}

void CProxyDialog::accept()
{
    for (int n = 1; n <= 3; ++n) {
        const QString host = HostEdit(n)->text();
        const QString port = PortEdit(n)->text();
        if (!host.isEmpty() && !port.isEmpty())
            ProxyIni::SetProxy(n, host, port);
    }
    ProxyIni::SetBypass(m_local->isChecked() ? 1 : 0, m_bypass->text());
    QDialog::accept();
}
