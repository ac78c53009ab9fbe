#pragma once

#include <QByteArray>
#include <QString>

// fav.html: the favourites folder as a page of links, in Shift_JIS.
namespace FavHtml {

// The whole page for folder. Every name and address is HTML-escaped where it
// enters the page, so a shortcut cannot put markup or script into it.
QByteArray Build(const QString& folder);

// Replaces path with the page; false when it could not be written.
bool Write(const QString& path, const QString& folder);

} // namespace FavHtml
