#include "frame/SecurityCommands.h"

#include "commands/CommandId.h"
#include "frame/CMainFrame.h"
#include "platform/MessageBox.h"
#include "security/SecurityFlags.h"
#include "security/ZoneStore.h"
#include "view/CZelvoView.h"
#include "view/CookieGate.h"
#include "view/DownloadControl.h"

namespace {

struct LocalSwitch {
    CommandId id;
    quint32 bit;
};

constexpr LocalSwitch kLocalSwitches[] = {
    {CommandId::LocalScript, DLCTL_NO_SCRIPTS},
    {CommandId::LocalJava, DLCTL_NO_JAVA},
    {CommandId::LocalActiveXRun, DLCTL_NO_RUNACTIVEXCTLS},
    {CommandId::LocalActiveXDownload, DLCTL_NO_DLACTIVEXCTLS},
    {CommandId::ShowImages, DLCTL_DLIMAGES},
    {CommandId::PlayVideos, DLCTL_VIDEOS},
    {CommandId::PlaySounds, DLCTL_BGSOUNDS},
    {CommandId::NoCache, DLCTL_PRAGMA_NO_CACHE},
};

struct GlobalSwitch {
    CommandId id;
    ZoneStore::Switch which;
    bool reloads;
};

constexpr GlobalSwitch kGlobalSwitches[] = {
    {CommandId::GlobalScript, ZoneStore::Switch::Script, true},
    {CommandId::GlobalJava, ZoneStore::Switch::Java, true},
    {CommandId::GlobalActiveXRun, ZoneStore::Switch::ActiveXRun, true},
    {CommandId::GlobalActiveXDownload, ZoneStore::Switch::ActiveXDownload, true},
    {CommandId::GlobalCookies, ZoneStore::Switch::Cookies, false},
    {CommandId::GlobalSessionCookies, ZoneStore::Switch::SessionCookies, false},
};

void ToggleGlobal(CMainFrame& frame, const GlobalSwitch& global)
{
    const bool done = ZoneStore::Toggle(global.which);
    // The cookie switches are the cookie gate's.
    CookieGate::Reload();
    if (!done) {
        ShowMessageBox(&frame, QStringLiteral("設定の切替に失敗しました。"), QStringLiteral("失敗"),
                       MbIcon::Stop);
        return;
    }
    if (global.reloads)
        frame.SendCommand(CommandId::Refresh);
}

} // namespace

void BindSecurityCommands(CMainFrame& frame)
{
    CommandMap& commands = frame.Commands();
    for (const LocalSwitch& local : kLocalSwitches) {
        commands.Bind(
            local.id,
            [&frame, local] {
                if (CZelvoView* view = frame.ActiveZelvoView())
                    view->ToggleDownloadControl(local.bit);
            },
            [local](CmdUI& ui) { ui.check = SecurityFlags::SwitchChecked(local.bit) ? 1 : 0; });
    }
    for (const auto& [id, word] : {std::pair{CommandId::LocalAllOn, SecurityFlags::kAllOn},
                                   std::pair{CommandId::LocalAllOff, SecurityFlags::kAllOff}}) {
        commands.Bind(id, [&frame, word] {
            if (CZelvoView* view = frame.ActiveZelvoView())
                view->SetDownloadControl(word);
        });
    }
    for (const GlobalSwitch& global : kGlobalSwitches) {
        commands.Bind(
            global.id, [&frame, global] { ToggleGlobal(frame, global); },
            [global](CmdUI& ui) { ui.check = ZoneStore::Checked(global.which) ? 1 : 0; });
    }
}
