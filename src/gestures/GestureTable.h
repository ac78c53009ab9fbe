#pragma once

#include "commands/CommandId.h"

#include <QString>

#include <span>

// What a gesture runs: one of the browser's own operations on the view, or a
// command sent to the main window.
enum class GestureAction { Back, Forward, Refresh, Stop, Command };

struct GestureEntry {
    const char* gesture;
    GestureAction action;
    // The command sent, or for a browser operation the menu command that
    // shows the same gesture.
    CommandId command;
    // Shown in the status bar once the gesture has run.
    const char* status;

    QString Gesture() const { return QString::fromUtf8(gesture); }
    QString StatusText() const { return QString::fromUtf8(status); }
};

// The fixed gestures, in the order they are looked up.
namespace GestureTable {

std::span<const GestureEntry> Entries();

// The first entry whose gesture is exactly the string; null when none is.
const GestureEntry* Find(const QString& gesture);

} // namespace GestureTable
