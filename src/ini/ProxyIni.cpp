#include "ini/ProxyIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace {

constexpr int kListEntrySize = 520;

QString Path()
{
    return SettingsPath(QStringLiteral("proxy.ini"));
}

QByteArray Section(int n)
{
    return "Proxy" + QByteArray::number(n);
}

QStringList Rows(const QString& file, const char* section)
{
    const QString path = SettingsPath(file);
    const int count = GetPrivateProfileIntA(section, "count", 0, path);
    QStringList rows;
    for (int i = 0; i <= count; ++i)
        rows.append(ProfileStore::GetText(section, QByteArray::number(i).constData(), QString(),
                                          kListEntrySize, path));
    return rows;
}

} // namespace

namespace ProxyIni {

int ProxyCommand()
{
    return GetPrivateProfileIntA("proxy_command", "setting", 0, Path());
}

bool SetProxyCommand(int mode)
{
    return ProfileStore::WriteInt("proxy_command", "setting", mode, Path());
}

QString Host(int n, int size)
{
    return ProfileStore::GetText(Section(n).constData(), "host", QString(), size, Path());
}

QString Port(int n)
{
    return ProfileStore::GetText(Section(n).constData(), "port", QStringLiteral("8080"), 260,
                                 Path());
}

bool SetProxy(int n, const QString& host, const QString& port)
{
    const QByteArray section = Section(n);
    return ProfileStore::Batch(Path())
        .SetText(section.constData(), "host", host)
        .SetText(section.constData(), "port", port)
        .Commit();
}

bool ClearProxy(int n)
{
    return ProfileStore::Batch(Path()).RemoveSection(Section(n).constData()).Commit();
}

int Local()
{
    return GetPrivateProfileIntA("Proxy_access", "local", 0, Path());
}

QString Bypas()
{
    return ProfileStore::GetText("Proxy_set", "bypas", QString(), 780, Path());
}

bool SetBypass(int local, const QString& bypas)
{
    return ProfileStore::Batch(Path())
        .SetInt("Proxy_access", "local", local)
        .SetText("Proxy_set", "bypas", bypas)
        .Commit();
}

QStringList CgiProxies()
{
    return Rows(QStringLiteral("cgi_proxy.ini"), "Proxy");
}

QStringList UserAgents()
{
    return Rows(QStringLiteral("user_agent.ini"), "Agent");
}

bool AddCgiProxy(const QString& address)
{
    const QString path = SettingsPath(QStringLiteral("cgi_proxy.ini"));
    const int count = GetPrivateProfileIntA("Proxy", "count", 0, path) + 1;
    return ProfileStore::Batch(path)
        .SetInt("Proxy", "count", count)
        .SetText("Proxy", QByteArray::number(count).constData(), address)
        .Commit();
}

} // namespace ProxyIni
