#include "frame/CMainFrame.h"
#include "core/DownloadNames.h"
#include "platform/MessageBox.h"
#include "view/CDownloadManager.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QFileDialog>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

// Downloads: the names proposed, the status texts, and real downloads from
// the test server through the frame's save dialog and status bar.
class TestDownloads : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void proposedNames_data();
    void proposedNames();
    void statusTexts_data();
    void statusTexts();
    void downloads_data();
    void downloads();
    void pageSaveIsNoDownload();

private:
    QStringList paneTexts() const;
    QString folder() const { return m_home->file(QStringLiteral("受信")); }

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QByteArray m_oldConfig;
};

namespace {

QByteArray Body(qsizetype size, int seed)
{
    QByteArray body(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        body[i] = char((i * 7919 + seed) % 251);
    return body;
}

} // namespace

void TestDownloads::init()
{
    m_home = std::make_unique<TempHome>();
    // The user's download folder, as the desktop names it.
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", m_home->path().toUtf8());
    m_home->write(QStringLiteral("user-dirs.dirs"),
                  "XDG_DOWNLOAD_DIR=\"" + folder().toUtf8() + "\"\n");
    QDir().mkpath(folder());
    m_server = std::make_unique<HttpServer>();
    m_server->route("/page", "text/html", "<title>Page</title><p>page text</p>");
    qputenv("ZELVO_HOMEPAGE", m_server->url("/page").toEncoded());
    m_frame = OpenFrame();
    QVERIFY(m_frame);
    QVERIFY(WaitTabsIdle(*m_frame));
}

void TestDownloads::cleanup()
{
    SetMessageBoxResponder(nullptr);
    // A download the engine still reports after a failed row must not block.
    CHtmlView::SetDialogResponder([](QDialog&) { return int(QDialog::Rejected); });
    m_frame.reset();
    m_server.reset();
    qunsetenv("ZELVO_HOMEPAGE");
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
    m_home.reset();
}

void TestDownloads::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

QStringList TestDownloads::paneTexts() const
{
    QStringList texts;
    for (QLabel* label : m_frame->m_wndStatusBar->findChildren<QLabel*>("downloadText"))
        texts << label->text();
    texts.sort();
    return texts;
}

void TestDownloads::proposedNames_data()
{
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("free") << "data.zip" << QStringList() << "data.zip";
    QTest::newRow("taken twice") << "data.zip" << QStringList{"data.zip", "data (1).zip"}
                                 << "data (2).zip";
    QTest::newRow("no suffix") << "README" << QStringList{"README"} << "README (1)";
    QTest::newRow("percent signs") << "100%2.txt" << QStringList{"100%2.txt"} << "100%2 (1).txt";
    QTest::newRow("folders dropped") << "../../etc/passwd" << QStringList() << "passwd";
    QTest::newRow("windows folders") << "C:\\temp\\a?b.txt" << QStringList() << "ab.txt";
    QTest::newRow("hidden") << ".bashrc" << QStringList() << "bashrc";
    QTest::newRow("nothing left") << "../" << QStringList() << "download";
    QTest::newRow("beyond cp932") << "报告😀ü.pdf" << QStringList{"报告😀ü.pdf"} << "报告😀ü (1).pdf";
}

void TestDownloads::proposedNames()
{
    QFETCH(QString, suggested);
    QFETCH(QStringList, taken);
    QFETCH(QString, proposed);
    const QString name = DownloadNames::SafeName(suggested);
    const QString path = DownloadNames::UniquePath("/dl", name, [&](const QString& p) {
        return p.startsWith("/dl/") && taken.contains(p.mid(4));
    });
    QCOMPARE(path, "/dl/" + proposed);
}

void TestDownloads::statusTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("text");
    QTest::newRow("half") << "a.bin" << qint64(2621440) << qint64(5242880)
                          << "ダウンロード中: a.bin 50% (2.5 MB / 5.0 MB)";
    QTest::newRow("no total") << "a.bin" << qint64(1536) << qint64(-1)
                              << "ダウンロード中: a.bin (1.5 KB)";
    QTest::newRow("bytes") << "%2 %1.bin" << qint64(0) << qint64(100)
                           << "ダウンロード中: %2 %1.bin 0% (0 バイト / 100 バイト)";
    QTest::newRow("more than said")
        << "a" << qint64(3) << qint64(2) << "ダウンロード中: a 100% (3 バイト / 2 バイト)";
}

void TestDownloads::statusTexts()
{
    QFETCH(QString, name);
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(QString, text);
    QCOMPARE(DownloadNames::ProgressText(name, received, total), text);
}

void TestDownloads::downloads_data()
{
    // existing: a file of that name is in the folder before; choose: the file
    // picked in the dialog ("" refuses it, "-" keeps the proposal); overwrite:
    // the answer to the question; end: how the server or user ends it.
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("choose");
    QTest::addColumn<int>("overwrite");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("message");
    const int none = 0;
    const int yes = int(MbAnswer::Yes);
    const int no = int(MbAnswer::No);
    QTest::newRow("complete") << 1 << ""
                              << "-" << none << "release"
                              << "file 😀报告.bin"
                              << "ダウンロードが完了しました: file 😀报告.bin (5.0 MB)";
    QTest::newRow("beside an existing file") << 1 << "file 😀报告.bin"
                                             << "-" << none << "release"
                                             << "file 😀报告 (1).bin"
                                             << "ダウンロードが完了しました";
    QTest::newRow("overwrite allowed") << 1 << "old.bin"
                                       << "old.bin" << yes << "release"
                                       << "old.bin"
                                       << "ダウンロードが完了しました: old.bin";
    QTest::newRow("overwrite refused") << 1 << "old.bin"
                                       << "old.bin" << no << ""
                                       << ""
                                       << "";
    QTest::newRow("dialog refused") << 1 << ""
                                    << "" << none << ""
                                    << ""
                                    << "";
    QTest::newRow("cancelled") << 1 << ""
                               << "-" << none << "cancel"
                               << ""
                               << "ダウンロードを中止しました: file 😀报告.bin";
    QTest::newRow("two at once") << 2 << ""
                                 << "-" << none << "release"
                                 << "file 😀报告.bin"
                                 << "ダウンロードが完了しました";
}

void TestDownloads::downloads()
{
    QFETCH(int, count);
    QFETCH(QString, existing);
    QFETCH(QString, choose);
    QFETCH(int, overwrite);
    QFETCH(QString, end);
    QFETCH(QString, saved);
    QFETCH(QString, message);
    const QString name = QStringLiteral("file 😀报告.bin");
    const QByteArray old("old contents");
    if (!existing.isEmpty()) {
        QFile file(folder() + "/" + existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    QList<QByteArray> bodies;
    QStringList expectedTexts;
    for (int i = 0; i < count; ++i) {
        const QByteArray path = "/file" + QByteArray::number(i);
        // Different sizes, so each pane's text tells its own download.
        bodies << Body(5 * 1024 * 1024 + i * 1024 * 1024, i);
        m_server->route(path, "application/octet-stream", bodies.last());
        m_server->addHeader(path, "Content-Disposition",
                            "attachment; filename*=UTF-8''" +
                                QUrl::toPercentEncoding(i ? "second.bin" : name));
        m_server->stallAfter(path, bodies.last().size() / 2);
        const QString shown = i ? QStringLiteral("second.bin") : saved.isEmpty() ? name : saved;
        expectedTexts << DownloadNames::ProgressText(shown, bodies.last().size() / 2,
                                                     bodies.last().size());
    }
    expectedTexts.sort();
    QStringList proposals;
    QStringList questions;
    SetMessageBoxResponder([&](const MessageBoxCall& call) {
        questions << call.text;
        return MbAnswer(overwrite);
    });
    CHtmlView::SetDialogResponder([&](QDialog& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files)
            return int(QDialog::Rejected);
        proposals << files->selectedFiles().value(0);
        // A refused overwrite asks again; the second time is refused.
        if (choose.isEmpty() || !questions.isEmpty())
            return int(QDialog::Rejected);
        if (choose != "-")
            files->selectFile(folder() + "/" + choose);
        return int(QDialog::Accepted);
    });
    CZelvoView* view = m_frame->ActiveZelvoView();
    QVERIFY(view);
    for (int i = 0; i < count; ++i) {
        const int before = proposals.size();
        view->Navigate2(m_server->url("/file" + QByteArray::number(i)).toString());
        QTRY_VERIFY_WITH_TIMEOUT(proposals.size() > before, 15000);
    }
    QCOMPARE(proposals.value(0), folder() + "/" + (existing == name ? saved : name));
    QCOMPARE(questions.size(), overwrite ? 1 : 0);
    // The tab is done with the navigation that became a download.
    QTRY_VERIFY(!view->GetBusy());
    QCOMPARE(view->GetLocationURL(), m_server->url("/page").toString());

    if (end.isEmpty()) {
        QCOMPARE(m_frame->Downloads().RunningCount(), 0);
    } else {
        // Each download shows its own progress, halfway through.
        QTRY_COMPARE_WITH_TIMEOUT(paneTexts(), expectedTexts, 15000);
        for (int i = 0; i < count; ++i) {
            const QByteArray path = "/file" + QByteArray::number(i);
            if (end == "release")
                m_server->release(path);
        }
        if (end == "cancel")
            m_frame->m_wndStatusBar->findChild<QToolButton*>("downloadCancel")->click();
        QTRY_COMPARE_WITH_TIMEOUT(m_frame->Downloads().RunningCount(), 0, 15000);
        QTRY_VERIFY(paneTexts().isEmpty());
    }
    QVERIFY2(m_frame->m_wndStatusBar->currentMessage().startsWith(message),
             qPrintable(m_frame->m_wndStatusBar->currentMessage()));
    if (!saved.isEmpty())
        QCOMPARE(m_home->read("受信/" + saved), bodies.value(0));
    if (count == 2)
        QCOMPARE(m_home->read("受信/second.bin"), bodies.value(1));
    if (!existing.isEmpty() && existing != saved)
        QCOMPARE(m_home->read("受信/" + existing), old);
    // Nothing else is left behind: no partial file of a download that ended early.
    const QDir dir(folder());
    const int expectedFiles = (saved.isEmpty() ? 0 : 1) + (count == 2 ? 1 : 0) +
                              (!existing.isEmpty() && existing != saved ? 1 : 0);
    QTRY_COMPARE(dir.entryList(QDir::Files).size(), expectedFiles);
}

void TestDownloads::pageSaveIsNoDownload()
{
    int dialogs = 0;
    CHtmlView::SetDialogResponder([&](QDialog&) { return ++dialogs, int(QDialog::Rejected); });
    CZelvoView* view = m_frame->ActiveZelvoView();
    const QString path = m_home->file("saved.html");
    QVERIFY(view->ExecWB(OLECMDID_SAVEAS, OLECMDEXECOPT_DONTPROMPTUSER, path));
    QTRY_VERIFY(m_home->read("saved.html").contains("page text"));
    QCOMPARE(dialogs, 0);
    QCOMPARE(m_frame->Downloads().RunningCount(), 0);
    QVERIFY(paneTexts().isEmpty());
}

QTEST_MAIN(TestDownloads)
#include "tst_downloads.moc"
