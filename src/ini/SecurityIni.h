#pragma once

#include <QByteArray>
#include <QString>

// Security.ini: the security switches, the child-tab and start-page flags and
// what the exit clears. Every call reads or writes the file anew. Flags read
// as their stored number (0 when missing); the toggles write the opposite of
// a 0 or 1 and return the value now stored.
namespace SecurityIni {

// [Security] download-control words as stored, empty when missing; only the
// exact negative word ("DLCTL_NO_SCRIPTS", …) denies.
QByteArray Script();
QByteArray Java();
QByteArray ActiveXRun();
QByteArray ActiveXDl();
QByteArray Image();
QByteArray Video();
QByteArray Bgm();
QByteArray Cache();

// All eight words in one write, in the order `script`, `java`,
// `ActiveX_run`, `ActiveX_dl`, `image`, `video`, `bgm`, `cache`.
struct DownloadWords {
    QByteArray script, java, activeXRun, activeXDl, image, video, bgm, cache;
};
bool SetDownloadWords(const DownloadWords& words);

// [Security] `url_sec`: 1 blocks addresses that carry script. Its toggle
// leaves any value other than 0 and 1 as it is.
int UrlSec();
int ToggleUrlSec();

// [Security] `mailto`: mail links suppressed.
int Mailto();
int ToggleMailto();

// [Security] `filter`: extensions joined by "+" whose pages are not shown.
QString Filter();

// [Security] `user_agent`: empty = the browser's own.
QString UserAgent();
bool SetUserAgent(const QString& agent);

// [Security] `cgi_proxy`: the prefix a CGI proxy address is built on (1040
// where a connection is made, 520 on its page).
QString CgiProxy(int size = 1040);
bool SetCgiProxy(const QString& prefix);
// [Security] `cgi_command`: kCgiRewrite = rewrite the target's scheme,
// kCgiKeep = append it as it is (any other value acts as kCgiKeep).
constexpr int kCgiRewrite = 0;
constexpr int kCgiKeep = 1;
int CgiCommand();
bool SetCgiCommand(int command);

// [media] `setting`: 1 = audio and video open in a generated player page.
int Media();
int ToggleMedia();

// [ChileTab] `setting`: non-zero = pages asking for a new window get none.
int ChileTab();
int ToggleChileTab();

// [Home] `home`: 1 = the first view opens fav.html.
int Home();
int ToggleHome();

// [Mouse] `gesture`: 0 = mouse gestures and the middle button's link rule on.
int Gesture();
int ToggleGesture();

// [Enddetail]: 1 = the exit clears that history.
int EnddetailUrl();
int EnddetailSearch();
int EnddetailHistory();
int EnddetailTempo();
int EnddetailCookie();
int EnddetailEndtab();
int EnddetailDeltab();

// [Security] `filter` as the filter page writes it.
bool SetFilter(const QString& filter);

// The seven [Enddetail] flags in one write, in the order above.
struct Enddetail {
    bool url = false, search = false, history = false, tempo = false, cookie = false,
         endtab = false, deltab = false;
};
bool SetEnddetail(const Enddetail& flags);
} // namespace SecurityIni
