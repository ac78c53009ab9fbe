#include "security/SecurityFlags.h"

#include "core/FlagToggle.h"
#include "core/ProgramDir.h"

namespace SecurityFlags {

uint32_t LoadDownloadControl(uint32_t flags)
{
    const QString path = SettingsPath(QStringLiteral("Security.ini"));
    struct Rule {
        const char* key;
        const char* negative;
        uint32_t bit;
        bool setsBit;
    };
    static const Rule kRules[] = {
        {"script", "DLCTL_NO_SCRIPTS", 0x80, true},
        {"java", "DLCTL_NO_JAVA", 0x100, true},
        {"ActiveX_run", "DLCTL_NO_RUNACTIVEXCTLS", 0x200, true},
        {"ActiveX_dl", "DLCTL_NO_DLACTIVEXCTLS", 0x400, true},
        {"cache", "DLCTL_PRAGMA_NO_CACHE", 0x4000, true},
        {"image", "DLCTL_NO_DLIMAGES", 0x10, false},
        {"video", "DLCTL_NO_VIDEOS", 0x20, false},
        {"bgm", "DLCTL_NO_BGSOUNDS", 0x40, false},
    };
    for (const Rule& rule : kRules) {
        if (!WordIsNegative("Security", rule.key, rule.negative, path))
            continue;
        if (rule.setsBit)
            flags |= rule.bit;
        else
            flags &= ~rule.bit;
    }
    return flags;
}

} // namespace SecurityFlags
