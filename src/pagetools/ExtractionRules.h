#pragma once

#include <QString>

#include <optional>

// Which collected addresses the extraction pages list, and how.
namespace ExtractionRules {

enum class ImageType { Gif, Jpeg, Png };

// The href holds the document's domain; an empty domain (a local file) makes
// every link one of the site's.
bool IsSameSite(const QString& href, const QString& domain);

// Only the file name (after the last "/") counts, without regard to case.
bool IsImageType(const QString& href, ImageType type);

// The movie address of an OBJECT element that names a ".swf"; none for any
// other element.
std::optional<QString> FlashAddress(const QString& outerHtml, const QString& pageUrl);

// A LINK href as written, resolved against the page's directory.
QString StyleSheetAddress(const QString& href, const QString& pageUrl);

// Upper case of the ASCII letters only, as the history's word search shows it.
QString AsciiUpper(const QString& text);

// The word search: the title holds the word, ASCII letters without regard to case.
bool TitleHasWord(const QString& title, const QString& word);

} // namespace ExtractionRules
