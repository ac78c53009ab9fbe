#include "commands/CommandId.h"
#include "commands/CommandTable.h"
#include "commands/MenuResources.h"

#include <QtTest>

#include <functional>

// The menus, toolbars and the command table as data: the properties the frame,
// the view and the later gestures rely on.
class TestMenuResources : public QObject {
    Q_OBJECT

private slots:
    void quotedTexts_data();
    void quotedTexts();
    void separatorsTheOtherPartsRelyOn();
    void gestureArrowsAreWellFormed();
    void parseAccelerator_data();
    void parseAccelerator();
    void everyKeyOfTheTableParses();
    void toolbarPictures();
    void everyCommandHasAPrompt();
    void commandRanges_data();
    void commandRanges();
};

namespace {

using C = CommandId;

// Every command item of items and their submenus.
void ForEachCommand(const QList<MenuItemDef>& items,
                    const std::function<void(const MenuItemDef&)>& visit)
{
    for (const MenuItemDef& item : items) {
        if (item.kind == MenuItemDef::Kind::Command)
            visit(item);
        ForEachCommand(item.items, visit);
    }
}

// The main menu and every popup, each once (the menu bar's copies are the main menu).
QList<const QList<MenuItemDef>*> AllMenus()
{
    QList<const QList<MenuItemDef>*> menus = {&MainMenu()};
    for (MenuId id : PopupMenuIds())
        if (id < MenuId::MenuBarCopyFirst || id > MenuId::MenuBarCopyLast)
            menus.append(&PopupMenu(id));
    return menus;
}

QString Arrows(const QString& text)
{
    QString arrows;
    for (QChar c : text)
        if (QStringLiteral("→←↑↓").contains(c))
            arrows += c;
    return arrows;
}

} // namespace

void TestMenuResources::quotedTexts_data()
{
    QTest::addColumn<CommandId>("id");
    QTest::addColumn<MenuId>("menu"); // None: the main menu
    QTest::addColumn<QString>("text");
    const MenuId main = MenuId::None;
    QTest::newRow("new tab") << C::FileNew << main << "新規作成 →←↑(&M)\tCtrl+N";
    QTest::newRow("new tab, window menu") << C::FileNew << main << "新しいｳｨﾝﾄﾞｳを開く(&N)";
    QTest::newRow("undo shows the mosaic's key") << C::EditUndo << main << "元に戻す(&U)\tCtrl+Z";
    QTest::newRow("close tab") << C::TabClose << main
                               << "アクティブなタブを削除(&D)\tCtrl+VK_DELETE";
    QTest::newRow("swap, arrows before the key")
        << C::SwapPages << main << "ページの入れ替え(&C) ←↓→↑ \tAlt+VK_F8";
    QTest::newRow("form, key without VK_") << C::FormRegister << main << "登録(&R)  ←↑→\tAlt+F5";
    QTest::newRow("exit") << C::AppExit << main << "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)\tAlt+F4";
    QTest::newRow("tab menu") << C::RefreshCompletely << MenuId::Tab << "更新2";
    QTest::newRow("search drop-down") << C::WebSearch << MenuId::SearchCommands << "Web検索 ↑→";
}

void TestMenuResources::quotedTexts()
{
    QFETCH(CommandId, id);
    QFETCH(MenuId, menu);
    QFETCH(QString, text);
    QStringList shown;
    ForEachCommand(menu == MenuId::None ? MainMenu() : PopupMenu(menu),
                   [&](const MenuItemDef& item) {
                       if (item.id == ToInt(id))
                           shown << MenuItemText(item);
                   });
    QVERIFY2(shown.contains(text), qPrintable(shown.join(" | ")));
}

void TestMenuResources::separatorsTheOtherPartsRelyOn()
{
    QStringList tops;
    for (const MenuItemDef& top : MainMenu())
        tops << top.text;
    QCOMPARE(tops.join(' '), "ﾌｧｲﾙ(&F) 編集(&E) 表示(&V) お気に入り(&A) 移動(&G) "
                             "セキュリティ(&S) ツール(&T) ｳｨﾝﾄﾞｳ(&W) ﾍﾙﾌﾟ(&H)");
    // The favourites are inserted before the one separator of their menu.
    const auto separator = MenuItemDef::Kind::Separator;
    const MenuItemDef& favorites = MainMenu().at(3);
    QCOMPARE(favorites.items.size(), 1);
    QCOMPARE(favorites.items.first().kind, separator);
    // The form files are appended to submenu 10 of the tools menu, after its separator.
    const MenuItemDef& forms = MainMenu().at(6).items.at(10);
    QCOMPARE(forms.text, QStringLiteral("フォームの自動入力(&B)"));
    QCOMPARE(forms.items.last().kind, separator);
    // The view relabels the steps at positions 1 to 3 of the back and forward menus.
    for (const auto& [menu, first] :
         {std::pair{MenuId::Back, C::Back1}, std::pair{MenuId::Forward, C::Forward1}}) {
        QCOMPARE(PopupMenu(menu).size(), 4);
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(PopupMenu(menu).at(i).id, ToInt(first) + i - 1);
    }
    // Nowhere else does a separator open or close a menu or follow another one.
    std::function<void(const MenuItemDef&)> check = [&](const MenuItemDef& menu) {
        const QList<MenuItemDef>& items = menu.items;
        if (&menu != &favorites && &menu != &forms && !items.isEmpty()) {
            QVERIFY2(items.first().kind != separator, qPrintable(menu.text));
            QVERIFY2(items.last().kind != separator, qPrintable(menu.text));
        }
        for (int i = 1; i < items.size(); ++i)
            QVERIFY2(items[i].kind != separator || items[i - 1].kind != separator,
                     qPrintable(menu.text));
        for (const MenuItemDef& item : items)
            check(item);
    };
    for (const QList<MenuItemDef>* menu : AllMenus())
        check({MenuItemDef::Kind::Submenu, 0, {}, *menu});
}

void TestMenuResources::gestureArrowsAreWellFormed()
{
    // A gesture is one run of up to four strokes, each turning from the one before,
    // set off from the label by a space; a command shows the same gesture wherever
    // it shows one, and no two commands share one.
    static const QRegularExpression kRun(QStringLiteral("^[^→←↑↓]* ([→←↑↓]{1,4})[^→←↑↓]*$"));
    QHash<int, QString> byCommand;
    QHash<QString, int> byGesture;
    int shown = 0;
    for (const QList<MenuItemDef>* menu : AllMenus()) {
        ForEachCommand(*menu, [&](const MenuItemDef& item) {
            const QString text = MenuItemText(item);
            const QString arrows = Arrows(text);
            if (arrows.isEmpty())
                return;
            ++shown;
            QVERIFY2(kRun.match(text).hasMatch(), qPrintable(text));
            for (int i = 1; i < arrows.size(); ++i)
                QVERIFY2(arrows[i] != arrows[i - 1], qPrintable(text));
            QCOMPARE(byCommand.value(item.id, arrows), arrows);
            QCOMPARE(byGesture.value(arrows, item.id), item.id);
            byCommand.insert(item.id, arrows);
            byGesture.insert(arrows, item.id);
        });
    }
    QCOMPARE(byGesture.size(), 43); // every gesture of the gesture table
    QVERIFY(shown > byGesture.size());
}

void TestMenuResources::parseAccelerator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeyCombination>("key");
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+Alt+VK_INSERT")
        << "Ctrl+Alt+VK_INSERT" << QKeyCombination(ctrl | Qt::AltModifier, Qt::Key_Insert);
    QTest::newRow("Shift+VK_F1") << "Shift+VK_F1" << QKeyCombination(Qt::ShiftModifier, Qt::Key_F1);
    QTest::newRow("Alt+F5") << "Alt+F5" << QKeyCombination(Qt::AltModifier, Qt::Key_F5);
    QTest::newRow("VK_F12") << "VK_F12" << QKeyCombination(Qt::Key_F12);
    QTest::newRow("Ctrl+0") << "Ctrl+0" << QKeyCombination(ctrl, Qt::Key_0);
    QTest::newRow("Alt+VK_BACK") << "Alt+VK_BACK"
                                 << QKeyCombination(Qt::AltModifier, Qt::Key_Backspace);
    QTest::newRow("F13") << "VK_F13" << QKeyCombination();
    QTest::newRow("lower case") << "Ctrl+a" << QKeyCombination();
    QTest::newRow("no key") << "Ctrl+" << QKeyCombination();
    QTest::newRow("unknown modifier") << "Win+A" << QKeyCombination();
}

void TestMenuResources::parseAccelerator()
{
    QFETCH(QString, text);
    QFETCH(QKeyCombination, key);
    QCOMPARE(ParseAccelerator(text), key);
}

void TestMenuResources::everyKeyOfTheTableParses()
{
    // A misspelt key would give its command no shortcut at all.
    int keys = 0;
    for (const CommandDef& def : CommandTable()) {
        const QString written = QString::fromUtf8(def.keys);
        const QList<QKeyCombination> parsed = CommandKeys(ToInt(def.id));
        QCOMPARE(parsed.size(), written.isEmpty() ? 0 : int(written.count(',')) + 1);
        for (QKeyCombination key : parsed)
            QVERIFY2(key.key() != Qt::Key(0), def.keys);
        if (def.shownKeys)
            QVERIFY(ParseAccelerator(QString::fromUtf8(def.shownKeys)).key() != Qt::Key(0));
        keys += parsed.size();
    }
    QCOMPARE(keys, 108);
}

void TestMenuResources::toolbarPictures()
{
    // Each button shows a picture of its own toolbar's strip, no two the same.
    const std::pair<ImageStrip, QList<ToolbarButtonDef>> toolbars[] = {
        {ImageStrip::Main, MainToolbarButtons()},
        {ImageStrip::Search, SearchToolbarButtons()},
        {ImageStrip::Connect, ConnectToolbarButtons()}};
    for (const auto& [strip, buttons] : toolbars) {
        QSet<int> images;
        for (const ToolbarButtonDef& button : buttons) {
            if (button.width > 0)
                continue;
            const CommandDef* def = FindCommand(button.id);
            QVERIFY2(def && def->strip == strip && def->image >= 0,
                     qPrintable(QString::number(button.id)));
            QVERIFY(!images.contains(def->image));
            images.insert(def->image);
        }
    }
    // The main strip is laid out in the buttons' order.
    for (int i = 0; i < MainToolbarButtons().size(); ++i)
        QCOMPARE(FindCommand(MainToolbarButtons().at(i).id)->image, i);
    QCOMPARE(MainToolbarButtons().first().id, ToInt(C::GoBack));
    QCOMPARE(MainToolbarButtons().size(), 19);
}

void TestMenuResources::everyCommandHasAPrompt()
{
    QList<int> ids;
    for (const QList<MenuItemDef>* menu : AllMenus())
        ForEachCommand(*menu, [&](const MenuItemDef& item) { ids << item.id; });
    for (const ToolbarButtonDef& button : MainToolbarButtons() + ConnectToolbarButtons())
        ids << button.id;
    ids << SearchToolbarButtons().at(1).id << ToInt(C::FormFirst) << ToInt(C::FormLast)
        << ToInt(C::RecentFile1) + 3;
    for (int id : ids) {
        const QStringList parts = CommandPrompt(id).split('\n');
        QVERIFY2(parts.size() == 2 && !parts[0].isEmpty() && !parts[1].isEmpty(),
                 qPrintable(QString::number(id) + ": " + CommandPrompt(id)));
    }
    for (C id : {C::FavoriteFirst, C::NextTab, C::EncodingFirst, C::MenuBarFile})
        QVERIFY2(CommandPrompt(ToInt(id)).isEmpty(), qPrintable(QString::number(ToInt(id))));
    QVERIFY(CommandPrompt(0).isEmpty());
    QVERIFY(CommandPrompt(ToInt(C::RecentFile1) + kRecentFileCount).isEmpty());
    QCOMPARE(CommandPrompt(ToInt(C::FileNewUnlimited)).section('\n', 0, 0),
             QStringLiteral("タブ制限に関係なく新規にﾌｧｲﾙを作成"));
    QCOMPARE(CommandPrompt(ToInt(C::PocketRunChecked)).section('\n', 0, 0),
             QStringLiteral("チェックされたアイテムのポケット内のURLを実行します"));
    QCOMPARE(CommandPrompt(ToInt(C::OpenUrl)), QStringLiteral("urlを受けてページを開く"));
}

void TestMenuResources::commandRanges_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("favorite");
    QTest::addColumn<bool>("form");
    QTest::addColumn<bool>("menuBar");
    const int favorites = ToInt(C::FavoriteFirst), forms = ToInt(C::FormFirst);
    QTest::newRow("below favourites") << favorites - 1 << false << false << false;
    QTest::newRow("first favourite") << favorites << true << false << false;
    QTest::newRow("last favourite") << favorites + 511 << true << false << false;
    QTest::newRow("above favourites") << favorites + 512 << false << false << false;
    QTest::newRow("below forms") << forms - 1 << false << false << false;
    QTest::newRow("first form") << forms << false << true << false;
    QTest::newRow("last form") << forms + 49 << false << true << false;
    QTest::newRow("above forms") << forms + 50 << false << false << false;
    QTest::newRow("menu-bar command") << ToInt(C::MenuBarButton) << false << false << true;
    QTest::newRow("first menu-bar button") << ToInt(C::MenuBarFile) << false << false << true;
    QTest::newRow("last menu-bar button") << ToInt(C::MenuBarHelp) << false << false << true;
    QTest::newRow("after the buttons") << ToInt(C::MenuBarHelp) + 1 << false << false << false;
}

void TestMenuResources::commandRanges()
{
    QFETCH(int, id);
    QFETCH(bool, favorite);
    QFETCH(bool, form);
    QFETCH(bool, menuBar);
    QCOMPARE(IsFavoriteCommand(id), favorite);
    QCOMPARE(IsFormCommand(id), form);
    QCOMPARE(IsMenuBarButton(id), menuBar);
    if (favorite)
        QCOMPARE(FavoriteCommand(FavoriteNumber(id)), id);
    if (form)
        QCOMPARE(FormCommand(FormPosition(id)), id);
}

QTEST_APPLESS_MAIN(TestMenuResources)
#include "tst_menuresources.moc"
