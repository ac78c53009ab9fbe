#include "commands/CommandId.h"
#include "commands/MenuResources.h"

#include <QtTest>

#include <functional>
#include <utility>
#include <vector>

using Rows = std::vector<const char*>;

// The main menu as the product's menu is described: one row per item, "submenu path|id|text",
// a submenu itself as "path|>|name"; separators left out.
static const std::vector<std::pair<const char*, Rows>> kMainMenu = {
    {"ﾌｧｲﾙ(&F)",
     {
         "|57600|無制限新規作成(&N)",
         "|32862|新規作成 →←↑(&M)\tCtrl+N",
         "|33039|開く(&O)\tCtrl+O",
         "|32835|閉じる(&C)",
         "|57604|名前を付けて保存 ↑→↓ (&A)...\tCtrl+S",
         "|57607|印刷(&P)...\tCtrl+P",
         "|32956|ページの印刷(&T)",
         "|32793|印刷プレビュー(&U)\tCtrl+B",
         "|57606|ﾌﾟﾘﾝﾀの設定(&R)...",
         "|32794|ページの設定(&S)",
         "|32795|ページのプロパティ(&Y)\tCtrl+Alt+M",
         "|>|お気に入りHTML(&H)",
         "お気に入りHTML(&H)|32877|HTMLお気に入り作成(&H)",
         "お気に入りHTML(&H)|32878|お気に入りHTMLの実行 ←↑ (&E)\tCtrl+Alt+N",
         "お気に入りHTML(&H)|32997|初回起動お気に入りHTML(&B)",
         "|57616|最近使ったﾌｧｲﾙ",
         "|57665|ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)\tAlt+F4",
     }},
    {"編集(&E)",
     {
         "|32778|全てを選択(&A)\tCtrl+A",
         "|57643|元に戻す(&U)\tCtrl+Z",
         "|57644|繰り返し(&R)\tCtrl+R",
         "|57635|切り取り(&T)\tCtrl+X",
         "|57634|ｺﾋﾟｰ(&C)\tCtrl+C",
         "|57637|貼り付け(&P)\tCtrl+V",
     }},
    {"表示(&V)",
     {
         "|>|コントロール(&T)",
         "コントロール(&T)|59392|ツールバー(&T)",
         "コントロール(&T)|32811|ステータスバー(&S)",
         "コントロール(&T)|32812|アドレスバー(&A)",
         "コントロール(&T)|32813|検索バー(&I)",
         "コントロール(&T)|33003|ドッキングバー(&D)",
         "コントロール(&T)|32815|タブバー(&B)",
         "コントロール(&T)|32896|各種バーの反転 ↓↑↓ (&N)\tVK_F2",
         "コントロール(&T)|32936|最大表示 ↓↑ (&M)\tVK_F1",
         "|>|フォーカス(&K)",
         "フォーカス(&K)|33000|アドレスバー(&A)",
         "フォーカス(&K)|33001|検索バー(&S)",
         "フォーカス(&K)|33002|検索サイト(&R)",
         "|>|文字サイズ(&F)",
         "文字サイズ(&F)|32773|最大(&H)",
         "文字サイズ(&F)|32772|大(&G)",
         "文字サイズ(&F)|32771|中(&M)",
         "文字サイズ(&F)|32770|小(&S)",
         "文字サイズ(&F)|32769|最小(&N)",
         "|>|画像のサイズ(&Z)",
         "画像のサイズ(&Z)|32964|拡大×2 ↓←↑ (&H)\tCtrl+Shift+3",
         "画像のサイズ(&Z)|32910|拡大(&B)\tCtrl+Shift+4",
         "画像のサイズ(&Z)|32911|縮小(&S)\tCtrl+Shift+5",
         "画像のサイズ(&Z)|32965|縮小×2 ↓←↓ (&L)\tCtrl+Shift+6",
         "|32808|接続(&O)",
         "|>|接続状態(&C)",
         "接続状態(&C)|32799|オンライン(&O)",
         "接続状態(&C)|32800|オフライン(&F)",
         "|>|ページの履歴(&H)",
         "ページの履歴(&H)|32948|「戻る」の履歴の表示(&B)",
         "ページの履歴(&H)|32949|「進む」の履歴の表示(&F)",
         "|>|URLの補完(&U)",
         "URLの補完(&U)|32905|http://www.*.com(&1)",
         "URLの補完(&U)|32906|http://www.*.co.jp(&2)",
         "URLの補完(&U)|32907|http://www.*.ne.jp(&3)",
         "|>|エンコード(&A)",
         "エンコード(&A)|33067|日本語(自動選択)(&A)\tCtrl+VK_F3",
         "エンコード(&A)|33068|日本語(EUC)(&B)",
         "エンコード(&A)|33069|日本語(シフト JIS)(&C)",
         "エンコード(&A)|32805|エンコード抽出メニューの表示(&M)\tCtrl+VK_F5",
         "|32801|ソースの表示 →←↓ (&D)\tVK_F4",
         "|>|選択範囲(&E)",
         "選択範囲(&E)|32889|選択範囲のソース表示 ↓→ (&S)\tVK_F5",
         "選択範囲(&E)|32917|選択範囲の文字列検索 ↓→↑ (&P)\tCtrl+D",
         "選択範囲(&E)|32926|選択範囲のリンクアドレス表示(&X)",
         "選択範囲(&E)|32968|選択範囲のアドレスリンク化(&L)",
         "選択範囲(&E)|>|選択範囲の欠損リンク(&D)",
         "選択範囲(&E)/選択範囲の欠損リンク(&D)|32970|ttp://(&T)\tCtrl+E",
         "選択範囲(&E)/選択範囲の欠損リンク(&D)|32971|www.(&W)\tCtrl+F",
         "|>|タブ操作(&R)",
         "タブ操作(&R)|32814|アクティブなタブを削除(&D)\tCtrl+VK_DELETE",
         "タブ操作(&R)|32816|すべてのタブを削除(&A)\tAlt+VK_DELETE",
         "タブ操作(&R)|32817|右のタブをすべて削除(&R)\tCtrl+Shift+1",
         "タブ操作(&R)|32818|左のタブをすべて削除(&L)\tCtrl+Shift+2",
         "タブ操作(&R)|32819|タブを右隣に移動(&M)\tCtrl+0",
         "タブ操作(&R)|32820|タブを左隣に移動(&N)\tCtrl+9",
         "タブ操作(&R)|32847|タブロック(&U)\tCtrl+Alt+VK_INSERT",
         "タブ操作(&R)|33061|ページの入れ替え(&C) ←↓→↑ \tAlt+VK_F8",
         "タブ操作(&R)|32860|最後に閉じたタブの復元(&F)",
         "タブ操作(&R)|32876|最後に閉じたタブ履歴の削除(&H)",
         "タブ操作(&R)|33037|タブ削除履歴の削除(&T)",
         "|32930|タブアドレス(&V)",
         "|32893|フレームの分解 →↑← (&Y)\tCtrl+8",
         "|>|スクロール(&L)",
         "スクロール(&L)|32918|頂上 ↑ (&T)",
         "スクロール(&L)|32920|底辺 ↓ (&B)",
         "|32925|ステータスバー URL only(&W)\tCtrl+U",
         "|32963|ナビゲートロック(&G)\tCtrl+L",
     }},
    {"お気に入り(&A)", {}},
    {"移動(&G)",
     {
         "|32779|進む → (&M)\tCtrl+1",
         "|32774|戻る ← (&B)\tCtrl+2",
         "|32775|中止 →↓ (&S)\tCtrl+3",
         "|32776|ホーム(&H)\tCtrl+4",
         "|32777|更新 →↑ (&C)\tCtrl+5",
         "|32943|完全更新(&P)\tCtrl+6",
         "|32833|すべて中止(&Z)\tCtrl+Alt+3",
         "|32834|すべて更新(&X)\tCtrl+Alt+5",
         "|32891|フレームのみ更新(&F)\tCtrl+7",
         "|32892|フレーム接続(&R)",
         "|>|自動更新(&A)",
         "自動更新(&A)|33045|30秒(&O)",
         "自動更新(&A)|33042|1分(&F)",
         "自動更新(&A)|33043|5分(&S)",
         "自動更新(&A)|33044|10分(&T)",
         "自動更新(&A)|33046|なし(&N)",
     }},
    {"セキュリティ(&S)",
     {
         "|>|グローバルブラウザセキュリティ(&S)",
         "グローバルブラウザセキュリティ(&S)|32780|スクリプトの許可(&S)",
         "グローバルブラウザセキュリティ(&S)|32781|JAVAの許可(&J)",
         "グローバルブラウザセキュリティ(&S)|32782|ActiveX実行の許可(&R)",
         "グローバルブラウザセキュリティ(&S)|32783|ActiveXダウンロードの許可(&D)",
         "グローバルブラウザセキュリティ(&S)|32784|クッキーの許可(&C)",
         "グローバルブラウザセキュリティ(&S)|32785|セッションクッキーの許可(&Q)",
         "|>|クッキー Internet Explorer 6(&E)",
         "クッキー Internet Explorer 6(&E)|32786|全てのクッキー拒否(&A)\tCtrl+Alt+V",
         "クッキー Internet Explorer 6(&E)|32787|高レベル(&H)",
         "クッキー Internet Explorer 6(&E)|32788|中高レベル(&B)",
         "クッキー Internet Explorer 6(&E)|32789|中レベル(&M)",
         "クッキー Internet Explorer 6(&E)|32790|低レベル(&N)",
         "クッキー Internet Explorer 6(&E)|32791|全てのクッキーを受け入れる(&L)\tCtrl+Alt+W",
         "|>|Cookie個別設定(&B)",
         "Cookie個別設定(&B)|33082|Cookie個別設定情報の表示(&E)",
         "Cookie個別設定(&B)|33083|Cookie拒絶(&J)",
         "Cookie個別設定(&B)|33084|Cookie受諾(&A)",
         "Cookie個別設定(&B)|33085|Cookie個別設定削除(&D)",
         "|>|ローカルブラウザセキュリティ(&L)",
         "ローカルブラウザセキュリティ(&L)|32823|スクリプトの許可(&S)\tCtrl+Alt+R",
         "ローカルブラウザセキュリティ(&L)|32824|JAVAの許可(&J)\tCtrl+Alt+S",
         "ローカルブラウザセキュリティ(&L)|32825|ActiveX実行の許可(&R)\tCtrl+Alt+T",
         "ローカルブラウザセキュリティ(&L)|32826|ActiveXダウンロードの許可(&D)\tCtrl+Alt+U",
         "ローカルブラウザセキュリティ(&L)|32858|すべて有効(&P)\tCtrl+Alt+P",
         "ローカルブラウザセキュリティ(&L)|32859|すべて無効(&N)\tCtrl+Alt+Q",
         "ローカルブラウザセキュリティ(&L)|32890|USER_AGENTの更新 ←↓↑ (&U)\tCtrl+Alt+O",
         "|>|マルチメディア(&M)",
         "マルチメディア(&M)|32827|画像の表示(&I)\tCtrl+Alt+1",
         "マルチメディア(&M)|32828|ビデオの表示(&V)\tCtrl+Alt+2",
         "マルチメディア(&M)|32829|BGMの演奏(&B)\tCtrl+Alt+4",
         "|32830|キャッシュを使用しない(&C)",
         "|>|抑制(&N)",
         "抑制(&N)|32899|禁止URLの抑制(&Z)",
         "抑制(&N)|32967|禁止タイトルの抑制(&Y)",
         "抑制(&N)|32887|ダイアログの抑制(&I)",
         "抑制(&N)|32888|Mailtoの抑制(&N)",
         "抑制(&N)|32864|子タブの非表示(&H)",
         "抑制(&N)|32857|URLセキュリティ(&U)",
         "抑制(&N)|32867|Zelvo マルチメディア(&T)",
         "抑制(&N)|32981|マウスジェスチャー(&A)",
         "|>|禁止リスト(&J)",
         "禁止リスト(&J)|32894|禁止URLリスト(&P)\tVK_F9",
         "禁止リスト(&J)|32941|禁止タイトルリスト(&Y)\tVK_F10",
         "禁止リスト(&J)|32895|ページを禁止URLリストに追加(&A)\tCtrl+VK_F9",
         "禁止リスト(&J)|32942|ページを禁止タイトルリストに追加(&Z)\tCtrl+VK_F10",
         "|>|削除(&U)",
         "削除(&U)|32865|URL履歴の削除(&U)",
         "削除(&U)|32866|検索履歴の削除(&D)",
         "削除(&U)|32900|IEの履歴削除(&H)",
         "削除(&U)|33008|Temporary Internet Files削除(&T)",
         "削除(&U)|33009|クッキーの削除(&C)",
         "削除(&U)|32876|最後に閉じたタブ履歴の削除(&L)",
         "削除(&U)|33037|タブ削除履歴の削除(&B)",
         "|32880|プロキシの設定(&P)\tVK_F6",
         "|>|プロキシ(&X)",
         "プロキシ(&X)|32881|プロキシ１-接続(&1)",
         "プロキシ(&X)|32882|プロキシ２-接続(&2)",
         "プロキシ(&X)|32886|プロキシ３-接続(&3)",
         "プロキシ(&X)|32883|直接接続(&0)",
         "プロキシ(&X)|32902|IEの設定で接続(&I)",
         "|32954|プライバシーレポート(&O)\tCtrl+Alt+Y",
         "|32854|CGIプロキシで接続 ↑↓ (&G)\tCtrl+Alt+Z",
     }},
    {"ツール(&T)",
     {
         "|32792|Internet Explorerのオプション(&O)\tVK_F8",
         "|32861|Zelvoの設定(&X)\tVK_F7",
         "|32810|検索 ←↓ (&D)\tCtrl+G",
         "|>|検索バーイベント(&S)",
         "検索バーイベント(&S)|32844|ページの検索 ←→←→ (&P)\tCtrl+Alt+A",
         "検索バーイベント(&S)|32845|色つき検索 →←→← (&C)\tCtrl+Alt+B",
         "検索バーイベント(&S)|33066|全ページ色つき検索 ↑↓→↑ (&A)",
         "検索バーイベント(&S)|32852|検索サイトの追加(&D)",
         "検索バーイベント(&S)|32853|Web検索 ↑→ (&W)\tCtrl+Alt+C",
         "|>|お気に入りイベント(&F)",
         "お気に入りイベント(&F)|32849|お気に入りの整理(&D)\tCtrl+H",
         "お気に入りイベント(&F)|32850|お気に入りの追加(&A)\tCtrl+I",
         "お気に入りイベント(&F)|33048|お気に入りフォルダの表示(&F)",
         "|>|抽出(&L)",
         "抽出(&L)|32903|リンクの抽出 ←→← (&L)\tCtrl+Q",
         "抽出(&L)|>|画像の抽出(&M)",
         "抽出(&L)/画像の抽出(&M)|32908|全画像の抽出 ↑← (&A)\tCtrl+Shift+7",
         "抽出(&L)/画像の抽出(&M)|32960|GIFの抽出(&G)\tCtrl+Shift+8",
         "抽出(&L)/画像の抽出(&M)|32961|JPEGの抽出(&J)\tCtrl+Shift+9",
         "抽出(&L)/画像の抽出(&M)|32962|PNGの抽出(&P)\tCtrl+Shift+0",
         "抽出(&L)/画像の抽出(&M)|32999|画像アドレスの表示 →←↓→ (&E)\tCtrl+W",
         "抽出(&L)|>|外部ファイルアドレスの抽出(&C)",
         "抽出(&L)/"
         "外部ファイルアドレスの抽出(&C)|33033|スタイルシートアドレスの抽出(&S)\tCtrl+Alt+K",
         "抽出(&L)/外部ファイルアドレスの抽出(&C)|32993|Flashアドレスの抽出 →←↑↓ (&F)\tCtrl+Alt+L",
         "|>|ポップアップ(&G)",
         "ポップアップ(&G)|33010|リンクポップアップ →↓↑ (&B)\tCtrl+T",
         "ポップアップ(&G)|33035|インプットポップアップ ←↑↓ (&G)\tCtrl+Alt+J",
         "|>|画像(&A)",
         "画像(&A)|32984|画像サイズの表示 ←→↑↓ (&Z)\tCtrl+Y",
         "画像(&A)|>|画像モザイクフィルタ(&A)",
         "画像(&A)/画像モザイクフィルタ(&A)|32975|画像モザイクフィルタ ↓← (&F)\tCtrl+Z",
         "画像(&A)/画像モザイクフィルタ(&A)|32980|常に画像モザイクフィルタ(&A)",
         "|>|フォームの自動入力(&B)",
         "フォームの自動入力(&B)|33058|登録(&R)  ←↑→\tAlt+F5",
         "フォームの自動入力(&B)|33052|実行(&N)  ←↓→\tAlt+F7",
         "|32875|ソース先読み(&N)\tCtrl+M",
         "|32869|前回終了状態を復元(&R)",
         "|33081|CSSファイルのカスタマイズ(&C)\tShift+VK_F1",
         "|>|翻訳(&I)",
         "翻訳(&I)|32863|インフォシーク英和翻訳(&I)",
         "翻訳(&I)|32978|Excite英和翻訳 ←→↓ (&E)\tCtrl+K",
         "翻訳(&I)|33023|Excite和英翻訳(&J)\tCtrl+J",
         "|>|IEの履歴(&H)",
         "IEの履歴(&H)|32947|今日の履歴の抽出(&T)",
         "IEの履歴(&H)|32935|IEの全履歴の抽出(&A)",
         "IEの履歴(&H)|33062|履歴の検索(&S) ←↑↓→ \tAlt+VK_F9",
         "|>|ポケット(&K)",
         "ポケット(&K)|32985|アドレスバーURLをポケットへ(&A)\tCtrl+Alt+D",
         "ポケット(&K)|32987|選択範囲のリンクをポケットへ ↑→↓← (&S)\tCtrl+Alt+E",
         "ポケット(&K)|32989|選択範囲の文字列URLをポケットへ ↑←↓→ (&U)\tCtrl+Alt+F",
         "ポケット(&K)|32992|クリップボードURLをポケットへ ←→↑ (&C)\tCtrl+Alt+G",
         "ポケット(&K)|32990|ポケットの実行 ↑←→ (&R)\tCtrl+Alt+H",
         "ポケット(&K)|32986|ポケットの初期化 ↓←→ (&P)\tCtrl+Alt+I",
         "|32868|タスクトレイに格納 →← (&T)\tVK_F3",
     }},
    {"ｳｨﾝﾄﾞｳ(&W)",
     {
         "|32862|新しいｳｨﾝﾄﾞｳを開く(&N)",
         "|57650|重ねて表示(&C)\tCtrl+VK_F1",
         "|57651|並べて表示(&T)\tCtrl+VK_F2",
         "|57649|ｱｲｺﾝの整列(&A)",
         "|32931|ウインドタブ上下(&T)\tVK_F11",
         "|>|ウインドタブ(&W)",
         "ウインドタブ(&W)|32933|表示(&E)\tVK_F12",
         "ウインドタブ(&W)|32934|非表示(&H)\tCtrl+VK_F12",
         "|>|ウインドサイズ(&S)",
         "ウインドサイズ(&S)|33077|子ウインドの最小化(&S)",
         "ウインドサイズ(&S)|33078|子ウインドを普通サイズにする(&N)",
         "ウインドサイズ(&S)|33079|子ウインドの最大表示(&L)",
     }},
    {"ﾍﾙﾌﾟ(&H)",
     {
         "|57664|Zelvo のﾊﾞｰｼﾞｮﾝ情報(&A)...",
         "|33049|作者のホームページ(&E)",
         "|57670|ヘルプ(&H)",
     }},
};

// Gesture of each command as the gesture table assigns it; the menus show the same arrows.
static const std::vector<std::pair<int, const char*>> kGestures = {
    {32774, "←"},    {32779, "→"},    {32777, "→↑"},   {32918, "↑"},    {32920, "↓"},
    {32775, "→↓"},   {32878, "←↑"},   {32810, "←↓"},   {32854, "↑↓"},   {32936, "↓↑"},
    {32896, "↓↑↓"},  {32868, "→←"},   {32862, "→←↑"},  {32801, "→←↓"},  {32975, "↓←"},
    {32889, "↓→"},   {32853, "↑→"},   {32908, "↑←"},   {32964, "↓←↑"},  {32965, "↓←↓"},
    {32917, "↓→↑"},  {32903, "←→←"},  {32844, "←→←→"}, {32845, "→←→←"}, {32893, "→↑←"},
    {57604, "↑→↓"},  {32984, "←→↑↓"}, {32987, "↑→↓←"}, {32989, "↑←↓→"}, {32990, "↑←→"},
    {32986, "↓←→"},  {32978, "←→↓"},  {32992, "←→↑"},  {32993, "→←↑↓"}, {32999, "→←↓→"},
    {33010, "→↓↑"},  {32890, "←↓↑"},  {33035, "←↑↓"},  {33058, "←↑→"},  {33052, "←↓→"},
    {33061, "←↓→↑"}, {33062, "←↑↓→"}, {33066, "↑↓→↑"},
};

static QStringList Flatten(const QList<MenuItemDef>& items, const QString& path, bool separators)
{
    QStringList rows;
    for (const MenuItemDef& item : items) {
        switch (item.kind) {
        case MenuItemDef::Kind::Separator:
            if (separators)
                rows << path + "|-|";
            break;
        case MenuItemDef::Kind::Submenu:
            rows << path + "|>|" + item.text;
            rows << Flatten(item.items, path.isEmpty() ? item.text : path + "/" + item.text,
                            separators);
            break;
        case MenuItemDef::Kind::Command:
            rows << path + "|" + QString::number(item.id) + "|" + item.text;
            break;
        }
    }
    return rows;
}

static QStringList ToStrings(const Rows& rows)
{
    QStringList list;
    for (const char* row : rows)
        list << QString::fromUtf8(row);
    return list;
}

static void CollectCommands(const QList<MenuItemDef>& items, QList<const MenuItemDef*>& out)
{
    for (const MenuItemDef& item : items) {
        if (item.kind == MenuItemDef::Kind::Command)
            out << &item;
        CollectCommands(item.items, out);
    }
}

static QList<const MenuItemDef*> Commands(const QList<MenuItemDef>& items)
{
    QList<const MenuItemDef*> out;
    CollectCommands(items, out);
    return out;
}

static QString Arrows(const QString& text)
{
    QString arrows;
    for (QChar c : text) {
        if (QStringLiteral("→←↑↓").contains(c))
            arrows += c;
    }
    return arrows;
}

// "Ctrl+Alt+VK_INSERT" as menus write it, turned into modifiers and a Qt key.
static std::pair<int, int> ParseAccelerator(const QString& text)
{
    int modifiers = 0;
    const QStringList parts = text.split('+');
    for (int i = 0; i + 1 < parts.size(); ++i) {
        if (parts[i] == "Ctrl")
            modifiers |= Qt::ControlModifier;
        else if (parts[i] == "Shift")
            modifiers |= Qt::ShiftModifier;
        else if (parts[i] == "Alt")
            modifiers |= Qt::AltModifier;
        else
            return {-1, -1};
    }
    QString key = parts.last();
    if (key.startsWith("VK_"))
        key = key.mid(3);
    if (key == "DELETE")
        return {modifiers, Qt::Key_Delete};
    if (key == "INSERT")
        return {modifiers, Qt::Key_Insert};
    if (key.size() > 1 && key[0] == 'F')
        return {modifiers, Qt::Key_F1 + key.mid(1).toInt() - 1};
    if (key.size() == 1 && (key[0].isUpper() || key[0].isDigit()))
        return {modifiers, key[0].unicode()};
    return {-1, -1};
}

static QString Describe(int modifiers, int key, int id)
{
    return QStringLiteral("%1+%2->%3").arg(modifiers, 0, 16).arg(key, 0, 16).arg(id);
}

class TestMenuResources : public QObject {
    Q_OBJECT

  private slots:
    void topMenus();
    void mainMenu_data();
    void mainMenu();
    void separatorsTheOtherPartsRelyOn();
    void gestureArrows_data();
    void gestureArrows();
    void onlyGestureCommandsShowArrows();
    void acceleratorsFollowTheMenuTexts();
    void acceleratorExceptions_data();
    void acceleratorExceptions();
    void popups_data();
    void popups();
    void menuBarCopies();
    void toolbars();
    void quotedPrompts_data();
    void quotedPrompts();
    void everyCommandHasAPrompt();
    void commandRanges_data();
    void commandRanges();
};

void TestMenuResources::topMenus()
{
    QStringList names;
    for (const MenuItemDef& top : MainMenu()) {
        QCOMPARE(top.kind, MenuItemDef::Kind::Submenu);
        names << top.text;
    }
    QStringList expected;
    for (const auto& [name, rows] : kMainMenu)
        expected << QString::fromUtf8(name);
    QCOMPARE(names, expected);
}

void TestMenuResources::mainMenu_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");
    for (size_t i = 0; i < kMainMenu.size(); ++i)
        QTest::newRow(kMainMenu[i].first) << int(i) << ToStrings(kMainMenu[i].second);
}

void TestMenuResources::mainMenu()
{
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    QVERIFY(index < MainMenu().size());
    const QStringList actual = Flatten(MainMenu().at(index).items, {}, false);
    for (int i = 0; i < qMin(actual.size(), expected.size()); ++i)
        QCOMPARE(actual.at(i), expected.at(i));
    QCOMPARE(actual.size(), expected.size());
}

void TestMenuResources::separatorsTheOtherPartsRelyOn()
{
    const auto separator = MenuItemDef::Kind::Separator;
    const QList<MenuItemDef>& favorites = MainMenu().at(3).items;
    QCOMPARE(favorites.size(), 1);
    QCOMPARE(favorites.first().kind, separator);

    // The frame appends the form files to submenu 10 of the tools menu, after its separator.
    const MenuItemDef& forms = MainMenu().at(6).items.at(10);
    QCOMPARE(forms.text, QStringLiteral("フォームの自動入力(&B)"));
    QCOMPARE(forms.items.last().kind, separator);

    // Nowhere else does a separator open or close a menu or follow another one.
    std::function<void(const MenuItemDef&)> check = [&](const MenuItemDef& menu) {
        const QList<MenuItemDef>& items = menu.items;
        if (&menu != &MainMenu().at(3) && &menu != &forms && !items.isEmpty()) {
            QVERIFY2(items.first().kind != separator, qPrintable(menu.text));
            QVERIFY2(items.last().kind != separator, qPrintable(menu.text));
        }
        for (int i = 1; i < items.size(); ++i)
            QVERIFY2(items[i].kind != separator || items[i - 1].kind != separator,
                     qPrintable(menu.text));
        for (const MenuItemDef& item : items)
            check(item);
    };
    for (const MenuItemDef& top : MainMenu())
        check(top);
}

void TestMenuResources::gestureArrows_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("arrows");
    for (const auto& [id, arrows] : kGestures)
        QTest::newRow(qPrintable(QString::number(id))) << id << QString::fromUtf8(arrows);
}

void TestMenuResources::gestureArrows()
{
    QFETCH(int, id);
    QFETCH(QString, arrows);
    QStringList shown;
    for (const MenuItemDef* item : Commands(MainMenu())) {
        if (item->id == id)
            shown << Arrows(item->text);
    }
    QVERIFY2(shown.contains(arrows), qPrintable(shown.join(',')));
}

void TestMenuResources::onlyGestureCommandsShowArrows()
{
    QHash<int, QString> gestures;
    for (const auto& [id, arrows] : kGestures)
        gestures.insert(id, QString::fromUtf8(arrows));
    for (const MenuItemDef* item : Commands(MainMenu())) {
        const QString arrows = Arrows(item->text);
        if (!arrows.isEmpty())
            QCOMPARE(arrows, gestures.value(item->id));
    }
    // Of the popups only the search drop-down shows gestures.
    for (int id : PopupMenuIds()) {
        if (id == 144 || (id >= 197 && id <= 205))
            continue;
        for (const MenuItemDef* item : Commands(PopupMenu(id)))
            QVERIFY2(Arrows(item->text).isEmpty(), qPrintable(item->text));
    }
    for (const MenuItemDef* item : Commands(PopupMenu(144)))
        QCOMPARE(Arrows(item->text), gestures.value(item->id));
}

void TestMenuResources::acceleratorsFollowTheMenuTexts()
{
    QSet<QString> expected;
    for (const auto& [name, rows] : kMainMenu) {
        for (const char* row : rows) {
            const QStringList fields = QString::fromUtf8(row).split('|');
            const int tab = fields[2].indexOf('\t');
            if (tab < 0)
                continue;
            const auto [modifiers, key] = ParseAccelerator(fields[2].mid(tab + 1));
            QVERIFY2(key > 0, row);
            const int id = fields[1].toInt();
            if (id == ToInt(CommandId::AppExit) || id == ToInt(CommandId::EditUndo))
                continue;
            expected << Describe(modifiers, key, id);
        }
    }
    expected << Describe(Qt::AltModifier, Qt::Key_Backspace, 57643)
             << Describe(Qt::ShiftModifier, Qt::Key_Delete, 57635)
             << Describe(Qt::ControlModifier, Qt::Key_Insert, 57634)
             << Describe(Qt::ShiftModifier, Qt::Key_Insert, 57637);

    QSet<QString> actual;
    QSet<QPair<int, int>> keys;
    for (const AcceleratorDef& acc : Accelerators()) {
        actual << Describe(acc.modifiers, acc.key, acc.id);
        QVERIFY2(!keys.contains({acc.modifiers, acc.key}),
                 qPrintable(Describe(acc.modifiers, acc.key, acc.id)));
        keys.insert({acc.modifiers, acc.key});
    }
    QCOMPARE(Accelerators().size(), 107);
    QCOMPARE(QStringList(actual.subtract(expected).values()), QStringList());
    QCOMPARE(expected.size(), 107);
}

void TestMenuResources::acceleratorExceptions_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("id"); // 0: not in the table
    const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    QTest::newRow("Ctrl+Z mosaic, not undo") << ctrl << int(Qt::Key_Z) << 32975;
    QTest::newRow("Alt+Backspace undo") << alt << int(Qt::Key_Backspace) << 57643;
    QTest::newRow("Shift+Delete cut") << shift << int(Qt::Key_Delete) << 57635;
    QTest::newRow("Ctrl+Insert copy") << ctrl << int(Qt::Key_Insert) << 57634;
    QTest::newRow("Shift+Insert paste") << shift << int(Qt::Key_Insert) << 57637;
    QTest::newRow("Ctrl+Delete close tab") << ctrl << int(Qt::Key_Delete) << 32814;
    QTest::newRow("Ctrl+Alt+Insert tab lock") << (ctrl | alt) << int(Qt::Key_Insert) << 32847;
    QTest::newRow("Ctrl+Shift+0 PNG") << (ctrl | shift) << int(Qt::Key_0) << 32962;
    QTest::newRow("Shift+F1 style sheet") << shift << int(Qt::Key_F1) << 33081;
    QTest::newRow("F1 maximise, Ctrl+F1 cascade") << 0 << int(Qt::Key_F1) << 32936;
    QTest::newRow("Ctrl+F1 cascade") << ctrl << int(Qt::Key_F1) << 57650;
    QTest::newRow("Alt+F4 left to the system") << alt << int(Qt::Key_F4) << 0;
    QTest::newRow("F4 source") << 0 << int(Qt::Key_F4) << 32801;
}

void TestMenuResources::acceleratorExceptions()
{
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(int, id);
    int found = 0;
    for (const AcceleratorDef& acc : Accelerators()) {
        if (acc.modifiers == modifiers && acc.key == key)
            found = acc.id;
    }
    QCOMPARE(found, id);
}

struct PopupCase {
    int id;
    const char* name;
    bool separators; // compare separators too (where the menu's own layout gives them)
    Rows rows;
};

// Items of the 152 menu not named there carry the main menu's text without mnemonic,
// accelerator and gesture.
static const std::vector<PopupCase> kPopups = {
    {144,
     "test",
     false,
     {"|32853|Web検索 ↑→", "|32844|ページの検索 ←→←→", "|32845|色つき検索 →←→←",
      "|33066|全ページ色つき検索 ↑↓→↑", "|32810|検索 ←↓", "|32852|検索サイトの追加",
      "|32813|検索バー"}},
    {148,
     "",
     false,
     {"|32774|戻る", "|32779|進む", "|32775|中止", "|32777|更新", "|32776|ホーム",
      "|32862|新規作成2", "|33062|履歴検索", "|32814|タブ削除", "|33003|お気に入り", "|32810|検索",
      "|57607|印刷", "|32978|翻訳", "|32868|タスクトレイに格納"}},
    {150, "search_tool", false, {"|32845|色つき検索", "|32844|ページの検索", "|32813|検索バー"}},
    {152,
     "rtab",
     false,
     {"|32814|アクティブなタブ削除",
      "|>|他のタブ削除",
      "他のタブ削除|32816|すべてのタブを削除",
      "他のタブ削除|32817|右のタブをすべて削除",
      "他のタブ削除|32818|左のタブをすべて削除",
      "|>|タブ移動",
      "タブ移動|32819|タブを右隣に移動",
      "タブ移動|32820|タブを左隣に移動",
      "|>|接続",
      "接続|32808|接続",
      "接続|32854|CGIプロキシで接続",
      "|>|移動",
      "移動|32779|進む",
      "移動|32774|戻る",
      "移動|32775|中止",
      "移動|32776|ホーム",
      "移動|32777|更新",
      "移動|32943|更新2",
      "移動|32833|すべて中止",
      "移動|32834|すべて更新",
      "移動|32892|フレーム接続",
      "移動|32891|フレームのみ更新",
      "|>|URLの補完",
      "URLの補完|32905|http://www.*.com",
      "URLの補完|32906|http://www.*.co.jp",
      "URLの補完|32907|http://www.*.ne.jp",
      "|>|翻訳",
      "翻訳|32863|インフォシーク(英和)",
      "翻訳|32978|Excite(英和)",
      "翻訳|33023|Excite(和英)",
      "|32893|フレームの分解",
      "|32860|最後に閉じたタブの復元",
      "|>|ロック",
      "ロック|32847|タブロック",
      "ロック|32963|ナビゲートロック",
      "|>|抑制",
      "抑制|32899|禁止URLの抑制",
      "抑制|32967|禁止タイトルの抑制",
      "|>|選択範囲",
      "選択範囲|32889|選択範囲のソース表示",
      "選択範囲|32917|選択範囲の文字列検索",
      "選択範囲|32926|選択範囲のリンクアドレス表示",
      "選択範囲|32968|選択範囲のアドレスリンク化",
      "選択範囲|>|選択範囲の欠損リンク",
      "選択範囲/選択範囲の欠損リンク|32970|ttp://",
      "選択範囲/選択範囲の欠損リンク|32971|www.",
      "|32895|ページを禁止URLリストに追加",
      "|32942|ページを禁止タイトルリストに追加",
      "|32850|お気に入りの追加",
      "|32849|お気に入りの整理"}},
    {157,
     "back",
     true,
     {"|32948|「戻る」の履歴の表示", "|63000|1つ戻る", "|63001|2つ戻る", "|63002|3つ戻る"}},
    {158,
     "go",
     true,
     {"|32949|「進む」の履歴の表示", "|63003|1つ進む", "|63004|2つ進む", "|63005|3つ進む"}},
    {164,
     "fav",
     true,
     {"|33005|新しいページに表示", "|33004|現在のページで表示", "|-|",
      "|33006|CGIプロキシでお気に入りの接続", "|33007|お気に入りの英和翻訳(Excite)", "|-|",
      "|32849|お気に入りの整理", "|32850|お気に入りの追加", "|33040|お気に入りの削除",
      "|33059|お気に入りを巡回グループに追加"}},
    {168,
     "cookie",
     true,
     {"|32784|クッキーの許可(IE5.5以下)", "|32785|セッションクッキーの許可(IE5.5以下)", "|-|",
      "|32786|全てのクッキー拒否", "|32787|高レベル", "|32788|中高レベル", "|32789|中レベル",
      "|32790|低レベル", "|32791|全てのクッキーを受け入れる", "|-|", "|>|Cookie個別設定情報",
      "Cookie個別設定情報|33082|Cookie個別設定情報の表示", "Cookie個別設定情報|-|",
      "Cookie個別設定情報|33083|Cookie拒絶", "Cookie個別設定情報|33084|Cookie受諾",
      "Cookie個別設定情報|33085|Cookie個別設定削除"}},
    {174,
     "activexdl",
     true,
     {"|32783|ActiveXダウンロードの許可(グローバル)",
      "|32826|ActiveXダウンロードの許可(ローカル)"}},
    {175,
     "activex",
     true,
     {"|32782|ActiveX実行の許可(グローバル)", "|32825|ActiveX実行の許可(ローカル)"}},
    {176, "java", true, {"|32781|JAVAの許可(グローバル)", "|32824|JAVAの許可(ローカル)"}},
    {177,
     "script",
     true,
     {"|32780|スクリプトの許可(グローバル)", "|32823|スクリプトの許可(ローカル)"}},
    {179,
     "media",
     true,
     {"|32858|すべて有効(ローカル)", "|32859|すべて無効(ローカル)", "|-|", "|32827|画像の表示",
      "|32828|ビデオの表示", "|32829|BGMの演奏"}},
    {186,
     "del",
     false,
     {"|32816|すべてのタブを削除", "|32817|右のタブをすべて削除", "|32818|左のタブをすべて削除"}},
    {187, "tra", false, {"|32863|インフォシーク翻訳(英和)", "|33023|Excite翻訳(和英)"}},
    {188,
     "ref",
     false,
     {"|32943|完全更新", "|32834|すべて更新", "|32891|フレームのみ更新", "|>|自動更新",
      "自動更新|33045|30秒", "自動更新|33042|1分", "自動更新|33043|5分", "自動更新|33044|10分",
      "自動更新|33046|なし"}},
    {189,
     "group",
     true,
     {"|33054|グループの実行", "|33055|グループアイテムすべて削除", "|-|",
      "|33056|グループアイテムの実行", "|33053|グループアイテムの削除"}},
    {190, "", true, {}},
    {195,
     "poket",
     true,
     {"|32985|アドレスバーURLをポケットへ", "|32987|選択範囲のリンクをポケットへ",
      "|32989|選択範囲の文字列URLをポケットへ", "|32992|クリップボードURLをポケットへ", "|-|",
      "|32990|ポケットの実行", "|33065|チェックアイテムのポケット実行", "|32986|ポケットの初期化"}},
    {206,
     "chev",
     true,
     {"|>|ファイル", "|>|編集", "|>|表示", "|>|お気に入り", "|>|移動", "|>|セキュリティ",
      "|>|ツール", "|>|ウインド", "|>|ヘルプ"}},
};

void TestMenuResources::popups_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("separators");
    QTest::addColumn<QStringList>("expected");
    for (const PopupCase& popup : kPopups) {
        QTest::newRow(qPrintable(QString::number(popup.id)))
            << popup.id << QString::fromUtf8(popup.name) << popup.separators
            << ToStrings(popup.rows);
    }
}

void TestMenuResources::popups()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(bool, separators);
    QFETCH(QStringList, expected);
    QVERIFY(PopupMenuIds().contains(id));
    QCOMPARE(PopupMenuName(id), name);
    QCOMPARE(Flatten(PopupMenu(id), {}, separators), expected);
}

void TestMenuResources::menuBarCopies()
{
    QList<int> expectedIds;
    for (const PopupCase& popup : kPopups)
        expectedIds << popup.id;
    for (int i = 0; i < 9; ++i) {
        const int id = 197 + i;
        expectedIds << id;
        QCOMPARE(PopupMenuName(id), QStringLiteral("m%1").arg(i + 1));
        QCOMPARE(Flatten(PopupMenu(id), {}, true), Flatten(MainMenu().at(i).items, {}, true));
    }
    std::sort(expectedIds.begin(), expectedIds.end());
    QCOMPARE(PopupMenuIds(), expectedIds);
    QVERIFY(PopupMenu(999).isEmpty());
    QVERIFY(PopupMenuName(999).isEmpty());
}

void TestMenuResources::toolbars()
{
    const std::vector<std::pair<int, const char*>> main = {{32774, "戻る"},
                                                           {32779, "進む"},
                                                           {32775, "中止"},
                                                           {32777, "更新"},
                                                           {32776, "ホーム"},
                                                           {32862, "新規作成2"},
                                                           {33062, "履歴検索"},
                                                           {32814, "タブ削除"},
                                                           {33003, "お気に入り"},
                                                           {32810, "検索"},
                                                           {57607, "印刷"},
                                                           {32978, "翻訳"},
                                                           {32868, "タスクトレイに格納"},
                                                           {32869, ""},
                                                           {32792, ""},
                                                           {32861, ""},
                                                           {32880, ""},
                                                           {32903, ""},
                                                           {32805, ""}};
    const QList<int> dropDowns = {32774, 32779, 32777, 32814, 32810, 32978};
    QCOMPARE(MainToolbarButtons().size(), int(main.size()));
    for (int i = 0; i < MainToolbarButtons().size(); ++i) {
        const ToolbarButtonDef& button = MainToolbarButtons().at(i);
        QCOMPARE(button.id, main[i].first);
        QCOMPARE(button.image, i);
        QCOMPARE(button.chevronText, QString::fromUtf8(main[i].second));
        QCOMPARE(button.dropDown, dropDowns.contains(button.id));
    }

    QCOMPARE(SearchToolbarButtons().size(), 2);
    QCOMPARE(SearchToolbarButtons().at(0).id, 59395);
    QCOMPARE(SearchToolbarButtons().at(0).width, 140);
    QVERIFY(!SearchToolbarButtons().at(0).dropDown);
    QCOMPARE(SearchToolbarButtons().at(1).id, 32853);
    QVERIFY(SearchToolbarButtons().at(1).dropDown);
    QCOMPARE(ConnectToolbarButtons().size(), 1);
    QCOMPARE(ConnectToolbarButtons().at(0).id, 32808);
    QVERIFY(!ConnectToolbarButtons().at(0).dropDown);
}

void TestMenuResources::quotedPrompts_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("57600") << 57600 << QStringLiteral("タブ制限に関係なく新規にﾌｧｲﾙを作成");
    QTest::newRow("33003") << 33003 << QStringLiteral("ドッキングバーの表示・非表示");
    QTest::newRow("32861") << 32861 << QStringLiteral("Zelvoの様々な設定をします");
    QTest::newRow("33065") << 33065
                           << QStringLiteral("チェックされたアイテムのポケット内のURLを実行します");
    QTest::newRow("33057") << 33057 << QStringLiteral("urlを受けてページを開く");
}

void TestMenuResources::quotedPrompts()
{
    QFETCH(int, id);
    QFETCH(QString, prompt);
    QCOMPARE(CommandPrompt(id).section('\n', 0, 0), prompt);
}

void TestMenuResources::everyCommandHasAPrompt()
{
    QList<int> ids;
    for (const MenuItemDef* item : Commands(MainMenu()))
        ids << item->id;
    for (int popup : PopupMenuIds()) {
        for (const MenuItemDef* item : Commands(PopupMenu(popup)))
            ids << item->id;
    }
    for (const ToolbarButtonDef& button : MainToolbarButtons() + ConnectToolbarButtons())
        ids << button.id;
    ids << SearchToolbarButtons().at(1).id << ToInt(CommandId::FormFirst)
        << ToInt(CommandId::FormLast) << ToInt(CommandId::RecentFile1) + 3;
    for (int id : ids) {
        const QStringList parts = CommandPrompt(id).split('\n');
        QVERIFY2(parts.size() == 2 && !parts[0].isEmpty() && !parts[1].isEmpty(),
                 qPrintable(QString::number(id) + ": " + CommandPrompt(id)));
    }
    for (int id : {0, 3584, 37000, 37201, 57620, 61450})
        QVERIFY2(CommandPrompt(id).isEmpty(), qPrintable(QString::number(id)));
}

void TestMenuResources::commandRanges_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("favorite");
    QTest::addColumn<bool>("form");
    QTest::addColumn<bool>("menuBar");
    QTest::newRow("below favourites") << 3583 << false << false << false;
    QTest::newRow("first favourite") << 3584 << true << false << false;
    QTest::newRow("last favourite") << 4095 << true << false << false;
    QTest::newRow("above favourites") << 4096 << false << false << false;
    QTest::newRow("below forms") << 37100 << false << false << false;
    QTest::newRow("first form") << 37101 << false << true << false;
    QTest::newRow("last form") << 37150 << false << true << false;
    QTest::newRow("above forms") << 37151 << false << false << false;
    QTest::newRow("menu-bar command") << 37004 << false << false << true;
    QTest::newRow("first menu-bar button") << 61450 << false << false << true;
    QTest::newRow("last menu-bar button") << 61458 << false << false << true;
    QTest::newRow("after the buttons") << 61459 << false << false << false;
}

void TestMenuResources::commandRanges()
{
    QFETCH(int, id);
    QFETCH(bool, favorite);
    QFETCH(bool, form);
    QFETCH(bool, menuBar);
    QCOMPARE(IsFavoriteCommand(id), favorite);
    QCOMPARE(IsFormCommand(id), form);
    QCOMPARE(IsMenuBarButton(id), menuBar);
    if (favorite)
        QCOMPARE(FavoriteCommand(FavoriteNumber(id)), id);
    if (form)
        QCOMPARE(FormCommand(FormPosition(id)), id);
}

QTEST_APPLESS_MAIN(TestMenuResources)
#include "tst_menuresources.moc"
