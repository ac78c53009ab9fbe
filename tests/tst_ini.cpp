#include "core/Cp932.h"
#include "ini/ColorIni.h"
#include "ini/DeleteTabListIni.h"
#include "ini/EndlistIni.h"
#include "ini/ProxyIni.h"
#include "ini/SecurityIni.h"
#include "ini/StateIni.h"
#include "ini/StopListIni.h"
#include "ini/TablistIni.h"
#include "ini/WindowListIni.h"

#include "TempHome.h"

#include <QtTest>

#include <functional>
#include <memory>

using Reader = std::function<QVariant()>;
using Writer = std::function<void()>;
Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(Writer)

namespace {

QVariant Text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QVariant Bytes(const char* bytes)
{
    return QByteArray(bytes);
}

Reader Rgb(ColorIni::Rgb (*read)())
{
    return [read] {
        const ColorIni::Rgb c = read();
        return QVariant(QStringLiteral("%1,%2,%3").arg(c.red).arg(c.green).arg(c.blue));
    };
}

Reader Entries(const StopListIni& list)
{
    return [list] { return QVariant(list.Load().join('|')); };
}

// Settings files are code page 932; the rows are written in UTF-8.
QByteArray Stored(const char* utf8)
{
    return Cp932::FromUnicode(QString::fromUtf8(utf8));
}

} // namespace

// The catalogue of settings keys as the accessors see it: what a missing file
// means, where a stored value is read from, and what the writers leave behind.
class TestIni : public QObject {
    Q_OBJECT

private slots:
    void init() { m_home = std::make_unique<TempHome>(); }
    void cleanup() { m_home.reset(); }
    void readsCatalogue_data();
    void readsCatalogue();
    void writesReadBack_data();
    void writesReadBack();

private:
    std::unique_ptr<TempHome> m_home;
};

void TestIni::readsCatalogue_data()
{
    QTest::addColumn<Reader>("read");
    QTest::addColumn<QVariant>("fallback");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QVariant>("value");
    auto row = [](const char* name, Reader read, QVariant fallback, const char* file,
                  const char* stored, QVariant value) {
        QTest::newRow(name) << read << fallback << QString::fromLatin1(file) << Stored(stored)
                            << value;
    };
    using namespace TablistIni;
    row("XpStyle", XpStyle, 0, "Tablist.ini", "[Window]\r\nxp_style=1\r\n", 1);
    row("StatusBar", StatusBar, 0, "Tablist.ini", "[Window]\r\nstatusbar=1\r\n", 1);
    row("WindowTab", WindowTab, 0, "Tablist.ini", "[Window]\r\nwindowtab=1\r\n", 1);
    row("Docking", Docking, 0, "Tablist.ini", "[Window]\r\ndocking=1\r\n", 1);
    row("DockLen", StateIni::DockLen, 200, "State.ini", "[Dock]\r\nlen=350\r\n", 350);
    row("TabCount from [TabList]", TabCount, 20, "Tablist.ini", "[TabList]\r\ntabcount=5\r\n", 5);
    row("TabCountOnSettingsPage from [Tablist]", TabCountOnSettingsPage, 30, "Tablist.ini",
        "[Tablist]\r\ntabcount=7\r\n", 7);
    row("Width", Width, 0, "Tablist.ini", "[Tablist]\r\nwidth=150\r\n", 150);
    row("WidthOnSettingsPage, 0 stored", WidthOnSettingsPage, 110, "Tablist.ini",
        "[Tablist]\r\nwidth=0\r\n", 0);
    row("DbClick", DbClick, Text("0:最大化"), "Tablist.ini", "[Tablist]\r\ndbclick=1:タブ削除\r\n",
        Text("1:タブ削除"));
    row("RClick", RClick, Text("0:タブメニュー"), "Tablist.ini", "[Tablist]\r\nrclick=6:なし\r\n",
        Text("6:なし"));
    row("DeleteTab", DeleteTab, Text(""), "Tablist.ini", "[DeleteTab]\r\n0=http://a/\r\n",
        Text("http://a/"));
    row("HomeUrl", HomeUrl, Text(""), "Tablist.ini", "[Home]\r\nurl=http://h/\r\n",
        Text("http://h/"));
    row("SkinName", SkinName, Text(""), "Tablist.ini", "[Skin]\r\nname=空.bmp\r\n", Text("空.bmp"));

    using namespace SecurityIni;
    const std::pair<const char*, QByteArray (*)()> words[] = {{"script", Script},
                                                              {"java", Java},
                                                              {"ActiveX_run", ActiveXRun},
                                                              {"ActiveX_dl", ActiveXDl},
                                                              {"image", Image},
                                                              {"video", Video},
                                                              {"bgm", Bgm},
                                                              {"cache", Cache}};
    for (const auto& [key, read] : words) {
        const QByteArray stored = "[Security]\r\n" + QByteArray(key) + "=DLCTL_NO_X\r\n";
        row(key, read, Bytes(""), "Security.ini", stored, Bytes("DLCTL_NO_X"));
    }
    row("UrlSec", UrlSec, 0, "Security.ini", "[Security]\r\nurl_sec=2\r\n", 2);
    row("Mailto", Mailto, 0, "Security.ini", "[Security]\r\nmailto=3\r\n", 3);
    row("Filter", Filter, Text(""), "Security.ini", "[Security]\r\nfilter=.html+.pdf\r\n",
        Text(".html+.pdf"));
    row("UserAgent", UserAgent, Text(""), "Security.ini", "[Security]\r\nuser_agent=Agent/1\r\n",
        Text("Agent/1"));
    row("Media", Media, 0, "Security.ini", "[media]\r\nsetting=1\r\n", 1);
    row("ChileTab", ChileTab, 0, "Security.ini", "[ChileTab]\r\nsetting=1\r\n", 1);
    row("Home", Home, 0, "Security.ini", "[Home]\r\nhome=1\r\n", 1);
    const std::pair<const char*, int (*)()> cleanups[] = {
        {"url", EnddetailUrl},      {"search", EnddetailSearch}, {"history", EnddetailHistory},
        {"tempo", EnddetailTempo},  {"cookie", EnddetailCookie}, {"endtab", EnddetailEndtab},
        {"deltab", EnddetailDeltab}};
    for (const auto& [key, read] : cleanups) {
        const QByteArray stored = "[Enddetail]\r\n" + QByteArray(key) + "=1\r\n";
        row(QByteArray("Enddetail " + QByteArray(key)).constData(), read, 0, "Security.ini", stored,
            1);
    }

    row("Background", Rgb(ColorIni::Background), Text("0,0,0"), "Color.ini",
        "[SetColor]\r\nred=300\r\ngreen=1\r\nblue=2\r\n", Text("44,1,2"));
    row("TabColor", Rgb(ColorIni::TabColor), Text("0,0,0"), "Color.ini",
        "[TabColor]\r\nred=1\r\ngreen=2\r\nblue=3\r\n", Text("1,2,3"));
    row("ATabColor", Rgb(ColorIni::ATabColor), Text("0,0,0"), "Color.ini",
        "[ATabColor]\r\nblue=255\r\n", Text("0,0,255"));
    row("NoATabColor", Rgb(ColorIni::NoATabColor), Text("0,0,0"), "Color.ini",
        "[NoATabColor]\r\ngreen=9\r\n", Text("0,9,0"));
    row("TabColorEnable", ColorIni::TabColorEnable, 0, "Color.ini", "[TabColor]\r\nenable=1\r\n",
        1);

    row(
        "State Band", [] { return QVariant(StateIni::Band(1)); }, Bytes(""), "State.ini",
        "[state]\r\n1=wID=E80A,cx=9,fStyle=000000A0\r\n", Bytes("wID=E80A,cx=9,fStyle=000000A0"));
    row("Endlist TabCount", EndlistIni::TabCount, 0, "Endlist.ini", "[Endlist]\r\ntab_count=2\r\n",
        2);
    row(
        "Endlist Tab", [] { return QVariant(EndlistIni::Tab(2)); }, Text(""), "Endlist.ini",
        "[Endlist]\r\n2=http://b/\r\n", Text("http://b/"));
    row("Endlist WindowSize", EndlistIni::WindowSize, 0, "Endlist.ini", "[Window]\r\nsize=1\r\n",
        1);
    row("WindowList Count", WindowListIni::Count, 0, "Window_List.ini",
        "[Window_count]\r\ncount=4\r\n", 4);
    row(
        "WindowList Title", [] { return QVariant(WindowListIni::Title(0)); }, Text(""),
        "Window_List.ini", "[Window_List]\r\n0=題\r\n", Text("題"));
    row("DeleteTabList Count", DeleteTabListIni::Count, 0, "DeleteTab_List.ini",
        "[DeleteTab]\r\ncount=1\r\n", 1);
    row(
        "DeleteTabList Name", [] { return QVariant(DeleteTabListIni::Name(1)); }, Text(""),
        "DeleteTab_List.ini", "[DeleteTab]\r\nname_1=t\r\n", Text("t"));
    row(
        "DeleteTabList Url", [] { return QVariant(DeleteTabListIni::Url(1)); }, Text(""),
        "DeleteTab_List.ini", "[DeleteTab]\r\nurl_1=http://u/\r\n", Text("http://u/"));
    row("ProxyCommand", ProxyIni::ProxyCommand, 0, "proxy.ini", "[proxy_command]\r\nsetting=4\r\n",
        4);
    row(
        "StopUrl Check", [] { return QVariant(StopListIni::Url().Check()); }, 0, "StopUrl.ini",
        "[Security]\r\ncheck=1\r\n", 1);
    row(
        "StopTitle Check", [] { return QVariant(StopListIni::Title().Check()); }, 0,
        "StopTitle.ini", "[Security]\r\ncheck=2\r\n", 2);
    row("StopUrl Load", Entries(StopListIni::Url()), Bytes(""), "StopUrl.ini",
        "[StopUrl]\r\ncount=1\r\n1=http://x/\r\n", Bytes("http://x/"));
    row("StopTitle Load", Entries(StopListIni::Title()), Bytes(""), "StopTitle.ini",
        "[StopTitle]\r\ncount=0\r\n0=x\r\n", Bytes("x"));
}

void TestIni::readsCatalogue()
{
    QFETCH(Reader, read);
    QFETCH(QVariant, fallback);
    QFETCH(QString, file);
    QFETCH(QByteArray, stored);
    QFETCH(QVariant, value);
    QCOMPARE(read(), fallback);
    m_home->write(file, stored);
    QCOMPARE(read(), value);
}

void TestIni::writesReadBack_data()
{
    QTest::addColumn<Writer>("write");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Reader>("read");
    QTest::addColumn<QVariant>("value");
    auto row = [](const char* name, Writer write, const char* file, const char* bytes,
                  Reader read = {}, QVariant value = {}) {
        QTest::newRow(name) << write << QString::fromLatin1(file) << Stored(bytes) << read << value;
    };
    using namespace TablistIni;
    row(
        "SetStatusBar", [] { SetStatusBar(true); }, "Tablist.ini", "[Window]\r\nstatusbar=1\r\n",
        StatusBar, 1);
    row(
        "SetAddressBar", [] { SetAddressBar(true); }, "Tablist.ini",
        "[Window]\r\naddressbar=1\r\n");
    row(
        "SetSearchBar", [] { SetSearchBar(false); }, "Tablist.ini", "[Window]\r\nsearchbar=0\r\n");
    row(
        "SetTabBar", [] { SetTabBar(true); }, "Tablist.ini", "[Window]\r\ntabbar=1\r\n");
    row(
        "SetToolbar", [] { SetToolbar(false); }, "Tablist.ini", "[Window]\r\ntoolbar=0\r\n");
    row(
        "SetDocking", [] { SetDocking(true); }, "Tablist.ini", "[Window]\r\ndocking=1\r\n", Docking,
        1);
    row(
        "SetDockLen", [] { StateIni::SetDockLen(350); }, "State.ini", "[Dock]\r\nlen=350\r\n",
        StateIni::DockLen, 350);
    row(
        "SetDeleteTab", [] { SetDeleteTab(QStringLiteral("http://a/")); }, "Tablist.ini",
        "[DeleteTab]\r\n0=http://a/\r\n", DeleteTab, Text("http://a/"));
    row(
        "SaveTabOperation", [] { SaveTabOperation("150", "1:x", "0:y"); }, "Tablist.ini",
        "[Tablist]\r\nwidth=150\r\ndbclick=1:x\r\nrclick=0:y\r\n", DbClick, Text("1:x"));
    row(
        "ToggleUrlSec", [] { SecurityIni::ToggleUrlSec(); }, "Security.ini",
        "[Security]\r\nurl_sec=1\r\n", SecurityIni::UrlSec, 1);
    row(
        "ToggleMailto", [] { SecurityIni::ToggleMailto(); }, "Security.ini",
        "[Security]\r\nmailto=1\r\n", SecurityIni::Mailto, 1);
    row(
        "ToggleMedia", [] { SecurityIni::ToggleMedia(); }, "Security.ini",
        "[media]\r\nsetting=1\r\n", SecurityIni::Media, 1);
    row(
        "ToggleChileTab", [] { SecurityIni::ToggleChileTab(); }, "Security.ini",
        "[ChileTab]\r\nsetting=1\r\n", SecurityIni::ChileTab, 1);
    row(
        "ToggleHome", [] { SecurityIni::ToggleHome(); }, "Security.ini", "[Home]\r\nhome=1\r\n",
        SecurityIni::Home, 1);
    row(
        "StopUrl ToggleCheck", [] { StopListIni::Url().ToggleCheck(); }, "StopUrl.ini",
        "[Security]\r\ncheck=1\r\n", [] { return QVariant(StopListIni::Url().Check()); }, 1);
    row(
        "StopTitle ToggleCheck", [] { StopListIni::Title().ToggleCheck(); }, "StopTitle.ini",
        "[Security]\r\ncheck=1\r\n", [] { return QVariant(StopListIni::Title().Check()); }, 1);
    row(
        "SaveTabColors",
        [] {
            ColorIni::SaveTabColors({1, 2, 3}, {4, 5, 6}, {7, 8, 9}, true);
        },
        "Color.ini",
        "[ATabColor]\r\nred=1\r\ngreen=2\r\nblue=3\r\n"
        "[NoATabColor]\r\nred=4\r\ngreen=5\r\nblue=6\r\n"
        "[TabColor]\r\nred=7\r\ngreen=8\r\nblue=9\r\nenable=1\r\n",
        Rgb(ColorIni::NoATabColor), Text("4,5,6"));
    // The count is the highest position written; positions of busy tabs are skipped.
    row(
        "WindowList Save with gaps",
        [] {
            WindowListIni::Save({{1, QStringLiteral("b")}, {3, QStringLiteral("題")}});
        },
        "Window_List.ini", "[Window_count]\r\ncount=3\r\n[Window_List]\r\n1=b\r\n3=題\r\n",
        WindowListIni::Count, 3);
    row(
        "WindowList Save nothing", [] { WindowListIni::Save({}); }, "Window_List.ini", "");
    row(
        "State SaveBands",
        [] {
            StateIni::SaveBands({"a", "b"});
        },
        "State.ini", "[state]\r\n0=a\r\n1=b\r\n", [] { return QVariant(StateIni::Band(1)); },
        Bytes("b"));
    row(
        "Endlist Save", [] { EndlistIni::Save({QStringLiteral("http://a/")}, true); },
        "Endlist.ini", "[Endlist]\r\n0=\r\ntab_count=1\r\n1=http://a/\r\n[Window]\r\nsize=1\r\n",
        EndlistIni::WindowSize, 1);
    row(
        "DeleteTabList Save",
        [] { DeleteTabListIni::Save({QStringLiteral("t")}, {QStringLiteral("http://u/")}); },
        "DeleteTab_List.ini", "[DeleteTab]\r\ncount=1\r\nname_1=t\r\nurl_1=http://u/\r\n",
        [] { return QVariant(DeleteTabListIni::Url(1)); }, Text("http://u/"));
}

void TestIni::writesReadBack()
{
    QFETCH(Writer, write);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(Reader, read);
    QFETCH(QVariant, value);
    write();
    QCOMPARE(m_home->read(file), bytes);
    if (read)
        QCOMPARE(read(), value);
}

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
