#pragma once

#include "commands/CommandMap.h"
#include "view/CHtmlView.h"

#include <QByteArray>
#include <QMenu>

#include <functional>

class CZelvoDoc;
class GestureCapture;
struct NavigationDecision;
class IViewHost;
class QLineEdit;
class QWidget;

// The browser view of one tab: turns the page's events into captions, labels,
// histories and new tabs, and carries out the page commands.
class CZelvoView : public CHtmlView {
    Q_OBJECT

public:
    CZelvoView(IViewHost* host, CZelvoDoc* document, QWidget* parent = nullptr);
    ~CZelvoView() override;

    bool Create() override;
    // First update: registers the tab and opens the first page.
    void OnInitialUpdate(bool opensOwnPage = false);

    CZelvoDoc* GetDocument() const { return m_document; }

    // The view's own commands and the page commands the frame hands on.
    bool HandlesCommand(int id) const;
    void OnCommand(int id);
    CmdUI OnUpdateCommand(int id) const;

    // The download-control word every view is given: read from Security.ini
    // once per run, stored after every change. A change reloads this view;
    // the others take it with their next page.
    void LoadDownloadControl();
    void SaveDownloadControl();
    void ToggleDownloadControl(quint32 bit);
    void SetDownloadControl(quint32 word);

    // Find in page: the bar under the page.
    void ShowFindBar();
    QWidget* FindBar() const { return m_findBar; }

    // The page information text of the shown page, handed to done once the
    // engine has told it.
    void GetPageInfoText(std::function<void(const QString&)> done);
    // The encoding the page is shown in: the one chosen for it, else the engine's.
    void CurrentEncoding(std::function<void(const QByteArray&)> done);
    // Shows the page again in an entry of EncodingList (-1: shows "失敗").
    void SwitchEncoding(int entry);
    // The encoding pop-up while it is open.
    QMenu* EncodingMenu() const { return m_encodingMenu; }

protected:
    void OnBeforeNavigate2(const QString& url, bool isMainFrame, bool& cancel) override;
    void OnNewWindow2(CHtmlView*& newView, bool& cancel) override;
    void OnNavigateComplete2(const QString& url) override;
    void OnDocumentComplete(const QString& url) override;
    void OnProgressChange(int progress, int progressMax) override;
    void OnStatusTextChange(const QString& text) override;
    void OnCommandStateChange(int command, bool enable) override;
    void OnDownloadBegin() override;
    void OnDownloadComplete() override;
    bool OnAmbientProperty(int dispid, QVariant& value) override;

private:
    void BindEncodingCommands();
    void SwitchEncodingByWords(const QStringList& words);
    void ShowEncodingMenu();
    void FillEncodingMenu(const QByteArray& current);
    void RedecodePage(const QByteArray& encoding);
    void ApplyFilterDecision(const NavigationDecision& decision, bool& cancel);
    void BuildFindBar();
    void OpenFirstPage();
    void ShowTitleInCaptions();
    void OnFileOpen();
    void RunGesture(const QString& gesture);
    void OpenStatusLink();

    IViewHost* m_host;
    CZelvoDoc* m_document;
    CommandMap m_commands;
    QWidget* m_findBar = nullptr;
    QLineEdit* m_findText = nullptr;
    GestureCapture* m_gestures = nullptr;
    // Sent back to the locked address and not there yet.
    bool m_returningToLock = false;
    // A load has begun and brought no page yet.
    bool m_documentPending = false;
    // The player page this view last wrote.
    QUrl m_playerPage;
    // The encoding the user chose for the page shown; empty = the engine's.
    QByteArray m_chosenEncoding;
    QPointer<QMenu> m_encodingMenu;
    bool IsPlayerPage(const QString& url) const;
};
