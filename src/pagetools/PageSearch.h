#pragma once

#include <QObject>
#include <QString>

#include <functional>

class CZelvoView;

// Find-next, colour search and the selection's web search on a view's page.
// The word and place of the last find-next hit are shared by every tab.
class PageSearch : public QObject {
    Q_OBJECT

public:
    static constexpr int kWholeWord = 2;
    static constexpr const char* kMarkId = "Zelvo_Search";
    static constexpr const char* kMarkStyle =
        "FONT-WEIGHT: bold; color: black; background-color: yellow";

    using Done = std::function<void(int count)>;

    explicit PageSearch(QObject* parent = nullptr) : QObject(parent) {}

    // Selects and scrolls to the next occurrence after the last hit, starting
    // again at the top after the last one. silent: no message when nothing is
    // found at all.
    void FindInPage(CZelvoView& view, const QString& word, bool silent = false);
    // Marks every occurrence, after removing the marks of the last run; done
    // learns how many there are.
    void HighlightInPage(CZelvoView& view, const QString& word, Done done = {});
    // The selected text (of the last frame when the page has none) goes to
    // search; an empty selection is refused with a message.
    static void SearchSelection(CZelvoView& view, std::function<void(const QString&)> search);

    QString LastSearchWord() const { return m_lastSearchWord; }
    bool HasBookmark() const { return m_bookmark >= 0; }

private:
    QString m_lastSearchWord;
    // Where the last hit began in the text of the page it was found on.
    int m_bookmark = -1;
    QString m_bookmarkUrl;
};
