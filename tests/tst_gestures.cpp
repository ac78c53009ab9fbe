#include "commands/CommandTable.h"
#include "commands/MenuResources.h"
#include "gestures/GestureRecognizer.h"
#include "gestures/GestureTable.h"

#include <QSet>
#include <QtTest>

namespace {

struct Step {
    int x;
    int y;
    quint32 time;
};

// The arrows of a menu text, in their order.
QString ArrowsOf(const QString& text)
{
    QString arrows;
    for (QChar c : text)
        if (QStringLiteral("→↑←↓").contains(c))
            arrows += c;
    return arrows;
}

// Every command item of the menus with the text it shows, submenus included.
void CollectItems(const QList<MenuItemDef>& items, QList<QPair<int, QString>>& out)
{
    for (const MenuItemDef& item : items) {
        if (item.kind == MenuItemDef::Kind::Submenu)
            CollectItems(item.items, out);
        else if (item.kind == MenuItemDef::Kind::Command)
            out.append({item.id, MenuItemText(item)});
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestGestures : public QObject {
    Q_OBJECT

private slots:
    void recognize_data();
    void recognize();
    void lookup_data();
    void lookup();
    void tableGesturesAreDistinct();
    void menuArrowsAgreeWithTable();
};

void TestGestures::recognize_data()
{
    QTest::addColumn<QList<Step>>("steps"); // the first one begins the gesture
    QTest::addColumn<QString>("gesture");

    QTest::newRow("no move") << QList<Step>{{100, 100, 0}} << QString();
    QTest::newRow("9 px is no step") << QList<Step>{{100, 100, 0}, {109, 100, 10}} << QString();
    QTest::newRow("9.9 px truncates to 9")
        << QList<Step>{{100, 100, 0}, {107, 107, 10}} << QString();
    QTest::newRow("10 px right") << QList<Step>{{100, 100, 0}, {110, 100, 10}} << "→";
    QTest::newRow("small moves add up from the anchor")
        << QList<Step>{{100, 100, 0}, {105, 100, 5}, {109, 100, 10}, {112, 100, 15}} << "→";
    QTest::newRow("200 px right in one jump") << QList<Step>{{0, 0, 0}, {200, 0, 20}} << "→";
    QList<Step> quick{{0, 0, 0}};
    for (int i = 1; i <= 20; ++i)
        quick.append({i * 10, 0, quint32(i * 16)});
    QTest::newRow("200 px right in quick steps") << quick << "→";
    QTest::newRow("up then right") << QList<Step>{{0, 0, 0}, {0, -20, 10}, {20, -20, 20}} << "↑→";
    QTest::newRow("left") << QList<Step>{{0, 0, 0}, {-30, 0, 10}} << "←";
    QTest::newRow("down") << QList<Step>{{0, 0, 0}, {0, 30, 10}} << "↓";
    QTest::newRow("exactly 45 degrees is up") << QList<Step>{{0, 0, 0}, {10, -10, 10}} << "↑";
    QTest::newRow("exactly 135 degrees is up") << QList<Step>{{0, 0, 0}, {-10, -10, 10}} << "↑";
    QTest::newRow("exactly 225 degrees is down") << QList<Step>{{0, 0, 0}, {-10, 10, 10}} << "↓";
    QTest::newRow("exactly 315 degrees is down") << QList<Step>{{0, 0, 0}, {10, 10, 10}} << "↓";
    QTest::newRow("long 45 degrees is up") << QList<Step>{{0, 0, 0}, {347, -347, 10}} << "↑";
    QTest::newRow("long 225 degrees is down") << QList<Step>{{0, 0, 0}, {-293, 293, 10}} << "↓";
    QTest::newRow("just under 45 is right") << QList<Step>{{0, 0, 0}, {100, -96, 10}} << "→";
    QTest::newRow("just over 45 is up") << QList<Step>{{0, 0, 0}, {96, -100, 10}} << "↑";
    QTest::newRow("just over 135 is left") << QList<Step>{{0, 0, 0}, {-100, -96, 10}} << "←";
    QTest::newRow("just under 225 is left") << QList<Step>{{0, 0, 0}, {-100, 96, 10}} << "←";
    QTest::newRow("just over 315 is right") << QList<Step>{{0, 0, 0}, {100, 96, 10}} << "→";
    QTest::newRow("down, pause, down gives two arrows")
        << QList<Step>{{0, 0, 0}, {0, 20, 10}, {0, 40, 510}} << "↓↓";
    QTest::newRow("a pause of 300 ms is no pause")
        << QList<Step>{{0, 0, 0}, {0, 20, 10}, {0, 40, 310}} << "↓";
    QTest::newRow("a pause of 301 ms is")
        << QList<Step>{{0, 0, 0}, {0, 20, 10}, {0, 40, 311}} << "↓↓";
    QTest::newRow("the pause counts from the last step, not the last arrow")
        << QList<Step>{{0, 0, 0}, {0, 20, 100}, {0, 40, 350}, {0, 60, 600}} << "↓";
    QTest::newRow("moves under a step do not count as steps")
        << QList<Step>{{0, 0, 0}, {0, 20, 10}, {0, 25, 200}, {0, 40, 400}} << "↓↓";
    QTest::newRow("the tick count wraps")
        << QList<Step>{{0, 0, 0xFFFFFF00u}, {0, 20, 0xFFFFFFF0u}, {0, 40, 0x20u}} << "↓";
    QTest::newRow("a pause across the wrap")
        << QList<Step>{{0, 0, 0xFFFFFF00u}, {0, 20, 0xFFFFFFF0u}, {0, 40, 0x200u}} << "↓↓";
    QTest::newRow("a first step at the all-bits tick")
        << QList<Step>{{0, 0, 0}, {0, 20, 0xFFFFFFFFu}, {0, 40, 0x100u}} << "↓";
    QTest::newRow("back and forth")
        << QList<Step>{{0, 0, 0}, {-20, 0, 10}, {0, 0, 20}, {-20, 0, 30}, {0, 0, 40}} << "←→←→";
    QTest::newRow("no limit on length")
        << QList<Step>{{0, 0, 0},    {0, -20, 10}, {0, 0, 20},   {0, -20, 30}, {0, 0, 40},
                       {0, -20, 50}, {0, 0, 60},   {0, -20, 70}, {20, -20, 80}}
        << "↑↓↑↓↑↓↑→";
}

void TestGestures::recognize()
{
    QFETCH(QList<Step>, steps);
    QFETCH(QString, gesture);
    GestureRecognizer recognizer;
    recognizer.Begin(QPoint(steps[0].x, steps[0].y), steps[0].time);
    for (qsizetype i = 1; i < steps.size(); ++i)
        recognizer.Move(QPoint(steps[i].x, steps[i].y), steps[i].time);
    QCOMPARE(recognizer.Result(), gesture);
}

void TestGestures::lookup_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("status");

    const int command = int(GestureAction::Command);
    QTest::newRow("back") << "←" << true << int(GestureAction::Back) << ToInt(CommandId::GoBack)
                          << "マウスジェスチャー：戻る";
    QTest::newRow("stop") << "→↓" << true << int(GestureAction::Stop) << ToInt(CommandId::Stop)
                          << "マウスジェスチャー：中止";
    QTest::newRow("exact string, not its prefix")
        << "↓↑↓" << true << command << ToInt(CommandId::ToggleAllBars)
        << "マウスジェスチャー：各種バーの反転";
    QTest::newRow("the prefix alone") << "↓↑" << true << command << ToInt(CommandId::MaximizeView)
                                      << "マウスジェスチャー：最大表示";
    QTest::newRow("save as") << "↑→↓" << true << command << ToInt(CommandId::FileSaveAs)
                             << "マウスジェスチャー：名前を付けて保存";
    QTest::newRow("last entry") << "↑↓→↑" << true << command
                                << ToInt(CommandId::HighlightSearchAllTabs)
                                << "マウスジェスチャー：全ページ色つき検索";
    QTest::newRow("texts kept as they are")
        << "→←↑↓" << true << command << ToInt(CommandId::ExtractFlash)
        << "マウスジェスチャー：Frashアドレスの抽出";
    QTest::newRow("two downs") << "↓↓" << false << 0 << 0 << QString();
    QTest::newRow("longer than any entry") << "→←→←→" << false << 0 << 0 << QString();
    QTest::newRow("empty") << QString() << false << 0 << 0 << QString();
    QTest::newRow("not arrows") << "<" << false << 0 << 0 << QString();
}

void TestGestures::lookup()
{
    QFETCH(QString, gesture);
    QFETCH(bool, found);
    const GestureEntry* entry = GestureTable::Find(gesture);
    QCOMPARE(entry != nullptr, found);
    if (!entry)
        return;
    QFETCH(int, action);
    QFETCH(int, command);
    QFETCH(QString, status);
    QCOMPARE(int(entry->action), action);
    QCOMPARE(ToInt(entry->command), command);
    QCOMPARE(entry->StatusText(), status);
}

void TestGestures::tableGesturesAreDistinct()
{
    // A second entry with the same string could never be reached.
    QSet<QString> seen;
    QSet<int> commands;
    for (const GestureEntry& entry : GestureTable::Entries()) {
        QVERIFY2(!seen.contains(entry.Gesture()), qPrintable(entry.Gesture()));
        QCOMPARE(ArrowsOf(entry.Gesture()), entry.Gesture());
        seen.insert(entry.Gesture());
        commands.insert(ToInt(entry.command));
    }
    QCOMPARE(seen.size(), 43);
    QCOMPARE(commands.size(), 43);
}

void TestGestures::menuArrowsAgreeWithTable()
{
    QHash<int, QString> gestureOf;
    for (const GestureEntry& entry : GestureTable::Entries())
        gestureOf.insert(ToInt(entry.command), entry.Gesture());

    QList<QPair<int, QString>> items;
    CollectItems(MainMenu(), items);
    QSet<int> inMainMenu;
    for (const auto& [id, text] : items)
        inMainMenu.insert(id);
    for (MenuId popup : PopupMenuIds())
        CollectItems(PopupMenu(popup), items);
    // Every arrow a menu shows names the gesture that runs its command...
    for (const auto& [id, text] : items) {
        if (!ArrowsOf(text).isEmpty())
            QVERIFY2(ArrowsOf(text) == gestureOf.value(id), qPrintable(text));
    }
    for (const CommandDef& def : CommandTable()) {
        const QString text = QString::fromUtf8(def.text);
        if (!ArrowsOf(text).isEmpty())
            QVERIFY2(ArrowsOf(text) == gestureOf.value(ToInt(def.id)), qPrintable(text));
    }
    // ...and the main menu shows every gesture beside its command.
    for (const GestureEntry& entry : GestureTable::Entries()) {
        const int id = ToInt(entry.command);
        QVERIFY2(inMainMenu.contains(id), qPrintable(entry.StatusText()));
        QCOMPARE(ArrowsOf(CommandMenuText(id)), entry.Gesture());
    }
}

QTEST_APPLESS_MAIN(TestGestures)
#include "tst_gestures.moc"
