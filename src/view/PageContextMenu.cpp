#include "view/PageContextMenu.h"

#include "view/CHtmlView.h"
#include "view/EnginePage.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QWebEngineContextMenuRequest>

namespace {

using EditFlag = QWebEngineContextMenuRequest::EditFlag;

PageMenuContext ContextOf(const QWebEngineContextMenuRequest& request)
{
    PageMenuContext context;
    context.link = request.linkUrl().isValid();
    context.image = request.mediaType() == QWebEngineContextMenuRequest::MediaTypeImage;
    context.editable = request.isContentEditable();
    context.selection = !request.selectedText().isEmpty();
    return context;
}

void CopyAddress(const QUrl& url)
{
    QGuiApplication::clipboard()->setText(url.toString());
}

void Run(CHtmlView& view, PageMenuItem item, const QUrl& link, const QUrl& media)
{
    QWebEnginePage* page = view.GetPage();
    switch (item) {
    case PageMenuItem::Separator:
        break;
    case PageMenuItem::Back:
        view.GoBack();
        break;
    case PageMenuItem::Forward:
        view.GoForward();
        break;
    case PageMenuItem::Refresh:
        view.Refresh();
        break;
    case PageMenuItem::SaveAs:
        view.ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DODEFAULT);
        break;
    case PageMenuItem::ViewSource:
        view.ViewSource();
        break;
    case PageMenuItem::Cut:
        page->triggerAction(QWebEnginePage::Cut);
        break;
    case PageMenuItem::Copy:
        page->triggerAction(QWebEnginePage::Copy);
        break;
    case PageMenuItem::Paste:
        page->triggerAction(QWebEnginePage::Paste);
        break;
    case PageMenuItem::SelectAll:
        page->triggerAction(QWebEnginePage::SelectAll);
        break;
    case PageMenuItem::OpenLinkInNewTab:
        view.Navigate2(link.toString(QUrl::FullyEncoded), navOpenInNewWindow);
        break;
    case PageMenuItem::CopyLinkAddress:
        CopyAddress(link);
        break;
    case PageMenuItem::SaveImageAs:
        // Reaches the profile's download handling, which asks where to save.
        page->triggerAction(QWebEnginePage::DownloadImageToDisk);
        break;
    case PageMenuItem::CopyImage:
        page->triggerAction(QWebEnginePage::CopyImageToClipboard);
        break;
    case PageMenuItem::CopyImageAddress:
        CopyAddress(media);
        break;
    }
}

} // namespace

QMenu* PageContextMenu::Create(CHtmlView& view, const QWebEngineContextMenuRequest& request)
{
    auto* menu = new QMenu(&view);
    menu->setObjectName(QStringLiteral("pageContextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<CHtmlView> target(&view);
    const QUrl link = request.linkUrl();
    const QUrl media = request.mediaUrl();
    for (const PageMenuItem item : PageMenuItems::For(ContextOf(request))) {
        if (item == PageMenuItem::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(PageMenuItems::Text(item));
        action->setEnabled(IsEnabled(view, request, item));
        QObject::connect(action, &QAction::triggered, menu, [target, item, link, media] {
            if (target)
                Run(*target, item, link, media);
        });
    }
    return menu;
}

bool PageContextMenu::IsEnabled(const CHtmlView& view, const QWebEngineContextMenuRequest& request,
                                PageMenuItem item)
{
    const auto flags = request.editFlags();
    switch (item) {
    case PageMenuItem::Back:
        return view.CanGoBack();
    case PageMenuItem::Forward:
        return view.CanGoForward();
    case PageMenuItem::SaveAs:
        return !view.GetLocationURL().isEmpty();
    case PageMenuItem::ViewSource:
        return !HtmlView::ViewSourceUrl(QUrl(view.GetLocationURL())).isEmpty();
    case PageMenuItem::Cut:
        return flags.testFlag(EditFlag::CanCut);
    case PageMenuItem::Copy:
        return flags.testFlag(EditFlag::CanCopy);
    case PageMenuItem::Paste:
        return flags.testFlag(EditFlag::CanPaste);
    case PageMenuItem::CopyImage:
        return request.mediaUrl().isValid();
    default:
        return true;
    }
}
