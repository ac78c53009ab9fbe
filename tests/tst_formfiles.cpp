#include "core/FormFiles.h"

#include "TempHome.h"

#include <QtTest>

class TestFormFiles : public QObject {
    Q_OBJECT

private slots:
    void fileNames_data();
    void fileNames();
    void writeRecord_data();
    void writeRecord();
    void readRecord_data();
    void readRecord();
    void listing();
};

void TestFormFiles::fileNames_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("ログイン") << 259 << QStringLiteral("ログイン.ini");
    QTest::newRow("climbs out") << QStringLiteral("../../x") << 259
                                << QStringLiteral("___.._x.ini");
    QTest::newRow("drive and wildcards")
        << QStringLiteral("a:b*c") << 259 << QStringLiteral("a_b_c.ini");
    QTest::newRow("every forbidden character")
        << QStringLiteral("\\/:*?\"<>|") << 259 << QStringLiteral("_________.ini");
    QTest::newRow("hidden") << QStringLiteral(".profile") << 259 << QStringLiteral("_profile.ini");
    QTest::newRow("controls") << QStringLiteral("a\tb\nc\x7f") << 259
                              << QStringLiteral("a_b_c_.ini");
    QTest::newRow("beyond code page 932")
        << QStringLiteral("ü😀简体") << 259 << QStringLiteral("ü😀简体.ini");
    QTest::newRow("cut to the room") << QStringLiteral("abcdef") << 8 << QStringLiteral("abcd.ini");
    QTest::newRow("cut keeps a character whole")
        << QStringLiteral("a😀b") << 6 << QStringLiteral("a.ini");
    // 255 bytes a name on disk, with room left for the temporary copy.
    QTest::newRow("cut to what the disk holds")
        << QString(200, QChar(0x3042)) << 1000 << QString(80, QChar(0x3042)) + ".ini";
}

void TestFormFiles::fileNames()
{
    QFETCH(QString, title);
    QFETCH(int, room);
    QFETCH(QString, name);
    QCOMPARE(FormFiles::FileNameForTitle(title, room), name);
}

void TestFormFiles::writeRecord_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("three fields, the second empty")
        << QByteArray() << QStringList{"a", "", "c"}
        << QByteArray("[Form]\r\nurl=http://h/p?q=1\r\ncount=3\r\n1=a\r\n2=\r\n3=c\r\n");
    QTest::newRow("no fields") << QByteArray() << QStringList()
                               << QByteArray("[Form]\r\nurl=http://h/p?q=1\r\n");
    // The whole section goes; other sections stay.
    QTest::newRow("replaces the old record")
        << QByteArray("[Other]\r\nk=v\r\n[Form]\r\nurl=old\r\ncount=5\r\n5=x\r\n")
        << QStringList{"new"}
        << QByteArray("[Other]\r\nk=v\r\n[Form]\r\nurl=http://h/p?q=1\r\ncount=1\r\n1=new\r\n");
    QTest::newRow("blanks and quotes around a value")
        << QByteArray() << QStringList{" a ", "\"q\"", "'", "\tb"}
        << QByteArray("[Form]\r\nurl=http://h/p?q=1\r\ncount=4\r\n1=\" a \"\r\n2=\"\"q\"\"\r\n"
                      "3='\r\n4=\"\tb\"\r\n");
    QTest::newRow("text beyond code page 932 kept")
        << QByteArray() << QStringList{QStringLiteral("ü😀"), QStringLiteral("日本&#1;")}
        << QByteArray("[Form]\r\nurl=http://h/p?q=1\r\ncount=2\r\n1=&#252;&#128512;\r\n2=") +
               "\x93\xfa\x96\x7b&#38;#1;\r\n";
}

void TestFormFiles::writeRecord()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, values);
    QFETCH(QByteArray, after);
    TempHome home;
    if (!before.isEmpty()) {
        QVERIFY(QDir(home.path()).mkdir("Form"));
        home.write("Form/page.ini", before);
    }
    QVERIFY(FormFiles::Write("page.ini", {"http://h/p?q=1", values}));
    QCOMPARE(home.read("Form/page.ini"), after);
    const FormRecord back = FormFiles::Read("page.ini");
    QCOMPARE(back.url, QStringLiteral("http://h/p?q=1"));
    QCOMPARE(back.values, values);
}

void TestFormFiles::readRecord_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("key beyond count")
        << QByteArray("[Form]\r\nurl=u\r\ncount=1\r\n1=a\r\n3=c\r\n") << QStringList{"a", "", "c"};
    QTest::newRow("count beyond keys")
        << QByteArray("[Form]\r\nurl=u\r\ncount=9\r\n2=b\r\n") << QStringList{"", "b"};
    QTest::newRow("keys that are no field numbers")
        << QByteArray("[Form]\r\nurl=u\r\n01=x\r\n-1=y\r\n0=z\r\n1001=w\r\n1=a\r\n")
        << QStringList{"a"};
    QTest::newRow("first of duplicate keys")
        << QByteArray("[Form]\r\nurl=u\r\n1=a\r\n1=b\r\n") << QStringList{"a"};
}

void TestFormFiles::readRecord()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, values);
    TempHome home;
    QVERIFY(QDir(home.path()).mkdir("Form"));
    home.write("Form/page.ini", file);
    QCOMPARE(FormFiles::Read("page.ini").values, values);
    QCOMPARE(FormFiles::Read("PAGE.INI").url, QStringLiteral("u"));
}

void TestFormFiles::listing()
{
    TempHome home;
    QVERIFY(FormFiles::List().isEmpty());
    QVERIFY(QDir(home.path()).mkpath("Form/sub.ini"));
    for (int i = 0; i < 60; ++i)
        home.write(QStringLiteral("Form/%1.ini").arg(i, 2, 10, QLatin1Char('0')), "[Form]\r\n");
    home.write("Form/notes.txt", "x");
    const QStringList names = FormFiles::List();
    QCOMPARE(names.size(), FormFiles::kListedAtStart);
    QCOMPARE(names.first(), QStringLiteral("00.ini"));
    QCOMPARE(names.last(), QStringLiteral("48.ini"));
}

QTEST_GUILESS_MAIN(TestFormFiles)
#include "tst_formfiles.moc"
