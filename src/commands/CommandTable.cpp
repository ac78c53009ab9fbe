#include "commands/CommandTable.h"

#include <QHash>

namespace {

using C = CommandId;
using S = ImageStrip;

constexpr CommandDef kCommands[] = {
    // ﾌｧｲﾙ
    {C::FileNewUnlimited, "無制限新規作成(&N)", "",
     "タブ制限に関係なく新規にﾌｧｲﾙを作成\n無制限新規作成"},
    {C::FileNew, "新規作成 →←↑(&M)", "Ctrl+N", "新しいタブを開きます\n新規作成2", S::Main, 5},
    {C::FileOpenStandard, "", "", "既存のﾌｧｲﾙを開きます\n開く"},
    {C::FileOpen, "開く(&O)", "Ctrl+O", "ﾌｧｲﾙを選んでページとして開きます\n開く"},
    {C::FileClose, "閉じる(&C)", "", "アクティブなタブを閉じます\n閉じる"},
    {C::FileSaveAs, "名前を付けて保存 ↑→↓ (&A)...", "Ctrl+S",
     "表示中のページに名前を付けて保存します\n名前を付けて保存"},
    {C::FilePrint, "印刷(&P)...", "Ctrl+P", "表示中のページを印刷します\n印刷", S::Main, 10},
    {C::PrintPage, "ページの印刷(&T)", "", "表示中のページをそのまま印刷します\nページの印刷"},
    {C::PrintPreview, "印刷プレビュー(&U)", "Ctrl+B",
     "印刷したときの見え方を表示します\n印刷プレビュー"},
    {C::FilePrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)...", "",
     "プリンタと印刷オプションを設定します\nﾌﾟﾘﾝﾀの設定"},
    {C::PageSetup, "ページの設定(&S)", "", "用紙や余白などページの設定をします\nページの設定"},
    {C::PageProperties, "ページのプロパティ(&Y)", "Ctrl+Alt+M",
     "表示中のページのプロパティを表示します\nページのプロパティ"},
    {C::FavoritesHtmlCreate, "HTMLお気に入り作成(&H)", "",
     "お気に入りをHTMLに書き出して表示します\nHTMLお気に入り作成"},
    {C::FavoritesHtmlOpen, "お気に入りHTMLの実行 ←↑ (&E)", "Ctrl+Alt+N",
     "作成したお気に入りHTMLを新しいタブで開きます\nお気に入りHTMLの実行"},
    {C::FavoritesHtmlAtStart, "初回起動お気に入りHTML(&B)", "",
     "起動時にお気に入りHTMLを開くかどうかを切り替えます\n初回起動お気に入りHTML"},
    {C::RecentFile1, "最近使ったﾌｧｲﾙ", "", "最近使ったﾌｧｲﾙを開きます\n最近使ったﾌｧｲﾙ"},
    // The window manager may not close the window on Alt+F4 itself.
    {C::AppExit, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "Alt+F4", "Zelvoを終了します\n終了"},
    // 編集
    {C::SelectAll, "全てを選択(&A)", "Ctrl+A", "ページ全体を選択します\n全てを選択"},
    // The menu shows Ctrl+Z for undo, but the key runs the mosaic filter.
    {C::EditUndo, "元に戻す(&U)", "Alt+VK_BACK", "直前の操作を元に戻します\n元に戻す", S::None, -1,
     "Ctrl+Z"},
    {C::EditRedo, "繰り返し(&R)", "Ctrl+R", "元に戻した操作をやり直します\n繰り返し"},
    {C::EditCut, "切り取り(&T)", "Ctrl+X, Shift+VK_DELETE",
     "選択範囲を切り取ってクリップボードに移します\n切り取り"},
    {C::EditCopy, "ｺﾋﾟｰ(&C)", "Ctrl+C, Ctrl+VK_INSERT",
     "選択範囲をクリップボードにコピーします\nｺﾋﾟｰ"},
    {C::EditPaste, "貼り付け(&P)", "Ctrl+V, Shift+VK_INSERT",
     "クリップボードの内容を貼り付けます\n貼り付け"},
    // 表示
    {C::ViewToolbar, "ツールバー(&T)", "", "ツールバーの表示・非表示\nツールバー"},
    {C::ViewStatusBar, "ステータスバー(&S)", "", "ステータスバーの表示・非表示\nステータスバー"},
    {C::ViewAddressBar, "アドレスバー(&A)", "", "アドレスバーの表示・非表示\nアドレスバー"},
    {C::ViewSearchBar, "検索バー(&I)", "", "検索バーの表示・非表示\n検索バー"},
    {C::ViewDockingBar, "ドッキングバー(&D)", "", "ドッキングバーの表示・非表示\nお気に入り",
     S::Main, 8},
    {C::ViewTabBar, "タブバー(&B)", "", "タブバーの表示・非表示\nタブバー"},
    {C::ToggleAllBars, "各種バーの反転 ↓↑↓ (&N)", "VK_F2",
     "タブバー以外の各種バーの表示を反転します\n各種バーの反転"},
    {C::MaximizeView, "最大表示 ↓↑ (&M)", "VK_F1",
     "バーをすべて隠してページを最大表示します\n最大表示"},
    {C::FocusAddressBar, "アドレスバー(&A)", "",
     "アドレスバーにフォーカスを移します\nアドレスバー"},
    {C::FocusSearchWords, "検索バー(&S)", "", "検索バーにフォーカスを移します\n検索バー"},
    {C::FocusSearchSites, "検索サイト(&R)", "",
     "検索サイトの選択にフォーカスを移します\n検索サイト"},
    {C::TextSizeLargest, "最大(&H)", "", "文字のサイズを最大にします\n最大"},
    {C::TextSizeLarger, "大(&G)", "", "文字のサイズを大きくします\n大"},
    {C::TextSizeMedium, "中(&M)", "", "文字のサイズを標準にします\n中"},
    {C::TextSizeSmaller, "小(&S)", "", "文字のサイズを小さくします\n小"},
    {C::TextSizeSmallest, "最小(&N)", "", "文字のサイズを最小にします\n最小"},
    {C::ImageZoomIn2x, "拡大×2 ↓←↑ (&H)", "Ctrl+Shift+3", "ページの画像を2段階拡大します\n拡大×2"},
    {C::ImageZoomIn, "拡大(&B)", "Ctrl+Shift+4", "ページの画像を拡大します\n拡大"},
    {C::ImageZoomOut, "縮小(&S)", "Ctrl+Shift+5", "ページの画像を縮小します\n縮小"},
    {C::ImageZoomOut2x, "縮小×2 ↓←↓ (&L)", "Ctrl+Shift+6", "ページの画像を2段階縮小します\n縮小×2"},
    {C::Connect, "接続(&O)", "", "アドレスバーのURLに接続します\n接続", S::Connect, 0},
    {C::Online, "オンライン(&O)", "", "オンラインで作業します\nオンライン"},
    {C::Offline, "オフライン(&F)", "", "オフラインで作業します\nオフライン"},
    {C::BackHistoryPage, "「戻る」の履歴の表示(&B)", "",
     "「戻る」の履歴を一覧で表示します\n「戻る」の履歴"},
    {C::ForwardHistoryPage, "「進む」の履歴の表示(&F)", "",
     "「進む」の履歴を一覧で表示します\n「進む」の履歴"},
    {C::CompleteCom, "http://www.*.com(&1)", "",
     "アドレスバーの語を http://www.*.com に補完します\n.com"},
    {C::CompleteCoJp, "http://www.*.co.jp(&2)", "",
     "アドレスバーの語を http://www.*.co.jp に補完します\n.co.jp"},
    {C::CompleteNeJp, "http://www.*.ne.jp(&3)", "",
     "アドレスバーの語を http://www.*.ne.jp に補完します\n.ne.jp"},
    {C::EncodingJapaneseAuto, "日本語(自動選択)(&A)", "Ctrl+VK_F3",
     "ページの文字コードを自動選択にします\n日本語(自動選択)"},
    {C::EncodingEucJp, "日本語(EUC)(&B)", "", "ページの文字コードをEUCにします\n日本語(EUC)"},
    {C::EncodingShiftJis, "日本語(シフト JIS)(&C)", "",
     "ページの文字コードをシフトJISにします\n日本語(シフト JIS)"},
    {C::EncodingMenu, "エンコード抽出メニューの表示(&M)", "Ctrl+VK_F5",
     "エンコードの一覧から文字コードを選びます\nエンコード", S::Main, 18},
    {C::ViewSource, "ソースの表示 →←↓ (&D)", "VK_F4", "ページのソースを表示します\nソースの表示"},
    {C::SelectionSource, "選択範囲のソース表示 ↓→ (&S)", "VK_F5",
     "選択範囲のソースを表示します\n選択範囲のソース表示"},
    {C::SelectionSearch, "選択範囲の文字列検索 ↓→↑ (&P)", "Ctrl+D",
     "選択範囲の文字列で検索します\n選択範囲の文字列検索"},
    {C::SelectionLinkAddresses, "選択範囲のリンクアドレス表示(&X)", "",
     "選択範囲のリンクアドレスをアドレスバーに表示します\nリンクアドレス表示"},
    {C::SelectionLinkify, "選択範囲のアドレスリンク化(&L)", "",
     "選択範囲のアドレスをリンクにします\nアドレスリンク化"},
    {C::SelectionRepairTtp, "ttp://(&T)", "Ctrl+E",
     "ttp://で始まる選択範囲をリンクにします\nttp://"},
    {C::SelectionRepairWww, "www.(&W)", "Ctrl+F", "www.で始まる選択範囲をリンクにします\nwww."},
    {C::TabClose, "アクティブなタブを削除(&D)", "Ctrl+VK_DELETE",
     "アクティブなタブを削除します\nタブ削除", S::Main, 7},
    {C::TabCloseAll, "すべてのタブを削除(&A)", "Alt+VK_DELETE",
     "すべてのタブを削除します\nすべてのタブを削除"},
    {C::TabCloseRight, "右のタブをすべて削除(&R)", "Ctrl+Shift+1",
     "アクティブなタブより右のタブをすべて削除します\n右のタブを削除"},
    {C::TabCloseLeft, "左のタブをすべて削除(&L)", "Ctrl+Shift+2",
     "アクティブなタブより左のタブをすべて削除します\n左のタブを削除"},
    {C::TabMoveRight, "タブを右隣に移動(&M)", "Ctrl+0", "右隣のタブに移動します\n右隣のタブ"},
    {C::TabMoveLeft, "タブを左隣に移動(&N)", "Ctrl+9", "左隣のタブに移動します\n左隣のタブ"},
    {C::TabLock, "タブロック(&U)", "Ctrl+Alt+VK_INSERT",
     "アクティブなタブを閉じられないようにロックします\nタブロック"},
    {C::SwapPages, "ページの入れ替え(&C) ←↓→↑ ", "Alt+VK_F8",
     "アクティブなタブと右隣のタブのページを入れ替えます\nページの入れ替え"},
    {C::ReopenClosedTab, "最後に閉じたタブの復元(&F)", "",
     "最後に閉じたタブを開き直します\nタブの復元"},
    {C::ClearLastClosedTab, "最後に閉じたタブ履歴の削除(&H)", "",
     "最後に閉じたタブの記録を削除します\n最後に閉じたタブ履歴の削除"},
    {C::ClearClosedTabHistory, "タブ削除履歴の削除(&T)", "",
     "タブ削除履歴をすべて削除します\nタブ削除履歴の削除"},
    {C::FollowWindowTab, "タブアドレス(&V)", "",
     "ウインドタブで選んだタブのアドレスを表示します\nタブアドレス"},
    {C::SplitFrames, "フレームの分解 →↑← (&Y)", "Ctrl+8",
     "フレームをそれぞれ新しいタブで開きます\nフレームの分解"},
    {C::ScrollTop, "頂上 ↑ (&T)", "", "ページの先頭までスクロールします\n頂上"},
    {C::ScrollBottom, "底辺 ↓ (&B)", "", "ページの最後までスクロールします\n底辺"},
    {C::StatusUrlOnly, "ステータスバー URL only(&W)", "Ctrl+U",
     "ステータスバーにURLだけを表示します\nURL only"},
    {C::NavigateLock, "ナビゲートロック(&G)", "Ctrl+L",
     "表示中のページから移動しないようにします\nナビゲートロック"},
    // 移動
    {C::GoForward, "進む → (&M)", "Ctrl+1", "次のページに進みます\n進む", S::Main, 1},
    {C::GoBack, "戻る ← (&B)", "Ctrl+2", "前のページに戻ります\n戻る", S::Main, 0},
    {C::Stop, "中止 →↓ (&S)", "Ctrl+3", "ページの読み込みを中止します\n中止", S::Main, 2},
    {C::GoHome, "ホーム(&H)", "Ctrl+4", "ホームページを開きます\nホーム", S::Main, 4},
    {C::Refresh, "更新 →↑ (&C)", "Ctrl+5", "ページを更新します\n更新", S::Main, 3},
    {C::RefreshCompletely, "完全更新(&P)", "Ctrl+6",
     "キャッシュを使わずにページを更新します\n完全更新"},
    {C::StopAll, "すべて中止(&Z)", "Ctrl+Alt+3", "すべてのタブの読み込みを中止します\nすべて中止"},
    {C::RefreshAll, "すべて更新(&X)", "Ctrl+Alt+5", "すべてのタブを更新します\nすべて更新"},
    {C::RefreshFrames, "フレームのみ更新(&F)", "Ctrl+7",
     "フレームだけを更新します\nフレームのみ更新"},
    {C::ConnectFrames, "フレーム接続(&R)", "",
     "アドレスバーのURLをすべてのフレームで開きます\nフレーム接続"},
    {C::AutoRefresh30s, "30秒(&O)", "", "すべてのタブを30秒ごとに更新します\n30秒"},
    {C::AutoRefresh1m, "1分(&F)", "", "すべてのタブを1分ごとに更新します\n1分"},
    {C::AutoRefresh5m, "5分(&S)", "", "すべてのタブを5分ごとに更新します\n5分"},
    {C::AutoRefresh10m, "10分(&T)", "", "すべてのタブを10分ごとに更新します\n10分"},
    {C::AutoRefreshOff, "なし(&N)", "", "自動更新をやめます\nなし"},
    // セキュリティ
    {C::GlobalScript, "スクリプトの許可(&S)", "",
     "すべてのページでスクリプトを許可します\nスクリプトの許可(グローバル)"},
    {C::GlobalJava, "JAVAの許可(&J)", "",
     "すべてのページでJAVAを許可します\nJAVAの許可(グローバル)"},
    {C::GlobalActiveXRun, "ActiveX実行の許可(&R)", "",
     "すべてのページでActiveXの実行を許可します\nActiveX実行の許可(グローバル)"},
    {C::GlobalActiveXDownload, "ActiveXダウンロードの許可(&D)", "",
     "すべてのページでActiveXのダウンロードを許可します\nActiveXダウンロードの許可(グローバル)"},
    {C::GlobalCookies, "クッキーの許可(&C)", "", "クッキーを許可します\nクッキーの許可"},
    {C::GlobalSessionCookies, "セッションクッキーの許可(&Q)", "",
     "セッションクッキーを許可します\nセッションクッキーの許可"},
    {C::PrivacyBlockAll, "全てのクッキー拒否(&A)", "Ctrl+Alt+V",
     "すべてのクッキーを拒否します\n全てのクッキー拒否"},
    {C::PrivacyHigh, "高レベル(&H)", "", "プライバシーを高レベルにします\n高レベル"},
    {C::PrivacyMediumHigh, "中高レベル(&B)", "", "プライバシーを中高レベルにします\n中高レベル"},
    {C::PrivacyMedium, "中レベル(&M)", "", "プライバシーを中レベルにします\n中レベル"},
    {C::PrivacyLow, "低レベル(&N)", "", "プライバシーを低レベルにします\n低レベル"},
    {C::PrivacyAcceptAll, "全てのクッキーを受け入れる(&L)", "Ctrl+Alt+W",
     "すべてのクッキーを受け入れます\n全てのクッキーを受け入れる"},
    {C::SiteCookieInfo, "Cookie個別設定情報の表示(&E)", "",
     "サイトごとのCookie設定を表示します\nCookie個別設定情報の表示"},
    {C::SiteCookieBlock, "Cookie拒絶(&J)", "", "表示中のサイトのCookieを拒絶します\nCookie拒絶"},
    {C::SiteCookieAccept, "Cookie受諾(&A)", "", "表示中のサイトのCookieを受諾します\nCookie受諾"},
    {C::SiteCookieDelete, "Cookie個別設定削除(&D)", "",
     "表示中のサイトのCookie個別設定を削除します\nCookie個別設定削除"},
    {C::LocalScript, "スクリプトの許可(&S)", "Ctrl+Alt+R",
     "このタブでスクリプトを許可します\nスクリプトの許可(ローカル)"},
    {C::LocalJava, "JAVAの許可(&J)", "Ctrl+Alt+S",
     "このタブでJAVAを許可します\nJAVAの許可(ローカル)"},
    {C::LocalActiveXRun, "ActiveX実行の許可(&R)", "Ctrl+Alt+T",
     "このタブでActiveXの実行を許可します\nActiveX実行の許可(ローカル)"},
    {C::LocalActiveXDownload, "ActiveXダウンロードの許可(&D)", "Ctrl+Alt+U",
     "このタブでActiveXのダウンロードを許可します\nActiveXダウンロードの許可(ローカル)"},
    {C::LocalAllOn, "すべて有効(&P)", "Ctrl+Alt+P",
     "このタブのセキュリティ項目をすべて有効にします\nすべて有効"},
    {C::LocalAllOff, "すべて無効(&N)", "Ctrl+Alt+Q",
     "このタブのセキュリティ項目をすべて無効にします\nすべて無効"},
    {C::UpdateUserAgent, "USER_AGENTの更新 ←↓↑ (&U)", "Ctrl+Alt+O",
     "設定したUSER_AGENTを反映します\nUSER_AGENTの更新"},
    {C::ShowImages, "画像の表示(&I)", "Ctrl+Alt+1", "画像を表示します\n画像の表示"},
    {C::PlayVideos, "ビデオの表示(&V)", "Ctrl+Alt+2", "ビデオを表示します\nビデオの表示"},
    {C::PlaySounds, "BGMの演奏(&B)", "Ctrl+Alt+4", "BGMを演奏します\nBGMの演奏"},
    {C::NoCache, "キャッシュを使用しない(&C)", "",
     "キャッシュを使わずにページを読み込みます\nキャッシュを使用しない"},
    {C::ForbiddenUrlFilter, "禁止URLの抑制(&Z)", "",
     "禁止URLリストのページを開かないようにします\n禁止URLの抑制"},
    {C::ForbiddenTitleFilter, "禁止タイトルの抑制(&Y)", "",
     "禁止タイトルリストのページを閉じるようにします\n禁止タイトルの抑制"},
    {C::SuppressDialogs, "ダイアログの抑制(&I)", "",
     "スクリプトエラーなどのダイアログを表示しないようにします\nダイアログの抑制"},
    {C::SuppressMailto, "Mailtoの抑制(&N)", "",
     "メールのリンクを開かないようにします\nMailtoの抑制"},
    {C::HideChildTabs, "子タブの非表示(&H)", "",
     "新しいウインドウをタブで開かないようにします\n子タブの非表示"},
    {C::UrlSecurity, "URLセキュリティ(&U)", "",
     "スクリプトを含むURLへの接続を中止します\nURLセキュリティ"},
    {C::ZelvoMultimedia, "Zelvo マルチメディア(&T)", "",
     "音声や動画のファイルをプレーヤーのページで開きます\nZelvo マルチメディア"},
    {C::MouseGestures, "マウスジェスチャー(&A)", "",
     "マウスジェスチャーの有効・無効を切り替えます\nマウスジェスチャー"},
    {C::ForbiddenUrlList, "禁止URLリスト(&P)", "VK_F9", "禁止URLリストを編集します\n禁止URLリスト"},
    {C::ForbiddenTitleList, "禁止タイトルリスト(&Y)", "VK_F10",
     "禁止タイトルリストを編集します\n禁止タイトルリスト"},
    {C::AddPageToForbiddenUrls, "ページを禁止URLリストに追加(&A)", "Ctrl+VK_F9",
     "表示中のページのURLを禁止URLリストに追加します\n禁止URLリストに追加"},
    {C::AddPageToForbiddenTitles, "ページを禁止タイトルリストに追加(&Z)", "Ctrl+VK_F10",
     "表示中のページのタイトルを禁止タイトルリストに追加します\n禁止タイトルリストに追加"},
    {C::ClearAddressHistory, "URL履歴の削除(&U)", "",
     "アドレスバーの履歴を削除します\nURL履歴の削除"},
    {C::ClearSearchHistory, "検索履歴の削除(&D)", "", "検索バーの履歴を削除します\n検索履歴の削除"},
    {C::ClearIeHistory, "IEの履歴削除(&H)", "", "閲覧の履歴を削除します\nIEの履歴削除"},
    {C::ClearTemporaryFiles, "Temporary Internet Files削除(&T)", "",
     "インターネット一時ファイルを削除します\nTemporary Internet Files削除"},
    {C::ClearCookies, "クッキーの削除(&C)", "", "クッキーをすべて削除します\nクッキーの削除"},
    {C::ProxySettings, "プロキシの設定(&P)", "VK_F6", "プロキシの設定をします\nプロキシの設定",
     S::Main, 16},
    {C::Proxy1, "プロキシ１-接続(&1)", "", "プロキシ１を使って接続します\nプロキシ１"},
    {C::Proxy2, "プロキシ２-接続(&2)", "", "プロキシ２を使って接続します\nプロキシ２"},
    {C::Proxy3, "プロキシ３-接続(&3)", "", "プロキシ３を使って接続します\nプロキシ３"},
    {C::ProxyDirect, "直接接続(&0)", "", "プロキシを使わずに直接接続します\n直接接続"},
    {C::ProxySystem, "IEの設定で接続(&I)", "",
     "システムのプロキシ設定で接続します\nIEの設定で接続"},
    {C::PrivacyReport, "プライバシーレポート(&O)", "Ctrl+Alt+Y",
     "表示中のページのクッキーの扱いを表示します\nプライバシーレポート"},
    {C::CgiProxyConnect, "CGIプロキシで接続 ↑↓ (&G)", "Ctrl+Alt+Z",
     "表示中のページをCGIプロキシを通して開きます\nCGIプロキシで接続"},
    // ツール
    {C::BrowserOptions, "Internet Explorerのオプション(&O)", "VK_F8",
     "インターネットオプションを設定します\nインターネットオプション", S::Main, 14},
    {C::Settings, "Zelvoの設定(&X)", "VK_F7", "Zelvoの様々な設定をします\nZelvoの設定", S::Main,
     15},
    {C::Search, "検索 ←↓ (&D)", "Ctrl+G", "ページ内の文字列を検索します\n検索", S::Main, 9},
    {C::FindInPage, "ページの検索 ←→←→ (&P)", "Ctrl+Alt+A",
     "検索バーの語句をページ内で検索します\nページの検索"},
    {C::HighlightSearch, "色つき検索 →←→← (&C)", "Ctrl+Alt+B",
     "検索バーの語句をページ内で色つき表示します\n色つき検索"},
    {C::HighlightSearchAllTabs, "全ページ色つき検索 ↑↓→↑ (&A)", "",
     "検索バーの語句をすべてのタブで色つき表示します\n全ページ色つき検索"},
    {C::AddSearchSite, "検索サイトの追加(&D)", "", "検索サイトを追加します\n検索サイトの追加"},
    // The search-site box took the place of the first button of its strip.
    {C::WebSearch, "Web検索 ↑→ (&W)", "Ctrl+Alt+C",
     "検索バーの語句を検索サイトで検索します\nWeb検索", S::Search, 1},
    {C::OrganizeFavorites, "お気に入りの整理(&D)", "Ctrl+H",
     "お気に入りを整理します\nお気に入りの整理"},
    {C::AddFavorite, "お気に入りの追加(&A)", "Ctrl+I",
     "表示中のページをお気に入りに追加します\nお気に入りの追加"},
    {C::ShowFavoritesFolder, "お気に入りフォルダの表示(&F)", "",
     "お気に入りフォルダを表示します\nお気に入りフォルダの表示"},
    {C::ExtractLinks, "リンクの抽出 ←→← (&L)", "Ctrl+Q",
     "ページのリンクを抽出して一覧にします\nリンクの抽出", S::Main, 17},
    {C::ExtractImages, "全画像の抽出 ↑← (&A)", "Ctrl+Shift+7",
     "ページの画像をすべて抽出して一覧にします\n全画像の抽出"},
    {C::ExtractGif, "GIFの抽出(&G)", "Ctrl+Shift+8", "ページのGIF画像を抽出します\nGIFの抽出"},
    {C::ExtractJpeg, "JPEGの抽出(&J)", "Ctrl+Shift+9", "ページのJPEG画像を抽出します\nJPEGの抽出"},
    {C::ExtractPng, "PNGの抽出(&P)", "Ctrl+Shift+0", "ページのPNG画像を抽出します\nPNGの抽出"},
    {C::ShowImageAddresses, "画像アドレスの表示 →←↓→ (&E)", "Ctrl+W",
     "ページの画像アドレスを一覧にします\n画像アドレスの表示"},
    {C::ExtractStyleSheets, "スタイルシートアドレスの抽出(&S)", "Ctrl+Alt+K",
     "ページのスタイルシートのアドレスを抽出します\nスタイルシートアドレスの抽出"},
    {C::ExtractFlash, "Flashアドレスの抽出 →←↑↓ (&F)", "Ctrl+Alt+L",
     "ページのFlashのアドレスを抽出します\nFlashアドレスの抽出"},
    {C::LinkToolTips, "リンクポップアップ →↓↑ (&B)", "Ctrl+T",
     "リンクにアドレスのポップアップを付けます\nリンクポップアップ"},
    {C::InputToolTips, "インプットポップアップ ←↑↓ (&G)", "Ctrl+Alt+J",
     "入力欄に入力内容のポップアップを付けます\nインプットポップアップ"},
    {C::ShowImageSizes, "画像サイズの表示 ←→↑↓ (&Z)", "Ctrl+Y",
     "画像のサイズとファイル名をポップアップに表示します\n画像サイズの表示"},
    {C::MosaicFilter, "画像モザイクフィルタ ↓← (&F)", "Ctrl+Z",
     "ページの画像にモザイクをかけます\n画像モザイクフィルタ"},
    {C::AlwaysMosaicFilter, "常に画像モザイクフィルタ(&A)", "",
     "ページを開くたびに画像にモザイクをかけます\n常に画像モザイクフィルタ"},
    {C::FormRegister, "登録(&R)  ←↑→", "Alt+F5",
     "ページの入力欄の内容を登録します\nフォームの登録"},
    {C::FormFill, "実行(&N)  ←↓→", "Alt+F7", "登録した内容を入力欄に書き込みます\nフォームの実行"},
    {C::SourcePreview, "ソース先読み(&N)", "Ctrl+M",
     "ページのソースをこのタブに表示します\nソース先読み"},
    {C::RestoreLastSession, "前回終了状態を復元(&R)", "",
     "前回終了時に開いていたタブを開きます\n前回終了状態を復元", S::Main, 13},
    {C::CustomizeStyleSheet, "CSSファイルのカスタマイズ(&C)", "Shift+VK_F1",
     "CSSファイルでページの見た目を変えます\nCSSファイルのカスタマイズ"},
    {C::TranslateInfoseekEnJa, "インフォシーク英和翻訳(&I)", "",
     "ページをインフォシークで英和翻訳します\nインフォシーク英和翻訳"},
    {C::TranslateExciteEnJa, "Excite英和翻訳 ←→↓ (&E)", "Ctrl+K",
     "ページをExciteで英和翻訳します\n翻訳", S::Main, 11},
    {C::TranslateExciteJaEn, "Excite和英翻訳(&J)", "Ctrl+J",
     "ページをExciteで和英翻訳します\nExcite和英翻訳"},
    {C::ExtractTodayHistory, "今日の履歴の抽出(&T)", "",
     "今日の履歴を一覧にします\n今日の履歴の抽出"},
    {C::ExtractIeHistory, "IEの全履歴の抽出(&A)", "", "履歴をすべて一覧にします\nIEの全履歴の抽出"},
    {C::SearchHistory, "履歴の検索(&S) ←↑↓→ ", "Alt+VK_F9",
     "日付や語句で履歴を検索します\n履歴検索", S::Main, 6},
    {C::PocketAddAddress, "アドレスバーURLをポケットへ(&A)", "Ctrl+Alt+D",
     "アドレスバーのURLをポケットに入れます\nアドレスバーURLをポケットへ"},
    {C::PocketAddSelectionLinks, "選択範囲のリンクをポケットへ ↑→↓← (&S)", "Ctrl+Alt+E",
     "選択範囲のリンクをポケットに入れます\n選択範囲のリンクをポケットへ"},
    {C::PocketAddSelectionText, "選択範囲の文字列URLをポケットへ ↑←↓→ (&U)", "Ctrl+Alt+F",
     "選択範囲の文字列のURLをポケットに入れます\n選択範囲の文字列URLをポケットへ"},
    {C::PocketAddClipboard, "クリップボードURLをポケットへ ←→↑ (&C)", "Ctrl+Alt+G",
     "クリップボードのURLをポケットに入れます\nクリップボードURLをポケットへ"},
    {C::PocketRun, "ポケットの実行 ↑←→ (&R)", "Ctrl+Alt+H",
     "ポケット内のURLをすべて開きます\nポケットの実行"},
    {C::PocketClear, "ポケットの初期化 ↓←→ (&P)", "Ctrl+Alt+I",
     "ポケットを空にします\nポケットの初期化"},
    {C::HideToTray, "タスクトレイに格納 →← (&T)", "VK_F3",
     "Zelvoをタスクトレイに格納します\nタスクトレイに格納", S::Main, 12},
    // ｳｨﾝﾄﾞｳ
    {C::WindowCascade, "重ねて表示(&C)", "Ctrl+VK_F1", "ウインドウを重ねて表示します\n重ねて表示"},
    {C::WindowTile, "並べて表示(&T)", "Ctrl+VK_F2", "ウインドウを並べて表示します\n並べて表示"},
    {C::WindowArrangeIcons, "ｱｲｺﾝの整列(&A)", "", "アイコンを整列します\nｱｲｺﾝの整列"},
    {C::WindowTabsTopBottom, "ウインドタブ上下(&T)", "VK_F11",
     "ウインドタブを上下に移動します\nウインドタブ上下"},
    {C::WindowTabsShow, "表示(&E)", "VK_F12", "ウインドタブを表示します\nウインドタブの表示"},
    {C::WindowTabsHide, "非表示(&H)", "Ctrl+VK_F12",
     "ウインドタブを隠します\nウインドタブの非表示"},
    {C::ChildMinimize, "子ウインドの最小化(&S)", "", "子ウインドを最小化します\n最小化"},
    {C::ChildRestore, "子ウインドを普通サイズにする(&N)", "",
     "子ウインドを普通のサイズにします\n普通サイズ"},
    {C::ChildMaximize, "子ウインドの最大表示(&L)", "", "子ウインドを最大表示にします\n最大表示"},
    // ﾍﾙﾌﾟ
    {C::AppAbout, "Zelvo のﾊﾞｰｼﾞｮﾝ情報(&A)...", "",
     "Zelvoのバージョン情報を表示します\nバージョン情報"},
    {C::AuthorHomePage, "作者のホームページ(&E)", "",
     "作者のホームページを開きます\n作者のホームページ"},
    {C::HelpIndex, "ヘルプ(&H)", "", "ヘルプを表示します\nヘルプ"},
    // Pane menus, the address hand-over and the back and forward steps
    {C::FavOpenHere, "", "", "お気に入りを現在のタブで開きます\n現在のページで表示"},
    {C::FavOpenNewTab, "", "", "お気に入りを新しいタブで開きます\n新しいページに表示"},
    {C::FavOpenCgiProxy, "", "",
     "お気に入りをCGIプロキシを通して開きます\nCGIプロキシでお気に入りの接続"},
    {C::FavTranslate, "", "", "お気に入りのページをExciteで英和翻訳します\nお気に入りの英和翻訳"},
    {C::FavDelete, "", "", "お気に入りをごみ箱に移します\nお気に入りの削除"},
    {C::FavAddToGroup, "", "", "お気に入りを巡回グループに追加します\n巡回グループに追加"},
    {C::GroupRun, "", "", "グループのお気に入りをすべて開きます\nグループの実行"},
    {C::GroupDeleteAll, "", "",
     "グループのお気に入りをすべて削除します\nグループアイテムすべて削除"},
    {C::GroupItemRun, "", "", "選んだお気に入りを開きます\nグループアイテムの実行"},
    {C::GroupItemDelete, "", "",
     "選んだお気に入りをグループから削除します\nグループアイテムの削除"},
    {C::PocketRunChecked, "", "",
     "チェックされたアイテムのポケット内のURLを実行します\nチェックアイテムのポケット実行"},
    {C::OpenUrl, "", "", "urlを受けてページを開く"},
    {C::Back1, "", "", "1つ前のページに戻ります\n1つ戻る"},
    {C::Back2, "", "", "2つ前のページに戻ります\n2つ戻る"},
    {C::Back3, "", "", "3つ前のページに戻ります\n3つ戻る"},
    {C::Forward1, "", "", "1つ先のページに進みます\n1つ進む"},
    {C::Forward2, "", "", "2つ先のページに進みます\n2つ進む"},
    {C::Forward3, "", "", "3つ先のページに進みます\n3つ進む"},
    // Issued by the frame and the bars themselves; no menu shows them. The other
    // internal ids name operations that are called directly, never issued.
    {C::Ok},
    {C::NextTab},
    {C::PreviousTab},
    {C::RefreshTabLabels},
    {C::ReloadSearchSites},
    {C::WindowTabsFlipTop},
    {C::WindowTabsFlipIcons},
    {C::FollowFocusedWindowTab},
};

const QHash<int, const CommandDef*>& Index()
{
    static const QHash<int, const CommandDef*> index = [] {
        QHash<int, const CommandDef*> hash;
        for (const CommandDef& def : kCommands)
            hash.insert(ToInt(def.id), &def);
        return hash;
    }();
    return index;
}

QString ShownKeys(const CommandDef& def)
{
    if (def.shownKeys)
        return QString::fromUtf8(def.shownKeys);
    return QString::fromUtf8(def.keys).section(QStringLiteral(", "), 0, 0);
}

} // namespace

std::span<const CommandDef> CommandTable()
{
    return kCommands;
}

const CommandDef* FindCommand(int id)
{
    return Index().value(id);
}

QString CommandMenuText(int id)
{
    const CommandDef* def = FindCommand(id);
    if (!def)
        return {};
    const QString text = QString::fromUtf8(def->text);
    const QString keys = ShownKeys(*def);
    return keys.isEmpty() ? text : text + QLatin1Char('\t') + keys;
}

QList<QKeyCombination> CommandKeys(int id)
{
    QList<QKeyCombination> keys;
    const CommandDef* def = FindCommand(id);
    if (!def || !*def->keys)
        return keys;
    for (const QString& key : QString::fromUtf8(def->keys).split(QStringLiteral(", ")))
        keys.append(ParseAccelerator(key));
    return keys;
}

QString CommandPrompt(int id)
{
    if (IsFormCommand(id))
        return QStringLiteral("登録したページを開いてフォームに自動入力します\nフォームの自動入力");
    if (IsRecentFileCommand(id))
        id = ToInt(CommandId::RecentFile1);
    const CommandDef* def = FindCommand(id);
    return def ? QString::fromUtf8(def->prompt) : QString();
}

QKeyCombination ParseAccelerator(const QString& text)
{
    QStringList parts = text.split(QLatin1Char('+'));
    QString key = parts.takeLast();
    Qt::KeyboardModifiers modifiers;
    for (const QString& part : parts) {
        if (part == QLatin1String("Ctrl"))
            modifiers |= Qt::ControlModifier;
        else if (part == QLatin1String("Shift"))
            modifiers |= Qt::ShiftModifier;
        else if (part == QLatin1String("Alt"))
            modifiers |= Qt::AltModifier;
        else
            return {};
    }
    if (key.startsWith(QLatin1String("VK_")))
        key = key.mid(3);
    static const QHash<QString, Qt::Key> named = {{QStringLiteral("DELETE"), Qt::Key_Delete},
                                                  {QStringLiteral("INSERT"), Qt::Key_Insert},
                                                  {QStringLiteral("BACK"), Qt::Key_Backspace}};
    if (named.contains(key))
        return QKeyCombination(modifiers, named.value(key));
    if (key.size() > 1 && key.front() == QLatin1Char('F')) {
        bool ok = false;
        const int n = key.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12)
            return QKeyCombination(modifiers, static_cast<Qt::Key>(Qt::Key_F1 + n - 1));
        return {};
    }
    if (key.size() == 1 && ((key[0] >= QLatin1Char('A') && key[0] <= QLatin1Char('Z')) ||
                            (key[0] >= QLatin1Char('0') && key[0] <= QLatin1Char('9'))))
        return QKeyCombination(modifiers, static_cast<Qt::Key>(key[0].unicode()));
    return {};
}
