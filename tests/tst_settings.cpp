#include "frame/CMainFrame.h"
#include "ini/SearchsiteIni.h"
#include "ini/SecurityIni.h"
#include "platform/DesktopShell.h"
#include "platform/MessageBox.h"
#include "settings/CSetFirst.h"
#include "settings/CSetGeneral.h"
#include "settings/CSetSearchSite.h"
#include "settings/CSetSecond.h"
#include "settings/CSetSecurity.h"
#include "settings/CSetSkin.h"
#include "settings/CSetToolbar.h"
#include "settings/CTreePropSheet.h"
#include "settings/PageTree.h"
#include "settings/SettingsSheet.h"
#include "settings/SpinEdit.h"
#include "FrameHarness.h"
#include "TempHome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

using Files = QMap<QString, QByteArray>;

Files Snapshot(const QString& dir)
{
    Files files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(dir).relativeFilePath(path), file.readAll());
    }
    return files;
}

// The files that differ, as "name:bytes" in name order.
QByteArray Changes(const Files& before, const Files& after)
{
    QByteArray out;
    for (auto it = after.begin(); it != after.end(); ++it)
        if (before.value(it.key()) != it.value())
            out += it.key().toUtf8() + ':' + it.value();
    return out;
}

// The tree as "text=page(children)".
QString Render(const QList<PageTree::Node>& nodes, int node = 0)
{
    QStringList parts;
    for (int child : nodes[node].children) {
        QString part = nodes[child].text + '=' + QString::number(nodes[child].page);
        if (!nodes[child].children.isEmpty())
            part += '(' + Render(nodes, child) + ')';
        parts << part;
    }
    return parts.join(',');
}

QString Walk(const QList<PageTree::Node>& nodes, int (*step)(const QList<PageTree::Node>&, int))
{
    QStringList texts;
    int node = 0;
    for (int i = 0; i < nodes.size(); ++i) {
        node = step(nodes, node);
        texts << nodes[node].text;
    }
    return texts.join(',');
}

const QStringList kZelvoCaptions = {"タブ設定",
                                    "タブ設定::タブ背景色",
                                    "Web設定::USER_AGENT",
                                    "Web設定::CGIプロキシ",
                                    "Web設定::セキュリティ",
                                    "Web設定::検索サイト",
                                    "全般::終了処理",
                                    "Web設定::フィルター",
                                    "全般",
                                    "全般::スキン",
                                    "タブ設定::タブ操作",
                                    "全般::ツールバー"};

template <typename T>
T* Child(QWidget* page, const char* name)
{
    T* child = page->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

void SetEdit(QWidget* page, const char* name, const QString& text)
{
    auto* edit = Child<QLineEdit>(page, name);
    edit->setText(text);
    emit edit->textEdited(text);
}

void Click(QWidget* page, const char* name)
{
    Child<QAbstractButton>(page, name)->click();
}

void ClickRow(QTreeWidget* list, int row)
{
    list->setCurrentItem(list->topLevelItem(row));
    emit list->itemClicked(list->topLevelItem(row), 0);
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void splitPath_data();
    void splitPath();
    void pageTree_data();
    void pageTree();
    void sheet();
    void pages_data();
    void pages();
    void general_data();
    void general();
    void fromFrame();
    void grabs();

private:
    void Open(CTreePropSheet& sheet, int page);
    void ChangePage(QWidget* page, int index, const QString& text);
    void FakeXdgMime(const QByteArray& defaultHandler);

    std::unique_ptr<TempHome> m_home;
    QTemporaryDir m_bin;
    QTemporaryDir m_user;
    QStringList m_messages;
    QList<int> m_sent;
    QStringList m_applied;
    SettingsHost m_host;
};

void TestSettings::initTestCase()
{
    // HOME and the XDG folders are temporary, so no real desktop, recent
    // list or association is ever touched; xdg-mime is a recording fake.
    qputenv("HOME", m_user.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (m_user.path() + "/data").toLocal8Bit());
    qputenv("PATH", m_bin.path().toLocal8Bit() + ":/usr/bin:/bin");
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_messages << call.text;
        return MbAnswer::Ok;
    });
    m_host.commands.send = [this](int id) { m_sent << id; };
    m_host.commands.state = [](int id) {
        CmdUI ui;
        ui.enabled = id != ToInt(CommandId::LocalActiveXRun);
        return ui;
    };
    m_host.applySkin = [this](const QString& path) {
        m_applied << "skin:" + QFileInfo(path).fileName();
    };
    m_host.applyToolbarButtons = [this] { m_applied << "toolbar"; };
    m_host.reloadTabColors = [this] { m_applied << "colors"; };
}

void TestSettings::init()
{
    m_home = std::make_unique<TempHome>();
    qputenv("XDG_CONFIG_HOME", m_home->configPath().toLocal8Bit());
    m_messages.clear();
    m_sent.clear();
    m_applied.clear();
    QDir(m_bin.path()).removeRecursively();
    QDir().mkpath(m_bin.path());
    QDir(m_user.path()).removeRecursively();
    QDir().mkpath(m_user.path() + "/data");
}

void TestSettings::cleanup()
{
    m_home.reset();
}

void TestSettings::FakeXdgMime(const QByteArray& defaultHandler)
{
    const QString script = m_bin.path() + "/xdg-mime";
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho \"$@\" >> \"" + m_bin.path().toUtf8() +
               "/log\"\n"
               "[ \"$1\" = query ] && echo '" +
               defaultHandler + "'\nexit 0\n");
    file.close();
    file.setPermissions(file.permissions() | QFile::ExeOwner);
}

void TestSettings::splitPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("rest");
    QTest::newRow("two levels") << "Web設定::セキュリティ"
                                << "Web設定"
                                << "セキュリティ";
    QTest::newRow("one level") << "全般"
                               << "全般"
                               << "";
    QTest::newRow("three levels") << "a::b::c"
                                  << "a"
                                  << "b::c";
    QTest::newRow("escaped separator") << "a\\::b::c"
                                       << "a::b"
                                       << "c";
    QTest::newRow("escaped backslash") << "a\\\\::b"
                                       << "a\\"
                                       << "b";
    QTest::newRow("escaped only") << "a\\::b"
                                  << "a::b"
                                  << "";
    QTest::newRow("leading separator") << "::a"
                                       << ""
                                       << "a";
    QTest::newRow("trailing separator") << "a::"
                                        << "a"
                                        << "";
    QTest::newRow("lone colons") << ":::"
                                 << ""
                                 << ":";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("not cp932") << "ü😀::简体"
                               << "ü😀"
                               << "简体";
}

void TestSettings::splitPath()
{
    QFETCH(QString, path);
    const PageTree::Split split = PageTree::SplitPath(path);
    QTEST(split.component, "component");
    QTEST(split.rest, "rest");
}

void TestSettings::pageTree_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("previous");
    QTest::newRow("Zelvo's pages")
        << kZelvoCaptions
        << "タブ設定=0(タブ背景色=1,タブ操作=10),Web設定=-1(USER_AGENT=2,CGIプロキシ=3,"
           "セキュリティ=4,検索サイト=5,フィルター=7),全般=8(終了処理=6,スキン=9,ツールバー=11)"
        << "タブ設定,タブ背景色,タブ操作,Web設定,USER_AGENT,CGIプロキシ,セキュリティ,検索サイト,"
           "フィルター,全般,終了処理,スキン,ツールバー,タブ設定"
        << "ツールバー,スキン,終了処理,全般,フィルター,検索サイト,セキュリティ,CGIプロキシ,"
           "USER_AGENT,Web設定,タブ操作,タブ背景色,タブ設定,ツールバー";
    QTest::newRow("child before its parent") << QStringList{"a::b", "a"} << "a=1(b=0)"
                                             << "a,b,a"
                                             << "b,a,b";
    QTest::newRow("literal separator") << QStringList{"x::a\\::b", "x::c"} << "x=-1(a::b=0,c=1)"
                                       << "x,a::b,c,x"
                                       << "c,a::b,x,c";
    QTest::newRow("leading separator and deep path")
        << QStringList{"::a", "p::q::r"} << "=-1(a=0),p=-1(q=-1(r=1))"
        << ",a,p,q,r,"
        << "r,q,p,a,,r";
    QTest::newRow("same caption twice: the later page") << QStringList{"a", "a"} << "a=1"
                                                        << "a,a"
                                                        << "a,a";
}

void TestSettings::pageTree()
{
    QFETCH(QStringList, captions);
    const QList<PageTree::Node> nodes = PageTree::Build(captions);
    QTEST(Render(nodes), "tree");
    QTEST(Walk(nodes, PageTree::Next), "next");
    QTEST(Walk(nodes, PageTree::Previous), "previous");
}

void TestSettings::sheet()
{
    FakeXdgMime("other.desktop");
    const Files before = Snapshot(m_home->path());
    CTreePropSheet sheet(QStringLiteral("Zelvo の設定"));
    PrepareSettingsSheet(sheet, m_host);
    QCOMPARE(sheet.GetPageCount(), 12);
    sheet.show();
    QVERIFY(!sheet.SetTreeViewMode(false, false, false));
    QCOMPARE(sheet.GetActiveIndex(), 1);
    QCOMPARE(sheet.CaptionText(), QStringLiteral("タブ背景色"));
    QTreeWidget* tree = sheet.Tree();
    QStringList roots;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        roots << tree->topLevelItem(i)->text(0) + '/' +
                     QString::number(tree->topLevelItem(i)->childCount());
    QCOMPARE(roots, (QStringList{"タブ設定/2", "Web設定/5", "全般/3"}));

    tree->setCurrentItem(tree->topLevelItem(1));
    QCOMPARE(sheet.CaptionText(), QStringLiteral("Web設定"));
    QCOMPARE(sheet.EmptyText(), QStringLiteral("子ツリーから選択してください！"));
    QCOMPARE(sheet.GetActiveIndex(), 1);
    tree->setCurrentItem(tree->topLevelItem(1)->child(3));
    QCOMPARE(sheet.GetActiveIndex(), 5);
    QVERIFY(sheet.Page(5));
    sheet.NextPage();
    QCOMPARE(sheet.GetActiveIndex(), 7);
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("フィルター"));
    sheet.PreviousPage();
    sheet.PreviousPage();
    QCOMPARE(sheet.CaptionText(), QStringLiteral("セキュリティ"));
    QVERIFY(!sheet.ApplyButton()->isEnabled());

    // Only the pages shown write: the first page, the sites and the filter.
    sheet.findChild<QPushButton*>("IDOK")->click();
    QVERIFY(!sheet.isVisible());
    QCOMPARE(Changes(before, Snapshot(m_home->path())),
             QByteArray("Color.ini:[SetColor]\r\nred=0\r\ngreen=0\r\nblue=0\r\n[Mozaiku]\r\n"
                        "strong=15\r\nSecurity.ini:[Security]\r\nfilter=\r\n"));
    QCOMPARE(m_sent, QList<int>{ToInt(CommandId::ReloadSearchSites)});
}

void TestSettings::Open(CTreePropSheet& sheet, int page)
{
    PrepareSettingsSheet(sheet, m_host);
    sheet.SetActivePage(page);
    sheet.show();
    QCOMPARE(sheet.GetActiveIndex(), page);
}

// Changes every control of the page; text goes into its main edit.
void TestSettings::ChangePage(QWidget* page, int index, const QString& text)
{
    switch (index) {
    case 0:
        Click(page, "1060");
        Click(page, "1059");
        Click(page, "1083");
        Click(page->findChild<SpinEdit*>(), "up");
        QCOMPARE(Child<QLineEdit>(page, "1002")->text(), QStringLiteral("31"));
        SetEdit(page, "1002", text);
        break;
    case 1:
        Child<QSlider>(page, "1042")->setValue(128);
        QCOMPARE(Child<QLineEdit>(page, "1036")->text(), QStringLiteral("128"));
        SetEdit(page, "1037", "7");
        QCOMPARE(static_cast<CSetSecond*>(page)->PreviewColor(), QColor(0, 128, 7));
        SetEdit(page, "1035", text);
        break;
    case 2:
        Child<QComboBox>(page, "1032")->setEditText(text);
        break;
    case 3:
        Child<QComboBox>(page, "1032")->setEditText(text);
        Click(page, "1020");
        Click(page, "1045");
        break;
    case 4:
        for (int id = 1047; id <= 1058; ++id)
            Click(page, QByteArray::number(id).constData());
        QVERIFY(!Child<QCheckBox>(page, "1049")->isEnabled());
        SetEdit(page, "1002", text);
        break;
    case 5: {
        auto* list = Child<QTreeWidget>(page, "1067");
        ClickRow(list, 0);
        QCOMPARE(Child<QLineEdit>(page, "1069")->text(), QStringLiteral("http://old/"));
        SetEdit(page, "1068", "Old2");
        SetEdit(page, "1069", "http://old2/");
        Click(page, "1073");
        SetEdit(page, "1070", "2");
        Click(page, "1075");
        Click(page, "1071");
        SetEdit(page, "1070", "3");
        SetEdit(page, "1068", text);
        SetEdit(page, "1069", "http://b/");
        Click(page, "1071");
        SetEdit(page, "1070", "4");
        Click(page, "1071");
        Click(page, "1072");
        Click(page, "1074");
        QVERIFY(Child<QLineEdit>(page, "1068")->text().isEmpty());
        break;
    }
    case 6:
        for (const char* id : {"1076", "1077", "1080"})
            Click(page, id);
        break;
    case 7:
        QCOMPARE(Child<QLineEdit>(page, "1085")->text(), QStringLiteral(".pdf"));
        Click(page, "1086");
        SetEdit(page, "1085", text);
        break;
    case 8:
        Click(page, "1097");
        break;
    case 9:
        if (text == "none")
            Click(page, "1101");
        else if (!text.isEmpty())
            ClickRow(Child<QTreeWidget>(page, "1017"), text.toInt());
        break;
    case 10:
        page->findChild<QSpinBox*>()->setValue(120);
        break;
    case 11: {
        auto* list = Child<QTreeWidget>(page, "1017");
        QCOMPARE(list->topLevelItemCount(), 19);
        QCOMPARE(list->topLevelItem(1)->checkState(0), Qt::Checked);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("前のページに戻ります"));
        list->topLevelItem(0)->setCheckState(0, Qt::Checked);
        list->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        break;
    }
    }
}

void TestSettings::pages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("seed");
    QTest::addColumn<QByteArray>("changes");
    QTest::addColumn<QList<int>>("sent");
    QTest::addColumn<QStringList>("applied");
    QTest::addColumn<QString>("message");
    using C = CommandId;
    // The security page's boxes whose commands the test host enables, in page order.
    const QList<int> securityBoxes{
        ToInt(C::LocalScript),    ToInt(C::LocalJava),      ToInt(C::LocalActiveXDownload),
        ToInt(C::ShowImages),     ToInt(C::PlaySounds),     ToInt(C::PlayVideos),
        ToInt(C::NoCache),        ToInt(C::UrlSecurity),    ToInt(C::HideChildTabs),
        ToInt(C::SuppressMailto), ToInt(C::ZelvoMultimedia)};
    const QList<int> lists = {ToInt(C::ForbiddenTitleList), ToInt(C::ForbiddenUrlList)};
    const QByteArray sites = "Searchsite.ini:[Searchsite]\r\ncount=1\r\nname_1=Old\r\n"
                             "url_1=http://old/\r\n[Trancelate]\r\nurl_1=a\r\n";
    struct Row {
        const char* name;
        int page;
        QString text;
        QByteArray seed;
        QByteArray changes;
        QList<int> sent;
        QStringList applied;
        QString message;
    };
    const QList<Row> rows = {
        {"tab count",
         0,
         "25",
         "",
         "StopTitle.ini:[Security]\r\ncheck=0\r\nStopUrl.ini:[Security]\r\ncheck=1\r\n"
         "Tablist.ini:[TabList]\r\ntabcount=25\r\n",
         lists,
         {},
         ""},
        {"tab count 100", 0, "100", "", "", lists, {}, "桁が多すぎます！最大99までです。"},
        {"tab count 0", 0, "0", "", "", lists, {}, "不正な入力はしないでください！"},
        {"tab count ab", 0, "ab", "", "", lists, {}, "不正な入力はしないでください！"},
        {"tab count empty", 0, "", "", "", lists, {}, "不正な入力はしないでください！"},
        {"background",
         1,
         "12",
         "",
         "Color.ini:[SetColor]\r\nred=12\r\ngreen=128\r\nblue=7\r\n",
         {},
         {},
         ""},
        {"background red 256", 1, "256", "", "", {}, {}, "0から255までを入力してください。"},
        {"user agent",
         2,
         "Zelvo/ü😀",
         "",
         "Security.ini:[Security]\r\nuser_agent=Zelvo/??\r\n",
         {ToInt(C::UpdateUserAgent)},
         {},
         ""},
        {"cgi proxy",
         3,
         "http://cgi/",
         "",
         "Security.ini:[Security]\r\ncgi_proxy=http://cgi/\r\ncgi_command=1\r\n",
         {ToInt(C::ProxySettings)},
         {},
         ""},
        {"security", 4, "33", "", "Color.ini:[Mozaiku]\r\nstrong=33\r\n", securityBoxes, {}, ""},
        {"security strength 9",
         4,
         "9",
         "",
         "",
         securityBoxes,
         {},
         "10以上50以下の整数を入力してください。"},
        {"search sites",
         5,
         "B検ü",
         sites,
         "Searchsite.ini:[Trancelate]\r\nurl_1=a\r\n[Searchsite]\r\ncount=3\r\nname_1=Old2\r\n"
         "url_1=http://old2/\r\nname_2=-----\r\nurl_2=\r\nname_3=B\x8c\x9f?\r\n"
         "url_3=http://b/\r\n",
         {ToInt(C::ReloadSearchSites)},
         {},
         ""},
        {"exit",
         6,
         "",
         "Security.ini:[Enddetail]\r\nurl=1\r\n",
         "Security.ini:[Enddetail]\r\nurl=0\r\nsearch=1\r\nhistory=0\r\ntempo=0\r\ncookie=1\r\n"
         "endtab=0\r\ndeltab=0\r\n",
         {},
         {},
         ""},
        {"filter",
         7,
         ".zip+.简",
         "Security.ini:[Security]\r\nfilter=.pdf\r\n",
         "Security.ini:[Security]\r\nfilter=.zip+.?\r\n",
         {},
         {},
         ""},
        {"general", 8, "", "", "Tablist.ini:[Window]\r\nxp_style=1\r\n", {}, {}, ""},
        {"skin", 9, "1", "", "Tablist.ini:[Skin]\r\nname=b.bmp\r\n", {}, {"skin:b.bmp"}, ""},
        {"no skin",
         9,
         "none",
         "Tablist.ini:[Skin]\r\nname=a.bmp\r\n",
         "Tablist.ini:[Skin]\r\nname=\r\n",
         {},
         {"skin:"},
         ""},
        {"skin file gone",
         9,
         "",
         "Tablist.ini:[Skin]\r\nname=gone.bmp\r\n",
         "",
         {},
         {},
         "ファイルが存在しません！"},
        {"tab operation",
         10,
         "",
         "",
         "Color.ini:[ATabColor]\r\nred=0\r\ngreen=0\r\nblue=0\r\n[NoATabColor]\r\nred=0\r\n"
         "green=0\r\nblue=0\r\n[TabColor]\r\nred=0\r\ngreen=0\r\nblue=0\r\nenable=0\r\n"
         "Tablist.ini:[Tablist]\r\nwidth=120\r\ndbclick=0:\x8d\xc5\x91\xe5\x89\xbb\r\n"
         "rclick=0:\x83\x5e\x83\x75\x83\x81\x83\x6a\x83\x85\x81\x5b\r\n",
         {},
         {"colors"},
         ""},
        {"toolbar",
         11,
         "",
         "state.ini:[toolbar]\r\n1=1\r\n",
         "state.ini:[toolbar]\r\n1=0\r\n0=1\r\n2=0\r\n3=0\r\n4=0\r\n5=0\r\n6=0\r\n7=0\r\n8=0\r\n"
         "9=0\r\n10=0\r\n11=0\r\n12=0\r\n13=0\r\n14=0\r\n15=0\r\n16=0\r\n17=0\r\n18=0\r\n",
         {},
         {"toolbar"},
         ""},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s, OK", row.name) << row.page << row.text << row.seed << row.changes
                                          << row.sent << row.applied << row.message;
        // Buttons that act at once do so whatever the end; nothing else is written.
        QList<int> atOnce = row.sent;
        atOnce.removeAll(ToInt(C::UpdateUserAgent));
        atOnce.removeAll(ToInt(C::ReloadSearchSites));
        QTest::addRow("%s, Cancel", row.name) << row.page << row.text << row.seed << QByteArray()
                                              << atOnce << QStringList() << QString();
    }
}

void TestSettings::pages()
{
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(QByteArray, seed);
    QFETCH(QByteArray, changes);
    QFETCH(QString, message);
    FakeXdgMime("other.desktop");
    if (!seed.isEmpty()) {
        const qsizetype colon = seed.indexOf(':');
        m_home->write(QString::fromUtf8(seed.left(colon)), seed.mid(colon + 1));
    }
    QDir().mkpath(m_home->file("res"));
    for (const char* name : {"a.bmp", "b.bmp"})
        QVERIFY(QImage(4, 4, QImage::Format_RGB32).save(m_home->file("res/") + name, "BMP"));
    const Files before = Snapshot(m_home->path());

    CTreePropSheet sheet(QStringLiteral("Zelvo の設定"));
    Open(sheet, page);
    ChangePage(sheet.Page(page), page, text);
    const bool ok =
        QTest::currentDataTag() == QByteArray(QTest::currentDataTag()).replace(", Cancel", "");
    sheet.findChild<QPushButton*>(ok ? "IDOK" : "IDCANCEL")->click();
    QVERIFY(!sheet.isVisible());

    QCOMPARE(Changes(before, Snapshot(m_home->path())), changes);
    QTEST(m_sent, "sent");
    QTEST(m_applied, "applied");
    QCOMPARE(m_messages.value(0), message);
    QVERIFY(m_messages.size() <= 1);
    if (page == 1 && !message.isEmpty())
        QCOMPARE(Child<QLineEdit>(sheet.Page(1), "1035")->text(), QStringLiteral("0"));
}

void TestSettings::general_data()
{
    QTest::addColumn<bool>("haveXdgMime");
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<bool>("click");
    QTest::addColumn<QByteArray>("calls");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("mimeapps");
    const QByteArray query = "query default x-scheme-handler/http\n";
    const QByteArray list = "[Added Associations]\ntext/html=zelvo.desktop;\n"
                            "[Default Applications]\ntext/html=zelvo.desktop;\n"
                            "x-scheme-handler/http=zelvo.desktop;other.desktop;\n"
                            "x-scheme-handler/https=zelvo.desktop\n";
    QTest::newRow("not clicked: no change")
        << true << QByteArray("zelvo.desktop") << false << query << QStringList() << list;
    QTest::newRow("made default")
        << true << QByteArray("other.desktop") << true
        << query + "default zelvo.desktop text/html\ndefault zelvo.desktop "
                   "x-scheme-handler/http\ndefault zelvo.desktop x-scheme-handler/https\n"
        << QStringList() << list;
    QTest::newRow("default no more")
        << true << QByteArray("zelvo.desktop") << true
        << query + "query default text/html\nquery default x-scheme-handler/http\n"
                   "query default x-scheme-handler/https\n"
        << QStringList()
        << QByteArray("[Added Associations]\ntext/html=zelvo.desktop;\n[Default Applications]\n"
                      "x-scheme-handler/http=other.desktop;\n");
    QTest::newRow("no xdg-mime") << false << QByteArray() << true << QByteArray()
                                 << QStringList{"失敗", "失敗2", "失敗3"} << list;
}

void TestSettings::general()
{
    QFETCH(bool, haveXdgMime);
    QFETCH(QByteArray, handler);
    QFETCH(bool, click);
    if (haveXdgMime)
        FakeXdgMime(handler);
    const QString mimeapps = m_home->configPath() + "/mimeapps.list";
    QFile list(mimeapps);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("[Added Associations]\ntext/html=zelvo.desktop;\n[Default Applications]\n"
               "text/html=zelvo.desktop;\nx-scheme-handler/http=zelvo.desktop;other.desktop;\n"
               "x-scheme-handler/https=zelvo.desktop\n");
    list.close();

    CTreePropSheet sheet(QStringLiteral("Zelvo の設定"));
    Open(sheet, 8);
    auto* page = sheet.PageAs<CSetGeneral>(8);
    QCOMPARE(page->DefaultBrowserCheck()->isChecked(), handler == "zelvo.desktop");
    if (click)
        page->DefaultBrowserCheck()->click();
    QVERIFY(sheet.ApplyButton()->isEnabled() == click);
    // Apply writes, and OK after it does not repeat the association.
    sheet.ApplyButton()->click();
    QCOMPARE(m_home->read("Tablist.ini"), QByteArray(click ? "[Window]\r\nxp_style=0\r\n" : ""));
    sheet.findChild<QPushButton*>("IDOK")->click();

    QFile log(m_bin.path() + "/log");
    log.open(QIODevice::ReadOnly);
    QTEST(log.readAll(), "calls");
    QTEST(m_messages, "messages");
    QFile after(mimeapps);
    after.open(QIODevice::ReadOnly);
    QTEST(after.readAll(), "mimeapps");
    QCOMPARE(m_home->read("Tablist.ini"), QByteArray("[Window]\r\nxp_style=0\r\n"));

    // The buttons that act at once.
    m_messages.clear();
    page->ShortcutButton()->click();
    QCOMPARE(m_messages, QStringList{"ショートカット作成失敗"});
    QDir().mkpath(m_user.path() + "/Desktop");
    page->ShortcutButton()->click();
    QFile shortcut(m_user.path() + "/Desktop/Zelvo.desktop");
    QVERIFY(shortcut.open(QIODevice::ReadOnly));
    const QByteArray entry = shortcut.readAll();
    QVERIFY(entry.startsWith("[Desktop Entry]\nType=Application\nName=Zelvo\n"));
    QVERIFY(
        entry.contains("\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\" %u\n"));
    QVERIFY(shortcut.permissions() & QFile::ExeOwner);
    QCOMPARE(m_messages.size(), 1);

    const QString recent = m_user.path() + "/data/recently-used.xbel";
    QFile xbel(recent);
    QVERIFY(xbel.open(QIODevice::WriteOnly));
    xbel.write("<xbel><bookmark href=\"file:///secret\"/></xbel>");
    xbel.close();
    page->RecentButton()->click();
    QCOMPARE(m_messages.last(), QStringLiteral("最近使ったファイルをクリアしました。"));
    QVERIFY(xbel.open(QIODevice::ReadOnly));
    const QByteArray cleared = xbel.readAll();
    QVERIFY(cleared.contains("<xbel") && !cleared.contains("secret"));
}

void TestSettings::fromFrame()
{
    FakeXdgMime("other.desktop");
    m_home->write("Security.ini", "[Security]\r\nscript=DLCTL_NO_SCRIPTS\r\n");
    m_home->write("Searchsite.ini", "[Searchsite]\r\ncount=1\r\nname_1=One\r\nurl_1=http://1/\r\n");
    QDir().mkpath(m_home->file("res"));
    QImage skin(8, 8, QImage::Format_RGB32);
    skin.fill(QColor(1, 2, 3));
    QVERIFY(skin.save(m_home->file("res/sky.bmp"), "BMP"));
    std::unique_ptr<CMainFrame> frame = OpenFrame();
    QVERIFY(frame->ToolButton(CommandId::GoBack));

    bool ran = false;
    CTreePropSheet* sheet = nullptr;
    auto useSheet = [&] {
        sheet = qobject_cast<CTreePropSheet*>(QApplication::activeModalWidget());
        QVERIFY(sheet);
        ran = true;
        sheet->SetActivePage(4);
        auto* script = Child<QCheckBox>(sheet->Page(4), "1047");
        QVERIFY(!script->isChecked());
        script->click();
        QCOMPARE(SecurityIni::Script(), QByteArray("DLCTL_SCRIPTS"));
        script->click();
        sheet->SetActivePage(11);
        Child<QTreeWidget>(sheet->Page(11), "1017")->topLevelItem(0)->setCheckState(0, Qt::Checked);
        sheet->SetActivePage(9);
        ClickRow(Child<QTreeWidget>(sheet->Page(9), "1017"), 0);
        sheet->SetActivePage(5);
        SetEdit(sheet->Page(5), "1070", "2");
        SetEdit(sheet->Page(5), "1068", "Two");
        SetEdit(sheet->Page(5), "1069", "http://2/");
        Click(sheet->Page(5), "1071");
        sheet->findChild<QPushButton*>("IDOK")->click();
    };
    QTimer::singleShot(0, this, [&] {
        useSheet();
        // A failed check must not leave the sheet waiting.
        if (sheet && sheet->isVisible())
            sheet->reject();
    });
    QAction* settings = frame->Registry().Action(CommandId::Settings);
    QCOMPARE(settings->shortcut(), QKeySequence(Qt::Key_F7));
    settings->trigger();
    QVERIFY(ran);

    // Two clicks are two switches, each stored at once.
    QCOMPARE(SecurityIni::Script(), QByteArray("DLCTL_NO_SCRIPTS"));
    QVERIFY(!frame->ToolButton(CommandId::GoBack));
    QVERIFY(frame->ToolButton(CommandId::GoForward));
    QCOMPARE(frame->MainToolbar()->palette().window().texture().toImage().pixelColor(0, 0),
             QColor(1, 2, 3));
    QCOMPARE(frame->m_wndSearchSites->count(), 2);
    QCOMPARE(frame->m_wndSearchSites->itemText(1), QStringLiteral("Two"));

    // The hidden button stays hidden in the next window; shown again it has
    // its drop-down back.
    frame.reset();
    frame = OpenFrame();
    QVERIFY(!frame->ToolButton(CommandId::GoBack));
    m_home->write("State.ini", "[toolbar]\r\n0=0\r\n");
    frame->ApplyToolbarButtons();
    QToolButton* back = frame->ToolButton(CommandId::GoBack);
    QVERIFY(back && back->menu());
    QCOMPARE(frame->MainToolbar()->actions().indexOf(back->defaultAction()), 0);
    frame->ApplySkin(QString());
    QVERIFY(!frame->MainToolbar()->autoFillBackground());
}

// Every page at this scale into a folder to look at; a text wider than the
// room its control got would be cut.
void TestSettings::grabs()
{
    FakeXdgMime("other.desktop");
    const QString dir = QDir::currentPath() + "/settings-grabs/scale" +
                        qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    QDir().mkpath(dir);
    CTreePropSheet sheet(QStringLiteral("Zelvo の設定"));
    PrepareSettingsSheet(sheet, m_host);
    sheet.show();
    for (int page = 0; page < sheet.GetPageCount(); ++page) {
        sheet.SetActivePage(page);
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QVERIFY(sheet.grab().save(dir + QString("/page%1.png").arg(page, 2, 10, QChar('0'))));
        for (QWidget* control : sheet.Page(page)->findChildren<QWidget*>()) {
            if (!control->isVisible() || qobject_cast<QLineEdit*>(control))
                continue;
            auto* label = qobject_cast<QLabel*>(control);
            if (!qobject_cast<QAbstractButton*>(control) && !(label && !label->wordWrap()))
                continue;
            QVERIFY2(control->width() >= control->sizeHint().width(),
                     qPrintable(QString("page %1: %2").arg(page).arg(control->objectName())));
        }
    }
    sheet.Tree()->setCurrentItem(sheet.Tree()->topLevelItem(1));
    QVERIFY(sheet.grab().save(dir + "/inner-node.png"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
