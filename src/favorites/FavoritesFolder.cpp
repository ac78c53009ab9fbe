#include "favorites/FavoritesFolder.h"

#include "core/Cp932.h"
#include "core/ProfileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>

namespace FavoritesFolder {

namespace {

constexpr int kMenuTextBytes = 25;
constexpr int kCgiLength = 1039;
constexpr int kMaxTitleLength = 120;

unsigned char Fold(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

QStringList Sorted(QStringList names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = CompareNames(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

int Fill(FavoriteNode& node, int next, int urlSize)
{
    const QString base = node.path + QLatin1Char('/');
    QList<FavoriteNode> shortcuts;
    for (const QString& file : ListShortcutFiles(node.path)) {
        FavoriteNode leaf;
        leaf.name = file.left(file.size() - 4);
        leaf.path = base + file;
        leaf.url = ReadUrl(leaf.path, urlSize);
        // After every name placed so far that compares lower or equal.
        auto at = std::upper_bound(shortcuts.begin(), shortcuts.end(), leaf,
                                   [](const FavoriteNode& a, const FavoriteNode& b) {
                                       return CompareNames(a.name, b.name) < 0;
                                   });
        shortcuts.insert(at, leaf);
    }
    for (FavoriteNode& leaf : shortcuts)
        leaf.number = next++;
    node.children = shortcuts;
    for (const QString& dir : ListSubFolders(node.path)) {
        FavoriteNode sub;
        sub.folder = true;
        sub.name = dir;
        sub.path = base + dir;
        next = Fill(sub, next, urlSize);
        node.children.append(sub);
    }
    return next;
}

void CollectLeaves(const FavoriteNode& node, QList<const FavoriteNode*>& out)
{
    for (const FavoriteNode& child : node.children) {
        if (child.folder)
            CollectLeaves(child, out);
        else
            out.append(&child);
    }
}

QString FileNameFor(const QString& title, const QString& url)
{
    QString name = title.simplified();
    if (name.isEmpty())
        name = QUrl(url).host();
    if (name.isEmpty())
        name = QStringLiteral("無題");
    for (QChar& c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    if (name.startsWith(QLatin1Char('.')))
        name.replace(0, 1, QLatin1Char('_'));
    return name.left(kMaxTitleLength);
}

} // namespace

QString Path()
{
    const QString configured = qEnvironmentVariable("ZELVO_FAVORITES");
    if (!configured.isEmpty())
        return QDir::cleanPath(configured);
    return QDir::homePath() + QStringLiteral("/Favorites");
}

int CompareNames(const QString& a, const QString& b)
{
    const QByteArray x = Cp932::FromUnicodeKeepingAll(a);
    const QByteArray y = Cp932::FromUnicodeKeepingAll(b);
    const int n = int(std::min(x.size(), y.size()));
    for (int i = 0; i < n; ++i) {
        const unsigned char cx = x[i];
        const unsigned char cy = y[i];
        if (Cp932::IsLeadByte(cx) && cx == cy && i + 1 < n) {
            // The trail byte is compared as it stands.
            ++i;
            if (x[i] != y[i])
                return (unsigned char)x[i] < (unsigned char)y[i] ? -1 : 1;
            continue;
        }
        if (Fold(cx) != Fold(cy))
            return Fold(cx) < Fold(cy) ? -1 : 1;
    }
    return x.size() == y.size() ? 0 : (x.size() < y.size() ? -1 : 1);
}

QStringList ListShortcutFiles(const QString& folder)
{
    // Hidden and special files are not favourites; the extension is exact.
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    QStringList shortcuts;
    for (const QString& file : files)
        if (file.endsWith(QLatin1String(".url"), Qt::CaseSensitive))
            shortcuts.append(file);
    return Sorted(shortcuts);
}

QStringList ListSubFolders(const QString& folder)
{
    // Hidden folders count; links are not followed, so a loop cannot recurse.
    return Sorted(QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::System |
                                             QDir::NoDotAndDotDot | QDir::NoSymLinks,
                                         QDir::NoSort));
}

QString ReadUrl(const QString& file, int size)
{
    return ProfileStore::GetText("InternetShortcut", "URL", QString(), size, file);
}

FavoriteNode Scan(const QString& folder, int first, int urlSize)
{
    FavoriteNode root;
    root.folder = true;
    root.name = QFileInfo(folder).fileName();
    root.path = QDir::cleanPath(folder);
    Fill(root, first, urlSize);
    return root;
}

QList<const FavoriteNode*> Leaves(const FavoriteNode& node)
{
    QList<const FavoriteNode*> out;
    CollectLeaves(node, out);
    return out;
}

QString MenuText(const QString& name)
{
    const QByteArray bytes = Cp932::FromUnicodeKeepingAll(name);
    if (bytes.size() <= kMenuTextBytes)
        return name;
    return Cp932::ToUnicodeKeepingAll(Cp932::CutBytes(bytes, kMenuTextBytes)) +
           QStringLiteral("...");
}

QString AddShortcut(const QString& folder, const QString& title, const QString& url)
{
    if (!QDir().mkpath(folder))
        return QString();
    const QString name = FileNameFor(title, url);
    QString path = folder + QLatin1Char('/') + name + QStringLiteral(".url");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder + QLatin1Char('/') + name + QStringLiteral(" (%1).url").arg(n);
    const QByteArray encoded = QUrl(url).toEncoded();
    ProfileStore::Batch batch(path);
    batch.Set("InternetShortcut", "URL", encoded.isEmpty() ? url.toUtf8() : encoded);
    return batch.Commit() ? path : QString();
}

QString CgiProxyUrl(const QString& url, bool rewriteScheme, const QString& prefix)
{
    QString target = url;
    if (rewriteScheme) {
        static const char* const kSchemes[][2] = {{"http://", "http/"},
                                                  {"https://", "https/"},
                                                  {"ftp://", "ftp/"},
                                                  {"gopher://", "gopher/"}};
        bool found = false;
        for (const auto& scheme : kSchemes) {
            if (target.contains(QLatin1String(scheme[0]))) {
                target.replace(QLatin1String(scheme[0]), QLatin1String(scheme[1]));
                found = true;
                break;
            }
        }
        if (!found)
            return QString();
    }
    return (prefix + target).left(kCgiLength);
}

} // namespace FavoritesFolder
