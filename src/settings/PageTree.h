#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The settings sheet's page tree, built from the page captions: each caption
// is a path with "::" between its levels; "\::" stands for a literal "::" and
// "\\" for a backslash.
namespace PageTree {

struct Split {
    QString component;
    QString rest;
};

// The first level of path and what follows it.
Split SplitPath(const QString& path);

// Node 0 is the invisible root. page is the index of the node's page, -1 for
// an inner node that has none.
struct Node {
    QString text;
    int page = -1;
    int parent = -1;
    QList<int> children;
};
QList<Node> Build(const QStringList& captions);

// Neighbours in tree order, wrapping around at either end; the root when the
// tree is empty.
int Next(const QList<Node>& nodes, int node);
int Previous(const QList<Node>& nodes, int node);

// The node carrying page, 0 when none does.
int NodeOfPage(const QList<Node>& nodes, int page);

} // namespace PageTree
