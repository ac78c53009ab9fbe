#include "frame/SearchCommands.h"

#include "bars/CSearchBars.h"
#include "commands/CommandId.h"
#include "frame/CMainFrame.h"

void BindSearchCommands(CMainFrame& frame, CSearchBars& bars)
{
    CommandMap& commands = frame.Commands();
    auto bind = [&commands](CommandId id, CommandMap::Run run, CommandMap::Update update = {}) {
        commands.Bind(ToInt(id), std::move(run), std::move(update));
    };
    CSearchBars* b = &bars;
    bind(CommandId::WebSearch, [b] { b->OnWebSearch(); });
    bind(CommandId::AddSearchSite, [b] { b->OnAddSearchSite(); });
    bind(CommandId::ReloadSearchSites, [b] { b->LoadSearchSites(); });
    for (CommandId id :
         {CommandId::FindInPage, CommandId::HighlightSearch, CommandId::HighlightSearchAllTabs})
        bind(
            id, [b, id] { b->OnPageSearch(ToInt(id)); },
            [b](CmdUI& ui) { ui.enabled = b->CanPageSearch(); });
    bind(CommandId::ClearAddressHistory, [b] { b->OnDeleteAddressHistory(); });
    bind(CommandId::ClearSearchHistory, [b] { b->OnDeleteSearchHistory(); });
    bind(CommandId::CompleteCom, [b] { b->OnCompleteAddress(QStringLiteral(".com")); });
    bind(CommandId::CompleteCoJp, [b] { b->OnCompleteAddress(QStringLiteral(".co.jp")); });
    bind(CommandId::CompleteNeJp, [b] { b->OnCompleteAddress(QStringLiteral(".ne.jp")); });
    CMainFrame* f = &frame;
    auto hasView = [f](CmdUI& ui) { ui.enabled = f->ActiveZelvoView() != nullptr; };
    bind(
        CommandId::TranslateInfoseekEnJa, [b] { b->OnTranslate("Trancelate"); }, hasView);
    bind(
        CommandId::TranslateExciteEnJa, [b] { b->OnTranslate("Trancelate2"); }, hasView);
    bind(
        CommandId::TranslateExciteJaEn, [b] { b->OnTranslate("Trancelate3"); }, hasView);
}
