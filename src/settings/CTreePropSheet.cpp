#include "settings/CTreePropSheet.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTreeWidth = 150;
// Room for the largest page, so the sheet keeps its size from page to page.
constexpr int kSheetWidth = 680;
constexpr int kSheetHeight = 460;

} // namespace

CTreePropSheet::CTreePropSheet(const QString& caption, QWidget* parent, int selectPage)
    : QDialog(parent), m_active(selectPage)
{
    setWindowTitle(caption);
    setModal(true);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("PageTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setFixedWidth(kTreeWidth - 5);
    m_tabs = new QTabBar(this);
    m_tabs->setVisible(false);

    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("PageCaption"));
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setFrameShape(QFrame::StyledPanel);
    m_caption->setAutoFillBackground(true);
    m_caption->setBackgroundRole(QPalette::Highlight);
    m_caption->setForegroundRole(QPalette::HighlightedText);
    m_caption->setContentsMargins(6, 3, 6, 3);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->setVisible(false);

    m_stack = new QStackedWidget(this);
    m_empty = new QLabel(m_stack);
    m_empty->setTextFormat(Qt::PlainText);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_stack->addWidget(m_empty);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("IDOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("IDCANCEL"));
    m_apply = new QPushButton(QStringLiteral("適用(&A)"), this);
    m_apply->setObjectName(QStringLiteral("ID_APPLY_NOW"));
    m_apply->setEnabled(false);
    connect(ok, &QPushButton::clicked, this, &CTreePropSheet::accept);
    connect(cancel, &QPushButton::clicked, this, &CTreePropSheet::reject);
    connect(m_apply, &QPushButton::clicked, this, &CTreePropSheet::OnApply);

    auto* pageArea = new QVBoxLayout;
    pageArea->addWidget(m_tabs);
    pageArea->addWidget(m_caption);
    pageArea->addWidget(m_stack, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_tree);
    body->addLayout(pageArea, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(m_apply);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &CTreePropSheet::OnTreeSelection);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_inSelection && index >= 0)
            SetActivePage(index);
    });
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, &CTreePropSheet::NextPage);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    connect(previous, &QShortcut::activated, this, &CTreePropSheet::PreviousPage);
}

bool CTreePropSheet::SetTreeViewMode(bool treeMode, bool pageCaption, bool treeImages)
{
    if (m_initialised)
        return false;
    m_treeMode = treeMode;
    m_pageCaption = treeMode && pageCaption;
    m_treeImages = treeMode && treeImages;
    return true;
}

void CTreePropSheet::AddEntry(Entry entry)
{
    m_entries.append(std::move(entry));
    if (m_initialised)
        BuildTree();
}

void CTreePropSheet::showEvent(QShowEvent* event)
{
    if (!m_initialised)
        Initialise();
    QDialog::showEvent(event);
}

void CTreePropSheet::Initialise()
{
    m_initialised = true;
    m_tree->setVisible(m_treeMode);
    m_tabs->setVisible(!m_treeMode);
    m_caption->setVisible(m_pageCaption);
    m_empty->setText(m_emptyPageText);
    BuildTree();
    resize(sizeHint().expandedTo(QSize(kSheetWidth, kSheetHeight)));
}

void CTreePropSheet::BuildTree()
{
    const bool wasInSelection = m_inSelection;
    m_inSelection = true;
    QStringList captions;
    for (const Entry& entry : m_entries)
        captions << entry.caption;
    m_nodes = PageTree::Build(captions);
    m_tree->clear();
    m_items = {m_tree->invisibleRootItem()};
    for (int i = 1; i < m_nodes.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_items[m_nodes[i].parent], {m_nodes[i].text});
        item->setData(0, Qt::UserRole, m_nodes[i].page);
        if (m_treeImages)
            item->setIcon(0, style()->standardIcon(m_nodes[i].page < 0 ? QStyle::SP_DirIcon
                                                                       : QStyle::SP_FileIcon));
        m_items.append(item);
    }
    m_tree->expandAll();
    while (m_tabs->count() > 0)
        m_tabs->removeTab(0);
    for (const QString& caption : captions)
        m_tabs->addTab(caption);
    m_inSelection = wasInSelection;
    if (!m_entries.isEmpty())
        SetActivePage(qBound(0, m_active, GetPageCount() - 1));
}

void CTreePropSheet::SetActivePage(int index)
{
    if (index < 0 || index >= GetPageCount())
        return;
    if (!m_initialised) {
        m_active = index;
        return;
    }
    const int node = PageTree::NodeOfPage(m_nodes, index);
    if (m_shownNode == node)
        return;
    if (m_shownNode >= 0 && !DeactivateShown())
        return;
    ShowNode(node);
}

void CTreePropSheet::OnTreeSelection(QTreeWidgetItem* current, QTreeWidgetItem* previous)
{
    if (m_inSelection || !current)
        return;
    const int node = int(m_items.indexOf(current));
    if (node < 0 || node == m_shownNode)
        return;
    if (!DeactivateShown()) {
        m_inSelection = true;
        m_tree->setCurrentItem(previous);
        m_inSelection = false;
        return;
    }
    ShowNode(node);
    m_tree->setFocus();
}

bool CTreePropSheet::DeactivateShown()
{
    if (m_shownNode < 0)
        return true;
    const int page = m_nodes.value(m_shownNode).page;
    if (page < 0)
        return true;
    const Entry& entry = m_entries[page];
    return !entry.widget || !entry.killActive || entry.killActive(entry.widget);
}

void CTreePropSheet::ShowNode(int node)
{
    m_shownNode = node;
    const int page = m_nodes[node].page;
    m_inSelection = true;
    m_tree->setCurrentItem(m_items[node]);
    if (page >= 0)
        m_tabs->setCurrentIndex(page);
    m_inSelection = false;
    m_caption->setText(m_nodes[node].text);
    if (page < 0) {
        m_stack->setCurrentWidget(m_empty);
        return;
    }
    m_active = page;
    ShowPage(page);
}

void CTreePropSheet::ShowPage(int index)
{
    Entry& entry = m_entries[index];
    if (!entry.widget) {
        entry.widget = entry.make();
        m_stack->addWidget(entry.widget);
        WatchChanges(entry.widget);
    }
    m_stack->setCurrentWidget(entry.widget);
}

// Any change a user makes on a page makes it modified, which Apply shows.
void CTreePropSheet::WatchChanges(QWidget* page)
{
    auto modified = [this] { m_apply->setEnabled(true); };
    for (auto* button : page->findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::clicked, this, modified);
    for (auto* edit : page->findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, modified);
    for (auto* slider : page->findChildren<QAbstractSlider*>())
        connect(slider, &QAbstractSlider::valueChanged, this, modified);
    for (auto* spin : page->findChildren<QSpinBox*>())
        connect(spin, &QSpinBox::valueChanged, this, modified);
    for (auto* box : page->findChildren<QComboBox*>())
        connect(box, &QComboBox::activated, this, modified);
    for (auto* list : page->findChildren<QTreeWidget*>())
        connect(list, &QTreeWidget::itemChanged, this, modified);
}

void CTreePropSheet::OnApply()
{
    if (!DeactivateShown())
        return;
    for (Entry& entry : m_entries)
        if (entry.widget && entry.apply)
            entry.apply(entry.widget);
    m_apply->setEnabled(false);
}

void CTreePropSheet::accept()
{
    if (!DeactivateShown())
        return;
    for (Entry& entry : m_entries)
        if (entry.widget)
            entry.ok(entry.widget);
    QDialog::accept();
}

void CTreePropSheet::NextPage()
{
    if (!m_treeMode)
        SetActivePage((m_active + 1) % qMax(GetPageCount(), 1));
    else if (m_nodes.size() > 1)
        ShowSelected(PageTree::Next(m_nodes, qMax(m_shownNode, 0)));
}

void CTreePropSheet::PreviousPage()
{
    const int count = GetPageCount();
    if (!m_treeMode)
        SetActivePage((m_active + count - 1) % qMax(count, 1));
    else if (m_nodes.size() > 1)
        ShowSelected(PageTree::Previous(m_nodes, qMax(m_shownNode, 0)));
}

void CTreePropSheet::ShowSelected(int node)
{
    if (node > 0 && node != m_shownNode && DeactivateShown())
        ShowNode(node);
}

QString CTreePropSheet::CaptionText() const
{
    return m_caption->text();
}

QString CTreePropSheet::EmptyText() const
{
    return m_stack->currentWidget() == m_empty ? m_empty->text() : QString();
}
