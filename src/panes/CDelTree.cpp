#include "panes/CDelTree.h"

#include "panes/ClosedTabList.h"
#include "panes/PaneTree.h"

CDelTree::CDelTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("closedTabPane"));
    PaneTree::SetUp(*this);
    Rebuild(EmptyTitles::Hidden);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { OnCurrentItemChanged(item); });
}

void CDelTree::SetList(const ClosedTabList* list)
{
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
    m_list = list;
    if (list) {
        connect(list, &ClosedTabList::changed, this, [this] { Rebuild(EmptyTitles::Hidden); });
        // A title the file lacks still gets its line until the next close.
        connect(list, &ClosedTabList::loaded, this, [this] { Rebuild(EmptyTitles::Shown); });
    }
    Rebuild(EmptyTitles::Shown);
}

void CDelTree::Rebuild(EmptyTitles emptyTitles)
{
    const QSignalBlocker quiet(this);
    QTreeWidgetItem* root = PaneTree::ResetRoot(*this, QStringLiteral("タブ削除履歴"));
    if (m_list) {
        const QStringList& titles = m_list->Titles();
        for (int p = 1; p <= titles.size(); ++p) {
            if (emptyTitles == EmptyTitles::Hidden && titles[p - 1].isEmpty())
                continue;
            PaneTree::AddLeaf(*root, titles[p - 1], p);
        }
    }
    PaneTree::Expand(*root);
}

void CDelTree::OnCurrentItemChanged(QTreeWidgetItem* item)
{
    if (!item || !m_list)
        return;
    const int data = PaneTree::Data(*item);
    if (data == kFolder || data < 1 || data > m_list->Urls().size())
        return;
    emit openRequested(m_list->Urls().at(data - 1));
}
