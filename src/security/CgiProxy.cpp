#include "security/CgiProxy.h"

#include "ini/SecurityIni.h"

namespace {

// The prefix and the address together, terminator included.
constexpr int kAddressSize = 1040;

} // namespace

namespace CgiProxy {

QString Address(const QString& target, const QString& prefix, int command)
{
    QString address = target;
    if (command == SecurityIni::kCgiRewrite) {
        // Only the first scheme found is rewritten, every occurrence of it.
        static const char* const kSchemes[] = {"http", "https", "ftp", "gopher"};
        bool rewritten = false;
        for (const char* scheme : kSchemes) {
            const QString marker = QLatin1String(scheme) + QStringLiteral("://");
            if (address.contains(marker)) {
                address.replace(marker, QLatin1String(scheme) + QLatin1Char('/'));
                rewritten = true;
                break;
            }
        }
        if (!rewritten)
            return QString();
    }
    return (prefix + address).left(kAddressSize - 1);
}

} // namespace CgiProxy
