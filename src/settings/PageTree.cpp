#include "settings/PageTree.h"

namespace {

const QString kSeparator = QStringLiteral("::");

QString Unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            if (text[i + 1] == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
            if (text.mid(i + 1).startsWith(kSeparator)) {
                out += kSeparator;
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

int BackslashesBefore(const QString& text, qsizetype at)
{
    int count = 0;
    while (at - count > 0 && text[at - count - 1] == QLatin1Char('\\'))
        ++count;
    return count;
}

int ChildWithText(const QList<PageTree::Node>& nodes, int parent, const QString& text)
{
    for (int child : nodes[parent].children)
        if (nodes[child].text == text)
            return child;
    return -1;
}

int LastLeaf(const QList<PageTree::Node>& nodes, int node)
{
    while (!nodes[node].children.isEmpty())
        node = nodes[node].children.last();
    return node;
}

} // namespace

namespace PageTree {

Split SplitPath(const QString& path)
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = path.indexOf(kSeparator, from);
        if (at < 0)
            return {Unescape(path), QString()};
        if (BackslashesBefore(path, at) % 2 == 0)
            return {Unescape(QStringView(path).left(at)), path.mid(at + kSeparator.size())};
        from = at + kSeparator.size();
    }
}

QList<Node> Build(const QStringList& captions)
{
    QList<Node> nodes{Node{}};
    for (int page = 0; page < captions.size(); ++page) {
        int node = 0;
        QString rest = captions[page];
        do {
            Split split = SplitPath(rest);
            int child = ChildWithText(nodes, node, split.component);
            if (child < 0) {
                child = int(nodes.size());
                nodes.append(Node{split.component, -1, node, {}});
                nodes[node].children.append(child);
            }
            node = child;
            rest = split.rest;
        } while (!rest.isEmpty());
        nodes[node].page = page;
    }
    return nodes;
}

int Next(const QList<Node>& nodes, int node)
{
    if (!nodes[node].children.isEmpty())
        return nodes[node].children.first();
    for (int at = node; at > 0;) {
        const int parent = nodes[at].parent;
        const QList<int>& siblings = nodes[parent].children;
        const qsizetype index = siblings.indexOf(at);
        if (index + 1 < siblings.size())
            return siblings[index + 1];
        at = parent;
    }
    return nodes[0].children.isEmpty() ? 0 : nodes[0].children.first();
}

int Previous(const QList<Node>& nodes, int node)
{
    if (node > 0) {
        const int parent = nodes[node].parent;
        const QList<int>& siblings = nodes[parent].children;
        const qsizetype index = siblings.indexOf(node);
        if (index > 0)
            return LastLeaf(nodes, siblings[index - 1]);
        if (parent > 0)
            return parent;
    }
    return LastLeaf(nodes, 0);
}

int NodeOfPage(const QList<Node>& nodes, int page)
{
    for (int i = 1; i < nodes.size(); ++i)
        if (nodes[i].page == page)
            return i;
    return 0;
}

} // namespace PageTree
