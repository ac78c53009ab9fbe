#include "security/SecurityFlags.h"

#include "ini/SecurityIni.h"

#include <QByteArray>

namespace SecurityFlags {

uint32_t LoadDownloadControl(uint32_t flags)
{
    struct Rule {
        QByteArray (*word)();
        const char* negative;
        uint32_t bit;
        bool setsBit;
    };
    static const Rule kRules[] = {
        {SecurityIni::Script, "DLCTL_NO_SCRIPTS", 0x80, true},
        {SecurityIni::Java, "DLCTL_NO_JAVA", 0x100, true},
        {SecurityIni::ActiveXRun, "DLCTL_NO_RUNACTIVEXCTLS", 0x200, true},
        {SecurityIni::ActiveXDl, "DLCTL_NO_DLACTIVEXCTLS", 0x400, true},
        {SecurityIni::Cache, "DLCTL_PRAGMA_NO_CACHE", 0x4000, true},
        {SecurityIni::Image, "DLCTL_NO_DLIMAGES", 0x10, false},
        {SecurityIni::Video, "DLCTL_NO_VIDEOS", 0x20, false},
        {SecurityIni::Bgm, "DLCTL_NO_BGSOUNDS", 0x40, false},
    };
    for (const Rule& rule : kRules) {
        // Only the exact negative word denies.
        if (rule.word() != rule.negative)
            continue;
        if (rule.setsBit)
            flags |= rule.bit;
        else
            flags &= ~rule.bit;
    }
    return flags;
}

} // namespace SecurityFlags
