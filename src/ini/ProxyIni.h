#pragma once

#include <QString>
#include <QStringList>

// proxy.ini, and the CGI proxy and user-agent lists (cgi_proxy.ini [Proxy],
// user_agent.ini [Agent]). Read anew on every call.
namespace ProxyIni {

// [proxy_command] `setting`: 0 direct, 1 … 3 the stored proxies, 4 the
// system's own settings.
int ProxyCommand();
bool SetProxyCommand(int mode);

// [Proxy1] … [Proxy3]: n is 1, 2 or 3. `host` is read with the size its
// reader gives (780 in the dialog, 1000 where a connection is made).
QString Host(int n, int size = 1000);
QString Port(int n);
// Host and port written as one record.
bool SetProxy(int n, const QString& host, const QString& port);
// Deletes the proxy's whole section.
bool ClearProxy(int n);

// [Proxy_access] `local`: 1 = local addresses bypass the proxy.
int Local();
// [Proxy_set] `bypas`: the bypass list.
QString Bypas();
// Both written as one record.
bool SetBypass(int local, const QString& bypas);

// The rows of a list file: "0" … count, so count + 1 rows, missing keys empty.
QStringList CgiProxies();
QStringList UserAgents();
// Appends at count + 1 (key "0" is never written) and writes the new count.
bool AddCgiProxy(const QString& address);

} // namespace ProxyIni
