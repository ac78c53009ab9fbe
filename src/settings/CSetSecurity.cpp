#include "settings/CSetSecurity.h"

#include "commands/CommandId.h"
#include "ini/ColorIni.h"
#include "ini/SecurityIni.h"
#include "platform/MessageBox.h"
#include "settings/SpinEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QVBoxLayout>

namespace {

struct SecurityCheck {
    int controlId;
    const char* text;
    CommandId command;
    std::function<bool()> ticked;
};

bool IsNot(const QByteArray& stored, const char* word)
{
    return stored != word;
}

QList<SecurityCheck> SecurityChecks()
{
    using C = CommandId;
    using namespace SecurityIni;
    return {
        {1047, "スクリプトの許可", C::LocalScript,
         [] { return IsNot(Script(), "DLCTL_NO_SCRIPTS"); }},
        {1048, "JAVAの許可", C::LocalJava, [] { return IsNot(Java(), "DLCTL_NO_JAVA"); }},
        {1049, "ActiveX実行の許可", C::LocalActiveXRun,
         [] { return IsNot(ActiveXRun(), "DLCTL_NO_RUNACTIVEXCTLS"); }},
        {1050, "ActiveXダウンロードの許可", C::LocalActiveXDownload,
         [] { return IsNot(ActiveXDl(), "DLCTL_NO_DLACTIVEXCTLS"); }},
        {1051, "画像表示の許可", C::ShowImages, [] { return IsNot(Image(), "DLCTL_NO_DLIMAGES"); }},
        {1052, "BGMの演奏の許可", C::PlaySounds, [] { return IsNot(Bgm(), "DLCTL_NO_BGSOUNDS"); }},
        {1053, "ビデオの許可", C::PlayVideos, [] { return IsNot(Video(), "DLCTL_NO_VIDEOS"); }},
        {1054, "キャッシュを使用しない", C::NoCache,
         [] { return Cache() == "DLCTL_PRAGMA_NO_CACHE"; }},
        {1055, "URLセキュリティ使用", C::UrlSecurity, [] { return UrlSec() == 1; }},
        {1056, "子タブの非表示", C::HideChildTabs, [] { return ChileTab() == 1; }},
        {1057, "MailToの抑制", C::SuppressMailto, [] { return Mailto() != 0; }},
        {1058, "Zelvoマルチメディア", C::ZelvoMultimedia, [] { return Media() == 1; }},
    };
}

} // namespace

CSetSecurity::CSetSecurity(const SettingsHost& host, QWidget* parent)
    : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("page179"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("セキュリティ設定(ローカルブラウザ)"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    AddChecks();
    auto* grid = new QGridLayout;
    for (int i = 0; i < m_checks.size(); ++i)
        grid->addWidget(m_checks[i], i % 6, i / 6);
    layout->addLayout(grid);

    m_strength = new SpinEdit(10, 50, this);
    m_strength->setObjectName(QStringLiteral("1034"));
    m_strength->Edit()->setObjectName(QStringLiteral("1002"));
    m_strength->SetText(QString::number(ColorIni::MozaikuStrong()));
    auto* strengthRow = new QHBoxLayout;
    strengthRow->addWidget(new QLabel(QStringLiteral("モザイク強度"), this));
    strengthRow->addWidget(m_strength, 1);
    layout->addLayout(strengthRow);
    layout->addStretch(1);
}

void CSetSecurity::AddChecks()
{
    for (const SecurityCheck& check : SecurityChecks()) {
        auto* box = new QCheckBox(QString::fromUtf8(check.text), this);
        box->setObjectName(QString::number(check.controlId));
        box->setChecked(check.ticked());
        const int command = ToInt(check.command);
        // A switch the running window cannot apply is not offered.
        box->setEnabled(m_host.Enabled(command));
        connect(box, &QCheckBox::clicked, this, [this, command] { m_host.Send(command); });
        m_checks.append(box);
    }
}

void CSetSecurity::OnOK()
{
    bool ok = false;
    const int strength = m_strength->Text().toInt(&ok);
    if (!ok || strength < 10 || strength > 50) {
        ShowMessageBox(this, QStringLiteral("10以上50以下の整数を入力してください。"),
                       QStringLiteral("Zelvo"));
        return;
    }
    ColorIni::SetMozaikuStrong(strength);
}
