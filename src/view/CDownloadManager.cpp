#include "view/CDownloadManager.h"

#include "core/DownloadNames.h"
#include "platform/MessageBox.h"
#include "view/CHtmlView.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

CDownloadManager::CDownloadManager(QStatusBar& bar, std::function<void(const QString&)> message,
                                   QWidget* dialogParent)
    : QObject(&bar), m_bar(bar), m_message(std::move(message)), m_dialogParent(dialogParent)
{
}

void CDownloadManager::Attach(QWebEngineProfile* profile)
{
    connect(profile, &QWebEngineProfile::downloadRequested, this, &CDownloadManager::OnRequested);
}

void CDownloadManager::OnRequested(QWebEngineDownloadRequest* request)
{
    // A page save is already under way to the file its command chose.
    if (request->isSavePageDownload() ||
        request->state() != QWebEngineDownloadRequest::DownloadRequested)
        return;
    const QString name = DownloadNames::SafeName(request->suggestedFileName());
    const QString proposed =
        DownloadNames::UniquePath(DownloadNames::DefaultFolder(), name,
                                  [this](const QString& path) { return IsTaken(path); });
    const QString path = AskPath(proposed);
    if (path.isEmpty()) {
        request->cancel();
        return;
    }
    const QFileInfo target(path);
    QDir().mkpath(target.absolutePath());
    request->setDownloadDirectory(target.absolutePath());
    request->setDownloadFileName(target.fileName());
    request->accept();
    Track(request);
}

QString CDownloadManager::AskPath(const QString& proposed)
{
    QString path = proposed;
    for (;;) {
        QFileDialog dialog(m_dialogParent, QStringLiteral("名前を付けて保存"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The question comes below, through the program's own message box.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDirectory(QFileInfo(path).absolutePath());
        dialog.selectFile(path);
        if (CHtmlView::AnswerDialog(dialog) != QDialog::Accepted ||
            dialog.selectedFiles().isEmpty())
            return {};
        path = dialog.selectedFiles().constFirst();
        if (!IsTaken(path))
            return path;
        const QString text = QStringLiteral("%1 は既に存在します。\n置き換えますか?")
                                 .arg(QFileInfo(path).fileName());
        if (ShowMessageBox(m_dialogParent, text, QStringLiteral("ダウンロード"),
                           MbIcon::Exclamation, MbButtons::YesNo) == MbAnswer::Yes)
            return path;
    }
}

bool CDownloadManager::IsTaken(const QString& path) const
{
    if (QFileInfo::exists(path))
        return true;
    for (const Running& running : m_running) {
        const QWebEngineDownloadRequest* r = running.request;
        if (QDir(r->downloadDirectory()).filePath(r->downloadFileName()) == path)
            return true;
    }
    return false;
}

void CDownloadManager::Track(QWebEngineDownloadRequest* request)
{
    auto* pane = new QWidget(&m_bar);
    pane->setObjectName(QStringLiteral("download"));
    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* label = new QLabel(pane);
    label->setObjectName(QStringLiteral("downloadText"));
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    auto* cancel = new QToolButton(pane);
    cancel->setObjectName(QStringLiteral("downloadCancel"));
    cancel->setText(QStringLiteral("×"));
    cancel->setToolTip(QStringLiteral("ダウンロードの中止"));
    cancel->setAutoRaise(true);
    layout->addWidget(cancel);
    // Permanent, so that page messages never hide a running download.
    m_bar.insertPermanentWidget(0, pane);

    m_running.append({request, pane, request->downloadFileName()});
    ShowProgress(m_running.constLast());
    connect(cancel, &QToolButton::clicked, request, &QWebEngineDownloadRequest::cancel);
    auto progress = [this, request] {
        for (const Running& running : std::as_const(m_running)) {
            if (running.request == request)
                ShowProgress(running);
        }
    };
    connect(request, &QWebEngineDownloadRequest::receivedBytesChanged, this, progress);
    connect(request, &QWebEngineDownloadRequest::totalBytesChanged, this, progress);
    connect(request, &QWebEngineDownloadRequest::isFinishedChanged, this,
            [this, request] { OnFinished(request); });
    connect(request, &QObject::destroyed, this, [this, request] { Forget(request); });
    if (request->isFinished())
        OnFinished(request);
}

void CDownloadManager::ShowProgress(const Running& running)
{
    auto* label = running.pane->findChild<QLabel*>(QStringLiteral("downloadText"));
    label->setText(DownloadNames::ProgressText(running.name, running.request->receivedBytes(),
                                               running.request->totalBytes()));
}

void CDownloadManager::OnFinished(QWebEngineDownloadRequest* request)
{
    if (!request->isFinished())
        return;
    QString name;
    for (const Running& running : std::as_const(m_running)) {
        if (running.request == request)
            name = running.name;
    }
    if (name.isEmpty())
        return;
    Forget(request);
    switch (request->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted:
        m_message(DownloadNames::FinishedText(name, request->receivedBytes()));
        break;
    case QWebEngineDownloadRequest::DownloadCancelled:
        m_message(DownloadNames::CancelledText(name));
        break;
    default:
        m_message(DownloadNames::FailedText(name, request->interruptReasonString()));
        break;
    }
}

void CDownloadManager::Forget(QWebEngineDownloadRequest* request)
{
    for (qsizetype i = 0; i < m_running.size(); ++i) {
        if (m_running.at(i).request != request)
            continue;
        m_bar.removeWidget(m_running.at(i).pane);
        m_running.at(i).pane->deleteLater();
        m_running.removeAt(i);
        return;
    }
}
