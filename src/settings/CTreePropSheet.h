#pragma once

#include "settings/PageTree.h"

#include <QDialog>
#include <QList>

#include <concepts>
#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;

// A modal sheet of settings pages reached through a tree at its left: each
// page's caption is its path in the tree ("Web設定::セキュリティ"). A page is
// made the first time it is shown, and only pages that were made run their OK
// handler, so a page never opened writes nothing.
class CTreePropSheet : public QDialog {
    Q_OBJECT

public:
    CTreePropSheet(const QString& caption, QWidget* parent = nullptr, int selectPage = 0);

    // Page must have OnOK(); OnApply() and OnKillActive() (false keeps the
    // page shown) are used when it has them.
    template <typename Page>
    void AddPage(const QString& caption, std::function<Page*()> make)
    {
        Entry entry;
        entry.caption = caption;
        entry.make = [make] { return static_cast<QWidget*>(make()); };
        entry.ok = [](QWidget* page) { static_cast<Page*>(page)->OnOK(); };
        if constexpr (requires(Page * p) { p->OnApply(); })
            entry.apply = [](QWidget* page) { static_cast<Page*>(page)->OnApply(); };
        if constexpr (requires(Page * p) {
                          {
                              p->OnKillActive()
                              } -> std::convertible_to<bool>;
                      })
            entry.killActive = [](QWidget* page) {
                return static_cast<Page*>(page)->OnKillActive();
            };
        AddEntry(std::move(entry));
    }

    // False, and nothing changes, once the sheet has been shown.
    bool SetTreeViewMode(bool treeMode, bool pageCaption, bool treeImages);
    void SetEmptyPageText(const QString& text) { m_emptyPageText = text; }
    void SetActivePage(int index);
    int GetActiveIndex() const { return m_active; }
    int GetPageCount() const { return int(m_entries.size()); }
    // The page's widget; null until it has been shown.
    QWidget* Page(int index) const { return m_entries.value(index).widget; }
    template <typename Page>
    Page* PageAs(int index) const
    {
        return qobject_cast<Page*>(this->Page(index));
    }

    // Tree order, wrapping around.
    void NextPage();
    void PreviousPage();

    QTreeWidget* Tree() const { return m_tree; }
    QString CaptionText() const;
    QString EmptyText() const;
    QPushButton* ApplyButton() const { return m_apply; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Entry {
        QString caption;
        std::function<QWidget*()> make;
        std::function<void(QWidget*)> ok;
        std::function<void(QWidget*)> apply;
        std::function<bool(QWidget*)> killActive;
        QWidget* widget = nullptr;
    };

    void AddEntry(Entry entry);
    void Initialise();
    void BuildTree();
    void OnTreeSelection(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    bool DeactivateShown();
    void ShowPage(int index);
    void ShowNode(int node);
    void ShowSelected(int node);
    void WatchChanges(QWidget* page);
    void OnApply();

    QList<Entry> m_entries;
    QList<PageTree::Node> m_nodes;
    QList<QTreeWidgetItem*> m_items;
    bool m_treeMode = true;
    bool m_pageCaption = false;
    bool m_treeImages = false;
    bool m_initialised = false;
    bool m_inSelection = false;
    int m_active = 0;
    int m_shownNode = -1;
    QString m_emptyPageText;
    QTreeWidget* m_tree = nullptr;
    QTabBar* m_tabs = nullptr;
    QLabel* m_caption = nullptr;
    QStackedWidget* m_stack = nullptr;
    QLabel* m_empty = nullptr;
    QPushButton* m_apply = nullptr;
};
