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

QString NewMark(const char* name)
{
    return QStringLiteral("zelvo-%1-%2 ")
        .arg(QLatin1String(name))
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Held clicks and submissions of script addresses, in a world of our own.
// %1: the mark of its reports.
const char* const kScriptLinkWatch = R"((function () {
  var mark = '%1', held = {};
  var svg = 'http://www.w3.org/2000/svg', xlink = 'http://www.w3.org/1999/xlink';
  var formAction = Object.getOwnPropertyDescriptor(HTMLFormElement.prototype, 'action').get;
  function scriptAddress(text, base) {
    try {
      var url = new URL(text, base);
      return url.protocol === 'javascript:' ? url.href : null;
    } catch (e) {
      return null;
    }
  }
  function linkOf(e) {
    var path = e.composedPath ? e.composedPath() : [e.target];
    for (var i = 0; i < path.length; ++i) {
      var n = path[i];
      if (!n || (n.localName !== 'a' && n.localName !== 'area'))
        continue;
      var href = n.getAttribute('href');
      if (href === null && n.namespaceURI === svg)
        href = n.getAttributeNS(xlink, 'href');
      if (href !== null)
        return {node: n, href: scriptAddress(href, n.baseURI)};
    }
    return null;
  }
  // Decided at the target, after the page's own handlers there have had
  // their say.
  function hold(e, target, href) {
    target.addEventListener(e.type, function decide(ev) {
      target.removeEventListener(e.type, decide, false);
      if (ev !== e || ev.defaultPrevented)
        return;
      ev.preventDefault();
      var id = Math.random().toString(36).slice(2) + Date.now().toString(36);
      held[id] = href;
      console.log(mark + (window === window.top ? 'top ' : 'sub ') + id + ' ' + href);
    }, false);
  }
  // Found on the way down, so that neither shadow trees nor a stopped
  // propagation hide the link.
  window.addEventListener('click', function (e) {
    var link = linkOf(e);
    if (e.button === 0 && link && link.href)
      hold(e, link.node, link.href);
  }, true);
  window.addEventListener('submit', function (e) {
    var form = e.target, by = e.submitter;
    var action = by && by.hasAttribute('formaction') ? by.formAction : formAction.call(form);
    var href = scriptAddress(action, form.baseURI);
    if (href)
      hold(e, form, href);
  }, true);
  window.addEventListener('message', function (e) {
    var id = e.data && e.data.zelvoScriptLink;
    if (e.source !== window.top || typeof id !== 'string' || !(id in held))
      return;
    var href = held[id];
    delete held[id];
    location.href = href;
  }, false);
})();)";

// Runs in the page's own world before its scripts, for what only that world
// can catch: window.open and form.submit() with script addresses and, when
// guarded, every other way a page runs one (the engine asks nobody about
// them). Guarding makes each document require trusted types with a default
// policy of ours, which lets everything through but script addresses; frames
// get the same while they still hold their first, empty document.
// %1: the mark of its reports; %2: guarded.
const char* const kPageGuard = R"((function () {
  var mark = '%1', guarded = %2;
  var apply = Reflect.apply, log = console.log, con = console, random = Math.random;
  var now = Date.now, Url = URL;
  var nativeOpen = window.open, formProto = HTMLFormElement.prototype;
  var nativeSubmit = formProto.submit;
  var formAction = Object.getOwnPropertyDescriptor(formProto, 'action').get;
  var held = {}, allowances = [];
  function scriptAddress(text, base) {
    try {
      var url = new Url(String(text), base);
      return url.protocol === 'javascript:' ? url.href : null;
    } catch (e) {
      return null;
    }
  }
  function report(kind, href, w) {
    var id = random().toString(36).slice(2) + now().toString(36);
    if (w)
      held[id] = {href: href, w: w};
    apply(log, con, [mark + kind + ' ' + id + ' ' + href]);
  }
  function kindOf(w) {
    return w === w.top ? 'top' : 'sub';
  }
  function listen(w) {
    w.addEventListener('message', function (e) {
      var id = e.data && e.data.zelvoScriptLink;
      if (e.source !== w.top || typeof id !== 'string' || !(id in held) || held[id].w !== w)
        return;
      var href = held[id].href;
      delete held[id];
      if (guarded)
        allowances.push(w);
      w.location.href = href;
    }, false);
  }
  window.open = function (url) {
    var href = url === undefined ? null : scriptAddress(url, document.baseURI);
    if (href === null)
      return apply(nativeOpen, this == null ? window : this, arguments);
    report('window', href, null);
    return null;
  };
  formProto.submit = function () {
    var href = scriptAddress(apply(formAction, this, []), document.baseURI);
    if (href === null)
      return apply(nativeSubmit, this, arguments);
    report(kindOf(window), href, window);
  };
  listen(window);
  if (!guarded)
    return;
  var createElement = Document.prototype.createElement;
  var setAttribute = Element.prototype.setAttribute;
  var insertBefore = Node.prototype.insertBefore, removeChild = Node.prototype.removeChild;
  var selectAll = Element.prototype.querySelectorAll;
  function pass(s) {
    return s;
  }
  function arm(w) {
    try {
      var types = w.trustedTypes;
      if (!types || types.defaultPolicy)
        return false;
      types.createPolicy('default', {
        createHTML: pass,
        createScriptURL: pass,
        createScript: function (s, type, sink) {
          if (sink !== 'Location href')
            return s;
          var allowed = allowances.indexOf(w);
          if (allowed >= 0) {
            allowances.splice(allowed, 1);
            return s;
          }
          report(kindOf(w), 'javascript:' + s, w);
          return null;
        }
      });
      return true;
    } catch (e) {
      return false;
    }
  }
  // A policy delivered by a meta element stays after the element is gone.
  function requireTypes(doc) {
    var root = doc.documentElement;
    if (!root)
      return false;
    var head = doc.head, made = null;
    if (!head) {
      made = head = apply(createElement, doc, ['head']);
      apply(insertBefore, root, [head, root.firstChild]);
    }
    var meta = apply(createElement, doc, ['meta']);
    apply(setAttribute, meta, ['http-equiv', 'Content-Security-Policy']);
    apply(setAttribute, meta, ['content', "require-trusted-types-for 'script'"]);
    apply(insertBefore, head, [meta, null]);
    apply(removeChild, head, [meta]);
    if (made)
      apply(removeChild, root, [made]);
    return true;
  }
  function armFrame(node) {
    try {
      var w = node.contentWindow;
      if (w && arm(w)) {
        requireTypes(w.document);
        listen(w);
      }
    } catch (e) {
    }
  }
  function armFrames(node) {
    if (node.nodeType !== 1)
      return;
    if (node.localName === 'iframe' || node.localName === 'frame')
      armFrame(node);
    var frames = apply(selectAll, node, ['iframe,frame']);
    for (var i = 0; i < frames.length; ++i)
      armFrame(frames[i]);
  }
  if (!arm(window))
    return;
  var required = requireTypes(document);
  new MutationObserver(function (records) {
    if (!required)
      required = requireTypes(document);
    for (var i = 0; i < records.length; ++i) {
      var r = records[i];
      if (r.type === 'attributes')
        armFrames(r.target);
      for (var k = 0; k < r.addedNodes.length; ++k)
        armFrames(r.addedNodes[k]);
    }
  }).observe(document,
             {childList: true, subtree: true, attributes: true, attributeFilter: ['src']});
})();)";

bool IsReport(const QString& message, const QString& mark)
{
    return !mark.isEmpty() && message.startsWith(mark);
}

} // namespace

EnginePage::EnginePage(QWebEngineProfile* profile, CHtmlView& view)
    : QWebEnginePage(profile, &view), m_view(view)
{
    // Pop-ups are decided by the view's new-window event, not by the engine.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    setUrlRequestInterceptor(&m_downloadControl);
    WatchScriptLinks();
    WatchPageScripts();
}

void EnginePage::WatchScriptLinks()
{
    // The engine runs a clicked script link without asking first. A script in
    // a world of our own, which pages can neither see nor reach, holds the
    // click back in every frame and reports the link; once the view allows
    // it, the link runs in its own frame. The mark keeps pages from posing as
    // that script; the number of each click is good for that click only.
    m_scriptLinkMark = NewMark("script-link");
    QWebEngineScript script;
    script.setName(QStringLiteral("zelvo-script-links"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QString::fromUtf8(kScriptLinkWatch).arg(m_scriptLinkMark));
    scripts().insert(script);
}

void EnginePage::WatchPageScripts()
{
    if (m_pageMark.isEmpty())
        m_pageMark = NewMark("page");
    else
        scripts().remove(m_pageScript);
    m_pageScript = QWebEngineScript();
    m_pageScript.setName(QStringLiteral("zelvo-page-guard"));
    m_pageScript.setWorldId(QWebEngineScript::MainWorld);
    m_pageScript.setInjectionPoint(QWebEngineScript::DocumentCreation);
    m_pageScript.setRunsOnSubFrames(true);
    m_pageScript.setSourceCode(
        QString::fromUtf8(kPageGuard)
            .arg(m_pageMark, m_guarded ? QStringLiteral("true") : QStringLiteral("false")));
    scripts().insert(m_pageScript);
}

void EnginePage::GuardScriptAddresses(bool on)
{
    if (on == m_guarded)
        return;
    m_guarded = on;
    WatchPageScripts();
}

void EnginePage::RunScriptLink(const QString& id)
{
    // Every frame hears it; only the one holding the address acts.
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
    // The zone store is shared with other processes: read it with every page.
    m_downloadControl.apply(word, ZoneStore::ForEngine(), settings());
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
    if (m_silent || m_view.m_sequence.IsMuted())
        return;
    CHtmlView::DialogHold hold(m_view);
    ShowMessageBox(&m_view, msg, DialogCaption(securityOrigin), MbIcon::Exclamation);
}

bool EnginePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (m_silent || m_view.m_sequence.IsMuted())
        return false;
    CHtmlView::DialogHold hold(m_view);
    return ShowMessageBox(&m_view, msg, DialogCaption(securityOrigin), MbIcon::Question,
                          MbButtons::OkCancel) == MbAnswer::Ok;
}

bool EnginePage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                                  const QString& defaultValue, QString* result)
{
    if (m_silent || m_view.m_sequence.IsMuted())
        return false;
    CHtmlView::DialogHold hold(m_view);
    return QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}

QStringList EnginePage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                    const QStringList& acceptedMimeTypes)
{
    if (m_view.m_sequence.IsMuted())
        return {};
    CHtmlView::DialogHold hold(m_view);
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

void EnginePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                          const QString& message, int lineNumber,
                                          const QString& sourceID)
{
    const bool link = IsReport(message, m_scriptLinkMark);
    if (!link && !IsReport(message, m_pageMark)) {
        QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
        return;
    }
    // "top|sub|window <report> <address>"
    const QString mark = link ? m_scriptLinkMark : m_pageMark;
    const QStringList parts = message.mid(mark.size()).split(QLatin1Char(' '));
    if (parts.size() < 3 || parts[1].isEmpty() ||
        parts[1].contains(QRegularExpression(QStringLiteral("[^0-9a-z]"))))
        return;
    const QString href = parts.mid(2).join(QLatin1Char(' '));
    if (parts[0] == QLatin1String("window")) {
        if (!link)
            m_view.PageScriptWindow(href);
        return;
    }
    m_view.PageScriptLink(href, parts[0] == QLatin1String("top"), parts[1]);
}
