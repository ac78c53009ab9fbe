#include "security/ProxySettings.h"

#include "ini/ProxyIni.h"

#include <QUrl>

namespace {

// Sizes of the strings the connection is made with, terminator included.
constexpr int kProxySize = 1000;
constexpr int kBypassSize = 780;

QString Bounded(const QString& text, int size)
{
    return text.left(size - 1);
}

} // namespace

namespace ProxySettings {

std::optional<ProxyRecord> Stored(int n)
{
    const QString host = ProxyIni::Host(n);
    const QString port = ProxyIni::Port(n);
    if (host.isEmpty() || port.isEmpty())
        return std::nullopt;
    ProxyRecord record;
    record.access = ProxyRecord::Access::Named;
    record.proxy = Bounded(host + QLatin1Char(':') + port, kProxySize);
    record.bypass = BypassList(ProxyIni::Bypas(), ProxyIni::Local());
    return record;
}

QString BypassList(const QString& bypas, int local)
{
    QString list = Bounded(bypas, kBypassSize);
    if (local == 1)
        list += list.isEmpty() ? QStringLiteral("<local>") : QStringLiteral(";<local>");
    return Bounded(list, kBypassSize);
}

std::optional<ProxyEndpoint> Endpoint(const QString& proxy)
{
    const qsizetype colon = proxy.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    const QString host = proxy.left(colon).trimmed();
    bool number = false;
    const uint port = proxy.mid(colon + 1).trimmed().toUInt(&number);
    if (!number || port == 0 || port > 65535)
        return std::nullopt;
    // A host given with its scheme ("http://…") or a path is no host at all.
    QUrl check;
    check.setHost(host, QUrl::StrictMode);
    if (!check.isValid() || check.host().isEmpty() || host.contains(QLatin1Char('/')))
        return std::nullopt;
    return ProxyEndpoint{check.host(), static_cast<quint16>(port)};
}

QString MissingText(int n)
{
    return QStringLiteral("プロキシ%1設定がされていません！").arg(n);
}

QString FailureText(int n)
{
    return QStringLiteral("プロキシ%1設定に失敗しました").arg(n);
}

} // namespace ProxySettings
