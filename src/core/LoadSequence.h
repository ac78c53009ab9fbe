#pragma once

#include <QSet>
#include <QUrl>

#include <functional>
#include <optional>

// The order of a browser view's load events, made from what the page engine
// reports: one begin per page, the commit only after the begin, one end. The
// engine counts a navigation made while it loads into that load, reports a
// refused navigation as a load of its own and may commit before it reports the
// start; this class evens that out. It knows no engine, so its rules can be
// tried directly.
class LoadSequence {
public:
    enum class Status { Succeeded, Stopped, Failed };

    // The page began to load (once per page) / was committed to an address.
    std::function<void()> onBegin;
    std::function<void(const QUrl&)> onCommit;

    bool IsBusy() const { return m_busy; }
    bool IsCommitted() const { return m_committed; }

    // A closed view raises nothing until it is navigated again.
    void Mute();
    void Unmute() { m_muted = false; }
    bool IsMuted() const { return m_muted; }

    // A top-level navigation the owner refused; the engine still reports it.
    void Refused(const QUrl& url);
    // A top-level navigation the owner let go; true when it brings a new page
    // (a server's redirect before the page was shown belongs to the same one).
    bool Accepted(const QUrl& url, bool redirect);
    // A new page begins without the engine asking first.
    void BeginPage();

    // The engine's reports.
    void Started(const QUrl& url);
    // The end to report, if any.
    std::optional<Status> Finished(const QUrl& url, Status status);
    void UrlChanged(const QUrl& url);
    // The page shown at the end of a load that never reported its address.
    void Commit(const QUrl& url);

private:
    void StartBusy();

    bool m_muted = false;
    bool m_busy = false;
    // Between the engine's own report of a load's start and its end.
    bool m_engineLoading = false;
    // A page that began before the engine reported its start; an address
    // reported meanwhile is committed once the start has come.
    bool m_awaitingStart = false;
    QUrl m_deferredCommit;
    bool m_committed = false;
    QSet<QUrl> m_refused;
};
