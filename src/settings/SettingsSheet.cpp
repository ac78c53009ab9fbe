#include "settings/SettingsSheet.h"

#include "settings/CSetCgi.h"
#include "settings/CSetEndDetail.h"
#include "settings/CSetFilter.h"
#include "settings/CSetFirst.h"
#include "settings/CSetGeneral.h"
#include "settings/CSetSearchSite.h"
#include "settings/CSetSecond.h"
#include "settings/CSetSecurity.h"
#include "settings/CSetSkin.h"
#include "settings/CSetToolbar.h"
#include "settings/CSetUserAgent.h"
#include "settings/CTabSet.h"
#include "settings/CTreePropSheet.h"

void AddSettingsPages(CTreePropSheet& sheet, const SettingsHost& host)
{
    const auto send = [host](int id) { host.Send(id); };
    sheet.AddPage<CSetFirst>(QStringLiteral("タブ設定"), [host] { return new CSetFirst(host); });
    sheet.AddPage<CSetSecond>(QStringLiteral("タブ設定::タブ背景色"),
                              [] { return new CSetSecond; });
    sheet.AddPage<CSetUserAgent>(QStringLiteral("Web設定::USER_AGENT"),
                                 [send] { return new CSetUserAgent(send); });
    sheet.AddPage<CSetCgi>(QStringLiteral("Web設定::CGIプロキシ"),
                           [send] { return new CSetCgi(send); });
    sheet.AddPage<CSetSecurity>(QStringLiteral("Web設定::セキュリティ"),
                                [host] { return new CSetSecurity(host); });
    sheet.AddPage<CSetSearchSite>(QStringLiteral("Web設定::検索サイト"),
                                  [host] { return new CSetSearchSite(host); });
    sheet.AddPage<CSetEndDetail>(QStringLiteral("全般::終了処理"),
                                 [] { return new CSetEndDetail; });
    sheet.AddPage<CSetFilter>(QStringLiteral("Web設定::フィルター"), [] { return new CSetFilter; });
    sheet.AddPage<CSetGeneral>(QStringLiteral("全般"), [] { return new CSetGeneral; });
    sheet.AddPage<CSetSkin>(QStringLiteral("全般::スキン"), [host] { return new CSetSkin(host); });
    sheet.AddPage<CTabSet>(QStringLiteral("タブ設定::タブ操作"), [host] {
        auto* page = new CTabSet;
        page->SetOnApplied(host.reloadTabColors);
        return page;
    });
    sheet.AddPage<CSetToolbar>(QStringLiteral("全般::ツールバー"),
                               [host] { return new CSetToolbar(host); });
}

void PrepareSettingsSheet(CTreePropSheet& sheet, const SettingsHost& host)
{
    AddSettingsPages(sheet, host);
    sheet.SetEmptyPageText(QStringLiteral("子ツリーから選択してください！"));
    sheet.SetTreeViewMode(true, true, false);
    sheet.SetActivePage(1);
}

void RunSettingsSheet(QWidget* parent, const SettingsHost& host)
{
    CTreePropSheet sheet(QStringLiteral("Zelvo の設定"), parent);
    PrepareSettingsSheet(sheet, host);
    sheet.exec();
}
