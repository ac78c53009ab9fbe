#pragma once

#include <QByteArray>
#include <QString>

// The program's text is code page 932 (Shift-JIS); widgets and the engine take
// QString. Convert at that boundary only.
namespace Cp932 {

// True for the first byte of a double-byte character.
constexpr bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Characters code page 932 cannot hold become "?".
QByteArray FromUnicode(const QString& text);

// Like FromUnicode, but a character code page 932 cannot hold becomes a
// numeric character reference ("&#128512;") and a literal "&#" becomes
// "&#38;#", so that ToUnicodeKeepingAll gives back exactly the text.
QByteArray FromUnicodeKeepingAll(const QString& text);
QString ToUnicodeKeepingAll(const QByteArray& bytes);

// Invalid bytes become U+FFFD; a double-byte character cut in half at the end is
// dropped, so a byte-cut label never shows a broken glyph.
QString ToUnicode(const QByteArray& bytes);

// Length of the code page 932 form of text, in bytes.
int ByteLength(const QString& text);

// The first n bytes (may end inside a double-byte character, as the byte rules
// expect; ToUnicode keeps the result displayable).
QByteArray CutBytes(const QByteArray& bytes, int n);

// Case-insensitive comparison of code page 932 names: ASCII letters fold, the
// trail byte of a double-byte character never does.
bool NamesEqual(const char* a, int aLen, const char* b, int bLen);

} // namespace Cp932
