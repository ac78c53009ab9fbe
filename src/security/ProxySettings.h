#pragma once

#include <QString>

#include <optional>

// What a connection mode hands to the network layer: a direct connection, a
// named proxy ("host:port") with the addresses that bypass it (see
// ProxyBypass), or the desktop's own settings, asked anew for each address.
struct ProxyRecord {
    enum class Access { Preconfig = 0, Direct = 1, Named = 3 };
    Access access = Access::Direct;
    QString proxy;
    QString bypass;

    bool operator==(const ProxyRecord&) const = default;
};

// A proxy string taken apart; no value when it names no usable host and port.
struct ProxyEndpoint {
    QString host;
    quint16 port = 0;
};

namespace ProxySettings {

constexpr int kModeDirect = 0;
constexpr int kModeSystem = 4;
constexpr int kProxyCount = 3;

// Proxy n (1 … 3) as proxy.ini holds it; no value when its host or port is empty.
std::optional<ProxyRecord> Stored(int n);

// The stored bypass list, with "<local>" added when local addresses bypass.
QString BypassList(const QString& bypas, int local);

// "host:port" as the network layer takes it; a scheme, a path or a port
// outside 1 … 65535 make it unusable.
std::optional<ProxyEndpoint> Endpoint(const QString& proxy);

// Messages of proxy n: its host or port missing, and the record refused.
QString MissingText(int n);
QString FailureText(int n);

} // namespace ProxySettings
