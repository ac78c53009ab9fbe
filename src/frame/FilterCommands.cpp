#include "frame/FilterCommands.h"

#include "core/FlagToggle.h"
#include "frame/CMainFrame.h"
#include "ini/SecurityIni.h"
#include "ini/StopListIni.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "settings/CStopListDlg.h"
#include "view/CZelvoView.h"

namespace {

struct FlagCommand {
    CommandId id;
    int (*value)();
    int (*toggle)();
    CheckRule check;
};

constexpr FlagCommand kFlagCommands[] = {
    {CommandId::UrlSecurity, SecurityIni::UrlSec, SecurityIni::ToggleUrlSec, CheckRule::EqualsOne},
    {CommandId::SuppressMailto, SecurityIni::Mailto, SecurityIni::ToggleMailto, CheckRule::NonZero},
    {CommandId::ZelvoMultimedia, SecurityIni::Media, SecurityIni::ToggleMedia,
     CheckRule::EqualsOne},
    {CommandId::ForbiddenUrlFilter, [] { return StopListIni::Url().Check(); },
     [] { return StopListIni::Url().ToggleCheck(); }, CheckRule::NonZero},
    {CommandId::ForbiddenTitleFilter, [] { return StopListIni::Title().Check(); },
     [] { return StopListIni::Title().ToggleCheck(); }, CheckRule::NonZero},
    {CommandId::MouseGestures, SecurityIni::Gesture, SecurityIni::ToggleGesture,
     CheckRule::Inverted},
};

void AddToList(CMainFrame& frame, StopListKind kind)
{
    CZelvoView* view = frame.ActiveZelvoView();
    if (!view)
        return;
    const bool urls = kind == StopListKind::Url;
    const QString value = urls ? view->GetLocationURL() : view->GetLocationName();
    const QString caption = urls ? QStringLiteral("下記を禁止URLリストに追加しますか？")
                                 : QStringLiteral("下記を禁止タイトルリストに追加しますか？");
    if (ShowMessageBox(&frame, value, caption, MbIcon::Question, MbButtons::YesNo) != MbAnswer::Yes)
        return;
    (urls ? StopListIni::Url() : StopListIni::Title()).Append(value);
}

} // namespace

void BindFilterCommands(CMainFrame& frame)
{
    CommandMap& commands = frame.Commands();
    for (const FlagCommand& flag : kFlagCommands) {
        commands.Bind(
            ToInt(flag.id),
            [&frame, flag] {
                const int now = flag.toggle();
                if (flag.id == CommandId::ForbiddenTitleFilter)
                    frame.SetTitleWatch(now == 1);
            },
            [flag](CmdUI& ui) { ui.check = FlagChecked(flag.value(), flag.check) ? 1 : 0; });
    }

    auto needsView = [&frame](CmdUI& ui) { ui.enabled = frame.ActiveZelvoView() != nullptr; };
    commands.Bind(
        ToInt(CommandId::AddPageToForbiddenUrls), [&frame] { AddToList(frame, StopListKind::Url); },
        needsView);
    commands.Bind(
        ToInt(CommandId::AddPageToForbiddenTitles),
        [&frame] { AddToList(frame, StopListKind::Title); }, needsView);
    commands.Bind(ToInt(CommandId::ForbiddenUrlList), [&frame] {
        CStopListDlg dialog(StopListKind::Url, &frame);
        dialog.exec();
    });
    commands.Bind(ToInt(CommandId::ForbiddenTitleList), [&frame] {
        CStopListDlg dialog(StopListKind::Title, &frame);
        dialog.exec();
    });
    commands.Bind(
        ToInt(CommandId::SuppressDialogs),
        [&frame] {
            if (CZelvoView* view = frame.ActiveZelvoView())
                view->SetSilent(!view->GetSilent());
        },
        [&frame](CmdUI& ui) {
            CZelvoView* view = frame.ActiveZelvoView();
            ui.enabled = view != nullptr;
            ui.check = view && view->GetSilent() ? 1 : 0;
        });
}
