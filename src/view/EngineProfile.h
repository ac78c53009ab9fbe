#pragma once

#include <QString>

class QWebEngineProfile;

// The one engine profile of the program: cookies, cache and other storage of
// the page engine, kept under ProgramDir::EngineProfilePath().
class EngineProfile {
public:
    // Created on first use.
    static QWebEngineProfile* Instance();

    // Destroys the profile. Every page must be gone before, and this must run
    // before the QApplication goes, or the engine crashes at exit.
    static void Shutdown();

    // Sent with every request.
    static inline const QString kAcceptLanguage = QStringLiteral("ja,en-US;q=0.8,en;q=0.6");

    // The engine's own user agent, which an empty setting restores.
    static QString DefaultUserAgent();
};
