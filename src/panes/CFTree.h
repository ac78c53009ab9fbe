#pragma once

#include <QStringList>
#include <QTreeWidget>

// The favourites pane: the favourites folder as a tree, folders as branches and
// Internet shortcuts as leaves. Each item keeps its leaf number (-1 for a
// folder or the root); the URLs and file paths are kept by number.
struct FavoriteNode;

class CFTree : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kFolder = -1;

    explicit CFTree(QWidget* parent = nullptr);

    // Rebuilds the whole tree from the disk.
    void Refill();

    // The selected shortcut's number; kFolder for a folder, the root or nothing.
    int SelectedLeaf() const;
    QString Url(int leaf) const { return m_urls.value(leaf); }
    QString FilePath(int leaf) const { return m_paths.value(leaf); }
    QString Name(int leaf) const;
    // Moves the selected shortcut to the trash after asking; refills on success.
    void DeleteSelected();

signals:
    // A shortcut asks to be opened in a new tab (double click).
    void openRequested(const QString& url);
    // A right click on a shortcut: the pane's menu at pos.
    void menuRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void FillFolder(QTreeWidgetItem* parent, const FavoriteNode& folder);
    void OnDoubleClicked(QTreeWidgetItem* item);
    static void ShowFolderState(QTreeWidgetItem* item);

    QStringList m_urls;
    QStringList m_paths;
};
