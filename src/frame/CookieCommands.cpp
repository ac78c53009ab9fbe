#include "frame/CookieCommands.h"

#include "commands/CommandId.h"
#include "frame/CMainFrame.h"
#include "platform/MessageBox.h"
#include "security/PrivacyStore.h"
#include "view/BrowsingData.h"
#include "view/CPrivacyReportDlg.h"
#include "view/CZelvoView.h"
#include "view/CookieGate.h"

#include <QUrl>

namespace {

constexpr std::pair<CommandId, uint32_t> kLevels[] = {
    {CommandId::PrivacyBlockAll, PrivacyStore::kBlockAll},
    {CommandId::PrivacyHigh, PrivacyStore::kHigh},
    {CommandId::PrivacyMediumHigh, PrivacyStore::kMediumHigh},
    {CommandId::PrivacyMedium, PrivacyStore::kMedium},
    {CommandId::PrivacyLow, PrivacyStore::kLow},
    {CommandId::PrivacyAcceptAll, PrivacyStore::kAcceptAll},
};

void SetLevel(CMainFrame& frame, uint32_t level)
{
    const bool done = PrivacyStore::SetLevel(level);
    // A failure half-way leaves the site's own level changed: it counts too.
    CookieGate::Reload();
    if (!done)
        ShowMessageBox(&frame, QStringLiteral("設定に失敗しました！"), QStringLiteral("失敗"),
                       MbIcon::Stop);
}

QString ActiveHost(const CZelvoView& view)
{
    return QUrl(view.GetLocationURL()).host(QUrl::FullyEncoded);
}

void ShowDecision(CMainFrame& frame, const CZelvoView& view)
{
    const std::optional<int> state =
        PrivacyStore::Decision(PrivacyStore::SiteName(ActiveHost(view)));
    if (!state) {
        ShowMessageBox(&frame, QStringLiteral("取得失敗\r\n\r\n設定されていません！"),
                       QStringLiteral("Zelvo"), MbIcon::Information);
        return;
    }
    ShowMessageBox(&frame, PrivacyStore::DecisionText(*state), view.GetLocationURL(),
                   MbIcon::Information);
}

void StoreDecision(CMainFrame& frame, const CZelvoView& view, int state)
{
    const bool done = PrivacyStore::SetDecision(PrivacyStore::SiteName(ActiveHost(view)), state);
    CookieGate::Reload();
    ShowMessageBox(&frame, done ? QStringLiteral("成功") : QStringLiteral("失敗"),
                   QStringLiteral("Zelvo"), done ? MbIcon::Information : MbIcon::Stop);
}

void RemoveDecision(CMainFrame& frame, const CZelvoView& view)
{
    const QString site = PrivacyStore::CoveringSite(PrivacyStore::StoredSites(), ActiveHost(view));
    if (site.isEmpty()) {
        ShowMessageBox(&frame, QStringLiteral("登録されていないようです！"),
                       QStringLiteral("Zelvo"), MbIcon::Exclamation);
        return;
    }
    const bool done = PrivacyStore::SetDecision(site, PrivacyStore::kNoDecision);
    CookieGate::Reload();
    ShowMessageBox(&frame, done ? QStringLiteral("設定削除成功") : QStringLiteral("設定削除失敗"),
                   QStringLiteral("Zelvo"), done ? MbIcon::Information : MbIcon::Stop);
}

void ShowReport(CMainFrame& frame, const CZelvoView& view)
{
    CookieGate* gate = CookieGate::Instance();
    const QString url = view.GetLocationURL();
    if (!gate || url.isEmpty())
        return;
    CPrivacyReportDlg dialog(url, gate->Report(QUrl(url)), &frame);
    CHtmlView::AnswerDialog(dialog);
}

void Delete(CMainFrame& frame, bool (*deletion)(), const QString& doneText)
{
    if (!deletion()) {
        ShowMessageBox(&frame, doneText.left(doneText.size() - 2) + QStringLiteral("失敗"),
                       QStringLiteral("失敗"), MbIcon::Stop);
        return;
    }
    ShowMessageBox(&frame, doneText, QStringLiteral("終了"), MbIcon::Information);
}

} // namespace

void BindCookieCommands(CMainFrame& frame)
{
    CommandMap& commands = frame.Commands();
    CMainFrame* f = &frame;
    for (const auto& [id, level] : kLevels) {
        commands.Bind(
            id, [f, level] { SetLevel(*f, level); },
            [level](CmdUI& ui) {
                const std::optional<uint32_t> common = PrivacyStore::CommonLevel(
                    PrivacyStore::Template(PrivacyStore::kTypeFirstParty),
                    PrivacyStore::Template(PrivacyStore::kTypeThirdParty));
                ui.check = common == level ? 1 : 0;
            });
    }
    auto hasView = [f](CmdUI& ui) { ui.enabled = f->ActiveZelvoView() != nullptr; };
    auto onView = [f](void (*action)(CMainFrame&, const CZelvoView&)) {
        return [f, action] {
            if (CZelvoView* view = f->ActiveZelvoView())
                action(*f, *view);
        };
    };
    commands.Bind(CommandId::SiteCookieInfo, onView(ShowDecision), hasView);
    commands.Bind(CommandId::SiteCookieBlock, onView([](CMainFrame& fr, const CZelvoView& v) {
                      StoreDecision(fr, v, PrivacyStore::kReject);
                  }),
                  hasView);
    commands.Bind(CommandId::SiteCookieAccept, onView([](CMainFrame& fr, const CZelvoView& v) {
                      StoreDecision(fr, v, PrivacyStore::kAccept);
                  }),
                  hasView);
    commands.Bind(CommandId::SiteCookieDelete, onView(RemoveDecision), hasView);
    commands.Bind(CommandId::PrivacyReport, onView(ShowReport), hasView);
    commands.Bind(CommandId::ClearTemporaryFiles, [f] {
        Delete(*f, BrowsingData::ClearHttpCache,
               QStringLiteral("Temporary Internet Files削除終了"));
    });
    commands.Bind(CommandId::ClearCookies, [f] {
        Delete(*f, BrowsingData::DeleteAllCookies, QStringLiteral("Cookie削除終了"));
    });
}
