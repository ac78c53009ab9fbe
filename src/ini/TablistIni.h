#pragma once

#include <QString>

// Tablist.ini: the window's bars, the tab settings, the last closed tab, the
// author's home page and the skin. Every call reads or writes the file anew.
namespace TablistIni {

// [Window]: flags read at start. `xp_style` 0 draws the menus ourselves.
int XpStyle();
// 1 = the status bar starts hidden.
int StatusBar();
// 1 = the window-tab strip sits in its alternate position.
int WindowTab();
// 1 = the docking bar starts hidden.
int Docking();

// [Window] bar keys: "1" when the bar is hidden, "0" when shown. Only
// `statusbar` and `docking` are read back.
void SetStatusBar(bool hidden);
void SetAddressBar(bool hidden);
void SetSearchBar(bool hidden);
void SetTabBar(bool hidden);
void SetToolbar(bool hidden);
void SetDocking(bool hidden);

// [Tablist] `tabcount`, the greatest number of tabs: 20 where tabs are
// opened. The tab settings page names the section "TabList" and shows 30 when
// nothing is stored; both names mean one section.
int TabCount();
int TabCountOnSettingsPage();

// [Tablist] `width`: 0 in the tab bar, 110 on the tab-operation page.
int Width();
int WidthOnSettingsPage();

// [Tablist] `dbclick` and `rclick`: "index:label" of the action chosen.
QString DbClick();
QString RClick();

// The tab-operation page's record, written as one: the width as the page
// shows it, then the two actions.
bool SaveTabOperation(const QString& width, const QString& dbclick, const QString& rclick);

// [DeleteTab] `0`: the address of the last closed tab.
QString DeleteTab();
void SetDeleteTab(const QString& url);
// Removes the section; false when the file could not be written.
bool RemoveDeleteTab();

// [Home] `url`: the author's home page, shipped in the file.
QString HomeUrl();

// [Skin] `name`: the bitmap in "res\" behind the bars; empty = none.
QString SkinName();

// What the settings pages write: `tabcount` in the section as the tab page
// names it, `xp_style` and the skin's `name`.
bool SetTabCountOnSettingsPage(int count);
bool SetXpStyle(int style);
bool SetSkinName(const QString& name);
} // namespace TablistIni
