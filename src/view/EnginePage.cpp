#include "view/EnginePage.h"

#include "platform/MessageBox.h"
#include "view/CHtmlView.h"

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
