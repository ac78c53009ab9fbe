#pragma once

#include <QList>
#include <QString>

// One entry of the favourites folder: an Internet shortcut or a sub-folder.
struct FavoriteNode {
    bool folder = false;
    QString name; // file name without ".url", or the folder name
    QString url;  // the shortcut's address, empty when it has none
    QString path; // full path of the file or folder
    int number = -1;
    // A folder's shortcuts in name order, then its sub-folders in listing order.
    QList<FavoriteNode> children;
};

// The favourites folder: Internet shortcut files (".url") and sub-folders.
namespace FavoritesFolder {

// $ZELVO_FAVORITES, else ~/Favorites. Ends without a separator.
QString Path();

// Orders names by their code page 932 bytes with ASCII letters folded; the
// trail byte of a double-byte character never folds. <0, 0, >0.
int CompareNames(const QString& a, const QString& b);

// Entries as the folder lists them: by CompareNames, then by exact text, so
// every run and every reader sees one order.
QStringList ListShortcutFiles(const QString& folder);
QStringList ListSubFolders(const QString& folder);

// The shortcut's address ([InternetShortcut] URL), cut to size - 1 bytes.
QString ReadUrl(const QString& file, int size);

// Reads folder into a tree. Shortcuts are numbered depth-first from first: a
// folder's own shortcuts in name order (names equal but for case keep their
// listing order), then those of its sub-folders, folder by folder.
FavoriteNode Scan(const QString& folder, int first, int urlSize);

// The shortcuts of node in number order.
QList<const FavoriteNode*> Leaves(const FavoriteNode& node);

// Menu text: the name when shorter than 26 bytes, else its first 25 bytes
// and "...".
QString MenuText(const QString& name);

// Writes a shortcut for url named after title into folder (created when
// missing); an existing name gets " (2)", " (3)", …. The path written, empty
// on failure.
QString AddShortcut(const QString& folder, const QString& title, const QString& url);

// The address through the CGI proxy: when rewriteScheme, the first of
// "http://", "https://", "ftp://", "gopher://" found anywhere has every
// occurrence turned into "http/" and so on; none found gives an empty result.
// The whole is cut to 1039 characters.
QString CgiProxyUrl(const QString& url, bool rewriteScheme, const QString& prefix);

} // namespace FavoritesFolder
