#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The encodings the page engine can decode, as the encoding menu offers them:
// a display text and the engine's name. The common ones stand at the top, the
// rest under "その他". An empty name is the engine's own detection.
namespace EncodingList {

struct Entry {
    QString text;
    QByteArray name;
    bool more = false; // listed under "その他"
};

// Title of the submenu that holds the less common encodings.
QString MoreTitle();

// Top level first, then the "その他" entries, each part in menu order.
const QList<Entry>& Entries();

// The first entry whose text holds every one of words: the top level is
// searched before "その他". -1 when none does.
int FindContaining(const QStringList& words);
// The entry whose text is exactly text; -1 when none.
int FindByText(const QString& text);
// The entry of the engine's name for an encoding (names match without regard
// to case, aliases as the engine reports them); -1 when none.
int FindByName(const QByteArray& name);

} // namespace EncodingList
