#include "security/ForbiddenList.h"

#include "core/Cp932.h"
#include "core/StoredAddress.h"

namespace ForbiddenList {

bool Matches(const QList<QByteArray>& entries, const QString& text)
{
    if (text.isEmpty())
        return false;
    // Compared in the stored form, where a character code page 932 cannot hold
    // is a reference of its own and never a "?" that stands for any of them.
    if (entries.contains(Cp932::FromUnicodeKeepingAll(text)) ||
        entries.contains(Cp932::FromUnicodeKeepingAll(StoredAddress::Encode(text))))
        return true;
    for (const QByteArray& entry : entries) {
        if (Cp932::ToUnicodeKeepingAll(entry) == text)
            return true;
    }
    return false;
}

} // namespace ForbiddenList
