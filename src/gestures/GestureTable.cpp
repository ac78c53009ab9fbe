#include "gestures/GestureTable.h"

namespace {

using A = GestureAction;
using C = CommandId;

constexpr GestureEntry kEntries[] = {
    {"←", A::Back, C::GoBack, "マウスジェスチャー：戻る"},
    {"→", A::Forward, C::GoForward, "マウスジェスチャー：進む"},
    {"→↑", A::Refresh, C::Refresh, "マウスジェスチャー：更新"},
    {"↑", A::Command, C::ScrollTop, "マウスジェスチャー：スクロール(頂上)"},
    {"↓", A::Command, C::ScrollBottom, "マウスジェスチャー：スクロール(底辺)"},
    {"→↓", A::Stop, C::Stop, "マウスジェスチャー：中止"},
    {"←↑", A::Command, C::FavoritesHtmlOpen, "マウスジェスチャー：Ｈお気に入り"},
    {"←↓", A::Command, C::Search, "マウスジェスチャー：ページの探索"},
    {"↑↓", A::Command, C::CgiProxyConnect, "マウスジェスチャー：cgiプロキシで接続"},
    {"↓↑", A::Command, C::MaximizeView, "マウスジェスチャー：最大表示"},
    {"↓↑↓", A::Command, C::ToggleAllBars, "マウスジェスチャー：各種バーの反転"},
    {"→←", A::Command, C::HideToTray, "マウスジェスチャー：タスクトレーに格納"},
    {"→←↑", A::Command, C::FileNew, "マウスジェスチャー：新規作成2"},
    {"→←↓", A::Command, C::ViewSource, "マウスジェスチャー：ソースの表示"},
    {"↓←", A::Command, C::MosaicFilter, "マウスジェスチャー：画像モザイクフィルタ"},
    {"↓→", A::Command, C::SelectionSource, "マウスジェスチャー：選択範囲のソース表示"},
    {"↑→", A::Command, C::WebSearch, "マウスジェスチャー：Web検索"},
    {"↑←", A::Command, C::ExtractImages, "マウスジェスチャー：全画像の抽出"},
    {"↓←↑", A::Command, C::ImageZoomIn2x, "マウスジェスチャー：画像の拡大×2"},
    {"↓←↓", A::Command, C::ImageZoomOut2x, "マウスジェスチャー：画像の縮小×2"},
    {"↓→↑", A::Command, C::SelectionSearch, "マウスジェスチャー：選択範囲の文字列検索"},
    {"←→←", A::Command, C::ExtractLinks, "マウスジェスチャー：リンクの抽出"},
    {"←→←→", A::Command, C::FindInPage, "マウスジェスチャー：ページの検索"},
    {"→←→←", A::Command, C::HighlightSearch, "マウスジェスチャー：色つき検索"},
    {"→↑←", A::Command, C::SplitFrames, "マウスジェスチャー：フレームの分解"},
    {"↑→↓", A::Command, C::FileSaveAs, "マウスジェスチャー：名前を付けて保存"},
    {"←→↑↓", A::Command, C::ShowImageSizes, "マウスジェスチャー：画像サイズの表示"},
    {"↑→↓←", A::Command, C::PocketAddSelectionLinks,
     "マウスジェスチャー：選択範囲のリンクをポケットへ"},
    {"↑←↓→", A::Command, C::PocketAddSelectionText,
     "マウスジェスチャー：選択範囲の文字列URLをポケットへ"},
    {"↑←→", A::Command, C::PocketRun, "マウスジェスチャー：ポケットの実行"},
    {"↓←→", A::Command, C::PocketClear, "マウスジェスチャー：ポケットの初期化"},
    {"←→↓", A::Command, C::TranslateExciteEnJa, "マウスジェスチャー：Excite英和翻訳"},
    {"←→↑", A::Command, C::PocketAddClipboard, "マウスジェスチャー：クリップボードURLをポケットへ"},
    {"→←↑↓", A::Command, C::ExtractFlash, "マウスジェスチャー：Frashアドレスの抽出"},
    {"→←↓→", A::Command, C::ShowImageAddresses, "マウスジェスチャー：画像アドレスの表示"},
    {"→↓↑", A::Command, C::LinkToolTips, "マウスジェスチャー：リンクポップアップ"},
    {"←↓↑", A::Command, C::UpdateUserAgent, "マウスジェスチャー：USER_AGENTの更新"},
    {"←↑↓", A::Command, C::InputToolTips, "マウスジェスチャー：インプットポップアップ"},
    {"←↑→", A::Command, C::FormRegister, "マウスジェスチャー：フォーム自動入力-登録"},
    {"←↓→", A::Command, C::FormFill, "マウスジェスチャー：フォーム自動入力-実行"},
    {"←↓→↑", A::Command, C::SwapPages, "マウスジェスチャー：ページの入れ替え"},
    {"←↑↓→", A::Command, C::SearchHistory, "マウスジェスチャー：履歴の検索"},
    {"↑↓→↑", A::Command, C::HighlightSearchAllTabs, "マウスジェスチャー：全ページ色つき検索"},
};

} // namespace

namespace GestureTable {

std::span<const GestureEntry> Entries()
{
    return kEntries;
}

const GestureEntry* Find(const QString& gesture)
{
    for (const GestureEntry& entry : kEntries)
        if (entry.Gesture() == gesture)
            return &entry;
    return nullptr;
}

} // namespace GestureTable
