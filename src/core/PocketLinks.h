#pragma once

#include <QString>
#include <QStringList>

// The addresses the links of a selection give the pocket. A "href" value of
// the selection's markup that begins with "http" counts as it stands; any other
// value counts through the page's links whose address is the page address
// followed by that value.
QStringList PocketLinks(const QString& selectionHtml, const QString& documentUrl,
                        const QStringList& anchorHrefs);

// Every "href" value of markup: one blank, "=", one double quote may stand
// between, and the value runs to the next double quote or the end.
QStringList HrefValues(const QString& html);
