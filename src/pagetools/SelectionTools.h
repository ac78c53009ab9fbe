#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CZelvoView;

// Commands on the text selected in a view's page (or, when it has none, in its
// frames).
namespace SelectionTools {

enum class LinkKind { Http, Ttp, Www };

// The file the selection's source is written to, in the program directory.
QString SourceFilePath();

// Opens a file in the desktop's text editor; false when there is none. Tests
// stand in their own.
using FileOpener = std::function<bool(const QString& path)>;
void SetFileOpener(FileOpener opener);

// Writes the selection's HTML to the source file and shows it: in the text
// editor, or in a read-only window of our own when none can open it.
void ShowSource(CZelvoView& view);
// Replaces a selected address of that kind by a link to it.
void Linkify(CZelvoView& view, LinkKind kind);
// Puts the address of a link in the selection into the address bar (show).
void ShowLinkAddress(CZelvoView& view, std::function<void(const QString&)> show);

// The link address rules on plain data: the last absolute "href" value of
// html; else the first anchor equal to one of its relative values resolved
// against the page; empty when neither.
QString LinkAddress(const QString& html, const QString& pageUrl, const QStringList& anchors);

} // namespace SelectionTools
