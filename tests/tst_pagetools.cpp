#include "commands/MenuFactory.h"
#include "frame/CMainFrame.h"
#include "pagetools/SelectionTools.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"
#include "PageScript.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

// The page tools on real pages: search and highlight, selection, image, frame,
// scroll and tool-tip tools, the back and forward steps.
class TestPageTools : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void findNext_data();
    void findNext();
    void highlight_data();
    void highlight();
    void linkify_data();
    void linkify();
    void linkAddress_data();
    void linkAddress();
    void selectionSource_data();
    void selectionSource();
    void selectionSearch();
    void imageSizes_data();
    void imageSizes();
    void mosaic();
    void imageInfo();
    void toolTips_data();
    void toolTips();
    void scroll_data();
    void scroll();
    void frameCommands();
    void travelLabels();

private:
    CZelvoView* Open(const QByteArray& path);
    QVariant Eval(const QString& script, CZelvoView* view = nullptr);
    void Select(const QString& documentExpr, const QString& id);
    QString Url(const QByteArray& path) const { return m_server->url(path).toString(); }

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
    QByteArray m_png;
};

namespace {

// Stripes one pixel wide: a mosaic cannot leave them as they are.
QByteArray StripesPng(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The number of marks in the top document and in each of its frames.
const char* kMarkCounts = R"((function () {
  var docs = [document].concat(Array.from(document.querySelectorAll('frame, iframe'))
                                   .map(function (f) { return f.contentDocument; }));
  return docs.map(function (d) { return d.querySelectorAll('span#Zelvo_Search').length; })
             .join(',');
})())";

} // namespace

void TestPageTools::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    m_png = StripesPng(40, 30);
    auto page = [this](const QByteArray& path, const QByteArray& body) {
        m_server->route(path, "text/html; charset=utf-8", body);
    };
    page("/p0", "<title>Page 0</title>");
    page("/p1", "<title>Page 1</title>");
    page("/p2", "<title>Page 2</title>");
    page("/find", "<p id=t>alpha beta Alpha alphabet alpha</p>");
    page("/blank", "<p>a b c</p>");
    page("/f1", "<p id=s>apple apple</p><a id=l href='/x' title='old'>x</a>"
                "<input id=t value='typed in frame'>");
    page("/f2", "<p id=s>apple pie apple apple</p>");
    page("/frameset", "<frameset cols='50%,50%'><frame src='/f1'><frame src='/f2'></frameset>");
    page("/iframe", "<p>apple</p><iframe src='/f1'></iframe>");
    page("/links", "<a id=l href='/one' title='old'>one</a><a id=m href='/two'>two</a>");
    page("/inputs", "<input id=t value='typed'><input id=p type=password value='secret'>"
                    "<input id=q type=password title='kept' value='secret'>");
    page("/long", "<div style='height:5000px'>long</div><p>end</p>");
    page("/images", "<img id=a src='/img.png' width=40 height=15><img id=b src='/img.png'>");
    m_server->route("/img.png", "image/png", m_png);
    qputenv("ZELVO_HOMEPAGE", Url("/p0").toUtf8());
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return MbAnswer::Ok;
    });
}

void TestPageTools::cleanup()
{
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    SetMessageBoxResponder(nullptr);
    SelectionTools::SetFileOpener({});
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestPageTools::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

// A frame whose one tab shows path.
CZelvoView* TestPageTools::Open(const QByteArray& path)
{
    m_frame = OpenFrame();
    if (!m_frame || !WaitTabsIdle(*m_frame))
        return nullptr;
    CZelvoView* view = m_frame->ActiveZelvoView();
    view->Navigate2(Url(path));
    if (!QTest::qWaitFor([&] { return view->GetLocationURL() == Url(path); }, 15000) ||
        !WaitTabsIdle(*m_frame))
        return nullptr;
    return view;
}

// Runs script in the page's own world and returns its result.
QVariant TestPageTools::Eval(const QString& script, CZelvoView* view)
{
    if (!view)
        view = m_frame->ActiveZelvoView();
    const auto value = RunPageScript(view->GetPage(), script);
    if (!value)
        qWarning("script gave no answer: %s", qPrintable(script));
    return value.value_or(QVariant());
}

// Selects the contents of the element id in the document documentExpr.
void TestPageTools::Select(const QString& documentExpr, const QString& id)
{
    Eval(QStringLiteral("(function (d) { var r = d.createRange();"
                        " r.selectNodeContents(d.getElementById('%2'));"
                        " var s = d.defaultView.getSelection(); s.removeAllRanges();"
                        " s.addRange(r); })(%1)")
             .arg(documentExpr, id));
}

void TestPageTools::findNext_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QList<int>>("starts"); // selection start after each search; -1 none
    QTest::addColumn<int>("messages");
    // Whole words only, any case; after the last one the search starts again.
    QTest::newRow("walks and wraps")
        << QByteArray("/find") << "alpha" << QList<int>{0, 11, 26, 0} << 0;
    QTest::newRow("not found") << QByteArray("/find") << "gamma" << QList<int>{-1, -1} << 2;
    QTest::newRow("part of a word") << QByteArray("/find") << "alph" << QList<int>{-1} << 1;
    QTest::newRow("last frame only")
        << QByteArray("/frameset") << "apple" << QList<int>{0, 10, 16, 0} << 0;
}

void TestPageTools::findNext()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, word);
    QFETCH(QList<int>, starts);
    QFETCH(int, messages);
    QVERIFY(Open(page));
    const QString doc = page == "/frameset" ? "frames[1].document" : "document";
    const QString where = QStringLiteral("(function (d) { var s = d.defaultView.getSelection();"
                                         " return s.rangeCount ? s.anchorOffset + s.toString()"
                                         ".length * 1000 : -1; })(%1)")
                              .arg(doc);
    m_frame->m_wndSearchWords->setEditText(word);
    for (int i = 0; i < starts.size(); ++i) {
        const int before = m_boxes.size();
        m_frame->SendCommand(CommandId::FindInPage);
        if (starts[i] < 0) {
            QTRY_COMPARE(m_boxes.size(), before + 1);
            QCOMPARE(m_boxes.last().text, "検索語句を発見できませんでした。: '" + word + "'");
            QCOMPARE(m_boxes.last().icon, MbIcon::None);
            continue;
        }
        QTRY_COMPARE(Eval(where).toInt(), starts[i] + int(word.size()) * 1000);
    }
    QCOMPARE(m_boxes.size(), messages);
}

void TestPageTools::highlight_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("earlier"); // highlighted first, when given
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("counts"); // top document, then each frame
    QTest::addColumn<bool>("allTabs");
    QTest::newRow("page") << QByteArray("/find") << ""
                          << "alpha"
                          << "3" << false;
    QTest::newRow("again with another word") << QByteArray("/find") << "alpha"
                                             << "beta"
                                             << "1" << false;
    QTest::newRow("frameset: the last frame") << QByteArray("/frameset") << ""
                                              << "apple"
                                              << "0,0,3" << false;
    QTest::newRow("iframe") << QByteArray("/iframe") << ""
                            << "apple"
                            << "0,2" << false;
    QTest::newRow("single blank") << QByteArray("/blank") << ""
                                  << " "
                                  << "2" << false;
    QTest::newRow("every tab") << QByteArray("/frameset") << ""
                               << "apple"
                               << "0,0,3" << true;
}

void TestPageTools::highlight()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, earlier);
    QFETCH(QString, word);
    QFETCH(QString, counts);
    QFETCH(bool, allTabs);
    CZelvoView* first = Open(page);
    QVERIFY(first);
    if (allTabs) {
        QVERIFY(OpenNewTab(*m_frame, Url("/iframe")));
        QVERIFY(WaitTabsIdle(*m_frame));
    }
    if (!earlier.isEmpty()) {
        m_frame->m_wndSearchWords->setEditText(earlier);
        m_frame->SendCommand(CommandId::HighlightSearch);
        QTRY_VERIFY(Eval(kMarkCounts).toString() != "0");
    }
    m_frame->m_wndSearchWords->setEditText(word);
    m_frame->SendCommand(allTabs ? CommandId::HighlightSearchAllTabs : CommandId::HighlightSearch);
    QTRY_COMPARE(Eval(kMarkCounts, first).toString(), counts);
    if (allTabs)
        QTRY_COMPARE(Eval(kMarkCounts, m_frame->TabView(1)).toString(), QStringLiteral("0,2"));
    const QString style =
        Eval(QStringLiteral(
                 "(function () { var d = %1; var s = d.querySelector('span#Zelvo_Search');"
                 " return s.getAttribute('style') + '|' + s.textContent; })()")
                 .arg(page == "/find" || page == "/blank" ? "document"
                                                          : "frames[frames.length - 1].document"),
             first)
            .toString();
    QCOMPARE(style, "FONT-WEIGHT: bold; color: black; background-color: yellow|" +
                        (word == " " ? QStringLiteral("\u00a0") : word));
    QVERIFY(m_boxes.isEmpty());
}

void TestPageTools::linkify_data()
{
    QTest::addColumn<CommandId>("command");
    QTest::addColumn<QByteArray>("selected");
    QTest::addColumn<QString>("after");
    const QString same; // left as it was
    QTest::newRow("http") << CommandId::SelectionLinkify << QByteArray("http://a.example/x?q=1")
                          << "<a href=\"http://a.example/x?q=1\">http://a.example/x?q=1</a>";
    QTest::newRow("ttp") << CommandId::SelectionRepairTtp << QByteArray("ttp://a.example/")
                         << "<a href=\"http://a.example/\">http://a.example/</a>";
    QTest::newRow("www") << CommandId::SelectionRepairWww << QByteArray("www.a.example")
                         << "<a href=\"http://www.a.example\">http://www.a.example</a>";
    QTest::newRow("www is not http")
        << CommandId::SelectionLinkify << QByteArray("www.a.example") << same;
    QTest::newRow("http is not ttp")
        << CommandId::SelectionRepairTtp << QByteArray("http://a.example/") << same;
    QTest::newRow("tags in the selection")
        << CommandId::SelectionLinkify << QByteArray("<b>http://a.example/</b>") << same;
    QTest::newRow("beyond code page 932")
        << CommandId::SelectionLinkify << QByteArray("http://例え.example/ü😀简")
        << "<a href=\"http://例え.example/ü😀简\">http://例え.example/ü😀简</a>";
}

void TestPageTools::linkify()
{
    QFETCH(CommandId, command);
    QFETCH(QByteArray, selected);
    QFETCH(QString, after);
    // Once in the page, once in a frame of a page that has no selection.
    m_server->route("/sel", "text/html; charset=utf-8", "<p id=s>" + selected + "</p><p>tail</p>");
    m_server->route("/selframe", "text/html; charset=utf-8", "<p>top</p><iframe src='/sel'>");
    for (const QString& doc : {QStringLiteral("document"), QStringLiteral("frames[0].document")}) {
        QVERIFY(Open(doc == "document" ? "/sel" : "/selframe"));
        const QString before = Eval(doc + ".getElementById('s').innerHTML").toString();
        Select(doc, "s");
        m_frame->SendCommand(command);
        const QString expected = after.isEmpty() ? before : after;
        QTRY_COMPARE(Eval(doc + ".getElementById('s').innerHTML").toString(), expected);
        if (after.isEmpty()) {
            // Nothing happens later either: a marker script run after the command
            // sees the page unchanged.
            Eval("0");
            QCOMPARE(Eval(doc + ".getElementById('s').innerHTML").toString(), before);
        }
    }
    QVERIFY(m_boxes.isEmpty());
}

void TestPageTools::linkAddress_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("anchors");
    QTest::addColumn<QString>("address");
    const QStringList none;
    QTest::newRow("the last absolute link")
        << "<a href=\"http://a/1\">1</a> <a href =\"http://b/2\">2</a>"
        << "http://p/dir/page.html" << none << "http://b/2";
    QTest::newRow("blank before =, no quote") << "<a href =http://c/>c</a>"
                                              << "http://p/" << none << "http://c/>c</a>";
    QTest::newRow("relative, resolved against the page")
        << "<a href=\"sub/x.html\">x</a>"
        << "http://p/dir/page.html" << QStringList{"http://p/other.html", "http://p/dir/sub/x.html"}
        << "http://p/dir/sub/x.html";
    QTest::newRow("relative without its anchor")
        << "<a href=\"sub/x.html\">x</a>"
        << "http://p/dir/page.html" << QStringList{"http://p/other.html"} << "";
    QTest::newRow("no link") << "plain text"
                             << "http://p/" << none << "";
    QTest::newRow("href without =") << "href is a word"
                                    << "http://p/" << none << "";
}

void TestPageTools::linkAddress()
{
    QFETCH(QString, html);
    QFETCH(QString, page);
    QFETCH(QStringList, anchors);
    QFETCH(QString, address);
    QCOMPARE(SelectionTools::LinkAddress(html, page, anchors), address);
}

void TestPageTools::selectionSource_data()
{
    QTest::addColumn<bool>("editor"); // the desktop has a text editor
    QTest::newRow("text editor") << true;
    QTest::newRow("own window") << false;
}

void TestPageTools::selectionSource()
{
    QFETCH(bool, editor);
    m_server->route("/sel", "text/html; charset=utf-8",
                    "<p>x</p><div id=s><b>太字 ü😀简</b> &amp; <a href='/a'>a</a></div>");
    QStringList opened;
    SelectionTools::SetFileOpener([&](const QString& path) {
        opened.append(path);
        return editor;
    });
    CZelvoView* view = Open("/sel");
    QVERIFY(view);
    Select("document", "s");
    m_frame->SendCommand(CommandId::SelectionSource);
    const QString html = "<b>太字 ü😀简</b> &amp; <a href=\"/a\">a</a>";
    const QString file = m_home->file("選択範囲のソースコード.txt");
    QTRY_COMPARE(opened, QStringList{file});
    QCOMPARE(QString::fromUtf8(m_home->read("選択範囲のソースコード.txt")), html);
    auto* window = view->window()->findChild<QPlainTextEdit*>();
    QCOMPARE(window != nullptr, !editor);
    if (window) {
        QCOMPARE(window->toPlainText(), html);
        QVERIFY(window->isReadOnly());
    }
    QVERIFY(m_boxes.isEmpty());
}

void TestPageTools::selectionSearch()
{
    // An empty selection is refused; a selection in a frame is searched for.
    QVERIFY(Open("/frameset"));
    m_frame->SendCommand(CommandId::SelectionSearch);
    QTRY_COMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("検索できません！"));
    QCOMPARE(m_boxes[0].icon, MbIcon::Exclamation);
    Select("frames[1].document", "s");
    QSignalSpy ran(m_frame.get(), &CMainFrame::commandRan);
    m_frame->SendCommand(CommandId::SelectionSearch);
    QTRY_COMPARE(m_frame->m_wndSearchWords->currentText(), QStringLiteral("apple pie apple apple"));
    QTRY_VERIFY(std::any_of(ran.cbegin(), ran.cend(), [](const QList<QVariant>& args) {
        return args.at(0).toInt() == ToInt(CommandId::WebSearch);
    }));
}

void TestPageTools::imageSizes_data()
{
    QTest::addColumn<QList<CommandId>>("commands");
    QTest::addColumn<QString>("sizes"); // width x height of #a, then of #b (40 x 30)
    using C = CommandId;
    QTest::newRow("larger") << QList<C>{C::ImageZoomIn} << "50x25 50x40";
    QTest::newRow("larger x2") << QList<C>{C::ImageZoomIn2x} << "60x35 60x50";
    QTest::newRow("smaller") << QList<C>{C::ImageZoomOut} << "30x5 30x20";
    // 15 - 20 would not stay above 0: the height stays, the width shrinks.
    QTest::newRow("smaller x2") << QList<C>{C::ImageZoomOut2x} << "20x15 20x10";
    QTest::newRow("x2 then smaller")
        << QList<C>{C::ImageZoomIn2x, C::ImageZoomOut} << "50x25 50x40";
}

void TestPageTools::imageSizes()
{
    QFETCH(QList<CommandId>, commands);
    QFETCH(QString, sizes);
    QVERIFY(Open("/images"));
    const QString read = "['a', 'b'].map(function (id) { var i = document.getElementById(id);"
                         " return i.width + 'x' + i.height; }).join(' ')";
    QTRY_COMPARE(Eval(read).toString(), QStringLiteral("40x15 40x30"));
    for (CommandId command : commands)
        m_frame->SendCommand(command);
    QTRY_COMPARE(Eval(read).toString(), sizes);
}

void TestPageTools::mosaic()
{
    // Two images of this site and one of another: that one cannot be read.
    HttpServer other;
    other.route("/img.png", "image/png", m_png);
    m_server->route("/mosaic", "text/html",
                    "<body style='margin:0'><img id=a src='/img.png'><img id=b src='" +
                        other.url("/img.png").toEncoded() + "'><img id=c src='/img.png'></body>");
    CZelvoView* view = Open("/mosaic");
    QVERIFY(view);
    QTRY_VERIFY(
        Eval("Array.from(document.images).every(function (i) { return i.complete; })").toBool());
    const QImage before = view->GetWebView()->grab().toImage();
    m_frame->SendCommand(CommandId::MosaicFilter);
    QTRY_COMPARE(Eval("Array.from(document.images).map(function (i) {"
                      " return i.src.substring(0, 5); }).join(' ')")
                     .toString(),
                 QStringLiteral("data: http: data:"));
    QTRY_COMPARE(m_frame->m_wndStatusBar->currentMessage(),
                 QStringLiteral("他のサイトの画像 1 個はモザイクにできませんでした"));
    // The first image's pixels changed, those of the other site's did not.
    auto region = [&](int left) {
        return view->GetWebView()->grab().toImage().copy(left, 0, 40, 30);
    };
    QTRY_VERIFY(region(0) != before.copy(0, 0, 40, 30));
    QCOMPARE(region(40), before.copy(40, 0, 40, 30));
    // Squares of about 15 pixels (no [Mozaiku] in Color.ini): one colour each.
    const QImage square = region(0);
    QCOMPARE(square.pixel(0, 0), square.pixel(12, 12));
    QVERIFY(m_boxes.isEmpty());

    // Always: every page that completes is given the mosaic.
    m_frame->SendCommand(CommandId::AlwaysMosaicFilter);
    view->Navigate2(Url("/images"));
    QTRY_COMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("画像をモザイクにしました！"));
    QTRY_COMPARE(Eval("Array.from(document.images).map(function (i) {"
                      " return i.src.substring(0, 5); }).join(' ')")
                     .toString(),
                 QStringLiteral("data: data:"));
}

void TestPageTools::imageInfo()
{
    m_server->route("/info", "text/html",
                    "<img id=a src='/img.png' alt='Alt' width=40 height=15><iframe "
                    "src='/images'></iframe>");
    QVERIFY(Open("/info"));
    QTRY_VERIFY(Eval("frames[0].document.readyState == 'complete'").toBool());
    const QString info = QStringLiteral("  width = %1 height = %2 size = %3Byte name = img.png");
    const QString size = QString::number(m_png.size());
    const QString read = "[document.images[0], frames[0].document.images[1]]"
                         ".map(function (i) { return i.alt + '|' + i.title; }).join('/')";
    // Twice: the second run adds nothing.
    for (int run = 0; run < 2; ++run) {
        m_frame->SendCommand(CommandId::ShowImageSizes);
        const QString a = "Alt" + info.arg(40).arg(15).arg(size);
        const QString b = info.arg(40).arg(30).arg(size);
        QTRY_COMPARE(Eval(read).toString(), a + "|" + a + "/" + b + "|" + b);
    }
}

void TestPageTools::toolTips_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<CommandId>("command");
    QTest::addColumn<QString>("read"); // document expression ; element ids
    QTest::addColumn<QString>("titles");
    const QString links = "@/one,@/two"; // @: the server
    QTest::newRow("links replace titles")
        << QByteArray("/links") << CommandId::LinkToolTips << "document;l,m" << links;
    QTest::newRow("links in a frame")
        << QByteArray("/frameset") << CommandId::LinkToolTips << "frames[0].document;l"
        << "@/x";
    // The password fields keep what they had: nothing, or the page's own title.
    QTest::newRow("inputs") << QByteArray("/inputs") << CommandId::InputToolTips << "document;t,p,q"
                            << "typed,,kept";
    QTest::newRow("inputs in a frame")
        << QByteArray("/iframe") << CommandId::InputToolTips << "frames[0].document;t"
        << "typed in frame";
}

void TestPageTools::toolTips()
{
    QFETCH(QByteArray, page);
    QFETCH(CommandId, command);
    QFETCH(QString, read);
    QFETCH(QString, titles);
    QVERIFY(Open(page));
    titles.replace('@', Url("/").chopped(1));
    const QStringList parts = read.split(';');
    const QString script = QStringLiteral("'%1'.split(',').map(function (id) {"
                                          " return %2.getElementById(id).title; }).join(',')")
                               .arg(parts[1], parts[0]);
    m_frame->SendCommand(command);
    QTRY_COMPARE(Eval(script).toString(), titles);
    QVERIFY(m_boxes.isEmpty());
}

void TestPageTools::scroll_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("moves");
    QTest::newRow("page") << QByteArray("/long") << true;
    QTest::newRow("framed page stays") << QByteArray("/iframe") << false;
}

void TestPageTools::scroll()
{
    QFETCH(QByteArray, page);
    QFETCH(bool, moves);
    m_server->route("/iframe", "text/html",
                    "<div style='height:5000px'>long</div><iframe src='/f1'></iframe>");
    QVERIFY(Open(page));
    Eval("window.scrollTo(0, 100)");
    QTRY_COMPARE(Eval("window.scrollY").toInt(), 100);
    m_frame->SendCommand(CommandId::ScrollBottom);
    // A marker command after it: the page is read once both have run.
    m_frame->SendCommand(CommandId::LinkToolTips);
    QTRY_COMPARE(Eval("document.links.length == 0 || document.links[0].title != ''").toBool(),
                 true);
    if (moves)
        QTRY_VERIFY(Eval("window.scrollY").toInt() > 4000);
    else
        QCOMPARE(Eval("window.scrollY").toInt(), 100);
    m_frame->SendCommand(CommandId::ScrollTop);
    if (moves)
        QTRY_COMPARE(Eval("window.scrollY").toInt(), 0);
}

void TestPageTools::frameCommands()
{
    CZelvoView* view = Open("/frameset");
    QVERIFY(view);
    const QString frames = "Array.from(frames).map(function (w) { return w.location.pathname; })"
                           ".join(',')";
    QCOMPARE(Eval(frames).toString(), QStringLiteral("/f1,/f2"));

    // Only the frames are loaded again.
    m_server->clearRequests();
    m_frame->SendCommand(CommandId::RefreshFrames);
    QTRY_COMPARE(m_server->requestCount("/f2"), 1);
    QTRY_COMPARE(m_server->requestCount("/f1"), 1);
    QCOMPARE(m_server->requestCount("/frameset"), 0);

    // Connect: an empty address bar is refused, an address goes into every frame.
    m_frame->m_wndAddressBar->setEditText(QString());
    m_frame->SendCommand(CommandId::ConnectFrames);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("アドレスバーに何も記入されていません！"));
    QCOMPARE(m_boxes[0].icon, MbIcon::Exclamation);
    m_frame->m_wndAddressBar->setEditText(Url("/links"));
    m_frame->SendCommand(CommandId::ConnectFrames);
    QTRY_COMPARE(Eval(frames).toString(), QStringLiteral("/links,/links"));
    QCOMPARE(view->GetLocationURL(), Url("/frameset"));

    // Decomposition: one new tab per frame, the framed page stays.
    Eval("frames[1].location.href = '/f2'");
    QTRY_COMPARE(Eval(frames).toString(), QStringLiteral("/links,/f2"));
    m_frame->SendCommand(CommandId::SplitFrames);
    QTRY_COMPARE(m_frame->TabCount(), 3);
    QVERIFY(WaitTabsIdle(*m_frame));
    QCOMPARE(m_frame->TabView(0)->GetLocationURL(), Url("/frameset"));
    QCOMPARE(m_frame->TabView(1)->GetLocationURL(), Url("/links"));
    QCOMPARE(m_frame->TabView(2)->GetLocationURL(), Url("/f2"));

    // Source preview in the same tab.
    CZelvoView* active = m_frame->ActiveZelvoView();
    const QString shown = active->GetLocationURL();
    m_frame->SendCommand(CommandId::SourcePreview);
    QTRY_COMPARE(active->GetLocationURL(), "view-source:" + shown);
    QCOMPARE(m_frame->TabCount(), 3);
    QCOMPARE(m_boxes.size(), 1);
}

void TestPageTools::travelLabels()
{
    CZelvoView* view = Open("/p1");
    QVERIFY(view);
    QMenu* back = m_frame->PopupFor(CommandId::GoBack);
    QMenu* forward = m_frame->PopupFor(CommandId::GoForward);
    auto labels = [](QMenu* menu) {
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions())
            if (IsBackForwardStep(MenuFactory::CommandOf(action)) && action->isVisible())
                texts.append(action->text());
        return texts;
    };
    // One page back: only the first step item stays.
    QCOMPARE(labels(back), QStringList{"0:Page 0"});
    view->Navigate2(Url("/p2"));
    QTRY_COMPARE(view->GetLocationURL(), Url("/p2"));
    QVERIFY(WaitTabsIdle(*m_frame));
    QCOMPARE(labels(back), (QStringList{"0:Page 1", "1:Page 0"}));
    QVERIFY(!m_frame->CommandState(CommandId::Back3).enabled);
    // Nothing ahead: the items keep their own texts.
    QCOMPARE(labels(forward), (QStringList{"1つ進む", "2つ進む", "3つ進む"}));
    QVERIFY(!m_frame->CommandState(CommandId::Forward1).enabled);

    m_frame->SendCommand(CommandId::Back2);
    QTRY_COMPARE(view->GetLocationURL(), Url("/p0"));
    QVERIFY(WaitTabsIdle(*m_frame));
    QCOMPARE(labels(forward), (QStringList{"0:Page 1", "1:Page 2"}));
    m_frame->SendCommand(CommandId::Forward2);
    QTRY_COMPARE(view->GetLocationURL(), Url("/p2"));
}

QTEST_MAIN(TestPageTools)
#include "tst_pagetools.moc"
