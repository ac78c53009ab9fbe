#pragma once

#include <QList>
#include <QString>

// Menus and toolbars as data: which commands they hold, in which order. What a
// command is called, its keys and prompt come from the command table. Depends on
// QtCore only.

// The popup menu resources.
enum class MenuId {
    None = 0,
    SearchCommands = 144, // its second popup, "test"
    ToolbarChevron = 148,
    SearchTool = 150,
    Tab = 152,
    Back = 157,
    Forward = 158,
    FavoritesTree = 164,
    Cookie = 168,
    ActiveXDownload = 174,
    ActiveX = 175,
    Java = 176,
    Script = 177,
    Media = 179,
    CloseTabs = 186,
    Translate = 187,
    Refresh = 188,
    GroupTree = 189,
    Encoding = 190,
    Pocket = 195,
    // Copies of the nine top menus for the menu bar, the first of them.
    MenuBarCopyFirst = 197,
    MenuBarCopyLast = 205,
    MenuBarChevron = 206,
};

struct MenuItemDef {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    int id = 0; // command id (Command); 0 for Separator and Submenu
    // Submenu: its title. Command: this menu's own text where it is not the
    // command's menu text; empty otherwise.
    QString text;
    QList<MenuItemDef> items; // Submenu only
};

// The text an item shows: its own, or its command's menu text.
QString MenuItemText(const MenuItemDef& item);

// Main menu, resource 128: the nine top menus, each a Submenu item.
const QList<MenuItemDef>& MainMenu();

// A popup menu resource; its items, empty for an unknown id. The items are those
// of the popup the program shows: the first submenu of the resource, for 144 its
// second popup (the search commands).
const QList<MenuItemDef>& PopupMenu(MenuId menu);

// Name of that popup ("rtab", "m1", "chev", ...); empty when it has none.
QString PopupMenuName(MenuId menu);

// Every popup menu resource, ascending. The encoding popup is among them though it
// is empty: it is filled at run time.
QList<MenuId> PopupMenuIds();

struct ToolbarButtonDef {
    int id = 0;                     // command id; the place holder's for the search-site box
    MenuId dropDown = MenuId::None; // the button's drop-down menu
    QString chevronText;            // item text in the toolbar chevron menu, empty when none
    int width = 0;                  // fixed width in pixels of a place holder; 0 for a button
};

const QList<ToolbarButtonDef>& MainToolbarButtons();    // 19 buttons
const QList<ToolbarButtonDef>& SearchToolbarButtons();  // the search-site box, web search
const QList<ToolbarButtonDef>& ConnectToolbarButtons(); // connect
