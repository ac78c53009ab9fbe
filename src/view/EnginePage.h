#pragma once

#include "view/DownloadControl.h"

#include <QWebEnginePage>
#include <QWebEngineScript>

class CHtmlView;

// The page of one CHtmlView: hands the engine's navigation and new-window
// questions to its view, carries the view's download-control word and keeps
// script dialogs quiet in silent mode.
class EnginePage : public QWebEnginePage {
    Q_OBJECT

public:
    EnginePage(QWebEngineProfile* profile, CHtmlView& view);
    ~EnginePage() override;

    void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }

    void setDownloadControl(quint32 word);
    // Lets the held script address of that report run in its frame.
    void RunScriptLink(const QString& id);
    // From the next document on, also holds the script addresses the engine
    // runs without asking (page scripts setting location, frames, forms) for
    // the view's decision, which must then refuse them.
    void GuardScriptAddresses(bool on);
    quint32 downloadControl() const { return m_downloadControl.word(); }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg,
                          const QString& defaultValue, QString* result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int lineNumber, const QString& sourceID) override;

private:
    void WatchScriptLinks();
    void WatchPageScripts();

    CHtmlView& m_view;
    DownloadControl m_downloadControl;
    bool m_silent = false;
    QString m_scriptLinkMark;
    // Reports from the page's own world; a mark of their own, so that no page
    // can learn the other one.
    QString m_pageMark;
    QWebEngineScript m_pageScript;
    bool m_guarded = false;
};
