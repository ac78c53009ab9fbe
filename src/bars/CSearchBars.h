#pragma once

#include "bars/ISearchBarsHost.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <functional>

class CZelvoView;
class QComboBox;
class QTimer;

// The address bar's history and completion, and the search bar: the search-word
// history, the search sites, Web and all-sites searches, adding a site, the
// page searches' input side and page translation. Works on the frame's three
// boxes; the frame owns it.
class CSearchBars : public QObject {
    Q_OBJECT

public:
    enum class PageSearchKind { Find, Highlight };
    // The view's side of the page searches: find the words or highlight them.
    using PageSearch =
        std::function<void(CZelvoView& view, PageSearchKind kind, const QString& words)>;

    static constexpr int kWordsCapacity = 41;
    static constexpr int kAllSitesWordsCapacity = 31;
    static constexpr int kAllSitesPauseMs = 100;

    CSearchBars(ISearchBarsHost& host, QObject* parent, QComboBox* addressBar,
                QComboBox* searchWords, QComboBox* searchSites);

    void LoadAddressHistory();
    void SaveAddressHistory() const;
    void LoadSearchHistory();
    void SaveSearchHistory() const;
    // On ReloadSearchSites, and once at frame creation.
    void LoadSearchSites();

    void OnWebSearch();
    void OnAddSearchSite();
    // Find and highlight in the page or in all tabs: the words go to the history
    // and on to the page search.
    void OnPageSearch(int id);
    // Until the views can search, the page searches stay disabled.
    void SetPageSearch(PageSearch search) { m_pageSearch = std::move(search); }
    bool CanPageSearch() const;
    void OnDeleteAddressHistory();
    void OnDeleteSearchHistory();
    // Completes the typed address with ".com", ".co.jp" or ".ne.jp".
    void OnCompleteAddress(const QString& ending);
    // Translates the active tab's page through the section's service.
    void OnTranslate(const QByteArray& section);
    // Opens url through the translation service of section ("Trancelate",
    // "Trancelate2" or "Trancelate3") in a new tab.
    void TranslatePage(const QString& url, const QByteArray& section);

    // The all-sites search opens its pages one by one, 100 ms apart.
    bool IsAllSitesSearchRunning() const;

private:
    void OnSiteChosen();
    void AllSitesSearch(const QString& site, int count, const QString& words);
    void OpenNextAllSitesPage();
    // Puts words at the top of the word history unless they are there already.
    void PushSearchWords(const QString& words, int capacity);
    // Number (1 …) of the first site whose item equals name; 0 when none.
    int FindSite(const QString& name, int count) const;

    ISearchBarsHost& m_host;
    QComboBox* m_wndAddressBar;
    QComboBox* m_wndSearchWords;
    QComboBox* m_wndSearchSites;
    QTimer* m_allSitesTimer;
    QStringList m_allSitesPending;
    PageSearch m_pageSearch;
};
