#pragma once

#include <QString>

// Addresses go into files and hand-overs in their encoded form, pure ASCII,
// which code page 932 holds without loss; people see them decoded.
namespace StoredAddress {

// An address with characters beyond ASCII, as its encoded URL; anything else
// (plain ASCII, text that is no address with a scheme) unchanged.
QString Encode(const QString& address);

// The form the address bar shows: a stored URL decoded; anything else unchanged.
QString Decode(const QString& stored);

} // namespace StoredAddress
