#include "commands/CommandId.h"
#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "frame/FormMenu.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"
#include "PageScript.h"

#include <QAction>
#include <QMenu>
#include <QWebEngineScript>
#include <QtTest>

#include <memory>

namespace {

// Counts the events a page's own scripts would see.
const QByteArray kListeners =
    "<script>const h=document.documentElement;h.dataset.seen=0;for(const t of ['input','change'])"
    "document.addEventListener(t,()=>h.dataset.seen++,true);</script>";

QByteArray Page(const QByteArray& title, const QByteArray& body)
{
    const QByteArray head = title.isNull() ? QByteArray() : "<title>" + title + "</title>";
    return "<html><head><meta charset=\"utf-8\">" + head + "</head><body>" + kListeners + body +
           "</body></html>";
}

// Every input of the page and its frames in document order, whatever its type.
const QString kInputs = QStringLiteral(
    "(function all(d){let r=[...d.querySelectorAll('input')];"
    "for(const f of d.querySelectorAll('iframe'))r=r.concat(all(f.contentDocument));return r;})"
    "(document)");

QVariant RunJs(CHtmlView* view, const QString& script)
{
    // A world of the test's own: it works whether or not the page may run scripts.
    return RunPageScript(view->GetPage(), script, QWebEngineScript::UserWorld).value_or(QVariant());
}

QStringList Inputs(CHtmlView* view)
{
    return RunJs(view, kInputs + QStringLiteral(".map(e=>e.value)")).toStringList();
}

// Types into the inputs in order as the page's user would; "-" leaves one alone.
void Type(CHtmlView* view, const QStringList& values)
{
    QStringList quoted;
    for (const QString& v : values)
        quoted << (v == QLatin1String("-") ? QStringLiteral("null")
                                           : QLatin1Char('"') + v + QLatin1Char('"'));
    RunJs(view, QStringLiteral("%1.forEach((e,i)=>{const v=[%2][i];if(v!==null&&v!==undefined)"
                               "e.value=v;})")
                    .arg(kInputs, quoted.join(QLatin1Char(','))));
}

// The text fields refilled from a stored form show this until then.
void Scramble(CHtmlView* view)
{
    RunJs(view, kInputs + QStringLiteral(".forEach(e=>{if(e.type!=='hidden'&&e.type!=='checkbox')"
                                         "e.value='zz';})"));
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void registerAndFill_data();
    void registerAndFill();
    void fillEdgeCases_data();
    void fillEdgeCases();
    void registerAgain_data();
    void registerAgain();
    void hostileTitles_data();
    void hostileTitles();
    void failedWrites_data();
    void failedWrites();
    void menuFillsOpenedPage();
    void menuRefusals_data();
    void menuRefusals();

private:
    CZelvoView* Active() const { return m_frame->ActiveZelvoView(); }
    FormMenu* Menu() const { return m_frame->findChild<FormMenu*>(QStringLiteral("formMenu")); }
    QString Url(const QByteArray& path) const { return m_server->url(path).toString(); }
    void OpenAt(const QByteArray& path);
    void Load(const QString& url);
    // Sends the command and waits for its closing message.
    void Register();
    void Fill();
    QStringList MenuTexts() const;

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
    MbAnswer m_answer = MbAnswer::Yes;
};

void TestForms::init()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(ProgramDir::Prepare());
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", Page("Home", ""));
    m_server->route("/three", "text/html", Page("Three", "<input><input><input>"));
    m_server->route("/login", "text/html",
                    Page("Login", "<form><input name=user><input name=pass type=password>"
                                  "<input type=hidden value=tok><input type=checkbox>"
                                  "<textarea>t</textarea></form>"));
    m_server->route("/framed", "text/html",
                    Page("Framed", "<input><iframe src='/inner'></iframe><input type=search>"));
    m_server->route("/inner", "text/html", Page("Inner", "<input><input type=email>"));
    m_server->route("/untitled", "text/html", Page(QByteArray(), "<input>"));
    m_server->route("/up", "text/html", Page("../../x", "<input>"));
    m_server->route("/drive", "text/html", Page("a:b*c", "<input>"));
    m_server->route("/wide", "text/html", Page("ü😀简体", "<input>"));
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
    m_boxes.clear();
    m_answer = MbAnswer::Yes;
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return m_answer;
    });
}

void TestForms::cleanup()
{
    SetMessageBoxResponder({});
    ProfileStore::SetBeforeReplaceHook({});
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestForms::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

void TestForms::OpenAt(const QByteArray& path)
{
    m_frame = OpenFrame();
    QVERIFY(m_frame);
    QVERIFY(WaitTabsIdle(*m_frame));
    Load(Url(path));
}

void TestForms::Load(const QString& url)
{
    Active()->Navigate2(url);
    const QString shown = QStringLiteral("complete ") + url;
    QTRY_VERIFY_WITH_TIMEOUT(Active()->GetLocationURL() == url && !Active()->GetBusy() &&
                                 RunJs(Active(), "document.readyState+' '+location.href") == shown,
                             15000);
    // Frames too.
    QTRY_VERIFY(RunJs(Active(), kInputs + ".length").toInt() > 0 ||
                !url.endsWith(QLatin1String("framed")));
}

void TestForms::Register()
{
    const qsizetype before = m_boxes.size();
    m_frame->SendCommand(CommandId::FormRegister);
    QTRY_VERIFY(m_boxes.size() > before && m_boxes.last().buttons == MbButtons::Ok);
}

void TestForms::Fill()
{
    m_frame->SendCommand(CommandId::FormFill);
}

QStringList TestForms::MenuTexts() const
{
    QStringList texts;
    const QList<QAction*> items = Menu()->Menu()->actions();
    for (QAction* item : items)
        if (IsFormCommand(item->data().toInt()))
            texts << item->text();
    return texts;
}

void TestForms::registerAndFill_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("filled");
    // Input and change events the page's own scripts hear of.
    QTest::addColumn<int>("events");
    QTest::addColumn<QByteArray>("security");
    QTest::newRow("three fields, the second empty")
        << QByteArray("/three") << QStringList{"a", "", "c"}
        << QByteArray("count=3\r\n1=a\r\n2=\r\n3=c\r\n") << QStringList{"a", "", "c"} << 6
        << QByteArray();
    QTest::newRow("login form: text and password only")
        << QByteArray("/login") << QStringList{"me", "secret", "-", "-"}
        << QByteArray("count=2\r\n1=me\r\n2=secret\r\n") << QStringList{"me", "secret", "tok", "on"}
        << 4 << QByteArray();
    // The frame's fields fire in the frame's document.
    QTest::newRow("page in a frame: the page's fields, then the frame's")
        << QByteArray("/framed") << QStringList{"top", "s", "f1", "f@x"}
        << QByteArray("count=4\r\n1=top\r\n2=s\r\n3=f1\r\n4=f@x\r\n")
        << QStringList{"top", "s", "f1", "f@x"} << 4 << QByteArray();
    QTest::newRow("text beyond code page 932")
        << QByteArray("/three") << QStringList{"ü😀", "简体", "&#1;"}
        << QByteArray("count=3\r\n1=&#252;&#128512;\r\n2=&#31616;\x91\xcc\r\n3=&#38;#1;\r\n")
        << QStringList{"ü😀", "简体", "&#1;"} << 6 << QByteArray();
    QTest::newRow("page scripts switched off")
        << QByteArray("/three") << QStringList{"a", "b", "c"}
        << QByteArray("count=3\r\n1=a\r\n2=b\r\n3=c\r\n") << QStringList{"a", "b", "c"} << 0
        << QByteArray("[Security]\r\nscript=DLCTL_NO_SCRIPTS\r\n");
}

void TestForms::registerAndFill()
{
    QFETCH(QByteArray, path);
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, filled);
    QFETCH(int, events);
    QFETCH(QByteArray, security);
    if (!security.isEmpty())
        m_home->write("Security.ini", security);
    OpenAt(path);
    Type(Active(), typed);
    Register();
    QCOMPARE(m_boxes.last().text, QStringLiteral("フォームの入力語句を登録しました！"));
    QCOMPARE(m_boxes.last().caption, QStringLiteral("登録終了"));
    QCOMPARE(m_boxes.last().icon, MbIcon::Information);
    const QString title = Active()->GetLocationName();
    QCOMPARE(m_home->read("Form/" + title + ".ini"),
             "[Form]\r\nurl=" + Url(path).toUtf8() + "\r\n" + stored);
    QCOMPARE(MenuTexts(), QStringList{title + ".ini"});

    Scramble(Active());
    RunJs(Active(), "document.documentElement.dataset.seen=0");
    const qsizetype boxes = m_boxes.size();
    Fill();
    QTRY_COMPARE(Inputs(Active()), filled);
    QCOMPARE(m_boxes.size(), boxes);
    // Pages that keep their own model of the fields hear of every change.
    QCOMPARE(RunJs(Active(), "+document.documentElement.dataset.seen").toInt(), events);
}

void TestForms::fillEdgeCases_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("filled");
    QTest::newRow("more fields than keys: the rest emptied")
        << QByteArray("[Form]\r\nurl=%URL%\r\ncount=1\r\n1=a\r\n") << QByteArray("/three")
        << QString() << QStringList{"a", "", ""};
    QTest::newRow("key missing between others")
        << QByteArray("[Form]\r\nurl=%URL%\r\ncount=3\r\n1=a\r\n3=c\r\n") << QByteArray("/three")
        << QString() << QStringList{"a", "", "c"};
    QTest::newRow("query string added since registration")
        << QByteArray("[Form]\r\nurl=%URL%\r\ncount=3\r\n1=a\r\n2=b\r\n3=c\r\n")
        << QByteArray("/three?x=1") << QStringLiteral("URL登録されていません！")
        << QStringList{"zz", "zz", "zz"};
    QTest::newRow("nothing stored for the title")
        << QByteArray() << QByteArray("/three") << QStringLiteral("FILE登録されていません！")
        << QStringList{"zz", "zz", "zz"};
}

void TestForms::fillEdgeCases()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, path);
    QFETCH(QString, message);
    QFETCH(QStringList, filled);
    if (!file.isEmpty())
        m_home->write("Form/Three.ini", file.replace("%URL%", Url("/three").toUtf8()));
    OpenAt(path);
    Scramble(Active());
    Fill();
    if (message.isEmpty()) {
        QTRY_COMPARE(Inputs(Active()), filled);
        QVERIFY(m_boxes.isEmpty());
        return;
    }
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.last().text, message);
    QCOMPARE(Inputs(Active()), filled);
}

void TestForms::registerAgain_data()
{
    QTest::addColumn<MbAnswer>("answer");
    QTest::newRow("No keeps the old file") << MbAnswer::No;
    QTest::newRow("Yes replaces the record") << MbAnswer::Yes;
}

void TestForms::registerAgain()
{
    QFETCH(MbAnswer, answer);
    const QByteArray old = "[Other]\r\nk=v\r\n[Form]\r\nurl=old\r\ncount=4\r\n4=old\r\n";
    m_home->write("Form/three.INI", old);
    OpenAt("/three");
    QCOMPARE(MenuTexts(), QStringList{"three.INI"});
    Type(Active(), {"a", "b", "c"});
    m_answer = answer;
    Register();
    QCOMPARE(m_boxes.first().text, QStringLiteral("既に登録されています！ 上書きしますか？"));
    QCOMPARE(m_boxes.first().caption, QStringLiteral("確認"));
    QCOMPARE(m_boxes.first().icon, MbIcon::Question);
    QCOMPARE(m_boxes.first().buttons, MbButtons::YesNo);
    QCOMPARE(m_boxes.size(), 2);
    if (answer == MbAnswer::No) {
        QCOMPARE(m_boxes.last().text, QStringLiteral("登録を中止します。"));
        QCOMPARE(m_home->read("Form/three.INI"), old);
    } else {
        QCOMPARE(m_boxes.last().caption, QStringLiteral("登録終了"));
        QCOMPARE(m_home->read("Form/three.INI"),
                 "[Other]\r\nk=v\r\n[Form]\r\nurl=" + Url("/three").toUtf8() +
                     "\r\ncount=3\r\n1=a\r\n2=b\r\n3=c\r\n");
    }
    QCOMPARE(QDir(m_home->file("Form")).entryList(QDir::Files), QStringList{"three.INI"});
    QCOMPARE(MenuTexts(), QStringList{"three.INI"});
}

void TestForms::hostileTitles_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("../../x") << QByteArray("/up") << QStringLiteral("___.._x.ini");
    QTest::newRow("a:b*c") << QByteArray("/drive") << QStringLiteral("a_b_c.ini");
    QTest::newRow("beyond code page 932") << QByteArray("/wide") << QStringLiteral("ü😀简体.ini");
    QTest::newRow("no title") << QByteArray("/untitled") << QString();
}

void TestForms::hostileTitles()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, name);
    OpenAt(path);
    Type(Active(), {"v"});
    Register();
    if (name.isEmpty()) {
        QCOMPARE(m_boxes.last().text, QStringLiteral("サイトにタイトルがありません！"));
        QVERIFY(!QFileInfo::exists(m_home->file("Form")));
        return;
    }
    QCOMPARE(m_boxes.last().caption, QStringLiteral("登録終了"));
    QCOMPARE(QDir(m_home->file("Form")).entryList(QDir::Files), QStringList{name});
    QVERIFY(!QFileInfo::exists(m_home->path() + "/../x.ini"));
    QCOMPARE(MenuTexts(), QStringList{name});
    Scramble(Active());
    Fill();
    QTRY_COMPARE(Inputs(Active()), QStringList{"v"});
}

void TestForms::failedWrites_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("stored");
    QTest::newRow("missing Form folder is made") << "none" << true;
    QTest::newRow("Form is a file") << "file" << false;
    QTest::newRow("read-only Form folder") << "read-only" << false;
    QTest::newRow("replace refused, old file kept") << "refused" << false;
}

void TestForms::failedWrites()
{
    QFETCH(QString, setup);
    QFETCH(bool, stored);
    const QByteArray old = "[Form]\r\nurl=old\r\n";
    if (setup == "file") {
        m_home->write("Form", "not a folder");
    } else if (setup == "read-only") {
        // No file can be made there, not even by the superuser.
        QVERIFY(QFile::link("/proc/self", m_home->file("Form")));
    } else if (setup == "refused") {
        m_home->write("Form/Three.ini", old);
        ProfileStore::SetBeforeReplaceHook([](const QString&) { return false; });
    }
    OpenAt("/three");
    const int listed = Menu()->Count();
    Type(Active(), {"a", "b", "c"});
    Register();
    const MessageBoxCall last = m_boxes.last();
    if (stored) {
        QCOMPARE(last.caption, QStringLiteral("登録終了"));
        QVERIFY(m_home->read("Form/Three.ini").endsWith("3=c\r\n"));
        QCOMPARE(Menu()->Count(), listed + 1);
        return;
    }
    QCOMPARE(last.caption, QStringLiteral("失敗"));
    QCOMPARE(last.icon, MbIcon::Stop);
    for (const MessageBoxCall& box : std::as_const(m_boxes))
        QVERIFY(box.caption != QStringLiteral("登録終了"));
    QCOMPARE(Menu()->Count(), listed);
    if (setup == "refused") {
        QCOMPARE(m_home->read("Form/Three.ini"), old);
        QCOMPARE(QDir(m_home->file("Form")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Three.ini"});
    }
}

void TestForms::menuFillsOpenedPage()
{
    m_home->write("Form/a.ini", "[Form]\r\nurl=http://127.0.0.1:9/\r\n");
    OpenAt("/home");
    QCOMPARE(MenuTexts(), QStringList{"a.ini"});
    QVERIFY(OpenNewTab(*m_frame, Url("/login")));
    QTRY_COMPARE(Active()->GetLocationURL(), Url("/login"));
    QVERIFY(WaitTabsIdle(*m_frame));
    Type(Active(), {"me", "secret", "-", "-"});
    Register();
    QCOMPARE(MenuTexts(), (QStringList{"a.ini", "Login.ini"}));
    // The login page's tab goes; the form menu brings it back, filled.
    m_frame->SendCommand(CommandId::TabClose);
    QTRY_COMPARE(m_frame->TabCount(), 1);
    QCOMPARE(Active()->GetLocationURL(), Url("/home"));
    QAction* item = Menu()->Menu()->actions().last();
    QCOMPARE(item->data().toInt(), FormCommand(1));
    emit Menu()->Menu()->aboutToShow();
    QVERIFY(item->isEnabled());
    item->trigger();
    QVERIFY(m_frame->Switches().formFillPending);
    QTRY_COMPARE(m_frame->TabCount(), 2);
    QTRY_COMPARE(Active()->GetLocationURL(), Url("/login"));
    QTRY_COMPARE(Inputs(Active()), (QStringList{"me", "secret", "tok", "on"}));
    QVERIFY(!m_frame->Switches().formFillPending);
    QCOMPARE(m_boxes.size(), 1);
}

void TestForms::menuRefusals_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("file gone since the start") << QByteArray() << "FILE-登録されていません！";
    QTest::newRow("no address stored")
        << QByteArray("[Form]\r\ncount=1\r\n1=a\r\n") << "URL登録されていません！";
}

void TestForms::menuRefusals()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    m_home->write("Form/b.ini", "[Form]\r\nurl=x\r\n");
    OpenAt("/three");
    if (file.isEmpty())
        QVERIFY(QFile::remove(m_home->file("Form/b.ini")));
    else
        m_home->write("Form/b.ini", file);
    m_frame->SendCommand(FormCommand(0));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.last().text, message);
    QCOMPARE(m_frame->TabCount(), 1);
    QVERIFY(!m_frame->Switches().formFillPending);
    // Only items that stand for a file do anything.
    QVERIFY(!m_frame->CommandState(FormCommand(1)).enabled);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
