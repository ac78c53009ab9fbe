// The tab model of the main frame: creating, labelling, activating, locking and
// closing tabs, and the commands carried out on the active tab's browser.
#include "frame/CMainFrame.h"

#include "core/CommandLine.h"
#include "core/Cp932.h"
#include "core/FlagToggle.h"
#include "core/ProgramDir.h"
#include "core/StoredAddress.h"
#include "chrome/BuiltinImages.h"
#include "chrome/ToolbarImages.h"
#include "frame/CChildFrame.h"
#include "frame/CTabBarCtrl.h"
#include "frame/RepaintHold.h"
#include "view/CZelvoDoc.h"
#include "ini/SecurityIni.h"
#include "ini/StopListIni.h"
#include "ini/TablistIni.h"
#include "ini/WindowListIni.h"
#include "core/TabLabels.h"
#include "commands/CommandId.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "security/ForbiddenList.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kAddressCapacity = 31;
// A page that has not begun by then is not waited for.
constexpr int kNewTabHoldMs = 200;

} // namespace

CZelvoView* CMainFrame::MakeTab(CZelvoDoc* document, bool opensOwnPage)
{
    auto* frame = new CChildFrame;
    auto* view = new CZelvoView(this, document, frame);
    frame->setWidget(view);
    frame->SetView(view);
    m_wndMDIClient->addSubWindow(frame);
    connect(frame, &CChildFrame::closeRequested, this, [this, frame] {
        // Its own close box closes the active tab, as the tab-close command does.
        m_wndMDIClient->setActiveSubWindow(frame);
        SendCommand(ToInt(CommandId::TabClose));
    });
    frame->showMaximized();
    m_wndMDIClient->setActiveSubWindow(frame);
    view->OnInitialUpdate(opensOwnPage);
    // A tab opened for a page is drawn once its page is on the way.
    if (opensOwnPage) {
        auto* hold = new RepaintHold(*this, RepaintHold::Kind::Repaints, nullptr, kNewTabHoldMs);
        connect(view->GetPage(), &QWebEnginePage::loadStarted, hold, &RepaintHold::Release);
        connect(view->GetPage(), &QObject::destroyed, hold, &RepaintHold::Release);
    }
    emit commandRan(ToInt(CommandId::None));
    return view;
}

CZelvoView* CMainFrame::OnFileNew()
{
    return MakeTab(new CZelvoDoc(this), false);
}

CZelvoView* CMainFrame::CreateNewTab(CZelvoDoc* document, bool opensOwnPage)
{
    return MakeTab(document ? document : new CZelvoDoc(this), opensOwnPage);
}

CChildFrame* CMainFrame::FrameOf(const CZelvoView* view) const
{
    if (!view)
        return nullptr;
    for (QMdiSubWindow* window : m_wndMDIClient->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(window);
        if (frame && frame->GetView() == view)
            return frame;
    }
    return nullptr;
}

void CMainFrame::SetTabCaption(CZelvoView* view, const QString& caption)
{
    if (CChildFrame* frame = FrameOf(view))
        frame->setWindowTitle(caption);
    // The page is there (or shown anew): the properties pane follows it.
    if (view && view == ActiveZelvoView())
        RefreshPageInfo();
}

void CMainFrame::SetBackForward(CZelvoView* view, bool back, bool forward)
{
    m_tabFrames.SetBackForward(FrameOf(view), back, forward);
}

void CMainFrame::AddTab(CZelvoView* view)
{
    CChildFrame* frame = FrameOf(view);
    if (!frame)
        return;
    m_tabFrames.Append(frame);
    m_wndTabBar->setCurrentIndex(m_tabFrames.Count() - 1);
}

void CMainFrame::RemoveTab(CChildFrame* frame)
{
    const int index = m_tabFrames.IndexOf(frame);
    if (index < 0)
        return;
    m_tabFrames.Remove(index);
}

CZelvoView* CMainFrame::TabView(int index) const
{
    if (index < 0 || index >= m_tabFrames.Count())
        return nullptr;
    return m_tabFrames.Frame(index)->GetView();
}

int CMainFrame::FocusedTab() const
{
    return m_tabFrames.IsEmpty() ? -1 : m_wndTabBar->currentIndex();
}

bool CMainFrame::IsTabLocked(int index) const
{
    return m_tabFrames.IsLocked(index);
}

CZelvoView* CMainFrame::ActiveZelvoView() const
{
    // The tab the bar shows as current, whether or not the window manager has
    // activated this window: the area has no active sub-window until it has.
    return TabView(FocusedTab());
}

void CMainFrame::RefreshTabLabels()
{
    if (m_tabFrames.IsEmpty())
        return;
    const int focused = m_wndTabBar->currentIndex();
    QMap<int, QString> titles;
    bool anyBusy = false;
    for (int i = 0; i < m_tabFrames.Count(); ++i) {
        CZelvoView* view = m_tabFrames.Frame(i)->GetView();
        if (!view)
            continue;
        if (view->GetBusy()) {
            m_tabFrames.SetShown(i, QString::fromLatin1(TabLabels::BusyLabel()),
                                 m_tabFrames.Title(i), true);
            anyBusy = true;
            continue;
        }
        const QString name = view->GetLocationName();
        const QString title = TabLabels::DisplayTitle(name);
        // The caption shows "about:blank" for "?" as every other caption does;
        // the list keeps the title as the page gave it.
        m_tabFrames.Frame(i)->setWindowTitle(title);
        titles.insert(i, name);
        m_tabFrames.SetShown(i, TabLabels::LabelText(title), title, false);
    }
    WindowListIni::Save(titles);
    if (focused >= 0 && focused < m_tabFrames.Count()) {
        m_wndTabBar->setCurrentIndex(focused);
        m_wndMDIClient->setActiveSubWindow(m_tabFrames.Frame(focused));
    }
    if (!anyBusy)
        SaveTabTitles(0);
}

void CMainFrame::SaveTabTitles(int write)
{
    if (write == 1) {
        QMap<int, QString> titles;
        for (int i = 0; i < m_tabFrames.Count(); ++i) {
            CZelvoView* view = m_tabFrames.Frame(i)->GetView();
            titles.insert(i, view ? view->GetLocationName() : QString());
        }
        WindowListIni::Save(titles);
    }
    RefreshTabListPane();
    emit commandRan(ToInt(CommandId::RefreshTabLabels));
}

void CMainFrame::AddAddressHistory(const QString& url)
{
    if (url.isEmpty() || url == QLatin1String("about:blank"))
        return;
    if (m_addressImages.isEmpty())
        m_addressImages = CutStrip(BuiltinImages::AddressStrip(), BuiltinImages::kAddressImageSize);
    const bool secure = Cp932::CutBytes(Cp932::FromUnicode(url), 8) == "https://";
    const QIcon icon(
        m_addressImages.value(secure ? BuiltinImages::AddressSecure : BuiltinImages::AddressPlain));
    m_wndAddressBar->insertItem(0, icon, url);
    m_wndAddressBar->setCurrentIndex(0);
    m_wndAddressBar->setEditText(url);
    while (m_wndAddressBar->count() > kAddressCapacity)
        m_wndAddressBar->removeItem(m_wndAddressBar->count() - 1);
}

void CMainFrame::SetFrameCaption(const QString& text)
{
    setWindowTitle(text);
}

void CMainFrame::UpdateCaption(int index, bool replaceQuestionMark)
{
    CZelvoView* view = TabView(index);
    if (!view) {
        setWindowTitle(QStringLiteral("Zelvo"));
        return;
    }
    const QString name = view->GetLocationName();
    const QString title = replaceQuestionMark ? TabLabels::DisplayTitle(name) : name;
    m_tabFrames.Frame(index)->setWindowTitle(title);
    setWindowTitle(title + QStringLiteral(" - Zelvo"));
}

void CMainFrame::OpenUrlInNewTab(const QString& url)
{
    if (CZelvoView* view = ActiveZelvoView())
        view->Navigate2(url, navOpenInNewWindow);
}

void CMainFrame::ActivateTab(int index)
{
    if (index < 0 || index >= m_tabFrames.Count())
        return;
    m_wndTabBar->setCurrentIndex(index);
    CChildFrame* frame = m_tabFrames.Frame(index);
    m_wndMDIClient->setActiveSubWindow(frame);
    if (!frame->isMaximized())
        frame->showMaximized();
}

void CMainFrame::OnTabClicked(int index)
{
    if (index < 0 || index >= m_tabFrames.Count())
        return;
    ActivateTab(index);
    if (CZelvoView* view = TabView(index))
        m_wndAddressBar->setEditText(view->GetLocationURL());
    RefreshTabLabels();
    UpdateCaption(index);
    emit commandRan(ToInt(CommandId::None));
}

void CMainFrame::OnNextTab(bool forward)
{
    const int i = FocusedTab();
    if (i < 0)
        return;
    const int n = TabCount();
    const int target = forward ? (i == n - 1 ? 0 : i + 1) : (i == 0 ? n - 1 : i - 1);
    ActivateTab(target);
    if (CZelvoView* view = TabView(target))
        m_wndAddressBar->setEditText(view->GetLocationURL());
}

void CMainFrame::OnTabLock()
{
    const int i = FocusedTab();
    if (i < 0)
        return;
    m_tabFrames.SetLocked(i, !IsTabLocked(i));
}

void CMainFrame::OnCloseTab()
{
    const int i = FocusedTab();
    const int n = TabCount();
    CChildFrame* active = m_tabFrames.Frame(i);
    if (i < 0 || !active || IsTabLocked(i))
        return;
    CZelvoView* view = ActiveZelvoView();
    const QString url = view ? StoredAddress::Encode(view->GetLocationURL()) : QString();
    TablistIni::SetDeleteTab(url);
    if (view)
        m_closedTabs.AddClosedTab(view->GetLocationName(), url);
    if (n > 1) {
        RemoveTab(active);
        if (view)
            view->CloseDocument();
        active->DestroyFrame();
        const int next = i >= n - 1 ? i - 1 : i;
        ActivateTab(next);
        if (CZelvoView* now = TabView(next)) {
            m_wndAddressBar->setEditText(now->GetLocationURL());
            // The caption as for any change of the active tab.
            UpdateCaption(next, true);
            now->put_RegisterAsBrowser(true);
        }
    } else {
        // The last tab is never closed; it is emptied instead.
        if (view)
            view->Navigate2(QStringLiteral("about:blank"));
        active->setWindowTitle(QStringLiteral("about:blank"));
    }
    SaveTabTitles(1);
}

void CMainFrame::OnDuplicateTab()
{
    if (TabCount() >= TablistIni::TabCount() - 1)
        return;
    if (CZelvoView* view = ActiveZelvoView())
        OpenUrlInNewTab(view->GetLocationURL());
}

void CMainFrame::OnTitleWatchTick()
{
    const QList<QByteArray> titles = StopListIni::Title().Load();
    if (titles.isEmpty())
        return;
    // At most one tab a tick, the first in tab order that is not loading.
    for (int i = 0; i < m_tabFrames.Count(); ++i) {
        CZelvoView* view = TabView(i);
        if (!view || view->GetBusy())
            continue;
        if (ForbiddenList::Matches(titles, view->GetLocationName())) {
            ActivateTab(i);
            SendCommand(ToInt(CommandId::TabClose));
            return;
        }
    }
}

void CMainFrame::OnConnect()
{
    if (CZelvoView* view = ActiveZelvoView())
        view->Navigate2(m_wndAddressBar->currentText());
}

void CMainFrame::OnAddressEnter()
{
    const QString text = m_wndAddressBar->lineEdit()->text();
    if (!text.isEmpty())
        OpenUrlInNewTab(text);
}

void CMainFrame::OnCopyData(const QByteArray& received)
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    CZelvoView* view = ActiveZelvoView();
    if (!view)
        return;
    const QByteArray text = CommandLine::HandOverText(received);
    view->Navigate2(text.isEmpty() ? view->GetLocationURL() : QString::fromUtf8(text),
                    navOpenInNewWindow);
}

void CMainFrame::BindTabCommands()
{
    auto bind = [this](CommandId id, CommandMap::Run run, CommandMap::Update update = {}) {
        m_commands.Bind(ToInt(id), std::move(run), std::move(update));
    };
    auto needsTabs = [this](CmdUI& ui) { ui.enabled = TabCount() > 0; };
    bind(CommandId::FileNewUnlimited, [this] { OnFileNew(); });
    bind(CommandId::FileNew, [this] { OnDuplicateTab(); });
    bind(
        CommandId::TabClose, [this] { OnCloseTab(); }, needsTabs);
    bind(
        CommandId::FileClose, [this] { OnCloseTab(); }, needsTabs);
    bind(CommandId::NextTab, [this] { OnNextTab(true); });
    bind(CommandId::PreviousTab, [this] { OnNextTab(false); });
    bind(
        CommandId::TabMoveRight, [this] { OnNextTab(true); },
        [this](CmdUI& ui) { ui.enabled = TabCount() >= 2 && FocusedTab() < TabCount() - 1; });
    bind(
        CommandId::TabMoveLeft, [this] { OnNextTab(false); },
        [this](CmdUI& ui) { ui.enabled = FocusedTab() > 0; });
    bind(
        CommandId::TabLock, [this] { OnTabLock(); },
        [this](CmdUI& ui) {
            ui.enabled = TabCount() > 0;
            ui.check = IsTabLocked(FocusedTab()) ? 1 : 0;
        });
    bind(CommandId::RefreshTabLabels, [this] { RefreshTabLabels(); });
    bind(
        CommandId::HideChildTabs, [] { SecurityIni::ToggleChileTab(); },
        [](CmdUI& ui) { ui.check = FlagChecked(SecurityIni::ChileTab()) ? 1 : 0; });
    bind(
        CommandId::Connect, [this] { OnConnect(); }, needsTabs);
    bind(CommandId::Ok, [this] { OnAddressEnter(); });
    bind(CommandId::AuthorHomePage, [this] {
        const QString url = TablistIni::HomeUrl();
        if (CZelvoView* view = ActiveZelvoView(); view && !url.isEmpty())
            view->Navigate2(url);
    });
    bind(
        CommandId::HelpIndex,
        [this] {
            OpenUrlInNewTab(
                QUrl::fromLocalFile(SettingsPath(QStringLiteral("help/index.html"))).toString());
        },
        needsTabs);
    connect(m_titleTimer, &QTimer::timeout, this, &CMainFrame::OnTitleWatchTick);
    connect(m_wndTabBar, &QTabBar::tabBarClicked, this, &CMainFrame::OnTabClicked);
}

void CMainFrame::BindBrowserCommands()
{
    // Carried out directly on the active tab's browser, after the routing check.
    auto onView = [this](CommandId id, std::function<void(CZelvoView*)> run,
                         CommandMap::Update update = {}) {
        m_commands.Bind(
            ToInt(id),
            [this, run] {
                if (CZelvoView* view = ActiveZelvoView())
                    run(view);
            },
            update ? update : [this](CmdUI& ui) { ui.enabled = ActiveZelvoView() != nullptr; });
    };
    onView(
        CommandId::GoForward, [](CZelvoView* v) { v->GoForward(); },
        [this](CmdUI& ui) { ui.enabled = m_tabFrames.CanGoForward(FocusedTab()); });
    onView(
        CommandId::GoBack, [](CZelvoView* v) { v->GoBack(); },
        [this](CmdUI& ui) { ui.enabled = m_tabFrames.CanGoBack(FocusedTab()); });
    onView(CommandId::GoHome, [](CZelvoView* v) { v->GoHome(); });
    onView(CommandId::Refresh, [](CZelvoView* v) { v->Refresh(); });
    onView(CommandId::RefreshCompletely, [](CZelvoView* v) { v->Refresh2(REFRESH_COMPLETELY); });
    onView(CommandId::Stop, [this](CZelvoView* v) {
        v->Stop();
        RefreshTabLabels();
        const QString name = v->GetLocationName();
        setWindowTitle(name);
        SetTabCaption(v, name);
        AddAddressHistory(v->GetLocationURL());
    });
    const std::pair<CommandId, int> exec[] = {{CommandId::PrintPreview, OLECMDID_PRINTPREVIEW},
                                              {CommandId::PageSetup, OLECMDID_PAGESETUP},
                                              {CommandId::PageProperties, OLECMDID_PROPERTIES},
                                              {CommandId::SelectAll, OLECMDID_SELECTALL},
                                              {CommandId::EditUndo, OLECMDID_UNDO},
                                              {CommandId::EditRedo, OLECMDID_REDO},
                                              {CommandId::EditCut, OLECMDID_CUT},
                                              {CommandId::EditCopy, OLECMDID_COPY},
                                              {CommandId::EditPaste, OLECMDID_PASTE}};
    for (const auto& [id, cmd] : exec) {
        const int ole = cmd;
        const bool quiet = ole >= OLECMDID_CUT && ole != OLECMDID_UNDO && ole != OLECMDID_REDO;
        onView(id, [ole, quiet](CZelvoView* v) {
            v->ExecWB(ole, quiet ? OLECMDEXECOPT_DONTPROMPTUSER : OLECMDEXECOPT_DODEFAULT);
        });
    }
}

void CMainFrame::BindViewCommands()
{
    // The view's own commands reach the active tab's view; without one they are disabled.
    using C = CommandId;
    static const C kViewCommands[] = {
        C::TextSizeSmallest, C::TextSizeSmaller,    C::TextSizeMedium,
        C::TextSizeLarger,   C::TextSizeLargest,    C::StatusUrlOnly,
        C::NavigateLock,     C::AlwaysMosaicFilter, C::FavoritesHtmlAtStart,
        C::FileOpen,         C::FileSaveAs,         C::FilePrint,
        C::PrintPage,        C::ViewSource,         C::Search};
    for (CommandId command : kViewCommands) {
        const int id = ToInt(command);
        m_commands.Bind(
            id,
            [this, id] {
                if (CZelvoView* view = ActiveZelvoView())
                    view->OnCommand(id);
            },
            [this, id](CmdUI& ui) {
                CZelvoView* view = ActiveZelvoView();
                if (!view) {
                    ui.enabled = false;
                    return;
                }
                ui = view->OnUpdateCommand(id);
            });
    }
}
