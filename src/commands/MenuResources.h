#pragma once

#include <QList>
#include <QString>

// Menus, toolbars, accelerators and status prompts as data: the one source the
// frame, panes, gestures and settings pages build their widgets from. Depends on
// QtCore only.

struct MenuItemDef {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    int id = 0;          // command id (Command); 0 for Separator and Submenu
    QString text;        // exact text with "&" mnemonic, gesture arrows and "\t" accelerator
    QList<MenuItemDef> items; // Submenu only
};

// Main menu, resource 128: the nine top menus, each a Submenu item.
const QList<MenuItemDef>& MainMenu();

// A popup menu resource (144, 148, 150, 152, 157, 158, 164, 168, 174 ... 177, 179,
// 186 ... 190, 195, 197 ... 206); its items. Empty for an unknown id.
// The items are those of the popup the program shows: the first submenu of the
// resource, for 144 its second popup ("test", the search commands).
const QList<MenuItemDef>& PopupMenu(int resourceId);

// Name of that popup ("rtab", "m1", "chev", ...); empty when it has none.
QString PopupMenuName(int resourceId);

// Every popup menu resource id, ascending. 190 is among them though its popup is
// empty: it is filled at run time.
QList<int> PopupMenuIds();

struct ToolbarButtonDef {
    int id = 0;            // command id; 59395 for the search toolbar's place holder
    int image = -1;        // index in the toolbar's image strip; -1 for none
    bool dropDown = false;
    QString chevronText;   // item text in the chevron menu 148, empty when none
    int width = 0;         // fixed width in pixels of a place holder; 0 for a button
};

const QList<ToolbarButtonDef>& MainToolbarButtons();    // 19 buttons
const QList<ToolbarButtonDef>& SearchToolbarButtons();  // place holder 59395, 32853
const QList<ToolbarButtonDef>& ConnectToolbarButtons(); // 32808

struct AcceleratorDef {
    int key = 0;       // Qt::Key
    int modifiers = 0; // Qt::KeyboardModifiers (Ctrl, Shift, Alt)
    int id = 0;        // command id
};

// Accelerator table of resource 128.
const QList<AcceleratorDef>& Accelerators();

// "prompt\ntooltip" of a command; empty when the command has none.
QString CommandPrompt(int id);
