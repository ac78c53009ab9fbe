#include "core/PageInfo.h"

QString PageInfoText(const PageInfo& info)
{
    return QStringLiteral("\r\nサイト名:") + info.title + QStringLiteral("\r\n\r\nprotocol:") +
           info.protocol + QStringLiteral("\r\n\r\ncharset:") + info.charset +
           QStringLiteral("\r\n\r\nfilesize(byte):") + info.fileSize +
           QStringLiteral("\r\n\r\nreferrer:") + info.referrer +
           QStringLiteral("\r\n\r\nmimeType:") + info.mimeType + QStringLiteral("\r\n\r\ndomain:") +
           info.domain;
}
