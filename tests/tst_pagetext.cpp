#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CTabBarCtrl.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <memory>

// Text that came from pages and addresses: kept without loss wherever it is
// stored, and shown as the text it is.
class TestPageText : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void addressesComeBackUnchanged_data();
    void addressesComeBackUnchanged();
    void forbiddenTitlesMatchOnlyThemselves();
    void pageTextShownAsPlainText_data();
    void pageTextShownAsPlainText();

private:
    CMainFrame* Open(const QByteArray& commandLine = QByteArray());
    bool OpenTab(const QString& url);
    void WaitIdle();
    // The address of the page whose name no code page 932 text can hold.
    QString WideAddress() const;

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
};

namespace {

const QString kWideTitle = QStringLiteral("Wide page");
// What a page may put into a title, an alert or a link.
const QString kHostile =
    QStringLiteral("<a href=\"file:///etc/passwd\">x</a><b>\u00fc\U0001F600\u6c49</b>");

QByteArray Page(const QString& title, const QByteArray& body = QByteArray())
{
    return "<html><head><meta charset=\"utf-8\"><title>" + title.toHtmlEscaped().toUtf8() +
           "</title></head><body>" + body + "</body></html>";
}

// How a label or tool tip shows its text, as the user reads it.
QString Shown(const QString& text, Qt::TextFormat format)
{
    const bool rich =
        format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    QTextDocument document;
    if (rich)
        document.setHtml(text);
    else
        document.setPlainText(text);
    return document.toPlainText();
}

} // namespace

void TestPageText::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", Page(QStringLiteral("Home")));
    // The one path the wide address stands for; any "?" in its place misses it.
    m_server->route("/%C3%BC%F0%9F%98%80.html", "text/html", Page(kWideTitle));
    m_server->route("/t1", "text/html", Page(QStringLiteral("\U0001F600\U0001F600")));
    m_server->route("/t2", "text/html", Page(QStringLiteral("\U0001F603\U0001F603")));
    m_server->route("/t3", "text/html", Page(QStringLiteral("??")));
    m_server->route("/hostile", "text/html", Page(kHostile));
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
}

void TestPageText::cleanup()
{
    SetMessageBoxResponder({});
    CHtmlView::SetDialogResponder({});
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestPageText::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestPageText::Open(const QByteArray& commandLine)
{
    m_frame = OpenFrame(commandLine);
    return m_frame.get();
}

bool TestPageText::OpenTab(const QString& url)
{
    return OpenNewTab(*m_frame, url) && WaitTabsIdle(*m_frame);
}

void TestPageText::WaitIdle()
{
    QVERIFY(WaitTabsIdle(*m_frame));
}

QString TestPageText::WideAddress() const
{
    return m_server->url("/").toString() + QStringLiteral("\u00fc\U0001F600.html?q=\u6c49\u5b57");
}

void TestPageText::addressesComeBackUnchanged_data()
{
    QTest::addColumn<QString>("way");
    for (const char* way :
         {"command line", "hand-over", "reopen closed tab", "restore", "address history"})
        QTest::newRow(way) << QString::fromLatin1(way);
}

void TestPageText::addressesComeBackUnchanged()
{
    QFETCH(QString, way);
    const QString wide = WideAddress();
    const QByteArray encoded = QUrl(wide).toEncoded();
    SetMessageBoxResponder([](const MessageBoxCall&) { return MbAnswer::Ok; });

    if (way == "command line") {
        Open("\"" + wide.toUtf8() + "\"");
    } else {
        Open();
        WaitIdle();
        if (way == "hand-over") {
            m_frame->OnCopyData("\"" + wide.toUtf8() + "\"");
        } else {
            QVERIFY(OpenTab(wide));
            if (way == "reopen closed tab") {
                m_frame->SendCommand(ToInt(CommandId::TabClose));
                QVERIFY(m_home->read("Tablist.ini").contains("0=" + encoded + "\r\n"));
                m_frame->SendCommand(ToInt(CommandId::ReopenClosedTab));
            } else {
                // The next run reads what this one stored.
                QVERIFY(m_frame->ExitCleanup());
                QVERIFY(m_home->read("Endlist.ini").contains("2=" + encoded + "\r\n"));
                QVERIFY(m_home->read("Address.ini").contains("=" + encoded + "\r\n"));
                Open();
                WaitIdle();
                if (way == "restore") {
                    m_frame->SendCommand(ToInt(CommandId::RestoreLastSession));
                } else {
                    QVERIFY(m_frame->m_wndAddressBar->findText(wide) >= 0);
                    m_frame->m_wndAddressBar->setEditText(wide);
                    m_frame->SendCommand(ToInt(CommandId::Ok));
                }
            }
        }
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_frame->TabCount() >= 1 &&
                                 m_frame->TabView(m_frame->TabCount() - 1)->GetLocationName() ==
                                     kWideTitle,
                             15000);
    QCOMPARE(QUrl(m_frame->TabView(m_frame->TabCount() - 1)->GetLocationURL()), QUrl(wide));
}

void TestPageText::forbiddenTitlesMatchOnlyThemselves()
{
    QList<MessageBoxCall> boxes;
    SetMessageBoxResponder([&boxes](const MessageBoxCall& call) {
        boxes.append(call);
        return MbAnswer::Yes;
    });
    Open();
    WaitIdle();
    // "😃😃" and "??" would be "??" in code page 932, as "😀😀" would.
    for (const char* path : {"/t2", "/t3", "/t1"})
        QVERIFY(OpenTab(m_server->url(path).toString()));
    m_frame->SendCommand(ToInt(CommandId::AddPageToForbiddenTitles));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes[0].text, QStringLiteral("\U0001F600\U0001F600"));
    QVERIFY(!m_home->read("StopTitle.ini").contains("??"));

    ProfileStore::WriteInt("Security", "check", 1, SettingsPath(QStringLiteral("StopTitle.ini")));
    auto* watch = m_frame->findChild<QTimer*>(QStringLiteral("timer37014"));
    QVERIFY(watch);
    QSignalSpy ticks(watch, &QTimer::timeout);
    m_frame->SetTitleWatch(true);
    QTRY_COMPARE_WITH_TIMEOUT(m_frame->TabCount(), 3, 10000);
    // Two more ticks have looked at the tabs that are left.
    const int seen = static_cast<int>(ticks.size());
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= seen + 2, 10000);
    QCOMPARE(m_frame->TabCount(), 3);
    QCOMPARE(m_frame->TabView(1)->GetLocationName(), QStringLiteral("\U0001F603\U0001F603"));
    QCOMPARE(m_frame->TabView(2)->GetLocationName(), QStringLiteral("??"));
}

void TestPageText::pageTextShownAsPlainText_data()
{
    QTest::addColumn<QString>("where");
    for (const char* where : {"alert", "tab tool tip", "properties"})
        QTest::newRow(where) << QString::fromLatin1(where);
}

void TestPageText::pageTextShownAsPlainText()
{
    QFETCH(QString, where);
    Open();
    WaitIdle();
    QVERIFY(OpenTab(m_server->url("/hostile").toString()));
    CZelvoView* view = m_frame->TabView(1);
    QCOMPARE(view->GetLocationName(), kHostile);

    // Each shown text, and the format its widget gives it.
    QList<QPair<QString, Qt::TextFormat>> shown;
    auto collectLabels = [&shown](QWidget* window) {
        for (QLabel* label : window->findChildren<QLabel*>())
            shown.append({label->text(), label->textFormat()});
    };
    if (where == "alert") {
        // The real box, closed once it has been seen.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                collectLabels(box);
                box->done(QMessageBox::Ok);
            }
        });
        poll.start(20);
        view->GetPage()->runJavaScript(QStringLiteral("alert(document.title)"));
        QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty(), 10000);
    } else if (where == "tab tool tip") {
        m_frame->RefreshTabLabels();
        CTabBarCtrl* bar = m_frame->m_wndTabBar;
        const QPoint at = bar->tabRect(1).center();
        QHelpEvent help(QEvent::ToolTip, at, bar->mapToGlobal(at));
        QApplication::sendEvent(bar, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QLabel* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible())
                tip = qobject_cast<QLabel*>(w);
        QVERIFY(tip);
        shown.append({tip->text(), tip->textFormat()});
        QToolTip::hideText();
    } else {
        CHtmlView::SetDialogResponder([&](QDialog& dialog) {
            collectLabels(&dialog);
            return int(QDialog::Accepted);
        });
        m_frame->SendCommand(ToInt(CommandId::PageProperties));
    }
    bool found = false;
    for (const auto& [text, format] : std::as_const(shown)) {
        const QString seen = Shown(text, format);
        QVERIFY2(!seen.contains(QLatin1String("x\u00fc")) || seen.contains(kHostile),
                 qPrintable(seen));
        found = found || seen.contains(kHostile);
    }
    QVERIFY(found);
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPageText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pagetext.moc"
