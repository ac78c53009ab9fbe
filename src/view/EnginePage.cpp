#include "view/EnginePage.h"

#include "platform/MessageBox.h"
#include "view/CHtmlView.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

QString DialogCaption(const QUrl& securityOrigin)
{
    return securityOrigin.toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
}

} // namespace

EnginePage::EnginePage(QWebEngineProfile* profile, CHtmlView& view)
    : QWebEnginePage(profile, &view), m_view(view)
{
    // Pop-ups are decided by the view's new-window event, not by the engine.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    setUrlRequestInterceptor(&m_downloadControl);
    WatchScriptLinks();
}

void EnginePage::WatchScriptLinks()
{
    // The engine runs a clicked script link without asking first. A script in
    // a world of our own, which pages can neither see nor reach, holds the
    // click back in every frame and reports the link; once the view allows
    // it, the link runs in its own frame. The mark keeps pages from posing as
    // that script; the number of each click is good for that click only.
    m_scriptLinkMark = QStringLiteral("zelvo-script-link-%1 ")
                           .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    QWebEngineScript script;
    script.setName(QStringLiteral("zelvo-script-links"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral(R"((function () {
  var mark = '%1', held = {};
  function linkOf(e) {
    var path = e.composedPath ? e.composedPath() : [e.target];
    for (var i = 0; i < path.length; ++i) {
      var n = path[i];
      if (n && (n.localName === 'a' || n.localName === 'area') && n.hasAttribute('href'))
        return n;
    }
    return null;
  }
  // Found on the way down, so that neither shadow trees nor a stopped
  // propagation hide the link; decided at the link itself, after the page's
  // own handlers there have had their say.
  window.addEventListener('click', function (e) {
    var link = linkOf(e);
    if (e.button !== 0 || !link || link.protocol !== 'javascript:')
      return;
    link.addEventListener('click', function decide(ev) {
      link.removeEventListener('click', decide, false);
      if (ev !== e || ev.defaultPrevented)
        return;
      ev.preventDefault();
      var id = Math.random().toString(36).slice(2) + Date.now().toString(36);
      held[id] = link.href;
      console.log(mark + (window === window.top ? 'top ' : 'sub ') + id + ' ' + held[id]);
    }, false);
  }, true);
  window.addEventListener('message', function (e) {
    var id = e.data && e.data.zelvoScriptLink;
    if (e.source !== window.top || typeof id !== 'string' || !(id in held))
      return;
    var href = held[id];
    delete held[id];
    location.href = href;
  }, false);
})();)")
                             .arg(m_scriptLinkMark));
    scripts().insert(script);
}

void EnginePage::RunScriptLink(const QString& id)
{
    // Every frame hears it; only the one holding the click acts.
    runJavaScript(QStringLiteral(R"((function post(w) {
  try { w.postMessage({zelvoScriptLink: '%1'}, '*'); } catch (e) {}
  for (var i = 0; i < w.frames.length; ++i) post(w.frames[i]);
})(window);)")
                      .arg(id),
                  QWebEngineScript::ApplicationWorld);
}

EnginePage::~EnginePage()
{
    setUrlRequestInterceptor(nullptr);
}

void EnginePage::setDownloadControl(quint32 word)
{
    m_downloadControl.apply(word, settings());
}

bool EnginePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return m_view.PageBeforeNavigate(url, type, isMainFrame);
}

QWebEnginePage* EnginePage::createWindow(WebWindowType)
{
    return m_view.PageCreateWindow();
}

void EnginePage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    // A closed tab's page asks nothing more.
    if (m_silent || m_view.m_muted)
        return;
    CHtmlView::DialogHold hold(m_view);
    ShowMessageBox(&m_view, msg, DialogCaption(securityOrigin), MbIcon::Exclamation);
}

bool EnginePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (m_silent || m_view.m_muted)
        return false;
    CHtmlView::DialogHold hold(m_view);
    return ShowMessageBox(&m_view, msg, DialogCaption(securityOrigin), MbIcon::Question,
                          MbButtons::OkCancel) == MbAnswer::Ok;
}

bool EnginePage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                  const QString& defaultValue, QString* result)
{
    if (m_silent || m_view.m_muted)
        return false;
    CHtmlView::DialogHold hold(m_view);
    return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}

QStringList EnginePage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                    const QStringList& acceptedMimeTypes)
{
    if (m_view.m_muted)
        return {};
    CHtmlView::DialogHold hold(m_view);
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

void EnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                          const QString& message, int lineNumber,
                                          const QString& sourceID)
{
    if (!message.startsWith(m_scriptLinkMark)) {
        QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
        return;
    }
    // "top|sub <click> <link>"
    const QStringList parts = message.mid(m_scriptLinkMark.size()).split(QLatin1Char(' '));
    if (parts.size() < 3 || parts[1].isEmpty() ||
        parts[1].contains(QRegularExpression(QStringLiteral("[^0-9a-z]"))))
        return;
    const QString href = parts.mid(2).join(QLatin1Char(' '));
    m_view.PageScriptLink(href, parts[0] == QLatin1String("top"), parts[1]);
}
