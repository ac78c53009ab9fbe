#include "core/Cp932.h"
#include "core/StoredAddress.h"

#include <QtTest>

class TestCp932 : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void toUnicodeStaysDisplayable_data();
    void toUnicodeStaysDisplayable();
    void namesEqual_data();
    void namesEqual();
    void keepingAll_data();
    void keepingAll();
    void storedAddress_data();
    void storedAddress();
};

void TestCp932::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("abc") << QByteArray("abc");
    QTest::newRow("trail 0x5C") << QStringLiteral("表ソ能")
                                << QByteArray("\x95\x5c\x83\x5c\x94\x5c");
    QTest::newRow("half-width kana")
        << QStringLiteral("ﾊﾞｰｼﾞｮﾝ") << QByteArray("\xca\xde\xb0\xbc\xde\xae\xdd");
    QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray("\x81\x60");
    QTest::newRow("nec special") << QStringLiteral("①") << QByteArray("\x87\x40");
    QTest::newRow("unmappable") << QStringLiteral("x😀한") << QByteArray("x??");
}

void TestCp932::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp932::FromUnicode(text), bytes);
    QCOMPARE(Cp932::ByteLength(text), bytes.size());
    if (!bytes.contains('?'))
        QCOMPARE(Cp932::ToUnicode(bytes), text);
}

void TestCp932::keepingAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("emoji and hangul") << QStringLiteral("x😀한") << QByteArray("x&#128512;&#54620;");
    QTest::newRow("japanese and u-umlaut") << QStringLiteral("表ü") << QByteArray("\x95\x5c&#252;");
    QTest::newRow("literal reference")
        << QStringLiteral("&#128512;") << QByteArray("&#38;#128512;");
    QTest::newRow("plain ampersand") << QStringLiteral("a&b;#") << QByteArray("a&b;#");
    QTest::newRow("question marks") << QStringLiteral("??") << QByteArray("??");
}

void TestCp932::keepingAll()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Cp932::FromUnicodeKeepingAll(text), bytes);
    QCOMPARE(Cp932::ToUnicodeKeepingAll(bytes), text);
}

void TestCp932::storedAddress_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("ascii unchanged")
        << QStringLiteral("HTTP://Host/a b?q=%41") << QStringLiteral("HTTP://Host/a b?q=%41");
    QTest::newRow("path and query")
        << QStringLiteral("http://h/ü😀.html?q=汉字")
        << QStringLiteral("http://h/%C3%BC%F0%9F%98%80.html?q=%E6%B1%89%E5%AD%97");
    QTest::newRow("file") << QStringLiteral("file:///tmp/ページ.html")
                          << QStringLiteral("file:///tmp/%E3%83%9A%E3%83%BC%E3%82%B8.html");
    QTest::newRow("no scheme kept")
        << QStringLiteral("/tmp/ü.html") << QStringLiteral("/tmp/ü.html");
}

void TestCp932::storedAddress()
{
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QCOMPARE(StoredAddress::Encode(shown), stored);
    QCOMPARE(StoredAddress::Encode(stored), stored);
    if (stored != shown)
        QCOMPARE(StoredAddress::Decode(stored), shown);
}

void TestCp932::toUnicodeStaysDisplayable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("cut inside a character")
        << Cp932::CutBytes(QByteArray("\x95\x5c\x83\x5c"), 3) << QStringLiteral("表");
    QTest::newRow("invalid byte") << QByteArray("a\xff"
                                                "b")
                                  << QStringLiteral("a\uFFFDb");
    QTest::newRow("lead before blank") << QByteArray("\x81 b") << QStringLiteral("\uFFFD b");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestCp932::toUnicodeStaysDisplayable()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Cp932::ToUnicode(bytes), text);
}

void TestCp932::namesEqual_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("case") << QByteArray("TabList") << QByteArray("tablist") << true;
    QTest::newRow("length") << QByteArray("Tab") << QByteArray("Tabs") << false;
    QTest::newRow("trail byte A/a") << QByteArray("\x83\x41") << QByteArray("\x83\x61") << false;
    QTest::newRow("same kanji") << QByteArray("\x95\x5cX") << QByteArray("\x95\x5cx") << true;
}

void TestCp932::namesEqual()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, equal);
    QCOMPARE(Cp932::NamesEqual(a.constData(), a.size(), b.constData(), b.size()), equal);
}

QTEST_GUILESS_MAIN(TestCp932)
#include "tst_cp932.moc"
