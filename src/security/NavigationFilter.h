#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The settings the filter acts on, as stored (flags keep their raw values).
struct FilterSettings {
    int urlSecurity = 0;       // Security.ini [Security] url_sec
    int mailto = 0;            // Security.ini [Security] mailto
    QString extensionFilter;   // Security.ini [Security] filter
    int mediaPlayer = 0;       // Security.ini [media] setting
    int forbiddenUrlCheck = 0; // StopUrl.ini [Security] check
};

// The lists and templates the filter compares with and fills in.
struct FilterLists {
    QList<QByteArray> forbiddenUrls; // StopUrl.ini, as stored
    QByteArray mediaTemplate;        // Zelvo.dat
    QByteArray realOneTemplate;      // Zelvo2.dat
};

// The program-wide navigate lock, seen from the view being navigated.
struct NavigateLockState {
    bool on = false;
    QString lockedUrl;
    // This view is already on its way back to the locked address: a locked
    // page that redirects elsewhere must not send it round again.
    bool returning = false;
};

enum class FrameKind { Top, Sub };

enum class PlayerKind { None, WindowsMedia, RealOne };

enum class NavigationOutcome {
    GoOn,
    RefuseWithScriptMessage,
    RefuseSilently,
    AskExtension,
    PlayerPage,
    RefuseAndCloseTab,
    RedirectToLocked,
};

struct NavigationDecision {
    NavigationOutcome outcome = NavigationOutcome::GoOn;
    // AskExtension: the tail shown as the caption, and what Yes leads to; No
    // refuses silently.
    QString extension;
    NavigationOutcome afterYes = NavigationOutcome::GoOn;
    // PlayerPage, at once or after Yes: the page in code page 932.
    PlayerKind player = PlayerKind::None;
    QByteArray page;
    // RedirectToLocked.
    QString redirectUrl;

    // The decision once the extension question is answered.
    NavigationDecision Answered(bool yes) const;
};

namespace NavigationFilter {

// Bytes of a player template taken into the page.
constexpr int kTemplateBytes = 1699;

// Runs the chain over one navigation: script addresses, mail links, extension
// filter, player pages, forbidden addresses, navigate lock; the first step
// that stops the navigation decides. Sub-frames are held by everything but the
// lock, which would otherwise send a locked page with frames round for ever.
// written is the address as the user typed it or the page wrote it, when the
// engine's own form (which encodes "<" and ">") may hide a script from the
// script test; that test looks at both.
NavigationDecision Decide(const QString& url, const FilterSettings& settings,
                          const FilterLists& lists, const NavigateLockState& lock,
                          FrameKind frame = FrameKind::Top, const QString& written = QString());

// The page made from a template: each placeholder gets the address,
// HTML-escaped so that no address can put markup into a page that is opened
// from the program directory.
QByteArray FillPlayerPage(PlayerKind kind, const QByteArray& templateText, const QString& url);

// Text for a double-quoted attribute or element content of a Shift_JIS page;
// characters code page 932 cannot hold become character references.
QByteArray EscapeHtml(const QString& text);

// Settings and lists from the program directory, read anew on every call.
FilterSettings ReadSettings();
// Only what the settings put to use is read.
FilterLists ReadLists(const FilterSettings& settings);

// "Zelvo.dat" / "Zelvo2.dat", and "media.html" / "realone.html".
QString TemplateName(PlayerKind kind);
QString PageName(PlayerKind kind);

// Writes the page over the old one in the program directory and returns its
// path. A missing template is created empty, as the page made from it was.
QString WritePlayerPage(PlayerKind kind, const QByteArray& page);

} // namespace NavigationFilter
