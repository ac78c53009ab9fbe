#include "frame/PocketCommands.h"

#include "commands/CommandId.h"
#include "core/PocketLinks.h"
#include "frame/CMainFrame.h"
#include "ini/PoketIni.h"
#include "panes/CDelTree.h"
#include "panes/CDockTabBar.h"
#include "panes/CPoket.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QVariantMap>

namespace {

// Runs in the isolated world: the selection of the page and of its frames,
// the page address and the addresses of its links.
constexpr const char* kSelectionScript = R"((function () {
    function read(w) {
        var s = w.getSelection();
        var box = w.document.createElement('div');
        for (var i = 0; s && i < s.rangeCount; ++i)
            box.appendChild(s.getRangeAt(i).cloneContents());
        return { html: box.innerHTML, text: s ? s.toString() : '' };
    }
    var page = read(window);
    var frameText = '';
    for (var i = 0; i < window.frames.length; ++i) {
        try { frameText = read(window.frames[i]).text; } catch (e) {}
    }
    var anchors = [];
    var links = document.getElementsByTagName('a');
    for (var k = 0; k < links.length; ++k)
        anchors.push(links[k].href || '');
    return { html: page.html, text: page.text, frameText: frameText,
             url: document.URL, anchors: anchors };
})())";

// Addresses are opened one after another, this far apart.
constexpr int kOpenSpacingMs = 300;

struct PageSelection {
    QString html;
    QString text;
    QString frameText;
    QString url;
    QStringList anchors;
};

void ReadSelection(CZelvoView& view, QObject* context,
                   std::function<void(const PageSelection&)> done)
{
    QPointer<QObject> alive(context);
    view.GetPage()->runJavaScript(QString::fromLatin1(kSelectionScript),
                                  QWebEngineScript::ApplicationWorld,
                                  [alive, done](const QVariant& result) {
                                      if (!alive)
                                          return;
                                      const QVariantMap map = result.toMap();
                                      done({map.value(QStringLiteral("html")).toString(),
                                            map.value(QStringLiteral("text")).toString(),
                                            map.value(QStringLiteral("frameText")).toString(),
                                            map.value(QStringLiteral("url")).toString(),
                                            map.value(QStringLiteral("anchors")).toStringList()});
                                  });
}

void Added(CMainFrame& frame, const QString& text)
{
    frame.RefreshPocket();
    ShowMessageBox(&frame, text, QStringLiteral("Zelvo"), MbIcon::Information);
}

void OnAddAddress(CMainFrame& frame)
{
    // The box's text as it stands, empty or not.
    PoketIni::Append(frame.m_wndAddressBar->currentText());
    Added(frame, QStringLiteral("ポケットに追加しました！"));
}

void OnAddSelectionLinks(CMainFrame& frame, CZelvoView& view)
{
    ReadSelection(view, &frame, [f = &frame](const PageSelection& s) {
        if (s.html.isEmpty())
            return;
        for (const QString& address : PocketLinks(s.html, s.url, s.anchors))
            PoketIni::Append(address);
        Added(*f, QStringLiteral("ポケットに追加しました。"));
    });
}

void OnAddSelectionText(CMainFrame& frame, CZelvoView& view)
{
    ReadSelection(view, &frame, [f = &frame](const PageSelection& s) {
        const QString text = s.text.isEmpty() ? s.frameText : s.text;
        if (text.isEmpty()) {
            ShowMessageBox(f, QStringLiteral("ポケットできません！"), QStringLiteral("Zelvo"),
                           MbIcon::Exclamation);
            return;
        }
        if (ShowMessageBox(f, text, QStringLiteral("下記をポケットに追加しますか？"),
                           MbIcon::Question, MbButtons::YesNo) != MbAnswer::Yes)
            return;
        PoketIni::Append(text);
        Added(*f, QStringLiteral("ポケットに追加しました。"));
    });
}

void OnAddClipboard(CMainFrame& frame)
{
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    if (text.isEmpty()) {
        ShowMessageBox(&frame, QStringLiteral("ポケットできません！"), QStringLiteral("Zelvo"),
                       MbIcon::Exclamation);
        return;
    }
    PoketIni::Append(text);
    Added(frame, QStringLiteral("ポケットに追加しました。"));
}

void OpenNext(QPointer<CMainFrame> frame, QStringList addresses)
{
    if (!frame)
        return;
    if (addresses.isEmpty()) {
        frame->SendCommand(CommandId::PocketClear);
        return;
    }
    frame->OpenUrlInNewTab(addresses.takeFirst());
    QTimer::singleShot(kOpenSpacingMs, frame, [frame, addresses] { OpenNext(frame, addresses); });
}

void OnRun(CMainFrame& frame)
{
    const int n = PoketIni::Count();
    const QString question =
        QStringLiteral("ポケットの数は、%1ですが、これらを全て開きますか？").arg(n);
    if (ShowMessageBox(&frame, question, QStringLiteral("確認"), MbIcon::Question,
                       MbButtons::YesNo) != MbAnswer::Yes) {
        frame.SendCommand(CommandId::PocketClear);
        return;
    }
    // Only plain http addresses are opened; the rest go with the emptying.
    QStringList addresses;
    for (int key = 1; key <= n; ++key) {
        const QString address = PoketIni::Address(key, 1000);
        if (address.contains(QLatin1String("http://")))
            addresses.append(address);
    }
    OpenNext(&frame, addresses);
}

void WirePanes(CMainFrame& frame)
{
    CDockTabBar* bar = frame.DockBar();
    if (!bar)
        return;
    if (CDelTree* closed = bar->GetViewByClass<CDelTree>()) {
        closed->SetList(&frame.ClosedTabs());
        QObject::connect(closed, &CDelTree::openRequested, &frame,
                         [f = &frame](const QString& url) { f->OpenUrlInNewTab(url); });
    }
    if (CPoket* pocket = bar->GetViewByClass<CPoket>()) {
        QObject::connect(pocket, &CPoket::openRequested, &frame,
                         [f = &frame](const QString& url) { f->OpenUrlInNewTab(url); });
        QObject::connect(pocket, &CPoket::menuRequested, &frame, [f = &frame](const QPoint& pos) {
            QMenu* menu = f->BuildPopupMenu(MenuId::Pocket);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(pos);
        });
    }
}

} // namespace

void CMainFrame::RefreshPocket()
{
    if (CPoket* pocket = m_wndDockBar ? m_wndDockBar->GetViewByClass<CPoket>() : nullptr)
        pocket->Refresh();
}

void BindPocketCommands(CMainFrame& frame)
{
    WirePanes(frame);
    CommandMap& commands = frame.Commands();
    CMainFrame* f = &frame;
    auto hasView = [f](CmdUI& ui) { ui.enabled = f->ActiveZelvoView() != nullptr; };
    auto onView = [f](void (*run)(CMainFrame&, CZelvoView&)) {
        return [f, run] {
            if (CZelvoView* view = f->ActiveZelvoView())
                run(*f, *view);
        };
    };
    commands.Bind(
        ToInt(CommandId::PocketAddAddress), [f] { OnAddAddress(*f); }, hasView);
    commands.Bind(ToInt(CommandId::PocketAddSelectionLinks), onView(OnAddSelectionLinks), hasView);
    commands.Bind(ToInt(CommandId::PocketAddSelectionText), onView(OnAddSelectionText), hasView);
    commands.Bind(ToInt(CommandId::PocketAddClipboard), [f] { OnAddClipboard(*f); });
    commands.Bind(
        ToInt(CommandId::PocketRun), [f] { OnRun(*f); }, hasView);
    commands.Bind(ToInt(CommandId::PocketClear), [f] {
        PoketIni::Clear();
        f->RefreshPocket();
    });
    commands.Bind(
        ToInt(CommandId::PocketRunChecked),
        [f] {
            if (CPoket* pocket = f->DockBar()->GetViewByClass<CPoket>())
                pocket->OnRunChecked();
        },
        [f](CmdUI& ui) { ui.enabled = f->DockBar()->GetViewByClass<CPoket>() != nullptr; });
}
