#include "commands/MenuResources.h"

#include "commands/CommandId.h"

#include <QHash>
#include <Qt>

#include <algorithm>

namespace {

MenuItemDef Cmd(CommandId id, const char* text)
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
    return Sub(
        "ﾌｧｲﾙ(&F)",
        {
            Cmd(CommandId::FileNewUnlimited, "無制限新規作成(&N)"),
            Cmd(CommandId::FileNew, "新規作成 →←↑(&M)\tCtrl+N"),
            Cmd(CommandId::FileOpen, "開く(&O)\tCtrl+O"),
            Cmd(CommandId::FileClose, "閉じる(&C)"),
            Sep(),
            Cmd(CommandId::FileSaveAs, "名前を付けて保存 ↑→↓ (&A)...\tCtrl+S"),
            Sep(),
            Cmd(CommandId::FilePrint, "印刷(&P)...\tCtrl+P"),
            Cmd(CommandId::PrintPage, "ページの印刷(&T)"),
            Cmd(CommandId::PrintPreview, "印刷プレビュー(&U)\tCtrl+B"),
            Cmd(CommandId::FilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)..."),
            Cmd(CommandId::PageSetup, "ページの設定(&S)"),
            Sep(),
            Cmd(CommandId::PageProperties, "ページのプロパティ(&Y)\tCtrl+Alt+M"),
            Sep(),
            Sub("お気に入りHTML(&H)",
                {
                    Cmd(CommandId::FavoritesHtmlCreate, "HTMLお気に入り作成(&H)"),
                    Cmd(CommandId::FavoritesHtmlOpen, "お気に入りHTMLの実行 ←↑ (&E)\tCtrl+Alt+N"),
                    Cmd(CommandId::FavoritesHtmlAtStart, "初回起動お気に入りHTML(&B)"),
                }),
            Sep(),
            Cmd(CommandId::RecentFile1, "最近使ったﾌｧｲﾙ"),
            Sep(),
            Cmd(CommandId::AppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)\tAlt+F4"),
        });
}

MenuItemDef EditMenu()
{
    return Sub("編集(&E)", {
                               Cmd(CommandId::SelectAll, "全てを選択(&A)\tCtrl+A"),
                               Sep(),
                               Cmd(CommandId::EditUndo, "元に戻す(&U)\tCtrl+Z"),
                               Cmd(CommandId::EditRedo, "繰り返し(&R)\tCtrl+R"),
                               Sep(),
                               Cmd(CommandId::EditCut, "切り取り(&T)\tCtrl+X"),
                               Cmd(CommandId::EditCopy, "ｺﾋﾟｰ(&C)\tCtrl+C"),
                               Cmd(CommandId::EditPaste, "貼り付け(&P)\tCtrl+V"),
                           });
}

MenuItemDef ViewMenu()
{
    return Sub(
        "表示(&V)",
        {
            Sub("コントロール(&T)",
                {
                    Cmd(CommandId::ViewToolbar, "ツールバー(&T)"),
                    Cmd(CommandId::ViewStatusBar, "ステータスバー(&S)"),
                    Cmd(CommandId::ViewAddressBar, "アドレスバー(&A)"),
                    Cmd(CommandId::ViewSearchBar, "検索バー(&I)"),
                    Cmd(CommandId::ViewDockingBar, "ドッキングバー(&D)"),
                    Cmd(CommandId::ViewTabBar, "タブバー(&B)"),
                    Sep(),
                    Cmd(CommandId::ToggleAllBars, "各種バーの反転 ↓↑↓ (&N)\tVK_F2"),
                    Cmd(CommandId::MaximizeView, "最大表示 ↓↑ (&M)\tVK_F1"),
                }),
            Sub("フォーカス(&K)",
                {
                    Cmd(CommandId::FocusAddressBar, "アドレスバー(&A)"),
                    Cmd(CommandId::FocusSearchWords, "検索バー(&S)"),
                    Cmd(CommandId::FocusSearchSites, "検索サイト(&R)"),
                }),
            Sep(),
            Sub("文字サイズ(&F)",
                {
                    Cmd(CommandId::TextSizeLargest, "最大(&H)"),
                    Cmd(CommandId::TextSizeLarger, "大(&G)"),
                    Cmd(CommandId::TextSizeMedium, "中(&M)"),
                    Cmd(CommandId::TextSizeSmaller, "小(&S)"),
                    Cmd(CommandId::TextSizeSmallest, "最小(&N)"),
                }),
            Sub("画像のサイズ(&Z)",
                {
                    Cmd(CommandId::ImageZoomIn2x, "拡大×2 ↓←↑ (&H)\tCtrl+Shift+3"),
                    Cmd(CommandId::ImageZoomIn, "拡大(&B)\tCtrl+Shift+4"),
                    Cmd(CommandId::ImageZoomOut, "縮小(&S)\tCtrl+Shift+5"),
                    Cmd(CommandId::ImageZoomOut2x, "縮小×2 ↓←↓ (&L)\tCtrl+Shift+6"),
                }),
            Sep(),
            Cmd(CommandId::Connect, "接続(&O)"),
            Sub("接続状態(&C)",
                {
                    Cmd(CommandId::Online, "オンライン(&O)"),
                    Cmd(CommandId::Offline, "オフライン(&F)"),
                }),
            Sep(),
            Sub("ページの履歴(&H)",
                {
                    Cmd(CommandId::BackHistoryPage, "「戻る」の履歴の表示(&B)"),
                    Cmd(CommandId::ForwardHistoryPage, "「進む」の履歴の表示(&F)"),
                }),
            Sub("URLの補完(&U)",
                {
                    Cmd(CommandId::CompleteCom, "http://www.*.com(&1)"),
                    Cmd(CommandId::CompleteCoJp, "http://www.*.co.jp(&2)"),
                    Cmd(CommandId::CompleteNeJp, "http://www.*.ne.jp(&3)"),
                }),
            Sub("エンコード(&A)",
                {
                    Cmd(CommandId::EncodingJapaneseAuto, "日本語(自動選択)(&A)\tCtrl+VK_F3"),
                    Cmd(CommandId::EncodingEucJp, "日本語(EUC)(&B)"),
                    Cmd(CommandId::EncodingShiftJis, "日本語(シフト JIS)(&C)"),
                    Sep(),
                    Cmd(CommandId::EncodingMenu, "エンコード抽出メニューの表示(&M)\tCtrl+VK_F5"),
                }),
            Sep(),
            Cmd(CommandId::ViewSource, "ソースの表示 →←↓ (&D)\tVK_F4"),
            Sub("選択範囲(&E)",
                {
                    Cmd(CommandId::SelectionSource, "選択範囲のソース表示 ↓→ (&S)\tVK_F5"),
                    Cmd(CommandId::SelectionSearch, "選択範囲の文字列検索 ↓→↑ (&P)\tCtrl+D"),
                    Cmd(CommandId::SelectionLinkAddresses, "選択範囲のリンクアドレス表示(&X)"),
                    Cmd(CommandId::SelectionLinkify, "選択範囲のアドレスリンク化(&L)"),
                    Sub("選択範囲の欠損リンク(&D)",
                        {
                            Cmd(CommandId::SelectionRepairTtp, "ttp://(&T)\tCtrl+E"),
                            Cmd(CommandId::SelectionRepairWww, "www.(&W)\tCtrl+F"),
                        }),
                }),
            Sep(),
            Sub("タブ操作(&R)",
                {
                    Cmd(CommandId::TabClose, "アクティブなタブを削除(&D)\tCtrl+VK_DELETE"),
                    Cmd(CommandId::TabCloseAll, "すべてのタブを削除(&A)\tAlt+VK_DELETE"),
                    Cmd(CommandId::TabCloseRight, "右のタブをすべて削除(&R)\tCtrl+Shift+1"),
                    Cmd(CommandId::TabCloseLeft, "左のタブをすべて削除(&L)\tCtrl+Shift+2"),
                    Sep(),
                    Cmd(CommandId::TabMoveRight, "タブを右隣に移動(&M)\tCtrl+0"),
                    Cmd(CommandId::TabMoveLeft, "タブを左隣に移動(&N)\tCtrl+9"),
                    Sep(),
                    Cmd(CommandId::TabLock, "タブロック(&U)\tCtrl+Alt+VK_INSERT"),
                    Cmd(CommandId::SwapPages, "ページの入れ替え(&C) ←↓→↑ \tAlt+VK_F8"),
                    Sep(),
                    Cmd(CommandId::ReopenClosedTab, "最後に閉じたタブの復元(&F)"),
                    Cmd(CommandId::ClearLastClosedTab, "最後に閉じたタブ履歴の削除(&H)"),
                    Cmd(CommandId::ClearClosedTabHistory, "タブ削除履歴の削除(&T)"),
                }),
            Cmd(CommandId::FollowWindowTab, "タブアドレス(&V)"),
            Sep(),
            Cmd(CommandId::SplitFrames, "フレームの分解 →↑← (&Y)\tCtrl+8"),
            Sub("スクロール(&L)",
                {
                    Cmd(CommandId::ScrollTop, "頂上 ↑ (&T)"),
                    Cmd(CommandId::ScrollBottom, "底辺 ↓ (&B)"),
                }),
            Sep(),
            Cmd(CommandId::StatusUrlOnly, "ステータスバー URL only(&W)\tCtrl+U"),
            Cmd(CommandId::NavigateLock, "ナビゲートロック(&G)\tCtrl+L"),
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
                               Cmd(CommandId::GoForward, "進む → (&M)\tCtrl+1"),
                               Cmd(CommandId::GoBack, "戻る ← (&B)\tCtrl+2"),
                               Cmd(CommandId::Stop, "中止 →↓ (&S)\tCtrl+3"),
                               Cmd(CommandId::GoHome, "ホーム(&H)\tCtrl+4"),
                               Cmd(CommandId::Refresh, "更新 →↑ (&C)\tCtrl+5"),
                               Cmd(CommandId::RefreshCompletely, "完全更新(&P)\tCtrl+6"),
                               Sep(),
                               Cmd(CommandId::StopAll, "すべて中止(&Z)\tCtrl+Alt+3"),
                               Cmd(CommandId::RefreshAll, "すべて更新(&X)\tCtrl+Alt+5"),
                               Sep(),
                               Cmd(CommandId::RefreshFrames, "フレームのみ更新(&F)\tCtrl+7"),
                               Cmd(CommandId::ConnectFrames, "フレーム接続(&R)"),
                               Sep(),
                               Sub("自動更新(&A)",
                                   {
                                       Cmd(CommandId::AutoRefresh30s, "30秒(&O)"),
                                       Cmd(CommandId::AutoRefresh1m, "1分(&F)"),
                                       Cmd(CommandId::AutoRefresh5m, "5分(&S)"),
                                       Cmd(CommandId::AutoRefresh10m, "10分(&T)"),
                                       Sep(),
                                       Cmd(CommandId::AutoRefreshOff, "なし(&N)"),
                                   }),
                           });
}

MenuItemDef SecurityMenu()
{
    return Sub(
        "セキュリティ(&S)",
        {
            Sub("グローバルブラウザセキュリティ(&S)",
                {
                    Cmd(CommandId::GlobalScript, "スクリプトの許可(&S)"),
                    Cmd(CommandId::GlobalJava, "JAVAの許可(&J)"),
                    Cmd(CommandId::GlobalActiveXRun, "ActiveX実行の許可(&R)"),
                    Cmd(CommandId::GlobalActiveXDownload, "ActiveXダウンロードの許可(&D)"),
                    Cmd(CommandId::GlobalCookies, "クッキーの許可(&C)"),
                    Cmd(CommandId::GlobalSessionCookies, "セッションクッキーの許可(&Q)"),
                }),
            Sub("クッキー Internet Explorer 6(&E)",
                {
                    Cmd(CommandId::PrivacyBlockAll, "全てのクッキー拒否(&A)\tCtrl+Alt+V"),
                    Cmd(CommandId::PrivacyHigh, "高レベル(&H)"),
                    Cmd(CommandId::PrivacyMediumHigh, "中高レベル(&B)"),
                    Cmd(CommandId::PrivacyMedium, "中レベル(&M)"),
                    Cmd(CommandId::PrivacyLow, "低レベル(&N)"),
                    Cmd(CommandId::PrivacyAcceptAll, "全てのクッキーを受け入れる(&L)\tCtrl+Alt+W"),
                }),
            Sub("Cookie個別設定(&B)",
                {
                    Cmd(CommandId::SiteCookieInfo, "Cookie個別設定情報の表示(&E)"),
                    Sep(),
                    Cmd(CommandId::SiteCookieBlock, "Cookie拒絶(&J)"),
                    Cmd(CommandId::SiteCookieAccept, "Cookie受諾(&A)"),
                    Cmd(CommandId::SiteCookieDelete, "Cookie個別設定削除(&D)"),
                }),
            Sub("ローカルブラウザセキュリティ(&L)",
                {
                    Cmd(CommandId::LocalScript, "スクリプトの許可(&S)\tCtrl+Alt+R"),
                    Cmd(CommandId::LocalJava, "JAVAの許可(&J)\tCtrl+Alt+S"),
                    Cmd(CommandId::LocalActiveXRun, "ActiveX実行の許可(&R)\tCtrl+Alt+T"),
                    Cmd(CommandId::LocalActiveXDownload,
                        "ActiveXダウンロードの許可(&D)\tCtrl+Alt+U"),
                    Sep(),
                    Cmd(CommandId::LocalAllOn, "すべて有効(&P)\tCtrl+Alt+P"),
                    Cmd(CommandId::LocalAllOff, "すべて無効(&N)\tCtrl+Alt+Q"),
                    Sep(),
                    Cmd(CommandId::UpdateUserAgent, "USER_AGENTの更新 ←↓↑ (&U)\tCtrl+Alt+O"),
                }),
            Sub("マルチメディア(&M)",
                {
                    Cmd(CommandId::ShowImages, "画像の表示(&I)\tCtrl+Alt+1"),
                    Cmd(CommandId::PlayVideos, "ビデオの表示(&V)\tCtrl+Alt+2"),
                    Cmd(CommandId::PlaySounds, "BGMの演奏(&B)\tCtrl+Alt+4"),
                }),
            Cmd(CommandId::NoCache, "キャッシュを使用しない(&C)"),
            Sep(),
            Sub("抑制(&N)",
                {
                    Cmd(CommandId::ForbiddenUrlFilter, "禁止URLの抑制(&Z)"),
                    Cmd(CommandId::ForbiddenTitleFilter, "禁止タイトルの抑制(&Y)"),
                    Cmd(CommandId::SuppressDialogs, "ダイアログの抑制(&I)"),
                    Cmd(CommandId::SuppressMailto, "Mailtoの抑制(&N)"),
                    Cmd(CommandId::HideChildTabs, "子タブの非表示(&H)"),
                    Cmd(CommandId::UrlSecurity, "URLセキュリティ(&U)"),
                    Cmd(CommandId::ZelvoMultimedia, "Zelvo マルチメディア(&T)"),
                    Cmd(CommandId::MouseGestures, "マウスジェスチャー(&A)"),
                }),
            Sub("禁止リスト(&J)",
                {
                    Cmd(CommandId::ForbiddenUrlList, "禁止URLリスト(&P)\tVK_F9"),
                    Cmd(CommandId::ForbiddenTitleList, "禁止タイトルリスト(&Y)\tVK_F10"),
                    Sep(),
                    Cmd(CommandId::AddPageToForbiddenUrls,
                        "ページを禁止URLリストに追加(&A)\tCtrl+VK_F9"),
                    Cmd(CommandId::AddPageToForbiddenTitles,
                        "ページを禁止タイトルリストに追加(&Z)\tCtrl+VK_F10"),
                }),
            Sep(),
            Sub("削除(&U)",
                {
                    Cmd(CommandId::ClearAddressHistory, "URL履歴の削除(&U)"),
                    Cmd(CommandId::ClearSearchHistory, "検索履歴の削除(&D)"),
                    Sep(),
                    Cmd(CommandId::ClearIeHistory, "IEの履歴削除(&H)"),
                    Cmd(CommandId::ClearTemporaryFiles, "Temporary Internet Files削除(&T)"),
                    Cmd(CommandId::ClearCookies, "クッキーの削除(&C)"),
                    Sep(),
                    Cmd(CommandId::ClearLastClosedTab, "最後に閉じたタブ履歴の削除(&L)"),
                    Cmd(CommandId::ClearClosedTabHistory, "タブ削除履歴の削除(&B)"),
                }),
            Sep(),
            Cmd(CommandId::ProxySettings, "プロキシの設定(&P)\tVK_F6"),
            Sub("プロキシ(&X)",
                {
                    Cmd(CommandId::Proxy1, "プロキシ１-接続(&1)"),
                    Cmd(CommandId::Proxy2, "プロキシ２-接続(&2)"),
                    Cmd(CommandId::Proxy3, "プロキシ３-接続(&3)"),
                    Sep(),
                    Cmd(CommandId::ProxyDirect, "直接接続(&0)"),
                    Cmd(CommandId::ProxySystem, "IEの設定で接続(&I)"),
                }),
            Cmd(CommandId::PrivacyReport, "プライバシーレポート(&O)\tCtrl+Alt+Y"),
            Cmd(CommandId::CgiProxyConnect, "CGIプロキシで接続 ↑↓ (&G)\tCtrl+Alt+Z"),
        });
}

MenuItemDef ToolsMenu()
{
    return Sub(
        "ツール(&T)",
        {
            Cmd(CommandId::BrowserOptions, "Internet Explorerのオプション(&O)\tVK_F8"),
            Cmd(CommandId::Settings, "Zelvoの設定(&X)\tVK_F7"),
            Sep(),
            Cmd(CommandId::Search, "検索 ←↓ (&D)\tCtrl+G"),
            Sub("検索バーイベント(&S)",
                {
                    Cmd(CommandId::FindInPage, "ページの検索 ←→←→ (&P)\tCtrl+Alt+A"),
                    Cmd(CommandId::HighlightSearch, "色つき検索 →←→← (&C)\tCtrl+Alt+B"),
                    Cmd(CommandId::HighlightSearchAllTabs, "全ページ色つき検索 ↑↓→↑ (&A)"),
                    Sep(),
                    Cmd(CommandId::AddSearchSite, "検索サイトの追加(&D)"),
                    Cmd(CommandId::WebSearch, "Web検索 ↑→ (&W)\tCtrl+Alt+C"),
                }),
            Sub("お気に入りイベント(&F)",
                {
                    Cmd(CommandId::OrganizeFavorites, "お気に入りの整理(&D)\tCtrl+H"),
                    Cmd(CommandId::AddFavorite, "お気に入りの追加(&A)\tCtrl+I"),
                    Cmd(CommandId::ShowFavoritesFolder, "お気に入りフォルダの表示(&F)"),
                }),
            Sep(),
            Sub("抽出(&L)",
                {
                    Cmd(CommandId::ExtractLinks, "リンクの抽出 ←→← (&L)\tCtrl+Q"),
                    Sub("画像の抽出(&M)",
                        {
                            Cmd(CommandId::ExtractImages, "全画像の抽出 ↑← (&A)\tCtrl+Shift+7"),
                            Sep(),
                            Cmd(CommandId::ExtractGif, "GIFの抽出(&G)\tCtrl+Shift+8"),
                            Cmd(CommandId::ExtractJpeg, "JPEGの抽出(&J)\tCtrl+Shift+9"),
                            Cmd(CommandId::ExtractPng, "PNGの抽出(&P)\tCtrl+Shift+0"),
                            Sep(),
                            Cmd(CommandId::ShowImageAddresses,
                                "画像アドレスの表示 →←↓→ (&E)\tCtrl+W"),
                        }),
                    Sub("外部ファイルアドレスの抽出(&C)",
                        {
                            Cmd(CommandId::ExtractStyleSheets,
                                "スタイルシートアドレスの抽出(&S)\tCtrl+Alt+K"),
                            Cmd(CommandId::ExtractFlash,
                                "Flashアドレスの抽出 →←↑↓ (&F)\tCtrl+Alt+L"),
                        }),
                }),
            Sub("ポップアップ(&G)",
                {
                    Cmd(CommandId::LinkToolTips, "リンクポップアップ →↓↑ (&B)\tCtrl+T"),
                    Cmd(CommandId::InputToolTips, "インプットポップアップ ←↑↓ (&G)\tCtrl+Alt+J"),
                }),
            Sub("画像(&A)",
                {
                    Cmd(CommandId::ShowImageSizes, "画像サイズの表示 ←→↑↓ (&Z)\tCtrl+Y"),
                    Sub("画像モザイクフィルタ(&A)",
                        {
                            Cmd(CommandId::MosaicFilter, "画像モザイクフィルタ ↓← (&F)\tCtrl+Z"),
                            Cmd(CommandId::AlwaysMosaicFilter, "常に画像モザイクフィルタ(&A)"),
                        }),
                }),
            Sub("フォームの自動入力(&B)",
                {
                    Cmd(CommandId::FormRegister, "登録(&R)  ←↑→\tAlt+F5"),
                    Cmd(CommandId::FormFill, "実行(&N)  ←↓→\tAlt+F7"),
                    Sep(),
                }),
            Sep(),
            Cmd(CommandId::SourcePreview, "ソース先読み(&N)\tCtrl+M"),
            Cmd(CommandId::RestoreLastSession, "前回終了状態を復元(&R)"),
            Cmd(CommandId::CustomizeStyleSheet, "CSSファイルのカスタマイズ(&C)\tShift+VK_F1"),
            Sep(),
            Sub("翻訳(&I)",
                {
                    Cmd(CommandId::TranslateInfoseekEnJa, "インフォシーク英和翻訳(&I)"),
                    Cmd(CommandId::TranslateExciteEnJa, "Excite英和翻訳 ←→↓ (&E)\tCtrl+K"),
                    Cmd(CommandId::TranslateExciteJaEn, "Excite和英翻訳(&J)\tCtrl+J"),
                }),
            Sub("IEの履歴(&H)",
                {
                    Cmd(CommandId::ExtractTodayHistory, "今日の履歴の抽出(&T)"),
                    Cmd(CommandId::ExtractIeHistory, "IEの全履歴の抽出(&A)"),
                    Sep(),
                    Cmd(CommandId::SearchHistory, "履歴の検索(&S) ←↑↓→ \tAlt+VK_F9"),
                }),
            Sub("ポケット(&K)",
                {
                    Cmd(CommandId::PocketAddAddress, "アドレスバーURLをポケットへ(&A)\tCtrl+Alt+D"),
                    Cmd(CommandId::PocketAddSelectionLinks,
                        "選択範囲のリンクをポケットへ ↑→↓← (&S)\tCtrl+Alt+E"),
                    Cmd(CommandId::PocketAddSelectionText,
                        "選択範囲の文字列URLをポケットへ ↑←↓→ (&U)\tCtrl+Alt+F"),
                    Cmd(CommandId::PocketAddClipboard,
                        "クリップボードURLをポケットへ ←→↑ (&C)\tCtrl+Alt+G"),
                    Sep(),
                    Cmd(CommandId::PocketRun, "ポケットの実行 ↑←→ (&R)\tCtrl+Alt+H"),
                    Cmd(CommandId::PocketClear, "ポケットの初期化 ↓←→ (&P)\tCtrl+Alt+I"),
                }),
            Sep(),
            Cmd(CommandId::HideToTray, "タスクトレイに格納 →← (&T)\tVK_F3"),
        });
}

MenuItemDef WindowMenu()
{
    return Sub("ｳｨﾝﾄﾞｳ(&W)",
               {
                   Cmd(CommandId::FileNew, "新しいｳｨﾝﾄﾞｳを開く(&N)"),
                   Sep(),
                   Cmd(CommandId::WindowCascade, "重ねて表示(&C)\tCtrl+VK_F1"),
                   Cmd(CommandId::WindowTile, "並べて表示(&T)\tCtrl+VK_F2"),
                   Cmd(CommandId::WindowArrangeIcons, "ｱｲｺﾝの整列(&A)"),
                   Sep(),
                   Cmd(CommandId::WindowTabsTopBottom, "ウインドタブ上下(&T)\tVK_F11"),
                   Sub("ウインドタブ(&W)",
                       {
                           Cmd(CommandId::WindowTabsShow, "表示(&E)\tVK_F12"),
                           Cmd(CommandId::WindowTabsHide, "非表示(&H)\tCtrl+VK_F12"),
                       }),
                   Sub("ウインドサイズ(&S)",
                       {
                           Cmd(CommandId::ChildMinimize, "子ウインドの最小化(&S)"),
                           Cmd(CommandId::ChildRestore, "子ウインドを普通サイズにする(&N)"),
                           Cmd(CommandId::ChildMaximize, "子ウインドの最大表示(&L)"),
                       }),
               });
}

MenuItemDef HelpMenu()
{
    return Sub("ﾍﾙﾌﾟ(&H)", {
                               Cmd(CommandId::AppAbout, "Zelvo のﾊﾞｰｼﾞｮﾝ情報(&A)..."),
                               Cmd(CommandId::AuthorHomePage, "作者のホームページ(&E)"),
                               Sep(),
                               Cmd(CommandId::HelpIndex, "ヘルプ(&H)"),
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
        Cmd(CommandId::WebSearch, "Web検索 ↑→"),
        Cmd(CommandId::FindInPage, "ページの検索 ←→←→"),
        Cmd(CommandId::HighlightSearch, "色つき検索 →←→←"),
        Cmd(CommandId::HighlightSearchAllTabs, "全ページ色つき検索 ↑↓→↑"),
        Cmd(CommandId::Search, "検索 ←↓"),
        Sep(),
        Cmd(CommandId::AddSearchSite, "検索サイトの追加"),
        Cmd(CommandId::ViewSearchBar, "検索バー"),
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
        Cmd(CommandId::TabClose, "アクティブなタブ削除"),
        Sub("他のタブ削除",
            {
                Cmd(CommandId::TabCloseAll, "すべてのタブを削除"),
                Cmd(CommandId::TabCloseRight, "右のタブをすべて削除"),
                Cmd(CommandId::TabCloseLeft, "左のタブをすべて削除"),
            }),
        Sub("タブ移動",
            {
                Cmd(CommandId::TabMoveRight, "タブを右隣に移動"),
                Cmd(CommandId::TabMoveLeft, "タブを左隣に移動"),
            }),
        Sep(),
        Sub("接続",
            {
                Cmd(CommandId::Connect, "接続"),
                Cmd(CommandId::CgiProxyConnect, "CGIプロキシで接続"),
            }),
        Sub("移動",
            {
                Cmd(CommandId::GoForward, "進む"),
                Cmd(CommandId::GoBack, "戻る"),
                Cmd(CommandId::Stop, "中止"),
                Cmd(CommandId::GoHome, "ホーム"),
                Cmd(CommandId::Refresh, "更新"),
                Cmd(CommandId::RefreshCompletely, "更新2"),
                Cmd(CommandId::StopAll, "すべて中止"),
                Cmd(CommandId::RefreshAll, "すべて更新"),
                Cmd(CommandId::ConnectFrames, "フレーム接続"),
                Cmd(CommandId::RefreshFrames, "フレームのみ更新"),
            }),
        Sub("URLの補完",
            {
                Cmd(CommandId::CompleteCom, "http://www.*.com"),
                Cmd(CommandId::CompleteCoJp, "http://www.*.co.jp"),
                Cmd(CommandId::CompleteNeJp, "http://www.*.ne.jp"),
            }),
        Sub("翻訳",
            {
                Cmd(CommandId::TranslateInfoseekEnJa, "インフォシーク(英和)"),
                Cmd(CommandId::TranslateExciteEnJa, "Excite(英和)"),
                Cmd(CommandId::TranslateExciteJaEn, "Excite(和英)"),
            }),
        Sep(),
        Cmd(CommandId::SplitFrames, "フレームの分解"),
        Cmd(CommandId::ReopenClosedTab, "最後に閉じたタブの復元"),
        Sep(),
        Sub("ロック",
            {
                Cmd(CommandId::TabLock, "タブロック"),
                Cmd(CommandId::NavigateLock, "ナビゲートロック"),
            }),
        Sub("抑制",
            {
                Cmd(CommandId::ForbiddenUrlFilter, "禁止URLの抑制"),
                Cmd(CommandId::ForbiddenTitleFilter, "禁止タイトルの抑制"),
            }),
        Sub("選択範囲",
            {
                Cmd(CommandId::SelectionSource, "選択範囲のソース表示"),
                Cmd(CommandId::SelectionSearch, "選択範囲の文字列検索"),
                Cmd(CommandId::SelectionLinkAddresses, "選択範囲のリンクアドレス表示"),
                Cmd(CommandId::SelectionLinkify, "選択範囲のアドレスリンク化"),
                Sub("選択範囲の欠損リンク",
                    {
                        Cmd(CommandId::SelectionRepairTtp, "ttp://"),
                        Cmd(CommandId::SelectionRepairWww, "www."),
                    }),
            }),
        Sep(),
        Cmd(CommandId::AddPageToForbiddenUrls, "ページを禁止URLリストに追加"),
        Cmd(CommandId::AddPageToForbiddenTitles, "ページを禁止タイトルリストに追加"),
        Sep(),
        Cmd(CommandId::AddFavorite, "お気に入りの追加"),
        Cmd(CommandId::OrganizeFavorites, "お気に入りの整理"),
    };
}

// The view relabels the three step items with its travel log, so they must stay
// at positions 1 to 3 without separators in between.
QList<MenuItemDef> BackPopup()
{
    return {
        Cmd(CommandId::BackHistoryPage, "「戻る」の履歴の表示"),
        Cmd(CommandId::Back1, "1つ戻る"),
        Cmd(CommandId::Back2, "2つ戻る"),
        Cmd(CommandId::Back3, "3つ戻る"),
    };
}

QList<MenuItemDef> ForwardPopup()
{
    return {
        Cmd(CommandId::ForwardHistoryPage, "「進む」の履歴の表示"),
        Cmd(CommandId::Forward1, "1つ進む"),
        Cmd(CommandId::Forward2, "2つ進む"),
        Cmd(CommandId::Forward3, "3つ進む"),
    };
}

QList<MenuItemDef> FavoritesTreePopup()
{
    return {
        Cmd(CommandId::FavOpenNewTab, "新しいページに表示"),
        Cmd(CommandId::FavOpenHere, "現在のページで表示"),
        Sep(),
        Cmd(CommandId::FavOpenCgiProxy, "CGIプロキシでお気に入りの接続"),
        Cmd(CommandId::FavTranslate, "お気に入りの英和翻訳(Excite)"),
        Sep(),
        Cmd(CommandId::OrganizeFavorites, "お気に入りの整理"),
        Cmd(CommandId::AddFavorite, "お気に入りの追加"),
        Cmd(CommandId::FavDelete, "お気に入りの削除"),
        Cmd(CommandId::FavAddToGroup, "お気に入りを巡回グループに追加"),
    };
}

QList<MenuItemDef> CookiePopup()
{
    return {
        Cmd(CommandId::GlobalCookies, "クッキーの許可(IE5.5以下)"),
        Cmd(CommandId::GlobalSessionCookies, "セッションクッキーの許可(IE5.5以下)"),
        Sep(),
        Cmd(CommandId::PrivacyBlockAll, "全てのクッキー拒否"),
        Cmd(CommandId::PrivacyHigh, "高レベル"),
        Cmd(CommandId::PrivacyMediumHigh, "中高レベル"),
        Cmd(CommandId::PrivacyMedium, "中レベル"),
        Cmd(CommandId::PrivacyLow, "低レベル"),
        Cmd(CommandId::PrivacyAcceptAll, "全てのクッキーを受け入れる"),
        Sep(),
        Sub("Cookie個別設定情報",
            {
                Cmd(CommandId::SiteCookieInfo, "Cookie個別設定情報の表示"),
                Sep(),
                Cmd(CommandId::SiteCookieBlock, "Cookie拒絶"),
                Cmd(CommandId::SiteCookieAccept, "Cookie受諾"),
                Cmd(CommandId::SiteCookieDelete, "Cookie個別設定削除"),
            }),
    };
}

QList<MenuItemDef> MediaPopup()
{
    return {
        Cmd(CommandId::LocalAllOn, "すべて有効(ローカル)"),
        Cmd(CommandId::LocalAllOff, "すべて無効(ローカル)"),
        Sep(),
        Cmd(CommandId::ShowImages, "画像の表示"),
        Cmd(CommandId::PlayVideos, "ビデオの表示"),
        Cmd(CommandId::PlaySounds, "BGMの演奏"),
    };
}

QList<MenuItemDef> GroupTreePopup()
{
    return {
        Cmd(CommandId::GroupRun, "グループの実行"),
        Cmd(CommandId::GroupDeleteAll, "グループアイテムすべて削除"),
        Sep(),
        Cmd(CommandId::GroupItemRun, "グループアイテムの実行"),
        Cmd(CommandId::GroupItemDelete, "グループアイテムの削除"),
    };
}

QList<MenuItemDef> PocketPopup()
{
    return {
        Cmd(CommandId::PocketAddAddress, "アドレスバーURLをポケットへ"),
        Cmd(CommandId::PocketAddSelectionLinks, "選択範囲のリンクをポケットへ"),
        Cmd(CommandId::PocketAddSelectionText, "選択範囲の文字列URLをポケットへ"),
        Cmd(CommandId::PocketAddClipboard, "クリップボードURLをポケットへ"),
        Sep(),
        Cmd(CommandId::PocketRun, "ポケットの実行"),
        Cmd(CommandId::PocketRunChecked, "チェックアイテムのポケット実行"),
        Cmd(CommandId::PocketClear, "ポケットの初期化"),
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

QHash<int, PopupResource> BuildPopups()
{
    QHash<int, PopupResource> popups = {
        {144, {"test", SearchPopup()}},
        {148, {"", ToolbarChevronPopup()}},
        {150,
         {"search_tool",
          {Cmd(CommandId::HighlightSearch, "色つき検索"),
           Cmd(CommandId::FindInPage, "ページの検索"), Cmd(CommandId::ViewSearchBar, "検索バー")}}},
        {152, {"rtab", TabPopup()}},
        {157, {"back", BackPopup()}},
        {158, {"go", ForwardPopup()}},
        {164, {"fav", FavoritesTreePopup()}},
        {168, {"cookie", CookiePopup()}},
        {174,
         {"activexdl",
          {Cmd(CommandId::GlobalActiveXDownload, "ActiveXダウンロードの許可(グローバル)"),
           Cmd(CommandId::LocalActiveXDownload, "ActiveXダウンロードの許可(ローカル)")}}},
        {175,
         {"activex",
          {Cmd(CommandId::GlobalActiveXRun, "ActiveX実行の許可(グローバル)"),
           Cmd(CommandId::LocalActiveXRun, "ActiveX実行の許可(ローカル)")}}},
        {176,
         {"java",
          {Cmd(CommandId::GlobalJava, "JAVAの許可(グローバル)"),
           Cmd(CommandId::LocalJava, "JAVAの許可(ローカル)")}}},
        {177,
         {"script",
          {Cmd(CommandId::GlobalScript, "スクリプトの許可(グローバル)"),
           Cmd(CommandId::LocalScript, "スクリプトの許可(ローカル)")}}},
        {179, {"media", MediaPopup()}},
        {186,
         {"del",
          {Cmd(CommandId::TabCloseAll, "すべてのタブを削除"),
           Cmd(CommandId::TabCloseRight, "右のタブをすべて削除"),
           Cmd(CommandId::TabCloseLeft, "左のタブをすべて削除")}}},
        {187,
         {"tra",
          {Cmd(CommandId::TranslateInfoseekEnJa, "インフォシーク翻訳(英和)"),
           Cmd(CommandId::TranslateExciteJaEn, "Excite翻訳(和英)")}}},
        {188,
         {"ref",
          {Cmd(CommandId::RefreshCompletely, "完全更新"), Cmd(CommandId::RefreshAll, "すべて更新"),
           Cmd(CommandId::RefreshFrames, "フレームのみ更新"),
           Sub("自動更新",
               {Cmd(CommandId::AutoRefresh30s, "30秒"), Cmd(CommandId::AutoRefresh1m, "1分"),
                Cmd(CommandId::AutoRefresh5m, "5分"), Cmd(CommandId::AutoRefresh10m, "10分"),
                Cmd(CommandId::AutoRefreshOff, "なし")})}}},
        {189, {"group", GroupTreePopup()}},
        // Emptied and refilled from the engine's encoding list every time it is shown.
        {190, {"", {}}},
        {195, {"poket", PocketPopup()}},
        {206, {"chev", MenuBarChevronPopup()}},
    };
    for (int i = 0; i < TopMenus().size(); ++i)
        popups.insert(197 + i, {QStringLiteral("m%1").arg(i + 1), TopMenus().at(i).items});
    return popups;
}

} // namespace

const QList<MenuItemDef>& MainMenu()
{
    return TopMenus();
}

namespace {

const QHash<int, PopupResource>& Popups()
{
    static const QHash<int, PopupResource> popups = BuildPopups();
    return popups;
}

} // namespace

const QList<MenuItemDef>& PopupMenu(int resourceId)
{
    static const QList<MenuItemDef> none;
    const auto it = Popups().constFind(resourceId);
    return it == Popups().cend() ? none : it->items;
}

QString PopupMenuName(int resourceId)
{
    return Popups().value(resourceId).name;
}

QList<int> PopupMenuIds()
{
    QList<int> ids = Popups().keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

const QList<ToolbarButtonDef>& MainToolbarButtons()
{
    auto button = [](CommandId id, int image, bool dropDown, const char* chevron) {
        return ToolbarButtonDef{ToInt(id), image, dropDown, QString::fromUtf8(chevron)};
    };
    static const QList<ToolbarButtonDef> buttons = {
        button(CommandId::GoBack, 0, true, "戻る"),
        button(CommandId::GoForward, 1, true, "進む"),
        button(CommandId::Stop, 2, false, "中止"),
        button(CommandId::Refresh, 3, true, "更新"),
        button(CommandId::GoHome, 4, false, "ホーム"),
        button(CommandId::FileNew, 5, false, "新規作成2"),
        button(CommandId::SearchHistory, 6, false, "履歴検索"),
        button(CommandId::TabClose, 7, true, "タブ削除"),
        button(CommandId::ViewDockingBar, 8, false, "お気に入り"),
        button(CommandId::Search, 9, true, "検索"),
        button(CommandId::FilePrint, 10, false, "印刷"),
        button(CommandId::TranslateExciteEnJa, 11, true, "翻訳"),
        button(CommandId::HideToTray, 12, false, "タスクトレイに格納"),
        button(CommandId::RestoreLastSession, 13, false, ""),
        button(CommandId::BrowserOptions, 14, false, ""),
        button(CommandId::Settings, 15, false, ""),
        button(CommandId::ProxySettings, 16, false, ""),
        button(CommandId::ExtractLinks, 17, false, ""),
        button(CommandId::EncodingMenu, 18, false, ""),
    };
    return buttons;
}

// The place holder keeps the first image of the strip, as the toolbar was laid out
// with a button there before the box took its place.
const QList<ToolbarButtonDef>& SearchToolbarButtons()
{
    static const QList<ToolbarButtonDef> buttons = {
        {ToInt(CommandId::SearchSitePlaceHolder), -1, false, {}, 140},
        {ToInt(CommandId::WebSearch), 1, true, {}, 0},
    };
    return buttons;
}

const QList<ToolbarButtonDef>& ConnectToolbarButtons()
{
    static const QList<ToolbarButtonDef> buttons = {{ToInt(CommandId::Connect), 0, false, {}, 0}};
    return buttons;
}

namespace {

constexpr int kCtrl = Qt::ControlModifier;
constexpr int kShift = Qt::ShiftModifier;
constexpr int kAlt = Qt::AltModifier;

AcceleratorDef Acc(int modifiers, int key, CommandId id)
{
    return {key, modifiers, ToInt(id)};
}

} // namespace

// Each key shown after a tab in a menu text, except that Ctrl+Z belongs to the mosaic
// filter, plus the classic edit keys. Alt+F4 is left to the window system's close.
const QList<AcceleratorDef>& Accelerators()
{
    using C = CommandId;
    static const QList<AcceleratorDef> table = {
        // ﾌｧｲﾙ
        Acc(kCtrl, Qt::Key_N, C::FileNew),
        Acc(kCtrl, Qt::Key_O, C::FileOpen),
        Acc(kCtrl, Qt::Key_S, C::FileSaveAs),
        Acc(kCtrl, Qt::Key_P, C::FilePrint),
        Acc(kCtrl, Qt::Key_B, C::PrintPreview),
        Acc(kCtrl | kAlt, Qt::Key_M, C::PageProperties),
        Acc(kCtrl | kAlt, Qt::Key_N, C::FavoritesHtmlOpen),
        // 編集
        Acc(kCtrl, Qt::Key_A, C::SelectAll),
        Acc(kAlt, Qt::Key_Backspace, C::EditUndo),
        Acc(kCtrl, Qt::Key_R, C::EditRedo),
        Acc(kCtrl, Qt::Key_X, C::EditCut),
        Acc(kShift, Qt::Key_Delete, C::EditCut),
        Acc(kCtrl, Qt::Key_C, C::EditCopy),
        Acc(kCtrl, Qt::Key_Insert, C::EditCopy),
        Acc(kCtrl, Qt::Key_V, C::EditPaste),
        Acc(kShift, Qt::Key_Insert, C::EditPaste),
        // 表示
        Acc(0, Qt::Key_F2, C::ToggleAllBars),
        Acc(0, Qt::Key_F1, C::MaximizeView),
        Acc(kCtrl | kShift, Qt::Key_3, C::ImageZoomIn2x),
        Acc(kCtrl | kShift, Qt::Key_4, C::ImageZoomIn),
        Acc(kCtrl | kShift, Qt::Key_5, C::ImageZoomOut),
        Acc(kCtrl | kShift, Qt::Key_6, C::ImageZoomOut2x),
        Acc(kCtrl, Qt::Key_F3, C::EncodingJapaneseAuto),
        Acc(kCtrl, Qt::Key_F5, C::EncodingMenu),
        Acc(0, Qt::Key_F4, C::ViewSource),
        Acc(0, Qt::Key_F5, C::SelectionSource),
        Acc(kCtrl, Qt::Key_D, C::SelectionSearch),
        Acc(kCtrl, Qt::Key_E, C::SelectionRepairTtp),
        Acc(kCtrl, Qt::Key_F, C::SelectionRepairWww),
        Acc(kCtrl, Qt::Key_Delete, C::TabClose),
        Acc(kAlt, Qt::Key_Delete, C::TabCloseAll),
        Acc(kCtrl | kShift, Qt::Key_1, C::TabCloseRight),
        Acc(kCtrl | kShift, Qt::Key_2, C::TabCloseLeft),
        Acc(kCtrl, Qt::Key_0, C::TabMoveRight),
        Acc(kCtrl, Qt::Key_9, C::TabMoveLeft),
        Acc(kCtrl | kAlt, Qt::Key_Insert, C::TabLock),
        Acc(kAlt, Qt::Key_F8, C::SwapPages),
        Acc(kCtrl, Qt::Key_8, C::SplitFrames),
        Acc(kCtrl, Qt::Key_U, C::StatusUrlOnly),
        Acc(kCtrl, Qt::Key_L, C::NavigateLock),
        // 移動
        Acc(kCtrl, Qt::Key_1, C::GoForward),
        Acc(kCtrl, Qt::Key_2, C::GoBack),
        Acc(kCtrl, Qt::Key_3, C::Stop),
        Acc(kCtrl, Qt::Key_4, C::GoHome),
        Acc(kCtrl, Qt::Key_5, C::Refresh),
        Acc(kCtrl, Qt::Key_6, C::RefreshCompletely),
        Acc(kCtrl | kAlt, Qt::Key_3, C::StopAll),
        Acc(kCtrl | kAlt, Qt::Key_5, C::RefreshAll),
        Acc(kCtrl, Qt::Key_7, C::RefreshFrames),
        // セキュリティ
        Acc(kCtrl | kAlt, Qt::Key_V, C::PrivacyBlockAll),
        Acc(kCtrl | kAlt, Qt::Key_W, C::PrivacyAcceptAll),
        Acc(kCtrl | kAlt, Qt::Key_R, C::LocalScript),
        Acc(kCtrl | kAlt, Qt::Key_S, C::LocalJava),
        Acc(kCtrl | kAlt, Qt::Key_T, C::LocalActiveXRun),
        Acc(kCtrl | kAlt, Qt::Key_U, C::LocalActiveXDownload),
        Acc(kCtrl | kAlt, Qt::Key_P, C::LocalAllOn),
        Acc(kCtrl | kAlt, Qt::Key_Q, C::LocalAllOff),
        Acc(kCtrl | kAlt, Qt::Key_O, C::UpdateUserAgent),
        Acc(kCtrl | kAlt, Qt::Key_1, C::ShowImages),
        Acc(kCtrl | kAlt, Qt::Key_2, C::PlayVideos),
        Acc(kCtrl | kAlt, Qt::Key_4, C::PlaySounds),
        Acc(0, Qt::Key_F9, C::ForbiddenUrlList),
        Acc(0, Qt::Key_F10, C::ForbiddenTitleList),
        Acc(kCtrl, Qt::Key_F9, C::AddPageToForbiddenUrls),
        Acc(kCtrl, Qt::Key_F10, C::AddPageToForbiddenTitles),
        Acc(0, Qt::Key_F6, C::ProxySettings),
        Acc(kCtrl | kAlt, Qt::Key_Y, C::PrivacyReport),
        Acc(kCtrl | kAlt, Qt::Key_Z, C::CgiProxyConnect),
        // ツール
        Acc(0, Qt::Key_F8, C::BrowserOptions),
        Acc(0, Qt::Key_F7, C::Settings),
        Acc(kCtrl, Qt::Key_G, C::Search),
        Acc(kCtrl | kAlt, Qt::Key_A, C::FindInPage),
        Acc(kCtrl | kAlt, Qt::Key_B, C::HighlightSearch),
        Acc(kCtrl | kAlt, Qt::Key_C, C::WebSearch),
        Acc(kCtrl, Qt::Key_H, C::OrganizeFavorites),
        Acc(kCtrl, Qt::Key_I, C::AddFavorite),
        Acc(kCtrl, Qt::Key_Q, C::ExtractLinks),
        Acc(kCtrl | kShift, Qt::Key_7, C::ExtractImages),
        Acc(kCtrl | kShift, Qt::Key_8, C::ExtractGif),
        Acc(kCtrl | kShift, Qt::Key_9, C::ExtractJpeg),
        Acc(kCtrl | kShift, Qt::Key_0, C::ExtractPng),
        Acc(kCtrl, Qt::Key_W, C::ShowImageAddresses),
        Acc(kCtrl | kAlt, Qt::Key_K, C::ExtractStyleSheets),
        Acc(kCtrl | kAlt, Qt::Key_L, C::ExtractFlash),
        Acc(kCtrl, Qt::Key_T, C::LinkToolTips),
        Acc(kCtrl | kAlt, Qt::Key_J, C::InputToolTips),
        Acc(kCtrl, Qt::Key_Y, C::ShowImageSizes),
        Acc(kCtrl, Qt::Key_Z, C::MosaicFilter),
        Acc(kAlt, Qt::Key_F5, C::FormRegister),
        Acc(kAlt, Qt::Key_F7, C::FormFill),
        Acc(kCtrl, Qt::Key_M, C::SourcePreview),
        Acc(kShift, Qt::Key_F1, C::CustomizeStyleSheet),
        Acc(kCtrl, Qt::Key_K, C::TranslateExciteEnJa),
        Acc(kCtrl, Qt::Key_J, C::TranslateExciteJaEn),
        Acc(kAlt, Qt::Key_F9, C::SearchHistory),
        Acc(kCtrl | kAlt, Qt::Key_D, C::PocketAddAddress),
        Acc(kCtrl | kAlt, Qt::Key_E, C::PocketAddSelectionLinks),
        Acc(kCtrl | kAlt, Qt::Key_F, C::PocketAddSelectionText),
        Acc(kCtrl | kAlt, Qt::Key_G, C::PocketAddClipboard),
        Acc(kCtrl | kAlt, Qt::Key_H, C::PocketRun),
        Acc(kCtrl | kAlt, Qt::Key_I, C::PocketClear),
        Acc(0, Qt::Key_F3, C::HideToTray),
        // ｳｨﾝﾄﾞｳ
        Acc(kCtrl, Qt::Key_F1, C::WindowCascade),
        Acc(kCtrl, Qt::Key_F2, C::WindowTile),
        Acc(0, Qt::Key_F11, C::WindowTabsTopBottom),
        Acc(0, Qt::Key_F12, C::WindowTabsShow),
        Acc(kCtrl, Qt::Key_F12, C::WindowTabsHide),
    };
    return table;
}

namespace {

struct PromptDef {
    CommandId id;
    const char* text;
};

// Status-bar prompt, then the tooltip. The toolbar settings page lists the prompts up
// to the line break, so they are written to describe the command on their own.
constexpr PromptDef kPrompts[] = {
    // ﾌｧｲﾙ
    {CommandId::FileNewUnlimited, "タブ制限に関係なく新規にﾌｧｲﾙを作成\n無制限新規作成"},
    {CommandId::FileNew, "新しいタブを開きます\n新規作成2"},
    {CommandId::FileOpenStandard, "既存のﾌｧｲﾙを開きます\n開く"},
    {CommandId::FileOpen, "ﾌｧｲﾙを選んでページとして開きます\n開く"},
    {CommandId::FileClose, "アクティブなタブを閉じます\n閉じる"},
    {CommandId::FileSaveAs, "表示中のページに名前を付けて保存します\n名前を付けて保存"},
    {CommandId::FilePrint, "表示中のページを印刷します\n印刷"},
    {CommandId::PrintPage, "表示中のページをそのまま印刷します\nページの印刷"},
    {CommandId::PrintPreview, "印刷したときの見え方を表示します\n印刷プレビュー"},
    {CommandId::FilePrintSetup, "プリンタと印刷オプションを設定します\nﾌﾟﾘﾝﾀの設定"},
    {CommandId::PageSetup, "用紙や余白などページの設定をします\nページの設定"},
    {CommandId::PageProperties, "表示中のページのプロパティを表示します\nページのプロパティ"},
    {CommandId::FavoritesHtmlCreate, "お気に入りをHTMLに書き出して表示します\nHTMLお気に入り作成"},
    {CommandId::FavoritesHtmlOpen,
     "作成したお気に入りHTMLを新しいタブで開きます\nお気に入りHTMLの実行"},
    {CommandId::FavoritesHtmlAtStart,
     "起動時にお気に入りHTMLを開くかどうかを切り替えます\n初回起動お気に入りHTML"},
    {CommandId::RecentFile1, "最近使ったﾌｧｲﾙを開きます\n最近使ったﾌｧｲﾙ"},
    {CommandId::AppExit, "Zelvoを終了します\n終了"},
    // 編集
    {CommandId::SelectAll, "ページ全体を選択します\n全てを選択"},
    {CommandId::EditUndo, "直前の操作を元に戻します\n元に戻す"},
    {CommandId::EditRedo, "元に戻した操作をやり直します\n繰り返し"},
    {CommandId::EditCut, "選択範囲を切り取ってクリップボードに移します\n切り取り"},
    {CommandId::EditCopy, "選択範囲をクリップボードにコピーします\nｺﾋﾟｰ"},
    {CommandId::EditPaste, "クリップボードの内容を貼り付けます\n貼り付け"},
    // 表示
    {CommandId::ViewToolbar, "ツールバーの表示・非表示\nツールバー"},
    {CommandId::ViewStatusBar, "ステータスバーの表示・非表示\nステータスバー"},
    {CommandId::ViewAddressBar, "アドレスバーの表示・非表示\nアドレスバー"},
    {CommandId::ViewSearchBar, "検索バーの表示・非表示\n検索バー"},
    {CommandId::ViewDockingBar, "ドッキングバーの表示・非表示\nお気に入り"},
    {CommandId::ViewTabBar, "タブバーの表示・非表示\nタブバー"},
    {CommandId::ToggleAllBars, "タブバー以外の各種バーの表示を反転します\n各種バーの反転"},
    {CommandId::MaximizeView, "バーをすべて隠してページを最大表示します\n最大表示"},
    {CommandId::FocusAddressBar, "アドレスバーにフォーカスを移します\nアドレスバー"},
    {CommandId::FocusSearchWords, "検索バーにフォーカスを移します\n検索バー"},
    {CommandId::FocusSearchSites, "検索サイトの選択にフォーカスを移します\n検索サイト"},
    {CommandId::TextSizeLargest, "文字のサイズを最大にします\n最大"},
    {CommandId::TextSizeLarger, "文字のサイズを大きくします\n大"},
    {CommandId::TextSizeMedium, "文字のサイズを標準にします\n中"},
    {CommandId::TextSizeSmaller, "文字のサイズを小さくします\n小"},
    {CommandId::TextSizeSmallest, "文字のサイズを最小にします\n最小"},
    {CommandId::ImageZoomIn2x, "ページの画像を2段階拡大します\n拡大×2"},
    {CommandId::ImageZoomIn, "ページの画像を拡大します\n拡大"},
    {CommandId::ImageZoomOut, "ページの画像を縮小します\n縮小"},
    {CommandId::ImageZoomOut2x, "ページの画像を2段階縮小します\n縮小×2"},
    {CommandId::Connect, "アドレスバーのURLに接続します\n接続"},
    {CommandId::Online, "オンラインで作業します\nオンライン"},
    {CommandId::Offline, "オフラインで作業します\nオフライン"},
    {CommandId::BackHistoryPage, "「戻る」の履歴を一覧で表示します\n「戻る」の履歴"},
    {CommandId::ForwardHistoryPage, "「進む」の履歴を一覧で表示します\n「進む」の履歴"},
    {CommandId::CompleteCom, "アドレスバーの語を http://www.*.com に補完します\n.com"},
    {CommandId::CompleteCoJp, "アドレスバーの語を http://www.*.co.jp に補完します\n.co.jp"},
    {CommandId::CompleteNeJp, "アドレスバーの語を http://www.*.ne.jp に補完します\n.ne.jp"},
    {CommandId::EncodingJapaneseAuto, "ページの文字コードを自動選択にします\n日本語(自動選択)"},
    {CommandId::EncodingEucJp, "ページの文字コードをEUCにします\n日本語(EUC)"},
    {CommandId::EncodingShiftJis, "ページの文字コードをシフトJISにします\n日本語(シフト JIS)"},
    {CommandId::EncodingMenu, "エンコードの一覧から文字コードを選びます\nエンコード"},
    {CommandId::ViewSource, "ページのソースを表示します\nソースの表示"},
    {CommandId::SelectionSource, "選択範囲のソースを表示します\n選択範囲のソース表示"},
    {CommandId::SelectionSearch, "選択範囲の文字列で検索します\n選択範囲の文字列検索"},
    {CommandId::SelectionLinkAddresses,
     "選択範囲のリンクアドレスをアドレスバーに表示します\nリンクアドレス表示"},
    {CommandId::SelectionLinkify, "選択範囲のアドレスをリンクにします\nアドレスリンク化"},
    {CommandId::SelectionRepairTtp, "ttp://で始まる選択範囲をリンクにします\nttp://"},
    {CommandId::SelectionRepairWww, "www.で始まる選択範囲をリンクにします\nwww."},
    {CommandId::TabClose, "アクティブなタブを削除します\nタブ削除"},
    {CommandId::TabCloseAll, "すべてのタブを削除します\nすべてのタブを削除"},
    {CommandId::TabCloseRight, "アクティブなタブより右のタブをすべて削除します\n右のタブを削除"},
    {CommandId::TabCloseLeft, "アクティブなタブより左のタブをすべて削除します\n左のタブを削除"},
    {CommandId::TabMoveRight, "右隣のタブに移動します\n右隣のタブ"},
    {CommandId::TabMoveLeft, "左隣のタブに移動します\n左隣のタブ"},
    {CommandId::TabLock, "アクティブなタブを閉じられないようにロックします\nタブロック"},
    {CommandId::SwapPages, "アクティブなタブと右隣のタブのページを入れ替えます\nページの入れ替え"},
    {CommandId::ReopenClosedTab, "最後に閉じたタブを開き直します\nタブの復元"},
    {CommandId::ClearLastClosedTab,
     "最後に閉じたタブの記録を削除します\n最後に閉じたタブ履歴の削除"},
    {CommandId::ClearClosedTabHistory, "タブ削除履歴をすべて削除します\nタブ削除履歴の削除"},
    {CommandId::FollowWindowTab, "ウインドタブで選んだタブのアドレスを表示します\nタブアドレス"},
    {CommandId::SplitFrames, "フレームをそれぞれ新しいタブで開きます\nフレームの分解"},
    {CommandId::ScrollTop, "ページの先頭までスクロールします\n頂上"},
    {CommandId::ScrollBottom, "ページの最後までスクロールします\n底辺"},
    {CommandId::StatusUrlOnly, "ステータスバーにURLだけを表示します\nURL only"},
    {CommandId::NavigateLock, "表示中のページから移動しないようにします\nナビゲートロック"},
    // 移動
    {CommandId::GoForward, "次のページに進みます\n進む"},
    {CommandId::GoBack, "前のページに戻ります\n戻る"},
    {CommandId::Stop, "ページの読み込みを中止します\n中止"},
    {CommandId::GoHome, "ホームページを開きます\nホーム"},
    {CommandId::Refresh, "ページを更新します\n更新"},
    {CommandId::RefreshCompletely, "キャッシュを使わずにページを更新します\n完全更新"},
    {CommandId::StopAll, "すべてのタブの読み込みを中止します\nすべて中止"},
    {CommandId::RefreshAll, "すべてのタブを更新します\nすべて更新"},
    {CommandId::RefreshFrames, "フレームだけを更新します\nフレームのみ更新"},
    {CommandId::ConnectFrames, "アドレスバーのURLをすべてのフレームで開きます\nフレーム接続"},
    {CommandId::AutoRefresh30s, "すべてのタブを30秒ごとに更新します\n30秒"},
    {CommandId::AutoRefresh1m, "すべてのタブを1分ごとに更新します\n1分"},
    {CommandId::AutoRefresh5m, "すべてのタブを5分ごとに更新します\n5分"},
    {CommandId::AutoRefresh10m, "すべてのタブを10分ごとに更新します\n10分"},
    {CommandId::AutoRefreshOff, "自動更新をやめます\nなし"},
    // セキュリティ
    {CommandId::GlobalScript,
     "すべてのページでスクリプトを許可します\nスクリプトの許可(グローバル)"},
    {CommandId::GlobalJava, "すべてのページでJAVAを許可します\nJAVAの許可(グローバル)"},
    {CommandId::GlobalActiveXRun,
     "すべてのページでActiveXの実行を許可します\nActiveX実行の許可(グローバル)"},
    {CommandId::GlobalActiveXDownload,
     "すべてのページでActiveXのダウンロードを許可します\nActiveXダウンロードの許可(グローバル)"},
    {CommandId::GlobalCookies, "クッキーを許可します\nクッキーの許可"},
    {CommandId::GlobalSessionCookies, "セッションクッキーを許可します\nセッションクッキーの許可"},
    {CommandId::PrivacyBlockAll, "すべてのクッキーを拒否します\n全てのクッキー拒否"},
    {CommandId::PrivacyHigh, "プライバシーを高レベルにします\n高レベル"},
    {CommandId::PrivacyMediumHigh, "プライバシーを中高レベルにします\n中高レベル"},
    {CommandId::PrivacyMedium, "プライバシーを中レベルにします\n中レベル"},
    {CommandId::PrivacyLow, "プライバシーを低レベルにします\n低レベル"},
    {CommandId::PrivacyAcceptAll, "すべてのクッキーを受け入れます\n全てのクッキーを受け入れる"},
    {CommandId::SiteCookieInfo, "サイトごとのCookie設定を表示します\nCookie個別設定情報の表示"},
    {CommandId::SiteCookieBlock, "表示中のサイトのCookieを拒絶します\nCookie拒絶"},
    {CommandId::SiteCookieAccept, "表示中のサイトのCookieを受諾します\nCookie受諾"},
    {CommandId::SiteCookieDelete, "表示中のサイトのCookie個別設定を削除します\nCookie個別設定削除"},
    {CommandId::LocalScript, "このタブでスクリプトを許可します\nスクリプトの許可(ローカル)"},
    {CommandId::LocalJava, "このタブでJAVAを許可します\nJAVAの許可(ローカル)"},
    {CommandId::LocalActiveXRun,
     "このタブでActiveXの実行を許可します\nActiveX実行の許可(ローカル)"},
    {CommandId::LocalActiveXDownload,
     "このタブでActiveXのダウンロードを許可します\nActiveXダウンロードの許可(ローカル)"},
    {CommandId::LocalAllOn, "このタブのセキュリティ項目をすべて有効にします\nすべて有効"},
    {CommandId::LocalAllOff, "このタブのセキュリティ項目をすべて無効にします\nすべて無効"},
    {CommandId::UpdateUserAgent, "設定したUSER_AGENTを反映します\nUSER_AGENTの更新"},
    {CommandId::ShowImages, "画像を表示します\n画像の表示"},
    {CommandId::PlayVideos, "ビデオを表示します\nビデオの表示"},
    {CommandId::PlaySounds, "BGMを演奏します\nBGMの演奏"},
    {CommandId::NoCache, "キャッシュを使わずにページを読み込みます\nキャッシュを使用しない"},
    {CommandId::ForbiddenUrlFilter, "禁止URLリストのページを開かないようにします\n禁止URLの抑制"},
    {CommandId::ForbiddenTitleFilter,
     "禁止タイトルリストのページを閉じるようにします\n禁止タイトルの抑制"},
    {CommandId::SuppressDialogs,
     "スクリプトエラーなどのダイアログを表示しないようにします\nダイアログの抑制"},
    {CommandId::SuppressMailto, "メールのリンクを開かないようにします\nMailtoの抑制"},
    {CommandId::HideChildTabs, "新しいウインドウをタブで開かないようにします\n子タブの非表示"},
    {CommandId::UrlSecurity, "スクリプトを含むURLへの接続を中止します\nURLセキュリティ"},
    {CommandId::ZelvoMultimedia,
     "音声や動画のファイルをプレーヤーのページで開きます\nZelvo マルチメディア"},
    {CommandId::MouseGestures, "マウスジェスチャーの有効・無効を切り替えます\nマウスジェスチャー"},
    {CommandId::ForbiddenUrlList, "禁止URLリストを編集します\n禁止URLリスト"},
    {CommandId::ForbiddenTitleList, "禁止タイトルリストを編集します\n禁止タイトルリスト"},
    {CommandId::AddPageToForbiddenUrls,
     "表示中のページのURLを禁止URLリストに追加します\n禁止URLリストに追加"},
    {CommandId::AddPageToForbiddenTitles,
     "表示中のページのタイトルを禁止タイトルリストに追加します\n禁止タイトルリストに追加"},
    {CommandId::ClearAddressHistory, "アドレスバーの履歴を削除します\nURL履歴の削除"},
    {CommandId::ClearSearchHistory, "検索バーの履歴を削除します\n検索履歴の削除"},
    {CommandId::ClearIeHistory, "閲覧の履歴を削除します\nIEの履歴削除"},
    {CommandId::ClearTemporaryFiles,
     "インターネット一時ファイルを削除します\nTemporary Internet Files削除"},
    {CommandId::ClearCookies, "クッキーをすべて削除します\nクッキーの削除"},
    {CommandId::ProxySettings, "プロキシの設定をします\nプロキシの設定"},
    {CommandId::Proxy1, "プロキシ１を使って接続します\nプロキシ１"},
    {CommandId::Proxy2, "プロキシ２を使って接続します\nプロキシ２"},
    {CommandId::Proxy3, "プロキシ３を使って接続します\nプロキシ３"},
    {CommandId::ProxyDirect, "プロキシを使わずに直接接続します\n直接接続"},
    {CommandId::ProxySystem, "システムのプロキシ設定で接続します\nIEの設定で接続"},
    {CommandId::PrivacyReport, "表示中のページのクッキーの扱いを表示します\nプライバシーレポート"},
    {CommandId::CgiProxyConnect, "表示中のページをCGIプロキシを通して開きます\nCGIプロキシで接続"},
    // ツール
    {CommandId::BrowserOptions, "インターネットオプションを設定します\nインターネットオプション"},
    {CommandId::Settings, "Zelvoの様々な設定をします\nZelvoの設定"},
    {CommandId::Search, "ページ内の文字列を検索します\n検索"},
    {CommandId::FindInPage, "検索バーの語句をページ内で検索します\nページの検索"},
    {CommandId::HighlightSearch, "検索バーの語句をページ内で色つき表示します\n色つき検索"},
    {CommandId::HighlightSearchAllTabs,
     "検索バーの語句をすべてのタブで色つき表示します\n全ページ色つき検索"},
    {CommandId::AddSearchSite, "検索サイトを追加します\n検索サイトの追加"},
    {CommandId::WebSearch, "検索バーの語句を検索サイトで検索します\nWeb検索"},
    {CommandId::OrganizeFavorites, "お気に入りを整理します\nお気に入りの整理"},
    {CommandId::AddFavorite, "表示中のページをお気に入りに追加します\nお気に入りの追加"},
    {CommandId::ShowFavoritesFolder, "お気に入りフォルダを表示します\nお気に入りフォルダの表示"},
    {CommandId::ExtractLinks, "ページのリンクを抽出して一覧にします\nリンクの抽出"},
    {CommandId::ExtractImages, "ページの画像をすべて抽出して一覧にします\n全画像の抽出"},
    {CommandId::ExtractGif, "ページのGIF画像を抽出します\nGIFの抽出"},
    {CommandId::ExtractJpeg, "ページのJPEG画像を抽出します\nJPEGの抽出"},
    {CommandId::ExtractPng, "ページのPNG画像を抽出します\nPNGの抽出"},
    {CommandId::ShowImageAddresses, "ページの画像アドレスを一覧にします\n画像アドレスの表示"},
    {CommandId::ExtractStyleSheets,
     "ページのスタイルシートのアドレスを抽出します\nスタイルシートアドレスの抽出"},
    {CommandId::ExtractFlash, "ページのFlashのアドレスを抽出します\nFlashアドレスの抽出"},
    {CommandId::LinkToolTips, "リンクにアドレスのポップアップを付けます\nリンクポップアップ"},
    {CommandId::InputToolTips, "入力欄に入力内容のポップアップを付けます\nインプットポップアップ"},
    {CommandId::ShowImageSizes,
     "画像のサイズとファイル名をポップアップに表示します\n画像サイズの表示"},
    {CommandId::MosaicFilter, "ページの画像にモザイクをかけます\n画像モザイクフィルタ"},
    {CommandId::AlwaysMosaicFilter,
     "ページを開くたびに画像にモザイクをかけます\n常に画像モザイクフィルタ"},
    {CommandId::FormRegister, "ページの入力欄の内容を登録します\nフォームの登録"},
    {CommandId::FormFill, "登録した内容を入力欄に書き込みます\nフォームの実行"},
    {CommandId::SourcePreview, "ページのソースをこのタブに表示します\nソース先読み"},
    {CommandId::RestoreLastSession, "前回終了時に開いていたタブを開きます\n前回終了状態を復元"},
    {CommandId::CustomizeStyleSheet,
     "CSSファイルでページの見た目を変えます\nCSSファイルのカスタマイズ"},
    {CommandId::TranslateInfoseekEnJa,
     "ページをインフォシークで英和翻訳します\nインフォシーク英和翻訳"},
    {CommandId::TranslateExciteEnJa, "ページをExciteで英和翻訳します\n翻訳"},
    {CommandId::TranslateExciteJaEn, "ページをExciteで和英翻訳します\nExcite和英翻訳"},
    {CommandId::ExtractTodayHistory, "今日の履歴を一覧にします\n今日の履歴の抽出"},
    {CommandId::ExtractIeHistory, "履歴をすべて一覧にします\nIEの全履歴の抽出"},
    {CommandId::SearchHistory, "日付や語句で履歴を検索します\n履歴検索"},
    {CommandId::PocketAddAddress,
     "アドレスバーのURLをポケットに入れます\nアドレスバーURLをポケットへ"},
    {CommandId::PocketAddSelectionLinks,
     "選択範囲のリンクをポケットに入れます\n選択範囲のリンクをポケットへ"},
    {CommandId::PocketAddSelectionText,
     "選択範囲の文字列のURLをポケットに入れます\n選択範囲の文字列URLをポケットへ"},
    {CommandId::PocketAddClipboard,
     "クリップボードのURLをポケットに入れます\nクリップボードURLをポケットへ"},
    {CommandId::PocketRun, "ポケット内のURLをすべて開きます\nポケットの実行"},
    {CommandId::PocketClear, "ポケットを空にします\nポケットの初期化"},
    {CommandId::HideToTray, "Zelvoをタスクトレイに格納します\nタスクトレイに格納"},
    // ｳｨﾝﾄﾞｳ
    {CommandId::WindowCascade, "ウインドウを重ねて表示します\n重ねて表示"},
    {CommandId::WindowTile, "ウインドウを並べて表示します\n並べて表示"},
    {CommandId::WindowArrangeIcons, "アイコンを整列します\nｱｲｺﾝの整列"},
    {CommandId::WindowTabsTopBottom, "ウインドタブを上下に移動します\nウインドタブ上下"},
    {CommandId::WindowTabsShow, "ウインドタブを表示します\nウインドタブの表示"},
    {CommandId::WindowTabsHide, "ウインドタブを隠します\nウインドタブの非表示"},
    {CommandId::ChildMinimize, "子ウインドを最小化します\n最小化"},
    {CommandId::ChildRestore, "子ウインドを普通のサイズにします\n普通サイズ"},
    {CommandId::ChildMaximize, "子ウインドを最大表示にします\n最大表示"},
    // ﾍﾙﾌﾟ
    {CommandId::AppAbout, "Zelvoのバージョン情報を表示します\nバージョン情報"},
    {CommandId::AuthorHomePage, "作者のホームページを開きます\n作者のホームページ"},
    {CommandId::HelpIndex, "ヘルプを表示します\nヘルプ"},
    // ペイン
    {CommandId::FavOpenHere, "お気に入りを現在のタブで開きます\n現在のページで表示"},
    {CommandId::FavOpenNewTab, "お気に入りを新しいタブで開きます\n新しいページに表示"},
    {CommandId::FavOpenCgiProxy,
     "お気に入りをCGIプロキシを通して開きます\nCGIプロキシでお気に入りの接続"},
    {CommandId::FavTranslate, "お気に入りのページをExciteで英和翻訳します\nお気に入りの英和翻訳"},
    {CommandId::FavDelete, "お気に入りをごみ箱に移します\nお気に入りの削除"},
    {CommandId::FavAddToGroup, "お気に入りを巡回グループに追加します\n巡回グループに追加"},
    {CommandId::GroupRun, "グループのお気に入りをすべて開きます\nグループの実行"},
    {CommandId::GroupDeleteAll,
     "グループのお気に入りをすべて削除します\nグループアイテムすべて削除"},
    {CommandId::GroupItemRun, "選んだお気に入りを開きます\nグループアイテムの実行"},
    {CommandId::GroupItemDelete,
     "選んだお気に入りをグループから削除します\nグループアイテムの削除"},
    {CommandId::PocketRunChecked,
     "チェックされたアイテムのポケット内のURLを実行します\nチェックアイテムのポケット実行"},
    {CommandId::OpenUrl, "urlを受けてページを開く"},
    {CommandId::Back1, "1つ前のページに戻ります\n1つ戻る"},
    {CommandId::Back2, "2つ前のページに戻ります\n2つ戻る"},
    {CommandId::Back3, "3つ前のページに戻ります\n3つ戻る"},
    {CommandId::Forward1, "1つ先のページに進みます\n1つ進む"},
    {CommandId::Forward2, "2つ先のページに進みます\n2つ進む"},
    {CommandId::Forward3, "3つ先のページに進みます\n3つ進む"},
};

} // namespace

QString CommandPrompt(int id)
{
    static const QHash<int, QString> prompts = [] {
        QHash<int, QString> hash;
        for (const PromptDef& prompt : kPrompts)
            hash.insert(ToInt(prompt.id), QString::fromUtf8(prompt.text));
        return hash;
    }();
    if (IsFormCommand(id))
        return QStringLiteral("登録したページを開いてフォームに自動入力します\nフォームの自動入力");
    if (IsRecentFileCommand(id))
        return prompts.value(ToInt(CommandId::RecentFile1));
    return prompts.value(id);
}
