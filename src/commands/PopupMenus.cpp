// The popup menus: the tab menu, the drop-downs, the chevrons and the panes' menus.
#include "commands/MenuResources.h"

#include "commands/MenuBuilders.h"

#include <QMap>

namespace {

using namespace MenuBuilders;

// The search commands of the search toolbar's drop-down (second popup of 144).
QList<MenuItemDef> SearchPopup()
{
    return {
        Cmd(C::WebSearch, "Web検索 ↑→"),
        Cmd(C::FindInPage, "ページの検索 ←→←→"),
        Cmd(C::HighlightSearch, "色つき検索 →←→←"),
        Cmd(C::HighlightSearchAllTabs, "全ページ色つき検索 ↑↓→↑"),
        Cmd(C::Search, "検索 ←↓"),
        Sep(),
        Cmd(C::AddSearchSite, "検索サイトの追加"),
        Cmd(C::ViewSearchBar, "検索バー"),
    };
}

QList<MenuItemDef> ToolbarChevronPopup()
{
    QList<MenuItemDef> items;
    for (const ToolbarButtonDef& button : MainToolbarButtons()) {
        if (!button.chevronText.isEmpty())
            items.append({MenuItemDef::Kind::Command, button.id, button.chevronText, {}});
    }
    return items;
}

// The tab menu, shown by the tab bar, the window tabs and the tab-list pane.
QList<MenuItemDef> TabPopup()
{
    return {
        Cmd(C::TabClose, "アクティブなタブ削除"),
        Sub("他のタブ削除",
            {
                Cmd(C::TabCloseAll, "すべてのタブを削除"),
                Cmd(C::TabCloseRight, "右のタブをすべて削除"),
                Cmd(C::TabCloseLeft, "左のタブをすべて削除"),
            }),
        Sub("タブ移動",
            {
                Cmd(C::TabMoveRight, "タブを右隣に移動"),
                Cmd(C::TabMoveLeft, "タブを左隣に移動"),
            }),
        Sep(),
        Sub("接続",
            {
                Cmd(C::Connect, "接続"),
                Cmd(C::CgiProxyConnect, "CGIプロキシで接続"),
            }),
        Sub("移動",
            {
                Cmd(C::GoForward, "進む"),
                Cmd(C::GoBack, "戻る"),
                Cmd(C::Stop, "中止"),
                Cmd(C::GoHome, "ホーム"),
                Cmd(C::Refresh, "更新"),
                Cmd(C::RefreshCompletely, "更新2"),
                Cmd(C::StopAll, "すべて中止"),
                Cmd(C::RefreshAll, "すべて更新"),
                Cmd(C::ConnectFrames, "フレーム接続"),
                Cmd(C::RefreshFrames, "フレームのみ更新"),
            }),
        Sub("URLの補完",
            {
                Cmd(C::CompleteCom, "http://www.*.com"),
                Cmd(C::CompleteCoJp, "http://www.*.co.jp"),
                Cmd(C::CompleteNeJp, "http://www.*.ne.jp"),
            }),
        Sub("翻訳",
            {
                Cmd(C::TranslateInfoseekEnJa, "インフォシーク(英和)"),
                Cmd(C::TranslateExciteEnJa, "Excite(英和)"),
                Cmd(C::TranslateExciteJaEn, "Excite(和英)"),
            }),
        Sep(),
        Cmd(C::SplitFrames, "フレームの分解"),
        Cmd(C::ReopenClosedTab, "最後に閉じたタブの復元"),
        Sep(),
        Sub("ロック",
            {
                Cmd(C::TabLock, "タブロック"),
                Cmd(C::NavigateLock, "ナビゲートロック"),
            }),
        Sub("抑制",
            {
                Cmd(C::ForbiddenUrlFilter, "禁止URLの抑制"),
                Cmd(C::ForbiddenTitleFilter, "禁止タイトルの抑制"),
            }),
        Sub("選択範囲",
            {
                Cmd(C::SelectionSource, "選択範囲のソース表示"),
                Cmd(C::SelectionSearch, "選択範囲の文字列検索"),
                Cmd(C::SelectionLinkAddresses, "選択範囲のリンクアドレス表示"),
                Cmd(C::SelectionLinkify, "選択範囲のアドレスリンク化"),
                Sub("選択範囲の欠損リンク",
                    {
                        Cmd(C::SelectionRepairTtp, "ttp://"),
                        Cmd(C::SelectionRepairWww, "www."),
                    }),
            }),
        Sep(),
        Cmd(C::AddPageToForbiddenUrls, "ページを禁止URLリストに追加"),
        Cmd(C::AddPageToForbiddenTitles, "ページを禁止タイトルリストに追加"),
        Sep(),
        Cmd(C::AddFavorite, "お気に入りの追加"),
        Cmd(C::OrganizeFavorites, "お気に入りの整理"),
    };
}

// The view relabels the three step items with its travel log, so they must stay
// at positions 1 to 3 without separators in between.
QList<MenuItemDef> BackPopup()
{
    return {
        Cmd(C::BackHistoryPage, "「戻る」の履歴の表示"),
        Cmd(C::Back1, "1つ戻る"),
        Cmd(C::Back2, "2つ戻る"),
        Cmd(C::Back3, "3つ戻る"),
    };
}

QList<MenuItemDef> ForwardPopup()
{
    return {
        Cmd(C::ForwardHistoryPage, "「進む」の履歴の表示"),
        Cmd(C::Forward1, "1つ進む"),
        Cmd(C::Forward2, "2つ進む"),
        Cmd(C::Forward3, "3つ進む"),
    };
}

QList<MenuItemDef> FavoritesTreePopup()
{
    return {
        Cmd(C::FavOpenNewTab, "新しいページに表示"),
        Cmd(C::FavOpenHere, "現在のページで表示"),
        Sep(),
        Cmd(C::FavOpenCgiProxy, "CGIプロキシでお気に入りの接続"),
        Cmd(C::FavTranslate, "お気に入りの英和翻訳(Excite)"),
        Sep(),
        Cmd(C::OrganizeFavorites, "お気に入りの整理"),
        Cmd(C::AddFavorite, "お気に入りの追加"),
        Cmd(C::FavDelete, "お気に入りの削除"),
        Cmd(C::FavAddToGroup, "お気に入りを巡回グループに追加"),
    };
}

QList<MenuItemDef> CookiePopup()
{
    return {
        Cmd(C::GlobalCookies, "クッキーの許可(IE5.5以下)"),
        Cmd(C::GlobalSessionCookies, "セッションクッキーの許可(IE5.5以下)"),
        Sep(),
        Cmd(C::PrivacyBlockAll, "全てのクッキー拒否"),
        Cmd(C::PrivacyHigh, "高レベル"),
        Cmd(C::PrivacyMediumHigh, "中高レベル"),
        Cmd(C::PrivacyMedium, "中レベル"),
        Cmd(C::PrivacyLow, "低レベル"),
        Cmd(C::PrivacyAcceptAll, "全てのクッキーを受け入れる"),
        Sep(),
        Sub("Cookie個別設定情報",
            {
                Cmd(C::SiteCookieInfo, "Cookie個別設定情報の表示"),
                Sep(),
                Cmd(C::SiteCookieBlock, "Cookie拒絶"),
                Cmd(C::SiteCookieAccept, "Cookie受諾"),
                Cmd(C::SiteCookieDelete, "Cookie個別設定削除"),
            }),
    };
}

QList<MenuItemDef> MediaPopup()
{
    return {
        Cmd(C::LocalAllOn, "すべて有効(ローカル)"),
        Cmd(C::LocalAllOff, "すべて無効(ローカル)"),
        Sep(),
        Cmd(C::ShowImages, "画像の表示"),
        Cmd(C::PlayVideos, "ビデオの表示"),
        Cmd(C::PlaySounds, "BGMの演奏"),
    };
}

QList<MenuItemDef> GroupTreePopup()
{
    return {
        Cmd(C::GroupRun, "グループの実行"),
        Cmd(C::GroupDeleteAll, "グループアイテムすべて削除"),
        Sep(),
        Cmd(C::GroupItemRun, "グループアイテムの実行"),
        Cmd(C::GroupItemDelete, "グループアイテムの削除"),
    };
}

QList<MenuItemDef> PocketPopup()
{
    return {
        Cmd(C::PocketAddAddress, "アドレスバーURLをポケットへ"),
        Cmd(C::PocketAddSelectionLinks, "選択範囲のリンクをポケットへ"),
        Cmd(C::PocketAddSelectionText, "選択範囲の文字列URLをポケットへ"),
        Cmd(C::PocketAddClipboard, "クリップボードURLをポケットへ"),
        Sep(),
        Cmd(C::PocketRun, "ポケットの実行"),
        Cmd(C::PocketRunChecked, "チェックアイテムのポケット実行"),
        Cmd(C::PocketClear, "ポケットの初期化"),
    };
}

// The menu bar's chevron: one empty popup per top menu, filled from 197 ... 205 when shown.
QList<MenuItemDef> MenuBarChevronPopup()
{
    return {Sub("ファイル", {}),   Sub("編集", {}),     Sub("表示", {}),
            Sub("お気に入り", {}), Sub("移動", {}),     Sub("セキュリティ", {}),
            Sub("ツール", {}),     Sub("ウインド", {}), Sub("ヘルプ", {})};
}

struct PopupResource {
    QString name;
    QList<MenuItemDef> items;
};

QMap<MenuId, PopupResource> BuildPopups()
{
    using M = MenuId;
    QMap<MenuId, PopupResource> popups = {
        {M::SearchCommands, {"test", SearchPopup()}},
        {M::ToolbarChevron, {"", ToolbarChevronPopup()}},
        {M::SearchTool,
         {"search_tool",
          {Cmd(C::HighlightSearch, "色つき検索"), Cmd(C::FindInPage, "ページの検索"),
           Cmd(C::ViewSearchBar, "検索バー")}}},
        {M::Tab, {"rtab", TabPopup()}},
        {M::Back, {"back", BackPopup()}},
        {M::Forward, {"go", ForwardPopup()}},
        {M::FavoritesTree, {"fav", FavoritesTreePopup()}},
        {M::Cookie, {"cookie", CookiePopup()}},
        {M::ActiveXDownload,
         {"activexdl",
          {Cmd(C::GlobalActiveXDownload, "ActiveXダウンロードの許可(グローバル)"),
           Cmd(C::LocalActiveXDownload, "ActiveXダウンロードの許可(ローカル)")}}},
        {M::ActiveX,
         {"activex",
          {Cmd(C::GlobalActiveXRun, "ActiveX実行の許可(グローバル)"),
           Cmd(C::LocalActiveXRun, "ActiveX実行の許可(ローカル)")}}},
        {M::Java,
         {"java",
          {Cmd(C::GlobalJava, "JAVAの許可(グローバル)"),
           Cmd(C::LocalJava, "JAVAの許可(ローカル)")}}},
        {M::Script,
         {"script",
          {Cmd(C::GlobalScript, "スクリプトの許可(グローバル)"),
           Cmd(C::LocalScript, "スクリプトの許可(ローカル)")}}},
        {M::Media, {"media", MediaPopup()}},
        {M::CloseTabs,
         {"del",
          {Cmd(C::TabCloseAll, "すべてのタブを削除"), Cmd(C::TabCloseRight, "右のタブをすべて削除"),
           Cmd(C::TabCloseLeft, "左のタブをすべて削除")}}},
        {M::Translate,
         {"tra",
          {Cmd(C::TranslateInfoseekEnJa, "インフォシーク翻訳(英和)"),
           Cmd(C::TranslateExciteJaEn, "Excite翻訳(和英)")}}},
        {M::Refresh,
         {"ref",
          {Cmd(C::RefreshCompletely, "完全更新"), Cmd(C::RefreshAll, "すべて更新"),
           Cmd(C::RefreshFrames, "フレームのみ更新"),
           Sub("自動更新", {Cmd(C::AutoRefresh30s, "30秒"), Cmd(C::AutoRefresh1m, "1分"),
                            Cmd(C::AutoRefresh5m, "5分"), Cmd(C::AutoRefresh10m, "10分"),
                            Cmd(C::AutoRefreshOff, "なし")})}}},
        {M::GroupTree, {"group", GroupTreePopup()}},
        // Emptied and refilled from the engine's encoding list every time it is shown.
        {M::Encoding, {"", {}}},
        {M::Pocket, {"poket", PocketPopup()}},
        {M::MenuBarChevron, {"chev", MenuBarChevronPopup()}},
    };
    for (int i = 0; i < MainMenu().size(); ++i)
        popups.insert(MenuId(int(M::MenuBarCopyFirst) + i),
                      {QStringLiteral("m%1").arg(i + 1), MainMenu().at(i).items});
    return popups;
}

const QMap<MenuId, PopupResource>& Popups()
{
    static const QMap<MenuId, PopupResource> popups = BuildPopups();
    return popups;
}

} // namespace

const QList<MenuItemDef>& PopupMenu(MenuId menu)
{
    static const QList<MenuItemDef> none;
    const auto it = Popups().constFind(menu);
    return it == Popups().cend() ? none : it->items;
}

QString PopupMenuName(MenuId menu)
{
    return Popups().value(menu).name;
}

QList<MenuId> PopupMenuIds()
{
    return Popups().keys();
}
