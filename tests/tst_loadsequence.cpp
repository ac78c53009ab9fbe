#include "core/LoadSequence.h"

#include <QtTest>

// The order of load events for what the engine reports, engine-free.
class TestLoadSequence : public QObject {
    Q_OBJECT

private slots:
    void events_data();
    void events();
};

void TestLoadSequence::events_data()
{
    // Reports, one a word pair: "accept a", "redirect a", "refuse a", "begin -",
    // "start a", "url a", "ok a" / "stop a" / "fail a" (the load ends), "mute -".
    QTest::addColumn<QString>("reports");
    QTest::addColumn<QString>("events");
    QTest::newRow("plain load") << "accept a start a url a ok a"
                                << "begin commit:a end:ok";
    QTest::newRow("address before start") << "accept a url a start a ok a"
                                          << "begin commit:a end:ok";
    QTest::newRow("refused load raises nothing") << "refuse a start a stop a"
                                                 << "";
    QTest::newRow("refusal after the page was shown") << "accept a start a url a refuse b stop b"
                                                      << "begin commit:a end:ok";
    QTest::newRow("joins a refused load") << "refuse a start a accept b url b ok b"
                                          << "begin commit:b end:ok";
    QTest::newRow("server redirect is one page") << "accept a start a redirect b url b ok b"
                                                 << "begin commit:b end:ok";
    QTest::newRow("page redirect is a new page")
        << "accept a start a url a ok a redirect b start b url b ok b"
        << "begin commit:a end:ok begin commit:b end:ok";
    QTest::newRow("failed before an address") << "accept a start a fail a"
                                              << "begin end:fail";
    QTest::newRow("second end is not reported") << "accept a start a url a ok a ok a"
                                                << "begin commit:a end:ok";
    QTest::newRow("closed view is quiet") << "accept a mute - start a url a ok a"
                                          << "";
    QTest::newRow("page begun without a question") << "begin - start a url a ok a"
                                                   << "begin commit:a end:ok";
}

void TestLoadSequence::events()
{
    QFETCH(QString, reports);
    QFETCH(QString, events);
    LoadSequence sequence;
    QStringList log;
    sequence.onBegin = [&log] { log << "begin"; };
    sequence.onCommit = [&log](const QUrl& url) { log << "commit:" + url.toString(); };
    const QStringList words = reports.split(' ');
    for (int i = 0; i + 1 < words.size(); i += 2) {
        const QString& what = words[i];
        const QUrl url(words[i + 1]);
        const std::map<QString, LoadSequence::Status> ends = {
            {"ok", LoadSequence::Status::Succeeded},
            {"stop", LoadSequence::Status::Stopped},
            {"fail", LoadSequence::Status::Failed}};
        if (what == "accept" || what == "redirect")
            sequence.Accepted(url, what == "redirect");
        else if (what == "refuse")
            sequence.Refused(url);
        else if (what == "begin")
            sequence.BeginPage();
        else if (what == "start")
            sequence.Started(url);
        else if (what == "url")
            sequence.UrlChanged(url);
        else if (what == "mute")
            sequence.Mute();
        else if (const auto end = sequence.Finished(url, ends.at(what)))
            log << "end:" + QString(*end == LoadSequence::Status::Succeeded ? "ok"
                                    : *end == LoadSequence::Status::Failed  ? "fail"
                                                                            : "stop");
    }
    QCOMPARE(log.join(' '), events);
}

QTEST_GUILESS_MAIN(TestLoadSequence)
#include "tst_loadsequence.moc"
