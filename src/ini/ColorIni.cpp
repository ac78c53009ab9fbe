#include "ini/ColorIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace {

QString Path()
{
    return SettingsPath(QStringLiteral("Color.ini"));
}

ColorIni::Rgb Read(const char* section)
{
    const QString path = Path();
    return {GetPrivateProfileIntA(section, "red", 0, path) & 0xFF,
            GetPrivateProfileIntA(section, "green", 0, path) & 0xFF,
            GetPrivateProfileIntA(section, "blue", 0, path) & 0xFF};
}

void Write(ProfileStore::Batch& batch, const char* section, const ColorIni::Rgb& color)
{
    batch.SetInt(section, "red", color.red)
        .SetInt(section, "green", color.green)
        .SetInt(section, "blue", color.blue);
}

} // namespace

namespace ColorIni {

Rgb Background()
{
    return Read("SetColor");
}

int MozaikuStrong()
{
    return GetPrivateProfileIntA("Mozaiku", "strong", 15, Path());
}

Rgb TabColor()
{
    return Read("TabColor");
}

Rgb ATabColor()
{
    return Read("ATabColor");
}

Rgb NoATabColor()
{
    return Read("NoATabColor");
}

int TabColorEnable()
{
    return GetPrivateProfileIntA("TabColor", "enable", 0, Path());
}

bool SaveTabColors(const Rgb& active, const Rgb& inactive, const Rgb& tab, bool plain)
{
    ProfileStore::Batch batch(Path());
    Write(batch, "ATabColor", active);
    Write(batch, "NoATabColor", inactive);
    Write(batch, "TabColor", tab);
    return batch.SetInt("TabColor", "enable", plain ? 1 : 0).Commit();
}

bool SetBackground(const Rgb& color)
{
    ProfileStore::Batch batch(Path());
    Write(batch, "SetColor", color);
    return batch.Commit();
}

bool SetMozaikuStrong(int strong)
{
    return ProfileStore::WriteInt("Mozaiku", "strong", strong, Path());
}

} // namespace ColorIni
