#include "pagetools/FrameTools.h"

#include "pagetools/ScriptRunner.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"

#include <QPointer>
#include <QTimer>
#include <QVariantMap>

namespace FrameTools {
namespace {

constexpr int kSourceRelabelMs = 300;
constexpr int kSplitPauseMs = 500;

// Runs a mode of the frame script; a page whose frames cannot be listed shows
// the failure, any other result goes to done.
void RunFrames(CZelvoView& view, QJsonObject args,
               std::function<void(CZelvoView&, const QVariantMap&)> done = {})
{
    QPointer<CZelvoView> target(&view);
    ScriptRunner::Run(view, QStringLiteral("FrameTools"), args,
                      [target, done](const QVariant& result) {
                          if (!target)
                              return;
                          if (!result.canConvert<QVariantMap>()) {
                              ScriptRunner::ShowFailure(*target);
                              return;
                          }
                          if (done)
                              done(*target, result.toMap());
                      });
}

void OpenNext(QPointer<CZelvoView> view, QStringList urls)
{
    if (!view || urls.isEmpty())
        return;
    view->Navigate2(urls.takeFirst(), navOpenInNewWindow);
    if (!urls.isEmpty())
        QTimer::singleShot(kSplitPauseMs, view, [view, urls] { OpenNext(view, urls); });
}

} // namespace

void SourcePreview(CZelvoView& view, std::function<void()> relabel)
{
    view.Navigate2(QStringLiteral("view-source:") + view.GetLocationURL());
    QTimer::singleShot(kSourceRelabelMs, &view, std::move(relabel));
}

void RefreshFrames(CZelvoView& view)
{
    RunFrames(view, {{"mode", "refresh"}});
}

void ConnectFrames(CZelvoView& view, const QString& url)
{
    if (url.isEmpty()) {
        CHtmlView::DialogHold hold(view);
        ShowMessageBox(&view, QStringLiteral("アドレスバーに何も記入されていません！"), QString(),
                       MbIcon::Exclamation);
        return;
    }
    RunFrames(view, {{"mode", "connect"}, {"url", url}});
}

void SplitFrames(CZelvoView& view)
{
    RunFrames(view, {{"mode", "list"}}, [](CZelvoView& v, const QVariantMap& result) {
        QStringList urls = result.value("frames").toStringList();
        urls.removeAll(QString());
        OpenNext(&v, urls);
    });
}

void Scroll(CZelvoView& view, ScrollTo to)
{
    RunFrames(view, {{"mode", "scroll"}, {"top", to == ScrollTo::Top}});
}

void LinkToolTips(CZelvoView& view)
{
    RunFrames(view, {{"mode", "links"}});
}

void InputToolTips(CZelvoView& view)
{
    RunFrames(view, {{"mode", "inputs"}});
}

} // namespace FrameTools
