#include "panes/CFTree.h"

#include "favorites/FavoritesFolder.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

namespace {

constexpr int kUrlSize = 1000;
constexpr int kLeafRole = Qt::UserRole;

int LeafOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kLeafRole).toInt() : CFTree::kFolder;
}

} // namespace

CFTree::CFTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("favoritesPane"));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setMouseTracking(true);
    connect(this, &QTreeWidget::itemExpanded, this, &CFTree::ShowFolderState);
    connect(this, &QTreeWidget::itemCollapsed, this, &CFTree::ShowFolderState);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OnDoubleClicked(item); });
    Refill();
}

void CFTree::Refill()
{
    clear();
    m_urls.clear();
    m_paths.clear();
    auto* root = new QTreeWidgetItem(this, {QStringLiteral("お気に入り")});
    root->setData(0, kLeafRole, kFolder);
    const FavoriteNode folder = FavoritesFolder::Scan(FavoritesFolder::Path(), 0, kUrlSize);
    for (const FavoriteNode* leaf : FavoritesFolder::Leaves(folder)) {
        m_urls.append(leaf->url);
        m_paths.append(leaf->path);
    }
    FillFolder(root, folder);
    root->setExpanded(true);
    ShowFolderState(root);
}

void CFTree::FillFolder(QTreeWidgetItem* parent, const FavoriteNode& folder)
{
    for (const FavoriteNode& child : folder.children) {
        auto* item = new QTreeWidgetItem(parent, {child.name});
        item->setData(0, kLeafRole, child.folder ? kFolder : child.number);
        if (child.folder) {
            ShowFolderState(item);
            FillFolder(item, child);
            continue;
        }
        item->setIcon(0, style()->standardIcon(QStyle::SP_FileLinkIcon));
        // The tip is the name and the address, never read as markup.
        item->setToolTip(0, QStringLiteral("<p style='white-space:pre'>%1</p>")
                                .arg((child.name + QLatin1Char('\n') + child.url).toHtmlEscaped()));
    }
}

void CFTree::ShowFolderState(QTreeWidgetItem* item)
{
    if (LeafOf(item) != kFolder || !item->treeWidget())
        return;
    QStyle* style = item->treeWidget()->style();
    item->setIcon(0, style->standardIcon(item->isExpanded() ? QStyle::SP_DirOpenIcon
                                                            : QStyle::SP_DirClosedIcon));
}

int CFTree::SelectedLeaf() const
{
    return LeafOf(currentItem());
}

QString CFTree::Name(int leaf) const
{
    const QString path = m_paths.value(leaf);
    const QString file = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return file.left(file.size() - 4);
}

void CFTree::DeleteSelected()
{
    const int leaf = SelectedLeaf();
    if (leaf == kFolder)
        return;
    const QString path = FilePath(leaf);
    if (ShowMessageBox(this, QStringLiteral("「%1」をごみ箱に移動しますか？").arg(Name(leaf)),
                       QStringLiteral("確認"), MbIcon::Question, MbButtons::YesNo) != MbAnswer::Yes)
        return;
    if (!QFile::moveToTrash(path)) {
        ShowMessageBox(this, path + QStringLiteral(" を削除できません"), QString(),
                       MbIcon::Exclamation);
        return;
    }
    Refill();
}

void CFTree::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item)
        setCurrentItem(item);
    if (LeafOf(item) != kFolder)
        emit menuRequested(event->globalPosition().toPoint());
    QTreeWidget::mousePressEvent(event);
}

void CFTree::OnDoubleClicked(QTreeWidgetItem* item)
{
    const int leaf = LeafOf(item);
    if (leaf != kFolder)
        emit openRequested(Url(leaf));
}
