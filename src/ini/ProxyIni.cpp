#include "ini/ProxyIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace ProxyIni {

int ProxyCommand()
{
    return GetPrivateProfileIntA("proxy_command", "setting", 0,
                                 SettingsPath(QStringLiteral("proxy.ini")));
}

} // namespace ProxyIni
