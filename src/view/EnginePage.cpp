#include "view/EnginePage.h"

#include "platform/MessageBox.h"
#include "view/CHtmlView.h"

#include <QRandomGenerator>
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
    // a world of our own, which the page cannot see or reach, takes the click
    // and reports the link; the view decides and runs it. The mark keeps the
    // page from posing as that script.
    m_scriptLinkMark = QStringLiteral("zelvo-script-link-%1:")
                           .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    QWebEngineScript script;
    script.setName(QStringLiteral("zelvo-script-links"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(QStringLiteral(R"((function () {
  var mark = '%1';
  window.addEventListener('click', function (e) {
    if (e.defaultPrevented || e.button !== 0 || e.ctrlKey || e.shiftKey || e.metaKey)
      return;
    var link = e.target && e.target.closest ? e.target.closest('a[href], area[href]') : null;
    if (!link || !/^\s*javascript:/i.test(link.getAttribute('href')))
      return;
    e.preventDefault();
    console.log(mark + link.getAttribute('href').trim());
  }, false);
})();)")
                             .arg(m_scriptLinkMark));
    scripts().insert(script);
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
    if (!m_silent)
        ShowMessageBox(&m_view, msg, DialogCaption(securityOrigin), MbIcon::Exclamation);
}

bool EnginePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (m_silent)
        return false;
    return ShowMessageBox(&m_view, msg, DialogCaption(securityOrigin), MbIcon::Question,
                          MbButtons::OkCancel) == MbAnswer::Ok;
}

bool EnginePage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                  const QString& defaultValue, QString* result)
{
    if (m_silent)
        return false;
    return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}

void EnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                          const QString& message, int lineNumber,
                                          const QString& sourceID)
{
    if (message.startsWith(m_scriptLinkMark)) {
        m_view.PageScriptLink(message.mid(m_scriptLinkMark.size()));
        return;
    }
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
}
