#include "core/FlagToggle.h"

#include "core/ProfileStore.h"

#include <QString>

int ToggleFlag(const char* section, const char* key, const QString& path, ToggleKind kind)
{
    const int value = GetPrivateProfileIntA(section, key, 0, path);
    if (value == 0) {
        WritePrivateProfileStringA(section, key, "1", path);
        return 1;
    }
    if (value != 1 && kind == ToggleKind::UrlSecurity)
        return value;
    WritePrivateProfileStringA(section, key, "0", path);
    return 0;
}

bool FlagChecked(int value, CheckRule rule)
{
    switch (rule) {
    case CheckRule::EqualsOne:
        return value == 1;
    case CheckRule::NonZero:
        return value != 0;
    case CheckRule::Inverted:
        return value == 0;
    }
    return false;
}

bool FlagChecked(const char* section, const char* key, const QString& path, CheckRule rule)
{
    return FlagChecked(GetPrivateProfileIntA(section, key, 0, path), rule);
}

bool WordIsNegative(const char* section, const char* key, const char* negativeWord,
                    const QString& path)
{
    return ProfileStore::GetString(section, key, "", 260, path) == QByteArray(negativeWord);
}
