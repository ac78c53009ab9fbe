#pragma once

// proxy.ini. Read anew on every call.
namespace ProxyIni {

// [proxy_command] `setting`: 0 direct, 1 … 3 the stored proxies, 4 the
// system's own settings.
int ProxyCommand();

} // namespace ProxyIni
