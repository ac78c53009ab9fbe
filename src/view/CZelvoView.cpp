#include "view/CZelvoView.h"

#include "core/CommandLine.h"
#include "core/Cp932.h"
#include "core/FlagToggle.h"
#include "ini/ProxyIni.h"
#include "ini/SecurityIni.h"
#include "ini/TablistIni.h"
#include "core/ProgramDir.h"
#include "core/RecentFiles.h"
#include "core/TabLabels.h"
#include "platform/MessageBox.h"
#include "platform/UrlHistory.h"
#include "commands/CommandId.h"
#include "gestures/GestureTable.h"
#include "view/GestureCapture.h"
#include "security/SecurityFlags.h"
#include "view/EnginePage.h"
#include "view/FormFill.h"
#include "view/IViewHost.h"
#include "security/NavigationFilter.h"
#include "view/ViewSwitches.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <QUrl>
#include <QWebEngineSettings>

#include <utility>

namespace {

// The text sizes, smallest first, are one command each.
constexpr int kTextSizeFirst = ToInt(CommandId::TextSizeSmallest);
constexpr int kTextSizeLast = ToInt(CommandId::TextSizeLargest);

// Escape in the find box closes the bar, whether or not the window is active.
class EscapeFilter : public QObject {
public:
    EscapeFilter(QPushButton* close, QObject* parent) : QObject(parent), m_close(close) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_close->click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* m_close;
};

bool IsStatusWorthShowing(const QString& text)
{
    return text.isEmpty() || text.contains(QLatin1String("http://")) ||
           text.contains(QLatin1String("https://")) || text.contains(QLatin1String("ftp://")) ||
           text.contains(QStringLiteral("ページが表示されました"));
}

} // namespace

CZelvoView::CZelvoView(IViewHost* host, CZelvoDoc* document, QWidget* parent)
    : CHtmlView(parent), m_host(host), m_document(document)
{
    auto run = [this](CommandId id, std::function<void()> fn, CommandMap::Update update = {}) {
        m_commands.Bind(ToInt(id), std::move(fn), std::move(update));
    };
    m_commands.BindRange(
        kTextSizeFirst, kTextSizeLast,
        [this](int id) {
            ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, id - kTextSizeFirst);
        },
        [this](int id, CmdUI& ui) {
            ui.radio = true;
            ui.check = GetZoomLevel() == id - kTextSizeFirst ? 1 : 0;
        });
    run(
        CommandId::StatusUrlOnly,
        [this] { m_host->Switches().statusUrlOnly = !m_host->Switches().statusUrlOnly; },
        [this](CmdUI& ui) { ui.check = m_host->Switches().statusUrlOnly ? 1 : 0; });
    run(
        CommandId::NavigateLock,
        [this] {
            ViewSwitches& s = m_host->Switches();
            s.navigateLock = !s.navigateLock;
            s.lockedUrl = s.navigateLock ? GetLocationURL() : QString();
        },
        [this](CmdUI& ui) { ui.check = m_host->Switches().navigateLock ? 1 : 0; });
    run(
        CommandId::AlwaysMosaicFilter,
        [this] {
            ViewSwitches& s = m_host->Switches();
            if (s.alwaysMosaic) {
                s.alwaysMosaic = false;
                Refresh();
            } else {
                s.alwaysMosaic = true;
                m_host->SendCommand(ToInt(CommandId::MosaicFilter));
            }
        },
        [this](CmdUI& ui) { ui.check = m_host->Switches().alwaysMosaic ? 1 : 0; });
    run(
        CommandId::FavoritesHtmlAtStart, [] { SecurityIni::ToggleHome(); },
        [](CmdUI& ui) { ui.check = FlagChecked(SecurityIni::Home(), CheckRule::NonZero) ? 1 : 0; });
    run(CommandId::FileOpen, [this] { OnFileOpen(); });
    run(CommandId::FileSaveAs, [this] { ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DODEFAULT); });
    run(CommandId::FilePrint, [this] { ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_PROMPTUSER); });
    run(CommandId::PrintPage, [this] { ExecWB(OLECMDID_PRINT, OLECMDEXECOPT_DODEFAULT); });
    run(CommandId::ViewSource, [this] { ViewSource(); });
    run(CommandId::Search, [this] { ShowFindBar(); });
    BindEncodingCommands();
    GestureCapture::Handlers gestures;
    // Read anew for every press, so the switch takes effect at once.
    gestures.enabled = [] { return SecurityIni::Gesture() == 0; };
    gestures.gesture = [this](const QString& gesture) { RunGesture(gesture); };
    gestures.middleClick = [this] { OpenStatusLink(); };
    m_gestures = new GestureCapture(*GetWebView(), std::move(gestures), this);
}

CZelvoView::~CZelvoView() = default;

bool CZelvoView::Create()
{
    LoadDownloadControl();
    const bool created = CHtmlView::Create();
    GetPage()->GuardScriptAddresses(NavigationFilter::ReadSettings().urlSecurity == 1);
    BuildFindBar();
    return created;
}

void CZelvoView::OnInitialUpdate(bool opensOwnPage)
{
    if (!IsCreated())
        Create();
    ViewSwitches& s = m_host->Switches();
    if (s.applyStartupProxy) {
        static const int kConnect[] = {ToInt(CommandId::ProxyDirect), ToInt(CommandId::Proxy1),
                                       ToInt(CommandId::Proxy2), ToInt(CommandId::Proxy3)};
        const int mode = ProxyIni::ProxyCommand();
        s.applyStartupProxy = false;
        if (mode >= 0 && mode <= 3)
            m_host->SendCommand(kConnect[mode]);
    }
    m_host->AddTab(this);
    // A pop-up's own page replaces the first page; loading one first would race it.
    if (!opensOwnPage)
        OpenFirstPage();
}

void CZelvoView::OpenFirstPage()
{
    if (SecurityIni::Home() == 0) {
        m_host->SendCommand(ToInt(CommandId::GoHome));
    } else if (m_host->TabCount() < 2) {
        const QString fav = SettingsPath(QStringLiteral("fav.html"));
        if (QFileInfo::exists(fav))
            Navigate2(fav);
        else
            m_host->SendCommand(ToInt(CommandId::GoHome));
    }
    const QByteArray address = CommandLine::StartupAddress(m_host->StartupCommandLine());
    if (!address.isEmpty())
        Navigate2(QString::fromUtf8(address));
}

bool CZelvoView::HandlesCommand(int id) const
{
    return m_commands.Has(id);
}

void CZelvoView::OnCommand(int id)
{
    m_commands.Execute(id);
}

CmdUI CZelvoView::OnUpdateCommand(int id) const
{
    return m_commands.State(id);
}

void CZelvoView::OnBeforeNavigate2(const QString& url, bool isMainFrame, bool& cancel)
{
    CHtmlView::OnBeforeNavigate2(url, isMainFrame, cancel);
    if (cancel)
        return;
    // Read anew for every navigation, so edits take effect at the next one.
    const FilterSettings settings = NavigationFilter::ReadSettings();
    // The engine runs most script addresses without asking; the page that
    // comes next holds them for this check while it refuses them.
    GetPage()->GuardScriptAddresses(settings.urlSecurity == 1);
    const ViewSwitches& s = m_host->Switches();
    const NavigateLockState lock{s.navigateLock, s.lockedUrl, m_returningToLock};
    NavigationDecision decision =
        NavigationFilter::Decide(url, settings, NavigationFilter::ReadLists(settings), lock,
                                 isMainFrame ? FrameKind::Top : FrameKind::Sub, WrittenUrl());
    if (decision.outcome == NavigationOutcome::AskExtension) {
        const MbAnswer answer =
            ShowMessageBox(this, QStringLiteral("上記の拡張子ファイルをそのまま表示しますか？"),
                           decision.extension, MbIcon::Question, MbButtons::YesNo);
        decision = decision.Answered(answer == MbAnswer::Yes);
    }
    ApplyFilterDecision(decision, cancel);
    // A player page is a file of ours that plays an address on the web. The
    // page may reach the web from before it loads; any other local page not
    // (see OnNavigateComplete2).
    if (!cancel && isMainFrame && IsPlayerPage(url))
        GetPage()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls,
                                            true);
}

bool CZelvoView::IsPlayerPage(const QString& url) const
{
    return !m_playerPage.isEmpty() && QUrl(url) == m_playerPage;
}

void CZelvoView::ApplyFilterDecision(const NavigationDecision& decision, bool& cancel)
{
    switch (decision.outcome) {
    case NavigationOutcome::GoOn:
    case NavigationOutcome::AskExtension:
        return;
    case NavigationOutcome::RefuseWithScriptMessage:
        cancel = true;
        ShowMessageBox(this, QStringLiteral("不正なURLのようなので接続を中止しました！"),
                       QStringLiteral("中止"), MbIcon::Stop);
        return;
    case NavigationOutcome::RefuseSilently:
        cancel = true;
        return;
    case NavigationOutcome::PlayerPage: {
        cancel = true;
        const QString page = NavigationFilter::WritePlayerPage(decision.player, decision.page);
        m_playerPage = QUrl::fromLocalFile(page);
        // The engine is still asking about the refused navigation; a new one
        // can only start after it has its answer.
        QMetaObject::invokeMethod(
            this, [this, page] { Navigate(page); }, Qt::QueuedConnection);
        return;
    }
    case NavigationOutcome::RefuseAndCloseTab:
        cancel = true;
        m_host->PostCommand(ToInt(CommandId::TabClose));
        return;
    case NavigationOutcome::RedirectToLocked: {
        cancel = true;
        m_returningToLock = true;
        const QString locked = decision.redirectUrl;
        QMetaObject::invokeMethod(
            this, [this, locked] { Navigate2(locked); }, Qt::QueuedConnection);
        return;
    }
    }
}

void CZelvoView::OnNewWindow2(CHtmlView*& newView, bool& cancel)
{
    newView = nullptr;
    if (SecurityIni::ChileTab() != 0) {
        cancel = true;
        return;
    }
    const int limit = TablistIni::TabCount();
    if (m_host->TabCount() >= limit - 1) {
        cancel = true;
        return;
    }
    CZelvoView* view = m_host->CreateNewTab(m_document, true);
    if (!view) {
        cancel = true;
        return;
    }
    view->put_RegisterAsBrowser(true);
    newView = view->GetApplication();
    cancel = false;
}

void CZelvoView::OnNavigateComplete2(const QString& url)
{
    // A new document is shown in the engine's own choice again.
    m_chosenEncoding.clear();
    if (!IsPlayerPage(url))
        GetPage()->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls,
                                            false);
    m_host->SetFrameCaption(url);
    m_host->AddAddressHistory(url);
    CHtmlView::OnNavigateComplete2(url);
}

void CZelvoView::OnDocumentComplete(const QString& url)
{
    m_returningToLock = false;
    m_documentPending = false;
    m_host->SetFrameCaption(url);
    ShowTitleInCaptions();
    UrlHistory::Instance().Record(url, GetLocationName());
    if (m_host->Switches().alwaysMosaic) {
        m_host->SendCommand(ToInt(CommandId::MosaicFilter));
        DialogHold hold(*this);
        ShowMessageBox(this, QStringLiteral("画像をモザイクにしました！"), QStringLiteral("Zelvo"),
                       MbIcon::Information);
    }
    // A page opened from the form menu: the first page to arrive, in any tab, takes the fill.
    if (std::exchange(m_host->Switches().formFillPending, false))
        FormFill::FillForm(*this);
    CHtmlView::OnDocumentComplete(url);
}

void CZelvoView::ShowTitleInCaptions()
{
    const QString title = TabLabels::DisplayTitle(GetLocationName());
    m_host->SetFrameCaption(title);
    m_host->SetTabCaption(this, title);
}

void CZelvoView::OnProgressChange(int progress, int progressMax)
{
    if (progress != -1 && progress >= 1 && progressMax > 0) {
        const int percent = static_cast<int>(static_cast<qint64>(progress) * 100 / progressMax);
        m_host->SetFrameCaption(GetLocationURL() + QStringLiteral(" - ") +
                                QString::asprintf("Loading -- %d %%", percent));
    }
    CHtmlView::OnProgressChange(progress, progressMax);
}

void CZelvoView::OnStatusTextChange(const QString& text)
{
    if (!m_host->Switches().statusUrlOnly)
        m_host->SetMessageText(text);
    if (IsStatusWorthShowing(text))
        m_host->SetMessageText(text);
    CHtmlView::OnStatusTextChange(text);
}

void CZelvoView::OnCommandStateChange(int command, bool enable)
{
    const bool back = command == CSC_NAVIGATEBACK ? enable : CanGoBack();
    const bool forward = command == CSC_NAVIGATEFORWARD ? enable : CanGoForward();
    m_host->SetBackForward(this, back, forward);
    m_host->CommandStatesChanged();
    CHtmlView::OnCommandStateChange(command, enable);
}

void CZelvoView::OnDownloadBegin()
{
    m_documentPending = true;
    m_host->RefreshTabLabels();
    CHtmlView::OnDownloadBegin();
}

void CZelvoView::OnDownloadComplete()
{
    m_returningToLock = false;
    // A load that brought no page (it became a download, or was stopped)
    // leaves its progress in the caption; the page still shown takes it back.
    if (std::exchange(m_documentPending, false))
        ShowTitleInCaptions();
    m_host->RefreshTabLabels();
    CHtmlView::OnDownloadComplete();
}

void CZelvoView::LoadDownloadControl()
{
    ViewSwitches& s = m_host->Switches();
    if (!s.recomputeDownloadControl)
        return;
    s.downloadControlFlags = SecurityFlags::LoadDownloadControl(s.downloadControlFlags);
    s.recomputeDownloadControl = false;
}

void CZelvoView::SaveDownloadControl()
{
    SecurityFlags::SaveDownloadControl(m_host->Switches().downloadControlFlags);
}

void CZelvoView::ToggleDownloadControl(quint32 bit)
{
    SetDownloadControl(m_host->Switches().downloadControlFlags ^ bit);
}

void CZelvoView::SetDownloadControl(quint32 word)
{
    m_host->Switches().downloadControlFlags = word;
    OnAmbientPropertyChange(DISPID_AMBIENT_DLCONTROL);
    Refresh();
    SaveDownloadControl();
}

bool CZelvoView::OnAmbientProperty(int dispid, QVariant& value)
{
    if (dispid == DISPID_AMBIENT_DLCONTROL) {
        value = static_cast<uint>(m_host->Switches().downloadControlFlags);
        return true;
    }
    if (dispid == DISPID_AMBIENT_USERAGENT) {
        const QString agent = SecurityIni::UserAgent();
        if (!agent.isEmpty()) {
            value = agent;
            return true;
        }
    }
    return CHtmlView::OnAmbientProperty(dispid, value);
}

void CZelvoView::OnFileOpen()
{
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setNameFilter(QStringLiteral("全て (*.*);;html (*.html);;htm (*.htm)"));
    if (RunDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty())
        return;
    RecentFiles::Add(path);
    Navigate2(QUrl::fromLocalFile(path).toString());
}

void CZelvoView::RunGesture(const QString& gesture)
{
    const GestureEntry* entry = GestureTable::Find(gesture);
    if (!entry)
        return;
    switch (entry->action) {
    case GestureAction::Back:
        GoBack();
        break;
    case GestureAction::Forward:
        GoForward();
        break;
    case GestureAction::Refresh:
        Refresh();
        break;
    case GestureAction::Stop:
        Stop();
        break;
    case GestureAction::Command:
        // As its menu item: a command that cannot run now, or is not built,
        // does nothing and says nothing.
        if (!m_host->CommandEnabled(ToInt(entry->command)))
            return;
        m_host->SendCommand(ToInt(entry->command));
        break;
    }
    m_host->SetMessageText(entry->StatusText());
}

void CZelvoView::OpenStatusLink()
{
    // The status bar holds the address of the link under the pointer.
    const QString text = m_host->MessageText();
    if (text.contains(QLatin1String("http://")) || text.contains(QLatin1String("https://")))
        Navigate2(text, navOpenInNewWindow);
}

void CZelvoView::BuildFindBar()
{
    if (m_findBar || !layout())
        return;
    m_findBar = new QWidget(this);
    m_findBar->setObjectName(QStringLiteral("findBar"));
    auto* row = new QHBoxLayout(m_findBar);
    row->setContentsMargins(4, 2, 4, 2);
    m_findText = new QLineEdit(m_findBar);
    m_findText->setPlaceholderText(QStringLiteral("ページ内を検索"));
    auto* next = new QPushButton(QStringLiteral("次へ"), m_findBar);
    auto* previous = new QPushButton(QStringLiteral("前へ"), m_findBar);
    auto* close = new QPushButton(QStringLiteral("閉じる"), m_findBar);
    row->addWidget(m_findText, 1);
    row->addWidget(next);
    row->addWidget(previous);
    row->addWidget(close);
    layout()->addWidget(m_findBar);
    m_findBar->hide();
    auto find = [this](FindDirection direction) {
        FindText(m_findText->text(), direction, [this](bool found) {
            m_findText->setStyleSheet(found || m_findText->text().isEmpty()
                                          ? QString()
                                          : QStringLiteral("background: #ffd0d0;"));
        });
    };
    connect(m_findText, &QLineEdit::returnPressed, this, [find] { find(FindDirection::Forward); });
    connect(next, &QPushButton::clicked, this, [find] { find(FindDirection::Forward); });
    connect(previous, &QPushButton::clicked, this, [find] { find(FindDirection::Backward); });
    connect(close, &QPushButton::clicked, this, [this] {
        FindText(QString(), FindDirection::Forward);
        m_findBar->hide();
    });
    m_findText->installEventFilter(new EscapeFilter(close, m_findText));
}

void CZelvoView::ShowFindBar()
{
    if (!m_findBar)
        return;
    m_findBar->show();
    m_findText->setFocus();
    m_findText->selectAll();
}
