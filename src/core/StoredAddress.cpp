#include "core/StoredAddress.h"

#include <QUrl>

namespace {

bool IsAscii(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

// A scheme of one letter is a drive, not a URL.
bool IsUrl(const QUrl& url)
{
    return url.isValid() && url.scheme().size() > 1;
}

} // namespace

namespace StoredAddress {

QString Encode(const QString& address)
{
    if (IsAscii(address))
        return address;
    const QUrl url(address, QUrl::TolerantMode);
    if (!IsUrl(url))
        return address;
    return QString::fromLatin1(url.toEncoded());
}

QString Decode(const QString& stored)
{
    const bool encoded = stored.contains(QLatin1Char('%')) ||
                         stored.contains(QLatin1String("xn--"), Qt::CaseInsensitive);
    if (!IsAscii(stored) || !encoded)
        return stored;
    const QUrl url = QUrl::fromEncoded(stored.toLatin1(), QUrl::StrictMode);
    if (!IsUrl(url))
        return stored;
    return url.toString();
}

} // namespace StoredAddress
