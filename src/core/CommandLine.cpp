#include "core/CommandLine.h"

namespace CommandLine {

namespace {

// The receiving buffer of a hand-over.
constexpr int kHandOverBytes = 1040;

bool HasWhiteSpace(const QString& text)
{
    for (const QChar c : text) {
        if (c.isSpace())
            return true;
    }
    return false;
}

// Length of the longest prefix of UTF-8 text that ends with a whole character.
qsizetype WholeCharacters(const QByteArray& text)
{
    qsizetype end = text.size();
    qsizetype back = end;
    // Step back over continuation bytes to the start of the last character.
    while (back > 0 && (static_cast<unsigned char>(text[back - 1]) & 0xC0) == 0x80)
        --back;
    if (back == 0)
        return end;
    const auto lead = static_cast<unsigned char>(text[back - 1]);
    const qsizetype width = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (end - (back - 1) < width)
        end = back - 1;
    return end;
}

} // namespace

QByteArray RawCommandLine(const QStringList& arguments)
{
    QStringList parts;
    for (const QString& argument : arguments) {
        const bool quote =
            argument.isEmpty() || (HasWhiteSpace(argument) && !argument.contains(QLatin1Char('"')));
        parts << (quote ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' ')).toUtf8();
}

QByteArray HandOverText(const QByteArray& received)
{
    // The sender's text ends at its terminator, as a C string would.
    QByteArray text = received.left(kHandOverBytes);
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    else if (received.size() > kHandOverBytes)
        text.truncate(WholeCharacters(text));

    // No byte inside a UTF-8 sequence is a double quote, so a byte search is safe.
    const qsizetype open = text.indexOf('"');
    if (open < 0)
        return text;
    text.remove(0, open + 1);
    const qsizetype close = text.indexOf('"');
    if (close >= 0)
        text.truncate(close);
    return text;
}

QByteArray StartupAddress(const QByteArray& commandLine)
{
    if (commandLine.isEmpty())
        return {};
    QByteArray text = commandLine;
    if (text.startsWith('"'))
        text = text.size() > 2 ? text.mid(1, text.size() - 2) : QByteArray();

    qsizetype from = text.indexOf("http:");
    if (from < 0)
        from = text.indexOf("https:");
    if (from > 0)
        text.remove(0, from);
    return text;
}

} // namespace CommandLine
