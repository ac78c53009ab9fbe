#pragma once

#include <QHash>
#include <QList>
#include <QNetworkCookie>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

class QWebEngineCookieStore;
class QWebEngineProfile;

// What became of one cookie, or of every cookie of a site that was refused.
struct CookieRecord {
    enum class Outcome { Accepted, Session, Refused };
    QString site;
    QString name; // empty when the engine refused the site before naming a cookie
    Outcome outcome = Outcome::Accepted;
};

// The privacy levels and per-site decisions in force for every view: the
// cookie filter of the engine profile, and the after-care of the cookies it
// let through (kept for the session only, or dropped). Keeps what it decided
// per top-level site for the privacy report.
class CookieGate : public QObject {
    Q_OBJECT

public:
    // Installs the gate on the profile's cookie store; the profile owns it.
    static void Install(QWebEngineProfile& profile);
    // The installed gate; null before the profile exists.
    static CookieGate* Instance();
    // Whether the engine has asked about any cookie yet.
    static bool HasAnswered();

    // Takes in the stored levels and decisions; call after changing them.
    static void Reload();

    // What was decided for the pages of the site pageUrl belongs to.
    QList<CookieRecord> Report(const QUrl& pageUrl) const;

    // The cookies the store holds, each as one key.
    QSet<QString> StoredCookies() const
    {
        return QSet<QString>(m_cookies.keyBegin(), m_cookies.keyEnd());
    }
    QList<QNetworkCookie> SessionCookies() const;
    // Sets a cookie as it stands, past the levels.
    void Put(const QNetworkCookie& cookie);
    // Whether a change the gate asked of the store is still on its way.
    bool Settling() const { return !m_removing.isEmpty() || !m_adding.isEmpty(); }
    QWebEngineCookieStore* Store() const { return m_store; }

    static QString Key(const QNetworkCookie& cookie);

private:
    explicit CookieGate(QWebEngineProfile& profile);
    void OnCookieAdded(const QNetworkCookie& cookie);
    void OnCookieRemoved(const QNetworkCookie& cookie);
    void Rework(const QNetworkCookie& cookie, bool keepForSession, bool thirdParty);

    QWebEngineCookieStore* m_store = nullptr;
    QHash<QString, QNetworkCookie> m_cookies;
    // Removals and session copies the gate asked for itself.
    QSet<QString> m_removing;
    QSet<QString> m_adding;
};
