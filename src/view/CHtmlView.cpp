#include "view/CHtmlView.h"

#include "view/CPagePrinter.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"
#include "view/PageContextMenu.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <utility>

namespace {

const QString kPageShownText = QStringLiteral("ページが表示されました");

std::function<int(QDialog&)> g_dialogResponder;

int Answer(QDialog& dialog)
{
    return g_dialogResponder ? g_dialogResponder(dialog) : dialog.exec();
}

// The engine adds a slash to an empty path and may escape differently.
bool SameAddress(const QUrl& a, const QUrl& b)
{
    constexpr auto kForm = QUrl::StripTrailingSlash | QUrl::NormalizePathSegments;
    return a.adjusted(kForm).toEncoded() == b.adjusted(kForm).toEncoded();
}

} // namespace

CHtmlView::CHtmlView(QWidget* parent) : QWidget(parent), m_webView(new QWebEngineView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_webView);
    setFocusProxy(m_webView);
    // Made here so the engine view never makes a page of its own on another
    // profile; the owner's answers to the ambient questions follow in Create.
    m_page = new EnginePage(EngineProfile::Instance(), *this);
    m_webView->setPage(m_page);
    m_sequence.onBegin = [this] { OnDownloadBegin(); };
    m_sequence.onCommit = [this](const QUrl& url) { RaiseNavigateComplete(url); };
    m_printer = new CPagePrinter(*m_webView, [this](QDialog& dialog) { return RunDialog(dialog); });
    m_webView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_webView, &QWidget::customContextMenuRequested, this, &CHtmlView::ShowContextMenu);
    ConnectPage();
}

void CHtmlView::ShowContextMenu(const QPoint& pos)
{
    const QWebEngineContextMenuRequest* request = m_webView->lastContextMenuRequest();
    if (!request)
        return;
    PageContextMenu::Create(*this, *request)->popup(m_webView->mapToGlobal(pos));
}

CHtmlView::~CHtmlView()
{
    DisconnectPage();
    delete m_printer;
    // The engine view must go before the page it shows.
    delete m_webView;
    delete m_page;
}

void CHtmlView::SetDialogResponder(std::function<int(QDialog&)> responder)
{
    g_dialogResponder = std::move(responder);
}

int CHtmlView::AnswerDialog(QDialog& dialog)
{
    return Answer(dialog);
}

CHtmlView::DialogHold::DialogHold(CHtmlView& view) : m_view(&view)
{
    ++view.m_openDialogs;
}

CHtmlView::DialogHold::~DialogHold()
{
    if (m_view && --m_view->m_openDialogs == 0)
        emit m_view->dialogsClosed();
}

int CHtmlView::RunDialog(QDialog& dialog)
{
    DialogHold hold(*this);
    return Answer(dialog);
}

bool CHtmlView::Create()
{
    if (m_created)
        return true;
    m_created = true;
    ApplyDownloadControl();
    ApplyUserAgent();
    return true;
}

void CHtmlView::EnsureCreated()
{
    if (!m_created)
        Create();
}

void CHtmlView::ConnectPage()
{
    connect(m_page, &QWebEnginePage::loadingChanged, this, &CHtmlView::PageLoadingChanged);
    connect(m_page, &QWebEnginePage::urlChanged, this, &CHtmlView::PageUrlChanged);
    connect(m_page, &QWebEnginePage::loadProgress, this, &CHtmlView::PageLoadProgress);
    connect(m_page, &QWebEnginePage::titleChanged, this, [this](const QString& title) {
        if (!m_sequence.IsMuted())
            OnTitleChange(HtmlView::LocationName(title, m_page->url()));
    });
    connect(m_page, &QWebEnginePage::linkHovered, this, [this](const QString& url) {
        if (!m_sequence.IsMuted())
            OnStatusTextChange(url);
    });
    for (const auto action : {QWebEnginePage::Back, QWebEnginePage::Forward})
        connect(m_page->action(action), &QAction::changed, this, &CHtmlView::UpdateCommandStates);
}

void CHtmlView::DisconnectPage()
{
    // The page may still signal while it is destroyed, after the derived
    // view that would receive the events is gone.
    disconnect(m_page, nullptr, this, nullptr);
    disconnect(m_page->action(QWebEnginePage::Back), nullptr, this, nullptr);
    disconnect(m_page->action(QWebEnginePage::Forward), nullptr, this, nullptr);
    disconnect(m_webView, nullptr, this, nullptr);
}

// Ambient properties

void CHtmlView::OnAmbientPropertyChange(int dispid)
{
    EnsureCreated();
    if (dispid == DISPID_AMBIENT_DLCONTROL || dispid == DISPID_UNKNOWN)
        ApplyDownloadControl();
    if (dispid == DISPID_AMBIENT_USERAGENT || dispid == DISPID_UNKNOWN)
        ApplyUserAgent();
}

void CHtmlView::ApplyDownloadControl()
{
    QVariant value;
    quint32 word = kDefaultDownloadControl;
    if (OnAmbientProperty(DISPID_AMBIENT_DLCONTROL, value) && value.canConvert<uint>())
        word = value.toUInt();
    m_page->setDownloadControl(word);
}

void CHtmlView::ApplyUserAgent()
{
    QVariant value;
    QString agent;
    if (OnAmbientProperty(DISPID_AMBIENT_USERAGENT, value))
        agent = value.toString();
    // The agent belongs to the profile every view shares, as the setting it
    // comes from is one for the whole program.
    m_page->profile()->setHttpUserAgent(agent.isEmpty() ? EngineProfile::DefaultUserAgent()
                                                        : agent);
}

// Operations

void CHtmlView::Navigate2(const QString& url, int flags)
{
    EnsureCreated();
    if (flags & navOpenInNewWindow) {
        if (CHtmlView* view = RequestNewView())
            view->Navigate2(url, flags & ~navOpenInNewWindow);
        return;
    }
    const QUrl target = HtmlView::UrlFromText(url);
    if (target.isEmpty())
        return;
    m_sequence.Unmute();
    // The engine does not ask before these two kinds, but the owner must be
    // asked all the same.
    const QString scheme = target.scheme();
    if (scheme == QLatin1String("about") || scheme == QLatin1String("javascript")) {
        bool cancel = false;
        Decide(target.toString(), url, true, cancel);
        if (cancel)
            return;
        if (scheme == QLatin1String("about"))
            BeginMainFrameNavigation();
    } else {
        m_typedTarget = target;
        m_typedText = url;
    }
    m_page->load(target);
}

void CHtmlView::GoBack()
{
    EnsureCreated();
    m_sequence.Unmute();
    // Not the Back action: the engine's own back skips pages that scripts
    // opened without a click, and the travel log never did.
    m_page->history()->back();
}

void CHtmlView::GoToHistoryIndex(int index)
{
    EnsureCreated();
    m_sequence.Unmute();
    QWebEngineHistory* history = m_page->history();
    history->goToItem(history->itemAt(index));
}

void CHtmlView::GoForward()
{
    EnsureCreated();
    m_sequence.Unmute();
    m_page->history()->forward();
}

void CHtmlView::GoHome()
{
    Navigate2(HtmlView::HomePageUrl().toString());
}

void CHtmlView::Refresh()
{
    Refresh2(REFRESH_NORMAL);
}

void CHtmlView::Refresh2(int level)
{
    EnsureCreated();
    m_sequence.Unmute();
    m_page->triggerAction(level == REFRESH_COMPLETELY ? QWebEnginePage::ReloadAndBypassCache
                                                      : QWebEnginePage::Reload);
}

void CHtmlView::Stop()
{
    EnsureCreated();
    m_page->triggerAction(QWebEnginePage::Stop);
}

QString CHtmlView::GetLocationURL() const
{
    return m_page->url().toString();
}

QString CHtmlView::GetLocationName() const
{
    return HtmlView::LocationName(m_page->title(), m_page->url());
}

void CHtmlView::SetSilent(bool silent)
{
    m_page->setSilent(silent);
}

bool CHtmlView::GetSilent() const
{
    return m_page->isSilent();
}

void CHtmlView::ViewSource()
{
    EnsureCreated();
    const QUrl source = HtmlView::ViewSourceUrl(m_page->url());
    if (source.isEmpty())
        return;
    if (CHtmlView* view = RequestNewView())
        view->Navigate2(source.toString());
    else
        Navigate2(source.toString());
}

void CHtmlView::FindText(const QString& text, FindDirection direction,
                         std::function<void(bool found)> done)
{
    EnsureCreated();
    QWebEnginePage::FindFlags flags;
    if (direction == FindDirection::Backward)
        flags |= QWebEnginePage::FindBackward;
    m_page->findText(text, flags, [done = std::move(done)](const QWebEngineFindTextResult& r) {
        if (done)
            done(r.numberOfMatches() > 0);
    });
}

void CHtmlView::CloseDocument()
{
    EnsureCreated();
    m_sequence.Mute();
    m_page->triggerAction(QWebEnginePage::Stop);
    m_page->setUrl(QUrl(QStringLiteral("about:blank")));
}

EnginePage* CHtmlView::GetPage()
{
    EnsureCreated();
    return m_page;
}

CHtmlView* CHtmlView::RequestNewView()
{
    CHtmlView* view = nullptr;
    bool cancel = false;
    OnNewWindow2(view, cancel);
    if (cancel || !view || view == this)
        return nullptr;
    view->EnsureCreated();
    view->m_sequence.Unmute();
    return view;
}

// Engine questions

bool CHtmlView::PageBeforeNavigate(const QUrl& url, QWebEnginePage::NavigationType type,
                                   bool isMainFrame)
{
    if (m_sequence.IsMuted())
        return false;
    EnsureCreated();
    bool cancel = false;
    Decide(url.toString(), WrittenForm(url, type, isMainFrame), isMainFrame, cancel);
    if (!isMainFrame)
        return !cancel;
    if (cancel) {
        m_sequence.Refused(url);
        return false;
    }
    // A redirect after the page was shown comes from the page, and brings a
    // new page; one before it is the server's and belongs to this load.
    if (m_sequence.Accepted(url, type == QWebEnginePage::NavigationTypeRedirect))
        ApplyDownloadControl();
    return true;
}

QString CHtmlView::WrittenForm(const QUrl& url, QWebEnginePage::NavigationType type,
                               bool isMainFrame)
{
    // The load of a typed address is asked about in the engine's form; the
    // text as typed is what the user wrote.
    if (isMainFrame && type == QWebEnginePage::NavigationTypeTyped && !m_typedText.isNull()) {
        const QUrl typed = std::exchange(m_typedTarget, QUrl());
        const QString text = std::exchange(m_typedText, QString());
        if (SameAddress(url, typed))
            return text;
    }
    return QUrl::fromPercentEncoding(url.toEncoded());
}

void CHtmlView::Decide(const QString& url, const QString& written, bool isMainFrame, bool& cancel)
{
    // The owner may show a box here, inside the engine's question; whoever
    // closes the tab meanwhile waits for the answer.
    DialogHold hold(*this);
    m_writtenUrl = written;
    OnBeforeNavigate2(url, isMainFrame, cancel);
    m_writtenUrl.clear();
}

void CHtmlView::AskAboutScript(const QString& href, bool isMainFrame, std::function<void()> run)
{
    // Asked from the event loop, not from inside the engine's report, and one
    // at a time: a page reaching for script addresses gets no pile of boxes.
    if (m_sequence.IsMuted() || m_scriptLinkPending)
        return;
    m_scriptLinkPending = true;
    QMetaObject::invokeMethod(
        this,
        [this, href, isMainFrame, run = std::move(run)] {
            QPointer<CHtmlView> alive(this);
            EnsureCreated();
            bool cancel = false;
            Decide(href, QUrl::fromPercentEncoding(href.toUtf8()), isMainFrame, cancel);
            // A box may have been open meanwhile, and the tab closed.
            if (!alive)
                return;
            m_scriptLinkPending = false;
            if (!cancel && !m_sequence.IsMuted())
                run();
        },
        Qt::QueuedConnection);
}

void CHtmlView::PageScriptLink(const QString& href, bool isMainFrame, const QString& click)
{
    AskAboutScript(href, isMainFrame, [this, click] { m_page->RunScriptLink(click); });
}

void CHtmlView::PageScriptWindow(const QString& href)
{
    // The engine's own window for a script address brings the whole process
    // down once it shows what the script wrote; a page of our own runs it.
    AskAboutScript(href, true, [this, href] {
        if (CHtmlView* view = RequestNewView())
            view->m_page->load(QUrl(href));
    });
}

QWebEnginePage* CHtmlView::PageCreateWindow()
{
    if (m_sequence.IsMuted())
        return nullptr;
    CHtmlView* view = RequestNewView();
    if (!view)
        return nullptr;
    // A window that a page opens gets no engine preferences until a
    // navigation commits in it, and the engine brings the whole process down
    // once it paints what the opener wrote into the window's first, empty
    // document. A page that has made contents of its own hands its
    // preferences on to the window it takes over, so it makes them now (any
    // script does).
    view->m_page->runJavaScript(QString(), QWebEngineScript::ApplicationWorld);
    return view->m_page;
}

void CHtmlView::BeginMainFrameNavigation()
{
    m_sequence.BeginPage();
    // Every new page asks for the word again, so a change reaches all views
    // with their next page at the latest.
    ApplyDownloadControl();
}

// Engine events

void CHtmlView::PageLoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
        m_sequence.Started(info.url());
    else
        FinishLoad(info);
}

void CHtmlView::FinishLoad(const QWebEngineLoadingInfo& info)
{
    const auto reported = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus
                              ? LoadSequence::Status::Succeeded
                          : info.status() == QWebEngineLoadingInfo::LoadFailedStatus
                              ? LoadSequence::Status::Failed
                              : LoadSequence::Status::Stopped;
    const std::optional<LoadSequence::Status> status = m_sequence.Finished(info.url(), reported);
    if (!status)
        return;
    const bool failed = *status == LoadSequence::Status::Failed;
    // A failed load may still show a page: the engine's error page or the
    // server's own answer to an HTTP error.
    const bool hasDocument =
        *status == LoadSequence::Status::Succeeded ||
        (failed &&
         (info.isErrorPage() || info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain));
    if (failed)
        OnNavigateError(info.url().toString(), info.errorCode());
    if (hasDocument) {
        const QUrl shown = m_page->url();
        if (!m_sequence.IsCommitted())
            m_sequence.Commit(shown);
        OnDocumentComplete(shown.toString());
    }
    if (*status == LoadSequence::Status::Succeeded)
        OnStatusTextChange(kPageShownText);
    UpdateCommandStates();
    OnDownloadComplete();
}

void CHtmlView::PageUrlChanged(const QUrl& url)
{
    m_sequence.UrlChanged(url);
}

void CHtmlView::PageLoadProgress(int progress)
{
    if (!m_sequence.IsMuted() && m_sequence.IsBusy())
        OnProgressChange(progress, 100);
}

void CHtmlView::RaiseNavigateComplete(const QUrl& url)
{
    OnNavigateComplete2(url.toString());
    UpdateCommandStates();
}

void CHtmlView::UpdateCommandStates()
{
    if (m_sequence.IsMuted())
        return;
    const bool forward = m_page->history()->canGoForward();
    const bool back = m_page->history()->canGoBack();
    if (forward != m_canGoForward) {
        m_canGoForward = forward;
        OnCommandStateChange(CSC_NAVIGATEFORWARD, forward);
    }
    if (back != m_canGoBack) {
        m_canGoBack = back;
        OnCommandStateChange(CSC_NAVIGATEBACK, back);
    }
}

// Commands

bool CHtmlView::ExecWB(int cmd, int opt, const QVariant& in, QVariant* out)
{
    EnsureCreated();
    switch (cmd) {
    case OLECMDID_ZOOM:
        return ExecZoom(in, out);
    case OLECMDID_SAVEAS:
        return SaveAs(opt, in);
    case OLECMDID_PRINT:
        return Print(opt, in);
    case OLECMDID_PRINTPREVIEW:
        return m_printer->Preview();
    case OLECMDID_PAGESETUP:
        return PageSetup();
    case OLECMDID_PROPERTIES:
        return ShowProperties();
    case OLECMDID_CUT:
        m_page->triggerAction(QWebEnginePage::Cut);
        return true;
    case OLECMDID_COPY:
        m_page->triggerAction(QWebEnginePage::Copy);
        return true;
    case OLECMDID_PASTE:
        m_page->triggerAction(QWebEnginePage::Paste);
        return true;
    case OLECMDID_UNDO:
        m_page->triggerAction(QWebEnginePage::Undo);
        return true;
    case OLECMDID_REDO:
        m_page->triggerAction(QWebEnginePage::Redo);
        return true;
    case OLECMDID_SELECTALL:
        m_page->triggerAction(QWebEnginePage::SelectAll);
        return true;
    default:
        return false;
    }
}

int CHtmlView::GetZoomLevel() const
{
    return HtmlView::ZoomLevelForFactor(m_page->zoomFactor());
}

bool CHtmlView::ExecZoom(const QVariant& in, QVariant* out)
{
    if (in.isValid()) {
        bool ok = false;
        const qreal factor = HtmlView::ZoomFactorForLevel(in.toInt(&ok));
        if (!ok || factor <= 0)
            return false;
        m_page->setZoomFactor(factor);
    }
    if (out)
        *out = GetZoomLevel();
    return true;
}

bool CHtmlView::SaveAs(int opt, const QVariant& in)
{
    if (m_page->url().isEmpty())
        return false;
    QString path = in.toString();
    if (opt != OLECMDEXECOPT_DONTPROMPTUSER || path.isEmpty()) {
        QFileDialog dialog(this);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({QStringLiteral("Web ページ (*.html *.htm)"),
                               QStringLiteral("Web アーカイブ (*.mht *.mhtml)")});
        dialog.setDefaultSuffix(QStringLiteral("html"));
        dialog.selectFile(HtmlView::SaveFileName(GetLocationName()));
        if (RunDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        path = dialog.selectedFiles().constFirst();
    }
    m_page->save(path, HtmlView::SaveFormatFor(path));
    return true;
}

bool CHtmlView::Print(int opt, const QVariant& in)
{
    const bool quiet = opt == OLECMDEXECOPT_DONTPROMPTUSER;
    return m_printer->Print(!quiet, quiet ? in.toString() : QString());
}

bool CHtmlView::PageSetup()
{
    return PrintSetup(this);
}

bool CHtmlView::PrintSetup(QWidget* parent)
{
    if (auto* view = qobject_cast<CHtmlView*>(parent))
        return CPagePrinter::Setup(parent, [view](QDialog& d) { return view->RunDialog(d); });
    return CPagePrinter::Setup(parent, Answer);
}

const QPrinter& CHtmlView::Printer()
{
    return CPagePrinter::Printer();
}

bool CHtmlView::ShowProperties()
{
    const QUrl url = m_page->url();
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("プロパティ"));
    auto* form = new QFormLayout(&dialog);
    // The page's own texts, shown as they are.
    auto* name = new QLabel(GetLocationName());
    name->setTextFormat(Qt::PlainText);
    name->setWordWrap(true);
    form->addRow(name);
    auto* protocol = new QLabel(url.scheme());
    protocol->setTextFormat(Qt::PlainText);
    form->addRow(QStringLiteral("プロトコル:"), protocol);
    auto* address = new QLabel(url.toString());
    address->setTextFormat(Qt::PlainText);
    address->setWordWrap(true);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QStringLiteral("アドレス (URL):"), address);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    form->addRow(buttons);
    RunDialog(dialog);
    return true;
}

// Events: by default the view does nothing with them.

void CHtmlView::OnBeforeNavigate2(const QString&, bool, bool&) {}
void CHtmlView::OnNewWindow2(CHtmlView*&, bool&) {}
void CHtmlView::OnNavigateComplete2(const QString&) {}
void CHtmlView::OnDocumentComplete(const QString&) {}
void CHtmlView::OnNavigateError(const QString&, int) {}
void CHtmlView::OnTitleChange(const QString&) {}
void CHtmlView::OnProgressChange(int, int) {}
void CHtmlView::OnStatusTextChange(const QString&) {}
void CHtmlView::OnCommandStateChange(int, bool) {}
void CHtmlView::OnDownloadBegin() {}
void CHtmlView::OnDownloadComplete() {}

bool CHtmlView::OnAmbientProperty(int, QVariant&)
{
    return false;
}
