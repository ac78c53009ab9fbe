#pragma once

#include "commands/CommandId.h"

#include <QKeyCombination>
#include <QList>
#include <QString>

#include <span>

// The toolbar picture strip that holds a command's image.
enum class ImageStrip { None, Main, Search, Connect };

// Everything about one command except its handler: the one place its menu
// text, accelerators, prompt and picture are written. Depends on QtCore only.
struct CommandDef {
    CommandId id;
    // Menu text with the "&" mnemonic and the gesture arrows, without the accelerator.
    const char* text = "";
    // Accelerators as menus write them ("Ctrl+VK_F9", "Alt+F5"), separated by ", ".
    // The first is shown after the menu text's tab.
    const char* keys = "";
    // Status-bar prompt, then after a line break the tooltip. The toolbar settings
    // page lists the prompts alone, so each describes its command on its own.
    const char* prompt = "";
    ImageStrip strip = ImageStrip::None;
    int image = -1; // index in the strip
    // Shown instead of the first key where the menu's key went to another command.
    const char* shownKeys = nullptr;
};

// Every command, in menu order, then the pane and internal commands.
std::span<const CommandDef> CommandTable();

// The table's entry for id; null when id is not a command of the table.
const CommandDef* FindCommand(int id);

// The menu text with "\t" and the shown accelerator; empty for an unknown id.
QString CommandMenuText(int id);

// The keys that issue id, the shown one first.
QList<QKeyCombination> CommandKeys(int id);

// "prompt\ntooltip" of a command; empty when the command has none.
QString CommandPrompt(int id);

// One accelerator as menus write it: "Ctrl+Alt+VK_INSERT", "Shift+F1", "Ctrl+0".
// An empty combination when the text is not one.
QKeyCombination ParseAccelerator(const QString& text);
