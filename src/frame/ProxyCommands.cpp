#include "frame/ProxyCommands.h"

#include "commands/CommandId.h"
#include "frame/CMainFrame.h"
#include "ini/ProxyIni.h"
#include "ini/SecurityIni.h"
#include "platform/MessageBox.h"
#include "security/CgiProxy.h"
#include "security/ProxySettings.h"
#include "settings/CProxyDialog.h"
#include "view/ConnectionGate.h"
#include "view/CZelvoView.h"
#include "view/EngineProxy.h"

#include <QComboBox>

namespace {

ProxyRecord DesktopRecord()
{
    ProxyRecord record;
    record.access = ProxyRecord::Access::Preconfig;
    return record;
}

void ApplyMode(CMainFrame& frame, const ProxyRecord& record, int mode, const QString& failure)
{
    if (!EngineProxy::Apply(record)) {
        ShowMessageBox(&frame, failure, QStringLiteral("Error"), MbIcon::Stop);
        return;
    }
    ProxyIni::SetProxyCommand(mode);
}

void ApplyStoredProxy(CMainFrame& frame, int n)
{
    const std::optional<ProxyRecord> record = ProxySettings::Stored(n);
    if (!record) {
        ShowMessageBox(&frame, ProxySettings::MissingText(n), QStringLiteral("実行不可"),
                       MbIcon::Stop);
        return;
    }
    ApplyMode(frame, *record, n, ProxySettings::FailureText(n));
}

void BindModes(CMainFrame& frame)
{
    const std::pair<CommandId, int> modes[] = {
        {CommandId::ProxyDirect, ProxySettings::kModeDirect},
        {CommandId::Proxy1, 1},
        {CommandId::Proxy2, 2},
        {CommandId::Proxy3, 3},
        {CommandId::ProxySystem, ProxySettings::kModeSystem}};
    for (const auto& [id, mode] : modes) {
        frame.Commands().Bind(
            id,
            [&frame, mode] {
                if (mode == ProxySettings::kModeDirect)
                    ApplyMode(frame, ProxyRecord{}, mode,
                              QStringLiteral("プロキシ設定に失敗しました"));
                else if (mode == ProxySettings::kModeSystem)
                    ApplyMode(frame, DesktopRecord(), mode,
                              QStringLiteral("プロキシ設定(IE)に失敗しました"));
                else
                    ApplyStoredProxy(frame, mode);
            },
            [mode](CmdUI& ui) { ui.check = ProxyIni::ProxyCommand() == mode ? 1 : 0; });
    }
}

void NavigateViaCgiProxy(CMainFrame& frame)
{
    CZelvoView* view = frame.ActiveZelvoView();
    if (!view)
        return;
    const QString address = CgiProxy::Address(frame.m_wndAddressBar->currentText(),
                                              SecurityIni::CgiProxy(), SecurityIni::CgiCommand());
    if (!address.isEmpty())
        view->Navigate2(address);
}

void RefreshUserAgent(CMainFrame& frame)
{
    CZelvoView* view = frame.ActiveZelvoView();
    if (!view)
        return;
    view->OnAmbientPropertyChange(DISPID_AMBIENT_USERAGENT);
    view->Refresh();
}

void BindConnectedState(CMainFrame& frame)
{
    frame.Commands().Bind(
        CommandId::Online,
        [&frame] {
            if (ConnectionGate::IsOnline())
                ShowMessageBox(&frame, QStringLiteral("既にオンラインです。"),
                               QStringLiteral("Zelvo"));
            else
                ConnectionGate::SetOnline(true);
        },
        [](CmdUI& ui) { ui.check = ConnectionGate::IsOnline() ? 1 : 0; });
    frame.Commands().Bind(
        CommandId::Offline,
        [&frame] {
            if (ConnectionGate::IsOnline())
                ConnectionGate::SetOnline(false);
            else
                ShowMessageBox(&frame, QStringLiteral("既にオフラインです。"),
                               QStringLiteral("Zelvo"));
        },
        [](CmdUI& ui) { ui.check = ConnectionGate::IsOnline() ? 0 : 1; });
}

} // namespace

void BindProxyCommands(CMainFrame& frame)
{
    BindModes(frame);
    // The first view restores the other modes. In this one the desktop's
    // settings are meant, which the engine does not follow by itself.
    const int stored = ProxyIni::ProxyCommand();
    if (stored < ProxySettings::kModeDirect || stored > ProxySettings::kProxyCount)
        EngineProxy::Apply(DesktopRecord());
    frame.Commands().Bind(CommandId::ProxySettings, [&frame] {
        CProxyDialog dialog(&frame);
        dialog.exec();
    });
    auto needsView = [&frame](CmdUI& ui) { ui.enabled = frame.ActiveZelvoView() != nullptr; };
    frame.Commands().Bind(
        CommandId::CgiProxyConnect, [&frame] { NavigateViaCgiProxy(frame); }, needsView);
    frame.Commands().Bind(
        CommandId::UpdateUserAgent, [&frame] { RefreshUserAgent(frame); }, needsView);
    BindConnectedState(frame);
}
