#pragma once

// Menu commands that switch a stored flag, and the check marks they show.

enum class ToggleKind {
    Plain,       // 0 or missing -> "1", anything else -> "0"
    UrlSecurity, // 0 or missing -> "1", 1 -> "0", anything else left as it is
};

enum class CheckRule {
    EqualsOne, // most flags: checked when the value is 1
    NonZero,   // `mailto` and the list `check` keys: any non-zero value
    Inverted,  // `gesture`: checked when the value is 0
};

class QString;

// Flips the flag and returns the value now stored.
int ToggleFlag(const char* section, const char* key, const QString& path,
               ToggleKind kind = ToggleKind::Plain);

bool FlagChecked(int value, CheckRule rule = CheckRule::EqualsOne);

// Reads the flag (default 0) and applies the rule.
bool FlagChecked(const char* section, const char* key, const QString& path,
                 CheckRule rule = CheckRule::EqualsOne);

// Download-control words: only the exact negative word denies; anything else,
// the positive word, rubbish or a missing key, allows.
bool WordIsNegative(const char* section, const char* key, const char* negativeWord,
                    const QString& path);
