#include "core/FlagToggle.h"
#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include "TempHome.h"

#include <QDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// Bytes as the original program's files hold them: code page 932, CR LF.
static const QByteArray kOriginalFile =
    "[Tablist]\r\n"
    "tabcount=25\r\n"
    "dbclick=1:\x83\x5e\x83\x75\x8d\xed\x8f\x9c\r\n" // 1:タブ削除
    "\r\n"
    "; written by hand\r\n"
    "[Window]\r\n"
    "statusbar=1\r\n"
    "title=\x95\x5c\x83\x5c\x94\x5c\r\n" // 表ソ能
    "\r\n"
    "[Skin]\r\n"
    "name=blue.bmp\r\n";

class TestProfileStore : public QObject {
    Q_OBJECT

private slots:
    void missingFileGivesDefaults();
    void readsValues_data();
    void readsValues();
    void numbers_data();
    void numbers();
    void namesMatchWithoutCase();
    void fileNamesMatchWithoutCase();
    void settingsPathAcceptsDoubledSeparator();
    void valuesCutToBuffer();
    void bufferCallListsNames();
    void writesNewFileExactly();
    void writeKeepsOtherLinesByteForByte_data();
    void writeKeepsOtherLinesByteForByte();
    void batchWritesLikeSingleWrites_data();
    void batchWritesLikeSingleWrites();
    void deletingProxySectionGivesDefaults();
    void lineBreakInValueCannotForgeKeys();
    void cp932RoundTrip();
    void badInput_data();
    void badInput();
    void interruptedWriteKeepsOldFile();
    void unreadableFileIsKept_data();
    void unreadableFileIsKept();
    void linkedFileIsWrittenThrough();
    void tooLongPathIsIgnored();
    void toggles_data();
    void toggles();
    void checkRules_data();
    void checkRules();
    void downloadControlWords_data();
    void downloadControlWords();
};

void TestProfileStore::missingFileGivesDefaults()
{
    TempHome home;
    const QString path = SettingsPath("Tablist.ini");
    QCOMPARE(GetPrivateProfileIntA("Tablist", "tabcount", 20, path), 20);
    QCOMPARE(ProfileStore::GetString("Tablist", "dbclick", "0:x", 260, path), QByteArray("0:x"));
    home.write("Tablist.ini", "[Other]\r\na=1\r\n");
    QCOMPARE(GetPrivateProfileIntA("Tablist", "tabcount", 20, path), 20);
    QCOMPARE(GetPrivateProfileIntA("Other", "b", 7, path), 7);
    QCOMPARE(QDir(home.path()).entryList(QDir::Files).size(), 1);
}

void TestProfileStore::readsValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("plain") << QByteArray("[S]\r\nk=v\r\n") << QByteArray("v");
    QTest::newRow("blanks around =")
        << QByteArray("[S]\r\n  k  =   v w  \r\n") << QByteArray("v w");
    QTest::newRow("blank section name") << QByteArray("[ S ]\r\nk=v\r\n") << QByteArray("v");
    QTest::newRow("LF only") << QByteArray("[S]\nk=v\n") << QByteArray("v");
    QTest::newRow("no final newline") << QByteArray("[S]\r\nk=v") << QByteArray("v");
    QTest::newRow("first duplicate wins") << QByteArray("[S]\r\nk=1\r\nk=2\r\n") << QByteArray("1");
    QTest::newRow("first section wins")
        << QByteArray("[S]\r\nk=1\r\n[S]\r\nk=2\r\n") << QByteArray("1");
    QTest::newRow("comment is no key") << QByteArray("[S]\r\n;k=c\r\nk=v\r\n") << QByteArray("v");
    QTest::newRow("double quotes dropped")
        << QByteArray("[S]\r\nk=\"a b\"\r\n") << QByteArray("a b");
    QTest::newRow("single quotes dropped") << QByteArray("[S]\r\nk='a'\r\n") << QByteArray("a");
    QTest::newRow("lone quote kept") << QByteArray("[S]\r\nk=\"a\r\n") << QByteArray("\"a");
    QTest::newRow("empty value") << QByteArray("[S]\r\nk=\r\n") << QByteArray("");
    QTest::newRow("key without =") << QByteArray("[S]\r\nk\r\n") << QByteArray("");
    QTest::newRow("other section") << QByteArray("[T]\r\nk=v\r\n") << QByteArray("dflt");
    QTest::newRow("value keeps second =") << QByteArray("[S]\r\nk=a=b\r\n") << QByteArray("a=b");
    QTest::newRow("trail byte ] in name")
        << QByteArray("[\x83\x5d]\r\n[S]\r\nk=v\r\n") << QByteArray("v");
}

void TestProfileStore::readsValues()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    TempHome home;
    home.write("a.ini", file);
    QCOMPARE(ProfileStore::GetString("S", "k", "dflt", 260, SettingsPath("a.ini")), expected);
}

void TestProfileStore::numbers_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("digits") << QByteArray("42") << 42;
    QTest::newRow("leading digits") << QByteArray("12abc") << 12;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("empty is default") << QByteArray("") << 99;
    QTest::newRow("negative") << QByteArray("-3") << -3;
    QTest::newRow("leading blank inside quotes") << QByteArray("\" 7\"") << 7;
    QTest::newRow("huge") << QByteArray("99999999999999999999") << -1;
}

void TestProfileStore::numbers()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    TempHome home;
    home.write("n.ini", "[S]\r\nk=" + value + "\r\n");
    QCOMPARE(GetPrivateProfileIntA("S", "k", 99, SettingsPath("n.ini")), expected);
}

void TestProfileStore::namesMatchWithoutCase()
{
    TempHome home;
    const QString path = SettingsPath("Tablist.ini");
    QVERIFY(WritePrivateProfileStringA("TabList", "TabCount", "30", path));
    QCOMPARE(GetPrivateProfileIntA("Tablist", "tabcount", 20, path), 30);
    QVERIFY(WritePrivateProfileStringA("Tablist", "tabcount", "31", path));
    QCOMPARE(GetPrivateProfileIntA("TABLIST", "TABCOUNT", 20, path), 31);
    // One section, one key, the first spelling kept.
    QCOMPARE(home.read("Tablist.ini"), QByteArray("[TabList]\r\nTabCount=31\r\n"));
    // A double-byte name never folds through its trail byte (0x41 'A' vs 0x61 'a').
    QVERIFY(WritePrivateProfileStringA("\x83\x41", "k", "1", path));
    QCOMPARE(GetPrivateProfileIntA("\x83\x61", "k", 5, path), 5);
    QCOMPARE(GetPrivateProfileIntA("\x83\x41", "K", 5, path), 1);
}

void TestProfileStore::fileNamesMatchWithoutCase()
{
    TempHome home;
    QVERIFY(WritePrivateProfileStringA("state", "a", "1", SettingsPath("State.ini")));
    QCOMPARE(GetPrivateProfileIntA("state", "a", 0, SettingsPath("state.ini")), 1);
    QVERIFY(WritePrivateProfileStringA("state", "b", "2", SettingsPath("STATE.INI")));
    QCOMPARE(QDir(home.path()).entryList(QDir::Files), QStringList{"State.ini"});
    QCOMPARE(home.read("State.ini"), QByteArray("[state]\r\na=1\r\nb=2\r\n"));
    home.write("Form/Site.ini", "[Form]\r\nx=1\r\n");
    QCOMPARE(GetPrivateProfileIntA("Form", "x", 0, SettingsPath("form\\site.ini")), 1);
}

void TestProfileStore::settingsPathAcceptsDoubledSeparator()
{
    TempHome home;
    QCOMPARE(SettingsPath("\\Tablist.ini"), home.file("Tablist.ini"));
    QCOMPARE(SettingsPath("Tablist.ini"), home.file("Tablist.ini"));
    QCOMPARE(SettingsPath("Form\\\\a.ini"), home.file("Form/a.ini"));
    QCOMPARE(SettingsPath("toolbar\\tool.bmp"), home.file("toolbar/tool.bmp"));
}

void TestProfileStore::valuesCutToBuffer()
{
    TempHome home;
    home.write("a.ini", "[S]\r\nk=abcdefgh\r\nj=\x95\x5c\x95\x5c\r\n");
    char buffer[16];
    memset(buffer, 'X', sizeof buffer);
    QCOMPARE(GetPrivateProfileStringA("S", "k", "", buffer, 5, SettingsPath("a.ini")), 4ul);
    QCOMPARE(QByteArray(buffer), QByteArray("abcd"));
    QCOMPARE(buffer[5], 'X');
    // A cut by bytes may split a double-byte character.
    QCOMPARE(ProfileStore::GetString("S", "j", "", 4, SettingsPath("a.ini")),
             QByteArray("\x95\x5c\x95"));
    QCOMPARE(GetPrivateProfileStringA("S", "none", "defaultlong", buffer, 4, SettingsPath("a.ini")),
             3ul);
    QCOMPARE(QByteArray(buffer), QByteArray("def"));
    QCOMPARE(GetPrivateProfileStringA("S", "k", "", buffer, 0, SettingsPath("a.ini")), 0ul);
}

void TestProfileStore::bufferCallListsNames()
{
    TempHome home;
    home.write("a.ini", "[One]\r\na=1\r\nb=2\r\n[Two]\r\n");
    char buffer[64];
    unsigned long n =
        GetPrivateProfileStringA(nullptr, nullptr, "", buffer, 64, SettingsPath("a.ini"));
    QCOMPARE(QByteArray(buffer, static_cast<int>(n) + 1), QByteArray("One\0Two\0\0", 9));
    n = GetPrivateProfileStringA("one", nullptr, "", buffer, 64, SettingsPath("a.ini"));
    QCOMPARE(QByteArray(buffer, static_cast<int>(n) + 1), QByteArray("a\0b\0\0", 5));
    n = GetPrivateProfileStringA("one", nullptr, "", buffer, 3, SettingsPath("a.ini"));
    QCOMPARE(n, 1ul);
    QCOMPARE(QByteArray(buffer, 3), QByteArray("a\0\0", 3));
}

void TestProfileStore::writesNewFileExactly()
{
    TempHome home;
    const QString path = SettingsPath("Endlist.ini");
    QVERIFY(WritePrivateProfileStringA("Window", "size", "1", path));
    QVERIFY(WritePrivateProfileStringA("Endlist", "tab_count", "2", path));
    QVERIFY(WritePrivateProfileStringA("Endlist", "0", "http://a/", path));
    QVERIFY(WritePrivateProfileStringA("Window", "x", "y", path));
    QCOMPARE(home.read("Endlist.ini"), QByteArray("[Window]\r\nsize=1\r\nx=y\r\n"
                                                  "[Endlist]\r\ntab_count=2\r\n0=http://a/\r\n"));
    QVERIFY(WritePrivateProfileStringA("Window", "size", nullptr, path));
    QVERIFY(WritePrivateProfileStringA("Endlist", nullptr, nullptr, path));
    QCOMPARE(home.read("Endlist.ini"), QByteArray("[Window]\r\nx=y\r\n"));
    // Deleting what is not there changes nothing and creates nothing.
    QVERIFY(WritePrivateProfileStringA("Gone", nullptr, nullptr, SettingsPath("none.ini")));
    QVERIFY(WritePrivateProfileStringA("Gone", "k", nullptr, SettingsPath("none.ini")));
    QVERIFY(!home.exists("none.ini"));
}

void TestProfileStore::writeKeepsOtherLinesByteForByte_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value"); // "<null>" deletes
    QTest::addColumn<QByteArray>("expected");
    QByteArray f = kOriginalFile;
    QTest::newRow("replace") << QByteArray("tablist") << QByteArray("TABCOUNT") << QByteArray("5")
                             << QByteArray(f).replace("tabcount=25", "tabcount=5");
    QTest::newRow("same value") << QByteArray("Tablist") << QByteArray("tabcount")
                                << QByteArray("25") << f;
    QTest::newRow("add to section before blank line")
        << QByteArray("Window") << QByteArray("docking") << QByteArray("0")
        << QByteArray(f).replace("\x94\x5c\r\n", "\x94\x5c\r\ndocking=0\r\n");
    QTest::newRow("add to last section")
        << QByteArray("Skin") << QByteArray("k") << QByteArray("v") << f + "k=v\r\n";
    QTest::newRow("new section") << QByteArray("Home") << QByteArray("url") << QByteArray("x")
                                 << f + "[Home]\r\nurl=x\r\n";
    QTest::newRow("delete key") << QByteArray("Window") << QByteArray("statusbar")
                                << QByteArray("<null>")
                                << QByteArray(f).replace("statusbar=1\r\n", "");
    QTest::newRow("delete section")
        << QByteArray("window") << QByteArray() << QByteArray("<null>")
        << QByteArray(f).replace(
               "[Window]\r\nstatusbar=1\r\ntitle=\x95\x5c\x83\x5c\x94\x5c\r\n\r\n", "");
    QTest::newRow("japanese value")
        << QByteArray("Skin") << QByteArray("name") << QByteArray("\x95\x5c.bmp")
        << QByteArray(f).replace("blue.bmp", "\x95\x5c.bmp");
}

void TestProfileStore::writeKeepsOtherLinesByteForByte()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    TempHome home;
    home.write("Tablist.ini", kOriginalFile);
    const char* v = value == "<null>" ? nullptr : value.constData();
    QVERIFY(WritePrivateProfileStringA(section.constData(),
                                       key.isNull() ? nullptr : key.constData(), v,
                                       SettingsPath("Tablist.ini")));
    QCOMPARE(home.read("Tablist.ini"), expected);
}

void TestProfileStore::batchWritesLikeSingleWrites_data()
{
    // Writes as "section/key=value"; "section/key" deletes the key, "section" the section.
    QTest::addColumn<QByteArrayList>("writes");
    QTest::addColumn<int>("replaces");
    QTest::newRow("list rewritten")
        << QByteArrayList{"Window", "Window/count=2", "Window/0=a", "Window/1=b", "window/2=c"}
        << 1;
    QTest::newRow("keys set, changed and deleted")
        << QByteArrayList{"Tablist/tabcount=5", "New/k=v", "Tablist/tabcount", "SKIN/name=x"} << 1;
    QTest::newRow("nothing changes") << QByteArrayList{"Tablist/tabcount=25", "None/k"} << 0;
}

void TestProfileStore::batchWritesLikeSingleWrites()
{
    QFETCH(QByteArrayList, writes);
    QFETCH(int, replaces);
    TempHome home;
    home.write("One.ini", kOriginalFile);
    home.write("Batch.ini", kOriginalFile);
    ProfileStore::Batch batch(SettingsPath("Batch.ini"));
    for (const QByteArray& w : std::as_const(writes)) {
        const QString text = QString::fromLatin1(w);
        const QByteArray section = text.section('/', 0, 0).toLatin1();
        const QByteArray key = text.section('/', 1).section('=', 0, 0).toLatin1();
        const QByteArray value = text.section('=', 1).toLatin1();
        const bool set = w.contains('=');
        QVERIFY(WritePrivateProfileStringA(
            section.constData(), key.isEmpty() ? nullptr : key.constData(),
            set ? value.constData() : nullptr, SettingsPath("One.ini")));
        if (set)
            batch.Set(section.constData(), key.constData(), value);
        else if (key.isEmpty())
            batch.RemoveSection(section.constData());
        else
            batch.RemoveKey(section.constData(), key.constData());
    }
    int replaced = 0;
    ProfileStore::SetBeforeReplaceHook([&replaced](const QString&) { return ++replaced; });
    const bool committed = batch.Commit();
    ProfileStore::SetBeforeReplaceHook(nullptr);
    QVERIFY(committed);
    QCOMPARE(replaced, replaces);
    QCOMPARE(home.read("Batch.ini"), home.read("One.ini"));
}

void TestProfileStore::deletingProxySectionGivesDefaults()
{
    TempHome home;
    const QString path = SettingsPath("proxy.ini");
    QVERIFY(WritePrivateProfileStringA("Proxy1", "host", "proxy.example", path));
    QVERIFY(WritePrivateProfileStringA("Proxy1", "port", "3128", path));
    QVERIFY(WritePrivateProfileStringA("Proxy2", "host", "other", path));
    QVERIFY(WritePrivateProfileStringA("Proxy1", nullptr, nullptr, path));
    QCOMPARE(ProfileStore::GetString("Proxy1", "host", "", 780, path), QByteArray());
    QCOMPARE(ProfileStore::GetString("Proxy1", "port", "8080", 260, path), QByteArray("8080"));
    QCOMPARE(ProfileStore::GetString("Proxy2", "host", "", 780, path), QByteArray("other"));
}

void TestProfileStore::lineBreakInValueCannotForgeKeys()
{
    TempHome home;
    const QString path = SettingsPath("Window_List.ini");
    QVERIFY(WritePrivateProfileStringA("Window_List", "0", "evil\r\n[Security]\r\nscript=x", path));
    QCOMPARE(ProfileStore::SectionNames(path), QList<QByteArray>{"Window_List"});
    QCOMPARE(ProfileStore::GetString("Window_List", "0", "", 520, path),
             QByteArray("evil  [Security]  script=x"));
}

void TestProfileStore::cp932RoundTrip()
{
    TempHome home;
    const QString path = SettingsPath("Searchstring.ini");
    const QString text = QStringLiteral("表ソ能 ｱｲｳｴｵ 検索\\語");
    QVERIFY(ProfileStore::WriteText("Searchstring", "0", text, path));
    QCOMPARE(ProfileStore::GetText("Searchstring", "0", QString(), 520, path), text);
    QCOMPARE(home.read("Searchstring.ini"),
             QByteArray("[Searchstring]\r\n0=\x95\x5c\x83\x5c\x94\x5c \xb1\xb2\xb3\xb4\xb5 "
                        "\x8c\x9f\x8d\xf5\\\x8c\xea\r\n"));
    // What code page 932 cannot hold is stored as "?".
    QVERIFY(ProfileStore::WriteText("Searchstring", "1", QStringLiteral("a\U0001F600b한"), path));
    QCOMPARE(ProfileStore::GetString("Searchstring", "1", "", 520, path), QByteArray("a?b?"));
}

void TestProfileStore::badInput_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected"); // value of [S] k
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) % 256);
    QTest::newRow("binary garbage") << garbage + "\r\n[S]\r\nk=v\r\n" << QByteArray("v");
    QTest::newRow("10 MB line") << "[S]\r\nbig=" + QByteArray(10 * 1024 * 1024, 'x') + "\r\nk=v\r\n"
                                << QByteArray("v");
    QTest::newRow("lone [") << QByteArray("[\r\n[S]\r\nk=v\r\n") << QByteArray("v");
    QTest::newRow("no final newline") << QByteArray("[S]\r\nk=v") << QByteArray("v");
    QTest::newRow("invalid cp932")
        << QByteArray("[S]\r\nk=\x81\x20\xff\xa0\r\n") << QByteArray("\x81\x20\xff\xa0");
    QTest::newRow("NUL bytes") << QByteArray("[S]\r\nz=a\0b\r\nk=v\r\n", 19) << QByteArray("v");
}

void TestProfileStore::badInput()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    TempHome home;
    home.write("bad.ini", file);
    const QString path = SettingsPath("bad.ini");
    QCOMPARE(ProfileStore::GetString("S", "k", "d", 520, path), expected);
    QCOMPARE(GetPrivateProfileIntA("Missing", "k", 3, path), 3);
    (void)ProfileStore::GetText("S", "k", QString(), 520, path);
    // One key written later: every other byte stays.
    QVERIFY(WritePrivateProfileStringA("T", "new", "1", path));
    QByteArray after = home.read("bad.ini");
    QByteArray prefix = file.endsWith('\n') ? file : file + "\r\n";
    QVERIFY(after == prefix + "[T]\r\nnew=1\r\n");
}

void TestProfileStore::interruptedWriteKeepsOldFile()
{
    TempHome home;
    home.write("Address.ini", kOriginalFile);
    ProfileStore::SetBeforeReplaceHook([](const QString&) { return false; });
    bool written =
        WritePrivateProfileStringA("Tablist", "tabcount", "3", SettingsPath("Address.ini"));
    ProfileStore::SetBeforeReplaceHook(nullptr);
    QVERIFY(!written);
    QCOMPARE(home.read("Address.ini"), kOriginalFile);
    ProfileStore::SetBeforeReplaceHook([](const QString&) { return false; });
    written = ProfileStore::Batch(SettingsPath("Address.ini"))
                  .SetInt("Tablist", "tabcount", 3)
                  .RemoveSection("Skin")
                  .Commit();
    ProfileStore::SetBeforeReplaceHook(nullptr);
    QVERIFY(!written);
    QCOMPARE(home.read("Address.ini"), kOriginalFile);
    QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Address.ini"});
    QVERIFY(WritePrivateProfileStringA("Tablist", "tabcount", "3", SettingsPath("Address.ini")));
    QCOMPARE(GetPrivateProfileIntA("Tablist", "tabcount", 0, SettingsPath("Address.ini")), 3);
}

void TestProfileStore::unreadableFileIsKept_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("link to itself") << "loop";
    QTest::newRow("directory") << "directory";
}

// Something stands where the file should be and cannot be read: reads give the
// default without waiting, and a write leaves it alone instead of replacing it.
void TestProfileStore::unreadableFileIsKept()
{
    QFETCH(QString, kind);
    TempHome home;
    const QString path = home.file("Address.ini");
    const QByteArray name = QFile::encodeName(path);
    if (kind == "pipe")
        QCOMPARE(mkfifo(name.constData(), 0600), 0);
    else if (kind == "loop")
        QCOMPARE(symlink(name.constData(), name.constData()), 0);
    else
        QVERIFY(QDir().mkdir(path));
    QCOMPARE(GetPrivateProfileIntA("address", "address_count", 7, SettingsPath("Address.ini")), 7);
    QVERIFY(!WritePrivateProfileStringA("address", "0", "http://a/", SettingsPath("Address.ini")));
    struct stat st {};
    QCOMPARE(lstat(name.constData(), &st), 0);
    const bool same = kind == "pipe"   ? S_ISFIFO(st.st_mode)
                      : kind == "loop" ? S_ISLNK(st.st_mode)
                                       : S_ISDIR(st.st_mode);
    QVERIFY(same);
    QCOMPARE(QDir(home.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{"Address.ini"});
}

void TestProfileStore::linkedFileIsWrittenThrough()
{
    TempHome home;
    QTemporaryDir elsewhere;
    const QString real = elsewhere.path() + "/Tablist.ini";
    QFile file(real);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kOriginalFile);
    file.close();
    QVERIFY(QFile::link(real, home.file("Tablist.ini")));
    QVERIFY(WritePrivateProfileStringA("Tablist", "tabcount", "3", SettingsPath("Tablist.ini")));
    QVERIFY(QFileInfo(home.file("Tablist.ini")).isSymLink());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() != kOriginalFile);
    QCOMPARE(GetPrivateProfileIntA("Tablist", "tabcount", 0, SettingsPath("Tablist.ini")), 3);
}

void TestProfileStore::tooLongPathIsIgnored()
{
    TempHome home;
    // Longer than the settings path allows, though each part fits the file system.
    const QString longName =
        QString(150, QLatin1Char('d')) + "/" + QString(150, QLatin1Char('e')) + ".ini";
    home.write(longName, "[S]\r\nk=v\r\n");
    QCOMPARE(ProfileStore::GetString("S", "k", "d", 260, SettingsPath(longName)), QByteArray("d"));
    QVERIFY(!WritePrivateProfileStringA("S", "k", "w", SettingsPath(longName)));
    QCOMPARE(home.read(longName), QByteArray("[S]\r\nk=v\r\n"));
}

void TestProfileStore::toggles_data()
{
    QTest::addColumn<QByteArray>("stored"); // "<missing>" for no key
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("after");
    const int plain = static_cast<int>(ToggleKind::Plain);
    const int url = static_cast<int>(ToggleKind::UrlSecurity);
    QTest::newRow("plain missing") << QByteArray("<missing>") << plain << QByteArray("1");
    QTest::newRow("plain 0") << QByteArray("0") << plain << QByteArray("1");
    QTest::newRow("plain 1") << QByteArray("1") << plain << QByteArray("0");
    QTest::newRow("plain 2") << QByteArray("2") << plain << QByteArray("0");
    QTest::newRow("plain rubbish") << QByteArray("x") << plain << QByteArray("1");
    QTest::newRow("url missing") << QByteArray("<missing>") << url << QByteArray("1");
    QTest::newRow("url 1") << QByteArray("1") << url << QByteArray("0");
    QTest::newRow("url 2") << QByteArray("2") << url << QByteArray("2");
}

void TestProfileStore::toggles()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, kind);
    QFETCH(QByteArray, after);
    TempHome home;
    const QString path = SettingsPath("Security.ini");
    if (stored != "<missing>")
        QVERIFY(WritePrivateProfileStringA("Security", "url_sec", stored.constData(), path));
    ToggleFlag("Security", "url_sec", path, static_cast<ToggleKind>(kind));
    QCOMPARE(ProfileStore::GetString("Security", "url_sec", "<missing>", 260, path), after);
}

void TestProfileStore::checkRules_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("checked");
    const int one = static_cast<int>(CheckRule::EqualsOne);
    const int nonZero = static_cast<int>(CheckRule::NonZero);
    const int inverted = static_cast<int>(CheckRule::Inverted);
    QTest::newRow("flag 1") << 1 << one << true;
    QTest::newRow("flag 2") << 2 << one << false;
    QTest::newRow("mailto 2") << 2 << nonZero << true;
    QTest::newRow("mailto 0") << 0 << nonZero << false;
    QTest::newRow("gesture 0") << 0 << inverted << true;
    QTest::newRow("gesture 1") << 1 << inverted << false;
}

void TestProfileStore::checkRules()
{
    QFETCH(int, value);
    QFETCH(int, rule);
    QFETCH(bool, checked);
    TempHome home;
    ProfileStore::WriteInt("Mouse", "gesture", value, SettingsPath("Security.ini"));
    QCOMPARE(
        FlagChecked("Mouse", "gesture", SettingsPath("Security.ini"), static_cast<CheckRule>(rule)),
        checked);
}

void TestProfileStore::downloadControlWords_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("denied");
    QTest::newRow("negative word") << QByteArray("DLCTL_NO_SCRIPTS") << true;
    QTest::newRow("positive word") << QByteArray("DLCTL_SCRIPTS") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("rubbish") << QByteArray("dlctl_no_scripts") << false;
    QTest::newRow("missing") << QByteArray("<missing>") << false;
}

void TestProfileStore::downloadControlWords()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, denied);
    TempHome home;
    const QString path = SettingsPath("Security.ini");
    if (stored != "<missing>")
        QVERIFY(WritePrivateProfileStringA("Security", "script", stored.constData(), path));
    QCOMPARE(WordIsNegative("Security", "script", "DLCTL_NO_SCRIPTS", path), denied);
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"
