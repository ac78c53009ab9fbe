#pragma once

#include "core/LoadSequence.h"

#include <QPointer>
#include <QSet>
#include <QUrl>
#include <QVariant>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWidget>

#include <functional>

class CPagePrinter;
class EnginePage;
class QDialog;
class QPrinter;
class QWebEngineLoadingInfo;
class QWebEngineView;

// Numbers of the browser interface that callers store, compare and pass on.
enum BrowserNavConstants { navOpenInNewWindow = 1 };
enum RefreshConstants { REFRESH_NORMAL = 0, REFRESH_IFEXPIRED = 1, REFRESH_COMPLETELY = 3 };
enum CommandStateChangeConstants { CSC_NAVIGATEFORWARD = 1, CSC_NAVIGATEBACK = 2 };
enum OLECMDID {
    OLECMDID_SAVEAS = 4,
    OLECMDID_PRINT = 6,
    OLECMDID_PRINTPREVIEW = 7,
    OLECMDID_PAGESETUP = 8,
    OLECMDID_PROPERTIES = 10,
    OLECMDID_CUT = 11,
    OLECMDID_COPY = 12,
    OLECMDID_PASTE = 13,
    OLECMDID_UNDO = 15,
    OLECMDID_REDO = 16,
    OLECMDID_SELECTALL = 17,
    OLECMDID_ZOOM = 19,
};
enum OLECMDEXECOPT {
    OLECMDEXECOPT_DODEFAULT = 0,
    OLECMDEXECOPT_PROMPTUSER = 1,
    OLECMDEXECOPT_DONTPROMPTUSER = 2,
};
constexpr int DISPID_UNKNOWN = -1;
constexpr int DISPID_AMBIENT_DLCONTROL = -5512;
constexpr int DISPID_AMBIENT_USERAGENT = -5513;

enum class FindDirection { Forward, Backward };

// The decisions behind the view's operations, free of widgets and engine.
namespace HtmlView {

constexpr int kZoomLevels = 5;
constexpr int kDefaultZoomLevel = 2;

// Text sizes 0 (smallest) to 4 (largest) as zoom factors; 0 for any other level.
qreal ZoomFactorForLevel(int level);
// The text size nearest to a zoom factor.
int ZoomLevelForFactor(qreal factor);

// What view source opens for a page; empty when the page has no source.
QUrl ViewSourceUrl(const QUrl& page);

// The page's name: its title, or its address when it has none. The engine
// stands the address without its scheme in for a missing title.
QString LocationName(const QString& title, const QUrl& url);

// $ZELVO_HOMEPAGE when set, else home.html of the program directory.
QUrl HomePageUrl();

// An address as typed or stored (URL or absolute file path) as a URL.
QUrl UrlFromText(const QString& text);

// .mht and .mhtml keep the page in one file; anything else gets the page
// and a folder with its parts.
QWebEngineDownloadRequest::SavePageFormat SaveFormatFor(const QString& path);

// File name offered when saving a page: its name without the characters that
// cannot stand in one, ".html" added.
QString SaveFileName(const QString& locationName);

} // namespace HtmlView

// The HTML view: one browser page in a widget, with the operations and the
// events of the browser control the program was written against. Events are
// protected virtual calls, raised in this order for one page:
// OnBeforeNavigate2, OnDownloadBegin, OnProgressChange..., OnNavigateComplete2,
// OnTitleChange..., OnDocumentComplete, OnStatusTextChange("ページが表示されました"),
// OnDownloadComplete.
class CHtmlView : public QWidget {
    Q_OBJECT

public:
    explicit CHtmlView(QWidget* parent = nullptr);
    ~CHtmlView() override;

    // Makes the page and asks OnAmbientProperty for its settings. Runs by
    // itself before the first operation; overrides must call this one.
    virtual bool Create();
    bool IsCreated() const { return m_created; }

    void Navigate2(const QString& url, int flags = 0);
    void Navigate(const QString& url, int flags = 0) { Navigate2(url, flags); }
    void GoBack();
    void GoForward();
    // Goes to entry index of the page's history.
    void GoToHistoryIndex(int index);
    void GoHome();
    void Refresh();
    void Refresh2(int level);
    void Stop();

    QString GetLocationURL() const;
    QString GetLocationName() const;
    bool GetBusy() const { return m_sequence.IsBusy(); }
    // As last reported through OnCommandStateChange.
    bool CanGoBack() const { return m_canGoBack; }
    bool CanGoForward() const { return m_canGoForward; }

    // Held for as long as a dialog or nested event loop of the view runs: a
    // box of its page, a question about a navigation, a dialog of a command.
    // Whoever destroys the view meanwhile waits for dialogsClosed; the dialog
    // would otherwise go with the view and again when it returns.
    class DialogHold {
    public:
        explicit DialogHold(CHtmlView& view);
        ~DialogHold();
        DialogHold(const DialogHold&) = delete;
        DialogHold& operator=(const DialogHold&) = delete;

    private:
        QPointer<CHtmlView> m_view;
    };
    bool HasOpenDialog() const { return m_openDialogs > 0; }

signals:
    void dialogsClosed();

public:
    CHtmlView* GetApplication() { return this; }

    // Commands by their numbers. SAVEAS and PRINT with DONTPROMPTUSER take the
    // target file from in (PRINT then writes PDF); ZOOM sets the text size from
    // in (when given) and returns the current one in out. False when the
    // command did not run. Printer settings are shared by all views.
    bool ExecWB(int cmd, int opt, const QVariant& in = {}, QVariant* out = nullptr);
    int GetZoomLevel() const;

    // Window names are resolved by the engine itself; the flag is only kept.
    void put_RegisterAsBrowser(bool registered) { m_registerAsBrowser = registered; }
    bool get_RegisterAsBrowser() const { return m_registerAsBrowser; }

    void SetSilent(bool silent);
    bool GetSilent() const;

    // Opens the page source in a new view (through OnNewWindow2) or, when no
    // new view is given, in this one.
    void ViewSource();

    // Selects the next match; done (optional) learns whether there was one.
    // An empty text clears the marks.
    void FindText(const QString& text, FindDirection direction,
                  std::function<void(bool found)> done = {});

    // Stops the page and blanks it; no event is raised until the next
    // navigation made through this view.
    void CloseDocument();

    // Asks OnAmbientProperty again for dispid (DISPID_UNKNOWN: all of them).
    void OnAmbientPropertyChange(int dispid);

    // The engine side, for work on the document through scripts and for
    // watching input.
    EnginePage* GetPage();
    QWebEngineView* GetWebView() const { return m_webView; }

    // Tests answer the view's dialogs instead of showing them: the responder
    // gets the prepared dialog and returns its result, and may run the event
    // loop meanwhile as an open dialog would.
    static void SetDialogResponder(std::function<int(QDialog&)> responder);
    // Runs a dialog that belongs to no view, or lets the responder answer it.
    static int AnswerDialog(QDialog& dialog);

    // The program's print setup: paper and orientation of the printer every
    // view prints on. False when cancelled or while a print is running.
    static bool PrintSetup(QWidget* parent);
    static const QPrinter& Printer();

protected:
    // Runs one of the view's dialogs (or lets the test responder answer it)
    // while holding the view.
    int RunDialog(QDialog& dialog);
    // During OnBeforeNavigate2: the address as the user typed it or the page
    // wrote it, which the engine's encoded form may hide ("<" becomes %3C).
    const QString& WrittenUrl() const { return m_writtenUrl; }

    virtual void OnBeforeNavigate2(const QString& url, bool isMainFrame, bool& cancel);
    // Pop-ups, target=_blank, window.open and Navigate2 with navOpenInNewWindow.
    // Hand back the view to load the new page in, or cancel; no view refuses.
    virtual void OnNewWindow2(CHtmlView*& newView, bool& cancel);
    virtual void OnNavigateComplete2(const QString& url);
    virtual void OnDocumentComplete(const QString& url);
    // A top-level load failed; errorCode is the HTTP status or the engine's
    // negative network error. A refused navigation is not a failure.
    virtual void OnNavigateError(const QString& url, int errorCode);
    virtual void OnTitleChange(const QString& title);
    virtual void OnProgressChange(int progress, int progressMax);
    virtual void OnStatusTextChange(const QString& text);
    virtual void OnCommandStateChange(int command, bool enable);
    virtual void OnDownloadBegin();
    virtual void OnDownloadComplete();
    // DISPID_AMBIENT_DLCONTROL (a DLCTL word) and DISPID_AMBIENT_USERAGENT (a
    // string; empty is the engine's own). False leaves the engine's default.
    virtual bool OnAmbientProperty(int dispid, QVariant& value);

private:
    friend class EnginePage;

    bool PageBeforeNavigate(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
    QWebEnginePage* PageCreateWindow();
    void PageScriptLink(const QString& href, bool isMainFrame, const QString& click);
    void PageScriptWindow(const QString& href);
    void AskAboutScript(const QString& href, bool isMainFrame, std::function<void()> run);
    QString WrittenForm(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
    void Decide(const QString& url, const QString& written, bool isMainFrame, bool& cancel);

    void EnsureCreated();
    void ShowContextMenu(const QPoint& pos);
    void ConnectPage();
    void DisconnectPage();
    void ApplyDownloadControl();
    void ApplyUserAgent();
    CHtmlView* RequestNewView();
    void BeginMainFrameNavigation();

    void PageLoadingChanged(const QWebEngineLoadingInfo& info);
    void PageUrlChanged(const QUrl& url);
    void PageLoadProgress(int progress);
    void FinishLoad(const QWebEngineLoadingInfo& info);
    void RaiseNavigateComplete(const QUrl& url);
    void UpdateCommandStates();

    bool ExecZoom(const QVariant& in, QVariant* out);
    bool SaveAs(int opt, const QVariant& in);
    bool Print(int opt, const QVariant& in);
    bool PageSetup();
    bool ShowProperties();

    QWebEngineView* m_webView = nullptr;
    EnginePage* m_page = nullptr;
    bool m_scriptLinkPending = false;
    int m_openDialogs = 0;
    QString m_writtenUrl;
    // The last address given to Navigate2 as typed, until the engine asks
    // about its load.
    QUrl m_typedTarget;
    QString m_typedText;
    bool m_created = false;
    CPagePrinter* m_printer = nullptr;

    LoadSequence m_sequence;
    bool m_canGoBack = false;
    bool m_canGoForward = false;
    bool m_registerAsBrowser = false;
};
