#include "app/CommandLine.h"

#include "app/Cp932.h"

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

} // namespace

QByteArray RawCommandLine(const QStringList& arguments)
{
    QStringList parts;
    for (const QString& argument : arguments) {
        const bool quote = argument.isEmpty()
            || (HasWhiteSpace(argument) && !argument.contains(QLatin1Char('"')));
        parts << (quote ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    return Cp932::FromUnicode(parts.join(QLatin1Char(' ')));
}

QByteArray HandOverText(const QByteArray& received)
{
    // The sender's text ends at its terminator, as a C string would.
    QByteArray text = received.left(kHandOverBytes);
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);

    // No trail byte of code page 932 is a double quote, so a byte search is safe.
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
