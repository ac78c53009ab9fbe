#pragma once

#include <QByteArray>
#include <QStringList>

// The command line as the rest of the program sees it: one line of UTF-8 text,
// the way a Windows program receives it, whatever the shell split it into. It
// stays UTF-8 so that an address with any characters arrives unchanged.
namespace CommandLine {

// The arguments after the program name (arguments().mid(1)) joined by single
// blanks; an argument that holds white space and no double quote is put in
// double quotes, an empty one becomes "" so that it is not lost.
QByteArray RawCommandLine(const QStringList& arguments);

// What a running instance takes from a command line handed over by a second
// start: at most 1040 bytes (never half a character), and of a quoted part only
// what lies inside the first pair of double quotes.
QByteArray HandOverText(const QByteArray& received);

// The address the first view of a run opens from its own command line: the
// outer quotes dropped, then everything before the first "http:" (or, when
// there is none, the first "https:") dropped.
QByteArray StartupAddress(const QByteArray& commandLine);

} // namespace CommandLine
