#include "frame/HistoryCommands.h"

#include "commands/CommandId.h"
#include "frame/CMainFrame.h"
#include "pagetools/CHistorySearchDlg.h"
#include "pagetools/PageExtractor.h"
#include "platform/MessageBox.h"
#include "platform/UrlHistory.h"
#include "view/BrowsingData.h"
#include "view/CZelvoView.h"

namespace {

using PageExtractor::HistoryKind;
using PageExtractor::PageKind;
using PageExtractor::TravelKind;

void ClearUrlHistory(CMainFrame* frame)
{
    if (ShowMessageBox(frame, QStringLiteral("IEの履歴を削除しますか？"), QStringLiteral("確認"),
                       MbIcon::Information, MbButtons::YesNo) != MbAnswer::Yes)
        return;
    if (!UrlHistory::Instance().ClearHistory()) {
        ShowMessageBox(frame, QStringLiteral("IEの履歴削除失敗"), QStringLiteral("Zelvo"),
                       MbIcon::Stop);
        return;
    }
    BrowsingData::ClearVisitedLinks();
    ShowMessageBox(frame, QStringLiteral("IEの履歴を削除しました！"), QStringLiteral("Zelvo"),
                   MbIcon::Information);
}

void RunHistorySearch(CMainFrame* frame)
{
    // Each search goes to the view active at that moment; without one it is dropped.
    auto search = [frame](HistoryKind kind) {
        return [frame, kind](const QString& text) {
            if (CZelvoView* view = frame->ActiveZelvoView())
                PageExtractor::ExtractHistory(*view, kind, text);
        };
    };
    CHistorySearchDlg dialog(search(HistoryKind::ByDate), search(HistoryKind::ByWord), frame);
    CHtmlView::AnswerDialog(dialog);
}

} // namespace

void BindHistoryCommands(CMainFrame& frame)
{
    CommandMap& commands = frame.Commands();
    CMainFrame* f = &frame;
    auto hasView = [f](CmdUI& ui) { ui.enabled = f->ActiveZelvoView() != nullptr; };
    auto onView = [f](auto action) {
        return [f, action] {
            if (CZelvoView* view = f->ActiveZelvoView())
                action(*view);
        };
    };
    const std::pair<CommandId, PageKind> pages[] = {
        {CommandId::ExtractLinks, PageKind::Links},
        {CommandId::ExtractImages, PageKind::AllImages},
        {CommandId::ExtractGif, PageKind::Gif},
        {CommandId::ExtractJpeg, PageKind::Jpeg},
        {CommandId::ExtractPng, PageKind::Png},
        {CommandId::ShowImageAddresses, PageKind::ImageAddresses},
        {CommandId::ExtractFlash, PageKind::Flash},
        {CommandId::ExtractStyleSheets, PageKind::StyleSheets}};
    for (const auto& [id, kind] : pages)
        commands.Bind(id,
                      onView([kind](CZelvoView& v) { PageExtractor::ExtractFromPage(v, kind); }),
                      hasView);
    commands.Bind(CommandId::ExtractIeHistory,
                  onView([](CZelvoView& v) { PageExtractor::ExtractHistory(v, HistoryKind::All); }),
                  hasView);
    commands.Bind(CommandId::ExtractTodayHistory, onView([](CZelvoView& v) {
                      PageExtractor::ExtractHistory(v, HistoryKind::Today);
                  }),
                  hasView);
    commands.Bind(CommandId::BackHistoryPage,
                  onView([](CZelvoView& v) { PageExtractor::ShowTravelList(v, TravelKind::Back); }),
                  hasView);
    commands.Bind(CommandId::ForwardHistoryPage, onView([](CZelvoView& v) {
                      PageExtractor::ShowTravelList(v, TravelKind::Forward);
                  }),
                  hasView);
    commands.Bind(CommandId::SearchHistory, [f] { RunHistorySearch(f); });
    commands.Bind(CommandId::ClearIeHistory, [f] { ClearUrlHistory(f); });
}
