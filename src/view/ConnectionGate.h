#pragma once

#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

// The connected state of the whole program, and the one guard on the engine
// profile that keeps every view off the network while it is offline. Local
// files and the engine's own pages still open.
class ConnectionGate : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    static bool IsOnline();
    static void SetOnline(bool online);

    // The request the proxy change sends for itself is never refused.
    static void SetExempt(const QUrl& url);

    // Whether the engine has asked for anything yet: until then it has not
    // read the proxy either.
    static bool EngineHasRequested();
    // Whether the first request has left the window's thread: one to a web
    // site first waits there for the cookie filter's answer.
    static bool FirstRequestSent();

    // Whether a request for url is refused in that state.
    static bool Refuses(bool online, const QUrl& url);

    explicit ConnectionGate(QObject* parent = nullptr);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
