#pragma once

#include <QString>

class CZelvoView;

// The extraction commands of a browser view: they collect from the page, the
// URL history or the view's own back and forward list, write the generated
// page into the program directory and open it.
namespace PageExtractor {

enum class PageKind { Links, AllImages, Gif, Jpeg, Png, ImageAddresses, Flash, StyleSheets };
enum class HistoryKind { All, Today, ByDate, ByWord };
enum class TravelKind { Back, Forward };

// Runs a script in the page; the result page opens in a new tab when it comes.
void ExtractFromPage(CZelvoView& view, PageKind kind);
// ByDate takes a "yyyy-MM-dd" text, ByWord the search word.
void ExtractHistory(CZelvoView& view, HistoryKind kind, const QString& argument = QString());
// Shown in the view's own tab.
void ShowTravelList(CZelvoView& view, TravelKind kind);

} // namespace PageExtractor
