#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QStatusBar;
class QWebEngineDownloadRequest;
class QWebEngineProfile;
class QWidget;

// The engine's file downloads: asks where to save, shows each running download
// in a status bar pane of its own with a cancel button, and reports the end in
// the message text. Page saves pass untouched; their command chose the file.
class CDownloadManager : public QObject {
    Q_OBJECT

public:
    CDownloadManager(QStatusBar& bar, std::function<void(const QString&)> message,
                     QWidget* dialogParent);

    // Takes the downloads of profile from now on.
    void Attach(QWebEngineProfile* profile);
    int RunningCount() const { return int(m_running.size()); }

private:
    struct Running {
        QWebEngineDownloadRequest* request = nullptr;
        QWidget* pane = nullptr;
        QString name;
    };

    void OnRequested(QWebEngineDownloadRequest* request);
    // The path the user chose; empty when the download is refused.
    QString AskPath(const QString& proposed);
    bool IsTaken(const QString& path) const;
    void Track(QWebEngineDownloadRequest* request);
    void ShowProgress(const Running& running);
    void OnFinished(QWebEngineDownloadRequest* request);
    void Forget(QWebEngineDownloadRequest* request);

    QStatusBar& m_bar;
    std::function<void(const QString&)> m_message;
    QWidget* m_dialogParent = nullptr;
    QList<Running> m_running;
};
