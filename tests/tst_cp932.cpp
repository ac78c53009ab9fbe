#include "app/Cp932.h"

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
};

void TestCp932::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("abc") << QByteArray("abc");
    QTest::newRow("trail 0x5C") << QStringLiteral("表ソ能") << QByteArray("\x95\x5c\x83\x5c\x94\x5c");
    QTest::newRow("half-width kana") << QStringLiteral("ﾊﾞｰｼﾞｮﾝ") << QByteArray("\xca\xde\xb0\xbc\xde\xae\xdd");
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

void TestCp932::toUnicodeStaysDisplayable_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("cut inside a character")
        << Cp932::CutBytes(QByteArray("\x95\x5c\x83\x5c"), 3) << QStringLiteral("表");
    QTest::newRow("invalid byte") << QByteArray("a\xff" "b") << QStringLiteral("a\uFFFDb");
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
