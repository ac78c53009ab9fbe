#include "commands/MenuResources.h"

#include "commands/CommandTable.h"
#include "commands/MenuBuilders.h"

namespace {

using namespace MenuBuilders;

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
