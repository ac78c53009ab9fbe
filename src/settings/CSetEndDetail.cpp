#include "settings/CSetEndDetail.h"

#include "ini/SecurityIni.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

CSetEndDetail::CSetEndDetail(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page181"));
    using namespace SecurityIni;
    const struct {
        int id;
        const char* text;
        int stored;
    } checks[] = {{1076, "URL履歴の削除", EnddetailUrl()},
                  {1077, "検索語句履歴の削除", EnddetailSearch()},
                  {1078, "IEの履歴削除", EnddetailHistory()},
                  {1079, "インターネット一時ファイルの削除", EnddetailTempo()},
                  {1080, "Cookieの削除", EnddetailCookie()},
                  {1081, "最後に閉じたタブ履歴の削除", EnddetailEndtab()},
                  {1082, "タブ削除履歴の削除", EnddetailDeltab()}};
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("終了処理"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    for (const auto& check : checks) {
        auto* box = new QCheckBox(QString::fromUtf8(check.text), this);
        box->setObjectName(QString::number(check.id));
        box->setChecked(check.stored == 1);
        layout->addWidget(box);
        m_checks.append(box);
    }
    layout->addStretch(1);
}

void CSetEndDetail::OnOK()
{
    auto on = [this](int i) { return m_checks[i]->isChecked(); };
    SecurityIni::SetEnddetail({on(0), on(1), on(2), on(3), on(4), on(5), on(6)});
}
