#include "core/LoadSequence.h"

#include <utility>

void LoadSequence::Mute()
{
    m_muted = true;
    m_busy = false;
    m_awaitingStart = false;
    m_deferredCommit.clear();
    m_refused.clear();
}

void LoadSequence::Refused(const QUrl& url)
{
    m_refused.insert(url);
}

bool LoadSequence::Accepted(const QUrl& url, bool redirect)
{
    m_refused.remove(url);
    const bool newPage = !redirect || m_committed;
    if (newPage)
        BeginPage();
    return newPage;
}

void LoadSequence::BeginPage()
{
    m_committed = false;
    m_deferredCommit.clear();
    // One that joins a load begun by a refused navigation gets no start of its own.
    if (!m_busy && m_engineLoading)
        StartBusy();
    else if (!m_busy)
        m_awaitingStart = true;
}

void LoadSequence::Started(const QUrl& url)
{
    m_engineLoading = true;
    if (!m_muted && !m_refused.contains(url))
        StartBusy();
}

std::optional<LoadSequence::Status> LoadSequence::Finished(const QUrl& url, Status status)
{
    m_engineLoading = false;
    if (m_muted)
        return std::nullopt;
    // A load that ends under a refused address ended with the refusal: a page
    // already shown is complete, one not yet shown was dropped.
    if (m_refused.remove(url))
        status = m_committed ? Status::Succeeded : Status::Stopped;
    if (!m_busy)
        return std::nullopt;
    m_busy = false;
    m_awaitingStart = false;
    m_deferredCommit.clear();
    return status;
}

void LoadSequence::UrlChanged(const QUrl& url)
{
    if (m_muted || url.isEmpty())
        return;
    if (m_awaitingStart) {
        m_deferredCommit = url;
        return;
    }
    Commit(url);
}

void LoadSequence::Commit(const QUrl& url)
{
    m_committed = true;
    if (onCommit)
        onCommit(url);
}

void LoadSequence::StartBusy()
{
    m_awaitingStart = false;
    if (!m_busy) {
        m_busy = true;
        if (onBegin)
            onBegin();
    }
    if (!m_deferredCommit.isEmpty())
        Commit(std::exchange(m_deferredCommit, QUrl()));
}
