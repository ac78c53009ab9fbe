#include "bars/CSearchBars.h"

#include "core/Cp932.h"
#include "core/StoredAddress.h"
#include "chrome/BuiltinImages.h"
#include "chrome/ToolbarImages.h"
#include "ini/HistoryIni.h"
#include "bars/SearchRules.h"
#include "ini/SearchsiteIni.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "view/CZelvoView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// Fills an empty or partly filled box without touching what the user typed.
void InsertKeepingEdit(QComboBox* box, const QStringList& texts, const QIcon& icon = QIcon())
{
    const QString edit = box->currentText();
    const bool hadSelection = box->currentIndex() >= 0;
    for (int i = 0; i < texts.size(); ++i)
        box->insertItem(i, icon, texts[i]);
    if (!hadSelection)
        box->setCurrentIndex(-1);
    box->setEditText(edit);
}

// The boxes hold exactly what was typed: no inline completion, which would
// replace typed text (and its case) with a history entry.
void PrepareBox(QComboBox* box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
}

} // namespace

CSearchBars::CSearchBars(ISearchBarsHost& host, QObject* parent, QComboBox* addressBar,
                         QComboBox* searchWords, QComboBox* searchSites)
    : QObject(parent), m_host(host), m_wndAddressBar(addressBar), m_wndSearchWords(searchWords),
      m_wndSearchSites(searchSites), m_allSitesTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("CSearchBars"));
    for (QComboBox* box : {m_wndAddressBar, m_wndSearchWords, m_wndSearchSites})
        PrepareBox(box);
    m_allSitesTimer->setSingleShot(true);
    m_allSitesTimer->setInterval(kAllSitesPauseMs);
    connect(m_allSitesTimer, &QTimer::timeout, this, &CSearchBars::OpenNextAllSitesPage);
    // A choice from the list, by mouse or arrow keys; not a programmatic change.
    connect(m_wndSearchSites, &QComboBox::activated, this, &CSearchBars::OnSiteChosen);
}

void CSearchBars::LoadAddressHistory()
{
    const QList<QPixmap> images =
        CutStrip(BuiltinImages::AddressStrip(), BuiltinImages::kAddressImageSize);
    QStringList addresses = HistoryIni::Address().Load();
    for (QString& address : addresses)
        address = StoredAddress::Decode(address);
    InsertKeepingEdit(m_wndAddressBar, addresses, QIcon(images.value(BuiltinImages::AddressPlain)));
}

void CSearchBars::SaveAddressHistory() const
{
    QStringList addresses = Items(m_wndAddressBar);
    for (QString& address : addresses)
        address = StoredAddress::Encode(address);
    HistoryIni::Address().Save(addresses);
}

void CSearchBars::LoadSearchHistory()
{
    InsertKeepingEdit(m_wndSearchWords, HistoryIni::Searchstring().Load());
}

void CSearchBars::SaveSearchHistory() const
{
    HistoryIni::Searchstring().Save(Items(m_wndSearchWords));
}

void CSearchBars::LoadSearchSites()
{
    m_wndSearchSites->clear();
    for (const SearchsiteIni::Site& site : SearchsiteIni::Sites())
        m_wndSearchSites->addItem(site.name);
    m_wndSearchSites->setCurrentIndex(-1);
}

void CSearchBars::OnSiteChosen()
{
    if (!m_wndSearchWords->currentText().isEmpty())
        m_host.SendCommand(ToInt(CommandId::WebSearch));
}

int CSearchBars::FindSite(const QString& name, int count) const
{
    const int last = std::min(count, m_wndSearchSites->count());
    for (int i = 1; i <= last; ++i)
        if (m_wndSearchSites->itemText(i - 1) == name)
            return i;
    return 0;
}

void CSearchBars::OnWebSearch()
{
    const QString words = m_wndSearchWords->currentText();
    const QString site = m_wndSearchSites->currentText();
    if (words.isEmpty() || site.isEmpty()) {
        ShowMessageBox(m_host.Window(), QStringLiteral("検索バーに文字列を記入してください"),
                       QStringLiteral("注意"), MbIcon::Stop);
        return;
    }
    const int count = SearchsiteIni::Count();
    if (count < 1)
        return;
    switch (SearchRules::KindOf(site)) {
    case SearchRules::SiteKind::AllSites:
        AllSitesSearch(site, count, words);
        return;
    case SearchRules::SiteKind::Separator:
        return;
    case SearchRules::SiteKind::Site:
        break;
    }
    // A name typed by hand matches no site: its address is empty and the
    // words alone are opened.
    const QString address = SearchsiteIni::Url(FindSite(site, count)) + words;
    m_host.SendCommand(ToInt(CommandId::FileNew));
    if (CZelvoView* view = m_host.ActiveZelvoView())
        view->Navigate2(address);
    m_wndSearchSites->setFocus();
    PushSearchWords(words, kWordsCapacity);
}

void CSearchBars::AllSitesSearch(const QString& site, int count, const QString& words)
{
    const int i = FindSite(site, count);
    if (i == 0)
        return;
    m_allSitesPending +=
        SearchRules::AllSitesTargets(SearchsiteIni::Sites(), SearchsiteIni::Url(i), words);
    PushSearchWords(words, kAllSitesWordsCapacity);
    if (!m_allSitesTimer->isActive())
        OpenNextAllSitesPage();
}

void CSearchBars::OpenNextAllSitesPage()
{
    if (m_allSitesPending.isEmpty())
        return;
    m_host.OpenUrlInNewTab(m_allSitesPending.takeFirst());
    // The pause between pages runs on the event loop, so the window stays live.
    m_allSitesTimer->start();
}

bool CSearchBars::IsAllSitesSearchRunning() const
{
    return !m_allSitesPending.isEmpty() || m_allSitesTimer->isActive();
}

void CSearchBars::PushSearchWords(const QString& words, int capacity)
{
    if (m_wndSearchWords->count() > 0 && m_wndSearchWords->itemText(0) == words)
        return;
    const QString edit = m_wndSearchWords->currentText();
    m_wndSearchWords->insertItem(0, words);
    while (m_wndSearchWords->count() > capacity)
        m_wndSearchWords->removeItem(m_wndSearchWords->count() - 1);
    // Removing the selected entry would put another entry's text in the field.
    if (m_wndSearchWords->currentText() != edit)
        m_wndSearchWords->setEditText(edit);
}

void CSearchBars::OnAddSearchSite()
{
    const QString address = m_wndSearchWords->currentText();
    const QString name = m_wndSearchSites->currentText();
    if (address.isEmpty() || name.isEmpty()) {
        ShowMessageBox(m_host.Window(), QStringLiteral("サイト名とURLアドレスを入力してください！"),
                       QStringLiteral("注意"), MbIcon::Exclamation);
        return;
    }
    const QString question = QStringLiteral("URL:") + address + QStringLiteral("\r\n") +
                             QStringLiteral("検索エンジン名:") + name;
    if (ShowMessageBox(m_host.Window(), question, QStringLiteral("確認:以下でいいですか？"),
                       MbIcon::Question, MbButtons::YesNo) != MbAnswer::Yes)
        return;
    const qint64 n = SearchsiteIni::AddSite(name, address);
    const int index = static_cast<int>(std::clamp<qint64>(n - 1, 0, m_wndSearchSites->count()));
    m_wndSearchSites->insertItem(index, name);
}

bool CSearchBars::CanPageSearch() const
{
    return m_pageSearch && m_host.ActiveZelvoView() != nullptr;
}

void CSearchBars::OnPageSearch(int id)
{
    if (!CanPageSearch())
        return;
    const QString words = m_wndSearchWords->currentText();
    if (words.isEmpty()) {
        ShowMessageBox(m_host.Window(), QStringLiteral("文字列を記入してください"),
                       QStringLiteral("失敗"), MbIcon::Stop);
        return;
    }
    PushSearchWords(words, kWordsCapacity);
    // The search may open message boxes; keep our own copy of the handler.
    const PageSearch search = m_pageSearch;
    if (id == ToInt(CommandId::HighlightSearchAllTabs)) {
        for (int i = 0; i < m_host.TabCount(); ++i)
            if (CZelvoView* view = m_host.TabView(i))
                search(*view, PageSearchKind::Highlight, words);
        return;
    }
    if (CZelvoView* view = m_host.ActiveZelvoView())
        search(*view,
               id == ToInt(CommandId::FindInPage) ? PageSearchKind::Find
                                                  : PageSearchKind::Highlight,
               words);
}

void CSearchBars::OnDeleteAddressHistory()
{
    if (HistoryIni::Address().Clear())
        ShowMessageBox(m_host.Window(), QStringLiteral("URL履歴を削除しました"),
                       QStringLiteral("削除"), MbIcon::Information);
    else
        ShowMessageBox(m_host.Window(), QStringLiteral("削除失敗"), QStringLiteral("失敗"),
                       MbIcon::Stop);
    m_wndAddressBar->clear();
    m_wndAddressBar->clearEditText();
}

void CSearchBars::OnDeleteSearchHistory()
{
    if (HistoryIni::Searchstring().Clear())
        ShowMessageBox(m_host.Window(), QStringLiteral("検索履歴を削除しました"),
                       QStringLiteral("削除"), MbIcon::Information);
    else
        ShowMessageBox(m_host.Window(), QStringLiteral("削除失敗"), QStringLiteral("失敗"),
                       MbIcon::Stop);
    m_wndSearchWords->clear();
    m_wndSearchWords->clearEditText();
}

void CSearchBars::OnCompleteAddress(const QString& ending)
{
    m_wndAddressBar->setEditText(
        SearchRules::CompleteAddress(m_wndAddressBar->currentText(), ending));
}

void CSearchBars::OnTranslate(const QByteArray& section)
{
    if (CZelvoView* view = m_host.ActiveZelvoView())
        TranslatePage(view->GetLocationURL(), section);
}

void CSearchBars::TranslatePage(const QString& url, const QByteArray& section)
{
    const std::optional<QByteArray> canonical = SearchRules::CanonicalizeUrl(url);
    if (!canonical) {
        ShowMessageBox(m_host.Window(), QStringLiteral("InternetCanonicalizeUrl失敗"), QString());
        return;
    }
    const QByteArray address = SearchsiteIni::TranslationPrefix(section) + *canonical +
                               SearchsiteIni::TranslationSuffix(section);
    m_host.OpenUrlInNewTab(Cp932::ToUnicode(address));
}
