#include "security/PrivacyStore.h"

#include "TempHome.h"

#include <QtTest>

namespace {

using PrivacyStore::CookieRule;
using PrivacyStore::Fate;

const CookieRule kKeep{};
const CookieRule kBlocked{false, Fate::Drop, Fate::Drop};
const CookieRule kForSession{true, Fate::Session, Fate::Keep};
const CookieRule kSessionOnly{true, Fate::Drop, Fate::Keep};

} // namespace

Q_DECLARE_METATYPE(PrivacyStore::CookieRule)

class TestPrivacy : public QObject {
    Q_OBJECT

private slots:
    void siteName_data();
    void siteName();
    void coveringSite_data();
    void coveringSite();
    void decide_data();
    void decide();
    void store();
};

void TestPrivacy::siteName_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("site");
    QTest::newRow("leading www.") << "www.example.com"
                                  << "example.com";
    QTest::newRow("no www.") << "example.com"
                             << "example.com";
    QTest::newRow("www. inside keeps what follows") << "news.www.example.com"
                                                    << "example.com";
    QTest::newRow("the first www. counts") << "www.www.example.com"
                                           << "www.example.com";
    QTest::newRow("www without its dot stays") << "wwwexample.com"
                                               << "wwwexample.com";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("cut to 779") << QString(800, 'a') << QString(779, 'a');
    QTest::newRow("cut after www.") << "www." + QString(790, 'b') << QString(779, 'b');
}

void TestPrivacy::siteName()
{
    QFETCH(QString, domain);
    QFETCH(QString, site);
    QCOMPARE(PrivacyStore::SiteName(domain), site);
}

void TestPrivacy::coveringSite_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("found");
    QTest::newRow("none stored") << QStringList() << "example.com"
                                 << "";
    QTest::newRow("the host itself") << QStringList{"example.com"} << "example.com"
                                     << "example.com";
    QTest::newRow("a parent of the host") << QStringList{"example.com"} << "news.example.com"
                                          << "example.com";
    QTest::newRow("first match in order wins")
        << QStringList{"other.org", "example.com", "news.example.com"} << "news.example.com"
        << "example.com";
    QTest::newRow("empty names are passed over") << QStringList{"", "example.com"} << "example.com"
                                                 << "example.com";
    QTest::newRow("a child does not cover its parent")
        << QStringList{"news.example.com"} << "example.com"
        << "";
}

void TestPrivacy::coveringSite()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, host);
    QFETCH(QString, found);
    QCOMPARE(PrivacyStore::CoveringSite(stored, host), found);
}

void TestPrivacy::decide_data()
{
    QTest::addColumn<uint>("firstParty"); // template of the site's own cookies
    QTest::addColumn<uint>("thirdParty"); // template of other sites' cookies
    QTest::addColumn<QString>("sites");   // "name=state,..."
    QTest::addColumn<bool>("zonePersistent");
    QTest::addColumn<bool>("zoneSession");
    QTest::addColumn<CookieRule>("own");
    QTest::addColumn<CookieRule>("other");
    QTest::newRow("0 block all") << 0u << 0u << "" << true << true << kBlocked << kBlocked;
    QTest::newRow("1 high") << 1u << 1u << "" << true << true << kSessionOnly << kBlocked;
    QTest::newRow("2 medium high") << 2u << 2u << "" << true << true << kForSession << kBlocked;
    QTest::newRow("3 medium") << 3u << 3u << "" << true << true << kKeep << kBlocked;
    QTest::newRow("4 low") << 4u << 4u << "" << true << true << kKeep << kForSession;
    QTest::newRow("5 accept all") << 5u << 5u << "" << true << true << kKeep << kKeep;
    QTest::newRow("each type by its own template")
        << 0u << 5u << "" << true << true << kBlocked << kKeep;
    QTest::newRow("no level stored counts as medium")
        << 7u << 99u << "" << true << true << kKeep << kBlocked;
    QTest::newRow("accept beats block all")
        << 0u << 0u << "example.com=1" << true << true << kKeep << kKeep;
    QTest::newRow("reject beats accept all")
        << 5u << 5u << "example.com=5" << true << true << kBlocked << kBlocked;
    QTest::newRow("ask refuses") << 5u << 5u << "example.com=2" << true << true << kBlocked
                                 << kBlocked;
    QTest::newRow("first party only")
        << 5u << 5u << "example.com=3" << true << true << kKeep << kBlocked;
    QTest::newRow("session only") << 0u << 0u << "example.com=4" << true << true << kForSession
                                  << kForSession;
    QTest::newRow("unknown state leaves the level")
        << 3u << 3u << "example.com=9" << true << true << kKeep << kBlocked;
    QTest::newRow("a parent site's decision covers the host")
        << 5u << 5u << "host.example.com=1,example.com=5,www.host.example.com=5" << true << true
        << kKeep << kKeep;
    QTest::newRow("a name inside another is no parent")
        << 5u << 5u << "ample.com=5,host.example.com.evil=5" << true << true << kKeep << kKeep;
    QTest::newRow("zone: nothing on disk")
        << 5u << 5u << "" << false << true << kSessionOnly << kSessionOnly;
    QTest::newRow("zone: no session cookies")
        << 5u << 2u << "" << true << false << CookieRule{true, Fate::Keep, Fate::Drop} << kBlocked;
    QTest::newRow("zone: neither kind") << 5u << 5u << "" << false << false << kBlocked << kBlocked;
    QTest::newRow("a site's decision beats the zone")
        << 5u << 5u << "example.com=1" << false << false << kKeep << kKeep;
}

void TestPrivacy::decide()
{
    QFETCH(uint, firstParty);
    QFETCH(uint, thirdParty);
    QFETCH(QString, sites);
    QFETCH(bool, zonePersistent);
    QFETCH(bool, zoneSession);
    QFETCH(CookieRule, own);
    QFETCH(CookieRule, other);
    PrivacyStore::CookiePolicy policy;
    policy.firstParty = firstParty;
    policy.thirdParty = thirdParty;
    for (const QString& entry : sites.split(',', Qt::SkipEmptyParts))
        policy.sites.append({entry.section('=', 0, 0), entry.section('=', 1).toInt()});
    policy.zonePersistent = zonePersistent;
    policy.zoneSession = zoneSession;
    QVERIFY(PrivacyStore::Decide(policy, "host.example.com", false) == own);
    QVERIFY(PrivacyStore::Decide(policy, "host.example.com", true) == other);
}

// The store shared by every process of the user, and the level both types share.
void TestPrivacy::store()
{
    TempHome home;
    const QString path = home.configPath() + "/Zelvo/privacy.ini";
    QCOMPARE(PrivacyStore::Template(PrivacyStore::kTypeFirstParty), PrivacyStore::kMedium);
    QCOMPARE(PrivacyStore::CommonLevel(3, 3), std::optional<uint32_t>(3));
    QCOMPARE(PrivacyStore::CommonLevel(3, 4), std::nullopt);
    QCOMPARE(PrivacyStore::CommonLevel(6, 6), std::nullopt);
    QVERIFY(PrivacyStore::SetLevel(PrivacyStore::kLow));
    QVERIFY(PrivacyStore::SetDecision("example.com", PrivacyStore::kReject));
    QVERIFY(PrivacyStore::SetDecision("xn--tda.example", PrivacyStore::kAccept));
    QVERIFY(PrivacyStore::SetDecision("example.com", PrivacyStore::kSessionOnly));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[3]\r\nTemplate0=4\r\nTemplate1=4\r\n[Sites]\r\n"
                                        "example.com=4\r\nxn--tda.example=1\r\n"));
    file.close();
    QCOMPARE(PrivacyStore::StoredSites(), (QStringList{"example.com", "xn--tda.example"}));
    QCOMPARE(PrivacyStore::Decision("EXAMPLE.com"), std::optional<int>(4));
    QVERIFY(PrivacyStore::SetDecision("example.com", PrivacyStore::kNoDecision));
    QCOMPARE(PrivacyStore::Decision("example.com"), std::nullopt);
    // Names the file could not give back are refused, not stored wrongly.
    for (const QString& bad : {QString(), QStringLiteral("ü.example"), QStringLiteral("a=b"),
                               QStringLiteral("例え.jp"), QStringLiteral("😀")})
        QVERIFY2(!PrivacyStore::SetDecision(bad, PrivacyStore::kAccept), qPrintable(bad));
    QCOMPARE(PrivacyStore::StoredSites(), QStringList{"xn--tda.example"});
    // A store that cannot be written: the level for the site itself fails first.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(home.configPath() + "/Zelvo").removeRecursively());
    QVERIFY(QFile(home.configPath() + "/Zelvo").open(QIODevice::WriteOnly));
    QVERIFY(!PrivacyStore::SetLevel(PrivacyStore::kHigh));
    QCOMPARE(PrivacyStore::Template(PrivacyStore::kTypeThirdParty), PrivacyStore::kMedium);
}

QTEST_MAIN(TestPrivacy)
#include "tst_privacy.moc"
