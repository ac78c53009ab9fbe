#pragma once

#include "commands/CommandRegistry.h"

#include <QString>

#include <functional>

// What the settings pages ask of the main window: commands (sent and their
// state, so a page can show a command the window lacks as disabled), and the
// changes that take effect without a restart.
struct SettingsHost {
    CommandSink commands;
    std::function<void(const QString& path)> applySkin;
    std::function<void()> applyToolbarButtons;
    std::function<void()> reloadTabColors;

    void Send(int id) const
    {
        if (commands.send)
            commands.send(id);
    }
    bool Enabled(int id) const { return !commands.state || commands.state(id).enabled; }
};
