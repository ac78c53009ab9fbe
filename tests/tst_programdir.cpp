#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "platform/MessageBox.h"

#include "TempHome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QtTest>

class TestProgramDir : public QObject {
    Q_OBJECT

private slots:
    void homeVariableWins();
    void prepareCopiesMissingDataOnly();
    void messageBoxResponderAnswers();
    void messageBoxMapsButtons_data();
    void messageBoxMapsButtons();
};

void TestProgramDir::homeVariableWins()
{
    TempHome home;
    QCOMPARE(ProgramDir::Path(), home.path());
    qputenv("ZELVO_HOME", QFile::encodeName(home.path() + "/sub/"));
    QCOMPARE(ProgramDir::Path(), home.path() + "/sub");
    QCOMPARE(ProgramDir::EngineProfilePath(), home.path() + "/sub/profile");
    QVERIFY(ProgramDir::Prepare());
    QVERIFY(QFileInfo(home.path() + "/sub").isDir());
}

void TestProgramDir::prepareCopiesMissingDataOnly()
{
    TempHome home;
    QVERIFY(ProgramDir::Prepare());
    QVERIFY(home.exists("user_agent.ini"));
    QVERIFY(GetPrivateProfileIntA("Agent", "count", 0, SettingsPath("user_agent.ini")) > 0);
    // No settings file appears by itself: a new directory reads all defaults.
    QVERIFY(!home.exists("Tablist.ini"));
    QVERIFY(!home.exists("Security.ini"));
    // A file the user changed is never overwritten.
    home.write("user_agent.ini", "[Agent]\r\ncount=0\r\n0=mine\r\n");
    QVERIFY(ProgramDir::Prepare());
    QCOMPARE(home.read("user_agent.ini"), QByteArray("[Agent]\r\ncount=0\r\n0=mine\r\n"));
}

void TestProgramDir::messageBoxResponderAnswers()
{
    QList<MessageBoxCall> calls;
    SetMessageBoxResponder([&](const MessageBoxCall& call) {
        calls.append(call);
        return MbAnswer::No;
    });
    QCOMPARE(ShowMessageBox(nullptr, "本文", "確認", MbIcon::Question, MbButtons::YesNo),
             MbAnswer::No);
    SetMessageBoxResponder(nullptr);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].text, QStringLiteral("本文"));
    QCOMPARE(calls[0].caption, QStringLiteral("確認"));
    QCOMPARE(calls[0].icon, MbIcon::Question);
    QCOMPARE(calls[0].buttons, MbButtons::YesNo);
}

void TestProgramDir::messageBoxMapsButtons_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(MbButtons::YesNo) << int(QMessageBox::Yes) << int(MbAnswer::Yes);
    QTest::newRow("no") << int(MbButtons::YesNoCancel) << int(QMessageBox::No) << int(MbAnswer::No);
    QTest::newRow("cancel") << int(MbButtons::OkCancel) << int(QMessageBox::Cancel)
                            << int(MbAnswer::Cancel);
    QTest::newRow("ok") << int(MbButtons::Ok) << int(QMessageBox::Ok) << int(MbAnswer::Ok);
}

void TestProgramDir::messageBoxMapsButtons()
{
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, answer);
    // The real dialog: press the button as a user would, once it is up.
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(static_cast<QMessageBox::StandardButton>(press))->click();
    });
    timer.start(20);
    QCOMPARE(int(ShowMessageBox(nullptr, "t", "c", MbIcon::Stop, static_cast<MbButtons>(buttons))),
             answer);
}

QTEST_MAIN(TestProgramDir)
#include "tst_programdir.moc"
