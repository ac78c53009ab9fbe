#include "commands/MenuResources.h"

#include "commands/CommandTable.h"

#include <QMap>

namespace {

using C = CommandId;

// An item with its command's menu text, or with this menu's own text.
MenuItemDef Cmd(CommandId id, const char* text = "")
{
    return {MenuItemDef::Kind::Command, ToInt(id), QString::fromUtf8(text), {}};
}

MenuItemDef Sep()
{
    return {MenuItemDef::Kind::Separator, 0, {}, {}};
}

MenuItemDef Sub(const char* text, QList<MenuItemDef> items)
{
    return {MenuItemDef::Kind::Submenu, 0, QString::fromUtf8(text), std::move(items)};
}

// Main menu, resource 128. Positions matter beyond the order: the favourites builder
// inserts folders before the one separator of "お気に入り", and the form files are
// appended to the submenu at position 10 of "ツール", after its closing separator.

MenuItemDef FileMenu()
{
    return Sub("ﾌｧｲﾙ(&F)", {
                               Cmd(C::FileNewUnlimited),
                               Cmd(C::FileNew),
                               Cmd(C::FileOpen),
                               Cmd(C::FileClose),
                               Sep(),
                               Cmd(C::FileSaveAs),
                               Sep(),
                               Cmd(C::FilePrint),
                               Cmd(C::PrintPage),
                               Cmd(C::PrintPreview),
                               Cmd(C::FilePrintSetup),
                               Cmd(C::PageSetup),
                               Sep(),
                               Cmd(C::PageProperties),
                               Sep(),
                               Sub("お気に入りHTML(&H)",
                                   {
                                       Cmd(C::FavoritesHtmlCreate),
                                       Cmd(C::FavoritesHtmlOpen),
                                       Cmd(C::FavoritesHtmlAtStart),
                                   }),
                               Sep(),
                               Cmd(C::RecentFile1),
                               Sep(),
                               Cmd(C::AppExit),
                           });
}

MenuItemDef EditMenu()
{
    return Sub("編集(&E)", {
                               Cmd(C::SelectAll),
                               Sep(),
                               Cmd(C::EditUndo),
                               Cmd(C::EditRedo),
                               Sep(),
                               Cmd(C::EditCut),
                               Cmd(C::EditCopy),
                               Cmd(C::EditPaste),
                           });
}

MenuItemDef ViewMenu()
{
    return Sub("表示(&V)", {
                               Sub("コントロール(&T)",
                                   {
                                       Cmd(C::ViewToolbar),
                                       Cmd(C::ViewStatusBar),
                                       Cmd(C::ViewAddressBar),
                                       Cmd(C::ViewSearchBar),
                                       Cmd(C::ViewDockingBar),
                                       Cmd(C::ViewTabBar),
                                       Sep(),
                                       Cmd(C::ToggleAllBars),
                                       Cmd(C::MaximizeView),
                                   }),
                               Sub("フォーカス(&K)",
                                   {
                                       Cmd(C::FocusAddressBar),
                                       Cmd(C::FocusSearchWords),
                                       Cmd(C::FocusSearchSites),
                                   }),
                               Sep(),
                               Sub("文字サイズ(&F)",
                                   {
                                       Cmd(C::TextSizeLargest),
                                       Cmd(C::TextSizeLarger),
                                       Cmd(C::TextSizeMedium),
                                       Cmd(C::TextSizeSmaller),
                                       Cmd(C::TextSizeSmallest),
                                   }),
                               Sub("画像のサイズ(&Z)",
                                   {
                                       Cmd(C::ImageZoomIn2x),
                                       Cmd(C::ImageZoomIn),
                                       Cmd(C::ImageZoomOut),
                                       Cmd(C::ImageZoomOut2x),
                                   }),
                               Sep(),
                               Cmd(C::Connect),
                               Sub("接続状態(&C)",
                                   {
                                       Cmd(C::Online),
                                       Cmd(C::Offline),
                                   }),
                               Sep(),
                               Sub("ページの履歴(&H)",
                                   {
                                       Cmd(C::BackHistoryPage),
                                       Cmd(C::ForwardHistoryPage),
                                   }),
                               Sub("URLの補完(&U)",
                                   {
                                       Cmd(C::CompleteCom),
                                       Cmd(C::CompleteCoJp),
                                       Cmd(C::CompleteNeJp),
                                   }),
                               Sub("エンコード(&A)",
                                   {
                                       Cmd(C::EncodingJapaneseAuto),
                                       Cmd(C::EncodingEucJp),
                                       Cmd(C::EncodingShiftJis),
                                       Sep(),
                                       Cmd(C::EncodingMenu),
                                   }),
                               Sep(),
                               Cmd(C::ViewSource),
                               Sub("選択範囲(&E)",
                                   {
                                       Cmd(C::SelectionSource),
                                       Cmd(C::SelectionSearch),
                                       Cmd(C::SelectionLinkAddresses),
                                       Cmd(C::SelectionLinkify),
                                       Sub("選択範囲の欠損リンク(&D)",
                                           {
                                               Cmd(C::SelectionRepairTtp),
                                               Cmd(C::SelectionRepairWww),
                                           }),
                                   }),
                               Sep(),
                               Sub("タブ操作(&R)",
                                   {
                                       Cmd(C::TabClose),
                                       Cmd(C::TabCloseAll),
                                       Cmd(C::TabCloseRight),
                                       Cmd(C::TabCloseLeft),
                                       Sep(),
                                       Cmd(C::TabMoveRight),
                                       Cmd(C::TabMoveLeft),
                                       Sep(),
                                       Cmd(C::TabLock),
                                       Cmd(C::SwapPages),
                                       Sep(),
                                       Cmd(C::ReopenClosedTab),
                                       Cmd(C::ClearLastClosedTab),
                                       Cmd(C::ClearClosedTabHistory),
                                   }),
                               Cmd(C::FollowWindowTab),
                               Sep(),
                               Cmd(C::SplitFrames),
                               Sub("スクロール(&L)",
                                   {
                                       Cmd(C::ScrollTop),
                                       Cmd(C::ScrollBottom),
                                   }),
                               Sep(),
                               Cmd(C::StatusUrlOnly),
                               Cmd(C::NavigateLock),
                           });
}

MenuItemDef FavoritesMenu()
{
    return Sub("お気に入り(&A)", {
                                     Sep(),
                                 });
}

MenuItemDef GoMenu()
{
    return Sub("移動(&G)", {
                               Cmd(C::GoForward),
                               Cmd(C::GoBack),
                               Cmd(C::Stop),
                               Cmd(C::GoHome),
                               Cmd(C::Refresh),
                               Cmd(C::RefreshCompletely),
                               Sep(),
                               Cmd(C::StopAll),
                               Cmd(C::RefreshAll),
                               Sep(),
                               Cmd(C::RefreshFrames),
                               Cmd(C::ConnectFrames),
                               Sep(),
                               Sub("自動更新(&A)",
                                   {
                                       Cmd(C::AutoRefresh30s),
                                       Cmd(C::AutoRefresh1m),
                                       Cmd(C::AutoRefresh5m),
                                       Cmd(C::AutoRefresh10m),
                                       Sep(),
                                       Cmd(C::AutoRefreshOff),
                                   }),
                           });
}

MenuItemDef SecurityMenu()
{
    return Sub("セキュリティ(&S)",
               {
                   Sub("グローバルブラウザセキュリティ(&S)",
                       {
                           Cmd(C::GlobalScript),
                           Cmd(C::GlobalJava),
                           Cmd(C::GlobalActiveXRun),
                           Cmd(C::GlobalActiveXDownload),
                           Cmd(C::GlobalCookies),
                           Cmd(C::GlobalSessionCookies),
                       }),
                   Sub("クッキー Internet Explorer 6(&E)",
                       {
                           Cmd(C::PrivacyBlockAll),
                           Cmd(C::PrivacyHigh),
                           Cmd(C::PrivacyMediumHigh),
                           Cmd(C::PrivacyMedium),
                           Cmd(C::PrivacyLow),
                           Cmd(C::PrivacyAcceptAll),
                       }),
                   Sub("Cookie個別設定(&B)",
                       {
                           Cmd(C::SiteCookieInfo),
                           Sep(),
                           Cmd(C::SiteCookieBlock),
                           Cmd(C::SiteCookieAccept),
                           Cmd(C::SiteCookieDelete),
                       }),
                   Sub("ローカルブラウザセキュリティ(&L)",
                       {
                           Cmd(C::LocalScript),
                           Cmd(C::LocalJava),
                           Cmd(C::LocalActiveXRun),
                           Cmd(C::LocalActiveXDownload),
                           Sep(),
                           Cmd(C::LocalAllOn),
                           Cmd(C::LocalAllOff),
                           Sep(),
                           Cmd(C::UpdateUserAgent),
                       }),
                   Sub("マルチメディア(&M)",
                       {
                           Cmd(C::ShowImages),
                           Cmd(C::PlayVideos),
                           Cmd(C::PlaySounds),
                       }),
                   Cmd(C::NoCache),
                   Sep(),
                   Sub("抑制(&N)",
                       {
                           Cmd(C::ForbiddenUrlFilter),
                           Cmd(C::ForbiddenTitleFilter),
                           Cmd(C::SuppressDialogs),
                           Cmd(C::SuppressMailto),
                           Cmd(C::HideChildTabs),
                           Cmd(C::UrlSecurity),
                           Cmd(C::ZelvoMultimedia),
                           Cmd(C::MouseGestures),
                       }),
                   Sub("禁止リスト(&J)",
                       {
                           Cmd(C::ForbiddenUrlList),
                           Cmd(C::ForbiddenTitleList),
                           Sep(),
                           Cmd(C::AddPageToForbiddenUrls),
                           Cmd(C::AddPageToForbiddenTitles),
                       }),
                   Sep(),
                   Sub("削除(&U)",
                       {
                           Cmd(C::ClearAddressHistory),
                           Cmd(C::ClearSearchHistory),
                           Sep(),
                           Cmd(C::ClearIeHistory),
                           Cmd(C::ClearTemporaryFiles),
                           Cmd(C::ClearCookies),
                           Sep(),
                           Cmd(C::ClearLastClosedTab, "最後に閉じたタブ履歴の削除(&L)"),
                           Cmd(C::ClearClosedTabHistory, "タブ削除履歴の削除(&B)"),
                       }),
                   Sep(),
                   Cmd(C::ProxySettings),
                   Sub("プロキシ(&X)",
                       {
                           Cmd(C::Proxy1),
                           Cmd(C::Proxy2),
                           Cmd(C::Proxy3),
                           Sep(),
                           Cmd(C::ProxyDirect),
                           Cmd(C::ProxySystem),
                       }),
                   Cmd(C::PrivacyReport),
                   Cmd(C::CgiProxyConnect),
               });
}

MenuItemDef ToolsMenu()
{
    return Sub("ツール(&T)", {
                                 Cmd(C::BrowserOptions),
                                 Cmd(C::Settings),
                                 Sep(),
                                 Cmd(C::Search),
                                 Sub("検索バーイベント(&S)",
                                     {
                                         Cmd(C::FindInPage),
                                         Cmd(C::HighlightSearch),
                                         Cmd(C::HighlightSearchAllTabs),
                                         Sep(),
                                         Cmd(C::AddSearchSite),
                                         Cmd(C::WebSearch),
                                     }),
                                 Sub("お気に入りイベント(&F)",
                                     {
                                         Cmd(C::OrganizeFavorites),
                                         Cmd(C::AddFavorite),
                                         Cmd(C::ShowFavoritesFolder),
                                     }),
                                 Sep(),
                                 Sub("抽出(&L)",
                                     {
                                         Cmd(C::ExtractLinks),
                                         Sub("画像の抽出(&M)",
                                             {
                                                 Cmd(C::ExtractImages),
                                                 Sep(),
                                                 Cmd(C::ExtractGif),
                                                 Cmd(C::ExtractJpeg),
                                                 Cmd(C::ExtractPng),
                                                 Sep(),
                                                 Cmd(C::ShowImageAddresses),
                                             }),
                                         Sub("外部ファイルアドレスの抽出(&C)",
                                             {
                                                 Cmd(C::ExtractStyleSheets),
                                                 Cmd(C::ExtractFlash),
                                             }),
                                     }),
                                 Sub("ポップアップ(&G)",
                                     {
                                         Cmd(C::LinkToolTips),
                                         Cmd(C::InputToolTips),
                                     }),
                                 Sub("画像(&A)",
                                     {
                                         Cmd(C::ShowImageSizes),
                                         Sub("画像モザイクフィルタ(&A)",
                                             {
                                                 Cmd(C::MosaicFilter),
                                                 Cmd(C::AlwaysMosaicFilter),
                                             }),
                                     }),
                                 Sub("フォームの自動入力(&B)",
                                     {
                                         Cmd(C::FormRegister),
                                         Cmd(C::FormFill),
                                         Sep(),
                                     }),
                                 Sep(),
                                 Cmd(C::SourcePreview),
                                 Cmd(C::RestoreLastSession),
                                 Cmd(C::CustomizeStyleSheet),
                                 Sep(),
                                 Sub("翻訳(&I)",
                                     {
                                         Cmd(C::TranslateInfoseekEnJa),
                                         Cmd(C::TranslateExciteEnJa),
                                         Cmd(C::TranslateExciteJaEn),
                                     }),
                                 Sub("IEの履歴(&H)",
                                     {
                                         Cmd(C::ExtractTodayHistory),
                                         Cmd(C::ExtractIeHistory),
                                         Sep(),
                                         Cmd(C::SearchHistory),
                                     }),
                                 Sub("ポケット(&K)",
                                     {
                                         Cmd(C::PocketAddAddress),
                                         Cmd(C::PocketAddSelectionLinks),
                                         Cmd(C::PocketAddSelectionText),
                                         Cmd(C::PocketAddClipboard),
                                         Sep(),
                                         Cmd(C::PocketRun),
                                         Cmd(C::PocketClear),
                                     }),
                                 Sep(),
                                 Cmd(C::HideToTray),
                             });
}

MenuItemDef WindowMenu()
{
    return Sub("ｳｨﾝﾄﾞｳ(&W)", {
                                 Cmd(C::FileNew, "新しいｳｨﾝﾄﾞｳを開く(&N)"),
                                 Sep(),
                                 Cmd(C::WindowCascade),
                                 Cmd(C::WindowTile),
                                 Cmd(C::WindowArrangeIcons),
                                 Sep(),
                                 Cmd(C::WindowTabsTopBottom),
                                 Sub("ウインドタブ(&W)",
                                     {
                                         Cmd(C::WindowTabsShow),
                                         Cmd(C::WindowTabsHide),
                                     }),
                                 Sub("ウインドサイズ(&S)",
                                     {
                                         Cmd(C::ChildMinimize),
                                         Cmd(C::ChildRestore),
                                         Cmd(C::ChildMaximize),
                                     }),
                             });
}

MenuItemDef HelpMenu()
{
    return Sub("ﾍﾙﾌﾟ(&H)", {
                               Cmd(C::AppAbout),
                               Cmd(C::AuthorHomePage),
                               Sep(),
                               Cmd(C::HelpIndex),
                           });
}

const QList<MenuItemDef>& TopMenus()
{
    static const QList<MenuItemDef> menus = {FileMenu(),      EditMenu(),   ViewMenu(),
                                             FavoritesMenu(), GoMenu(),     SecurityMenu(),
                                             ToolsMenu(),     WindowMenu(), HelpMenu()};
    return menus;
}

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
    for (int i = 0; i < TopMenus().size(); ++i)
        popups.insert(MenuId(int(M::MenuBarCopyFirst) + i),
                      {QStringLiteral("m%1").arg(i + 1), TopMenus().at(i).items});
    return popups;
}

const QMap<MenuId, PopupResource>& Popups()
{
    static const QMap<MenuId, PopupResource> popups = BuildPopups();
    return popups;
}

} // namespace

QString MenuItemText(const MenuItemDef& item)
{
    if (item.kind == MenuItemDef::Kind::Command && item.text.isEmpty())
        return CommandMenuText(item.id);
    return item.text;
}

const QList<MenuItemDef>& MainMenu()
{
    return TopMenus();
}

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

const QList<ToolbarButtonDef>& MainToolbarButtons()
{
    using M = MenuId;
    auto button = [](CommandId id, MenuId dropDown, const char* chevron) {
        return ToolbarButtonDef{ToInt(id), dropDown, QString::fromUtf8(chevron)};
    };
    static const QList<ToolbarButtonDef> buttons = {
        button(C::GoBack, M::Back, "戻る"),
        button(C::GoForward, M::Forward, "進む"),
        button(C::Stop, M::None, "中止"),
        button(C::Refresh, M::Refresh, "更新"),
        button(C::GoHome, M::None, "ホーム"),
        button(C::FileNew, M::None, "新規作成2"),
        button(C::SearchHistory, M::None, "履歴検索"),
        button(C::TabClose, M::CloseTabs, "タブ削除"),
        button(C::ViewDockingBar, M::None, "お気に入り"),
        button(C::Search, M::SearchTool, "検索"),
        button(C::FilePrint, M::None, "印刷"),
        button(C::TranslateExciteEnJa, M::Translate, "翻訳"),
        button(C::HideToTray, M::None, "タスクトレイに格納"),
        button(C::RestoreLastSession, M::None, ""),
        button(C::BrowserOptions, M::None, ""),
        button(C::Settings, M::None, ""),
        button(C::ProxySettings, M::None, ""),
        button(C::ExtractLinks, M::None, ""),
        button(C::EncodingMenu, M::None, ""),
    };
    return buttons;
}

const QList<ToolbarButtonDef>& SearchToolbarButtons()
{
    static const QList<ToolbarButtonDef> buttons = {
        {ToInt(C::SearchSitePlaceHolder), MenuId::None, {}, 140},
        {ToInt(C::WebSearch), MenuId::SearchCommands, {}, 0},
    };
    return buttons;
}

const QList<ToolbarButtonDef>& ConnectToolbarButtons()
{
    static const QList<ToolbarButtonDef> buttons = {{ToInt(C::Connect), MenuId::None, {}, 0}};
    return buttons;
}
