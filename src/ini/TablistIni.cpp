#include "ini/TablistIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace {

QString Path()
{
    return SettingsPath(QStringLiteral("Tablist.ini"));
}

int Flag(const char* section, const char* key)
{
    return GetPrivateProfileIntA(section, key, 0, Path());
}

void SetHidden(const char* key, bool hidden)
{
    WritePrivateProfileStringA("Window", key, hidden ? "1" : "0", Path());
}

} // namespace

namespace TablistIni {

int XpStyle()
{
    return Flag("Window", "xp_style");
}

int StatusBar()
{
    return Flag("Window", "statusbar");
}

int WindowTab()
{
    return Flag("Window", "windowtab");
}

int Docking()
{
    return Flag("Window", "docking");
}

void SetStatusBar(bool hidden)
{
    SetHidden("statusbar", hidden);
}

void SetAddressBar(bool hidden)
{
    SetHidden("addressbar", hidden);
}

void SetSearchBar(bool hidden)
{
    SetHidden("searchbar", hidden);
}

void SetTabBar(bool hidden)
{
    SetHidden("tabbar", hidden);
}

void SetToolbar(bool hidden)
{
    SetHidden("toolbar", hidden);
}

void SetDocking(bool hidden)
{
    SetHidden("docking", hidden);
}

int TabCount()
{
    return GetPrivateProfileIntA("Tablist", "tabcount", 20, Path());
}

int TabCountOnSettingsPage()
{
    return GetPrivateProfileIntA("TabList", "tabcount", 30, Path());
}

int Width()
{
    return GetPrivateProfileIntA("Tablist", "width", 0, Path());
}

int WidthOnSettingsPage()
{
    return GetPrivateProfileIntA("Tablist", "width", 110, Path());
}

QString DbClick()
{
    return ProfileStore::GetText("Tablist", "dbclick", QStringLiteral("0:最大化"), 260, Path());
}

QString RClick()
{
    return ProfileStore::GetText("Tablist", "rclick", QStringLiteral("0:タブメニュー"), 260,
                                 Path());
}

bool SaveTabOperation(const QString& width, const QString& dbclick, const QString& rclick)
{
    return ProfileStore::Batch(Path())
        .SetText("Tablist", "width", width)
        .SetText("Tablist", "dbclick", dbclick)
        .SetText("Tablist", "rclick", rclick)
        .Commit();
}

QString DeleteTab()
{
    return ProfileStore::GetText("DeleteTab", "0", QString(), 520, Path());
}

void SetDeleteTab(const QString& url)
{
    ProfileStore::WriteText("DeleteTab", "0", url, Path());
}

bool RemoveDeleteTab()
{
    return WritePrivateProfileStringA("DeleteTab", nullptr, nullptr, Path());
}

QString HomeUrl()
{
    return ProfileStore::GetText("Home", "url", QString(), 780, Path());
}

QString SkinName()
{
    return ProfileStore::GetText("Skin", "name", QString(), 260, Path());
}

bool SetTabCountOnSettingsPage(int count)
{
    return ProfileStore::WriteInt("TabList", "tabcount", count, Path());
}

bool SetXpStyle(int style)
{
    return ProfileStore::WriteInt("Window", "xp_style", style, Path());
}

bool SetSkinName(const QString& name)
{
    return ProfileStore::WriteText("Skin", "name", name, Path());
}

} // namespace TablistIni
