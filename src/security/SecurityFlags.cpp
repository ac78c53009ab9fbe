#include "security/SecurityFlags.h"

#include "ini/SecurityIni.h"

#include <QByteArray>

namespace SecurityFlags {

namespace {

struct Rule {
    QByteArray (*word)();
    // The word a set bit is written as, then the one for a clear bit.
    const char* setWord;
    const char* clearWord;
    uint32_t bit;
    // Images, videos and sounds load while their bit is set; the other bits
    // forbid something.
    bool setsAllows;
};

// In the order the words are read.
constexpr Rule kRules[] = {
    {SecurityIni::Script, "DLCTL_NO_SCRIPTS", "DLCTL_SCRIPTS", 0x80, false},
    {SecurityIni::Java, "DLCTL_NO_JAVA", "DLCTL_JAVA", 0x100, false},
    {SecurityIni::ActiveXRun, "DLCTL_NO_RUNACTIVEXCTLS", "DLCTL_RUNACTIVEXCTLS", 0x200, false},
    {SecurityIni::ActiveXDl, "DLCTL_NO_DLACTIVEXCTLS", "DLCTL_DLACTIVEXCTLS", 0x400, false},
    {SecurityIni::Cache, "DLCTL_PRAGMA_NO_CACHE", "DLCTL_PRAGMA_CACHE", 0x4000, false},
    {SecurityIni::Image, "DLCTL_DLIMAGES", "DLCTL_NO_DLIMAGES", 0x10, true},
    {SecurityIni::Video, "DLCTL_VIDEOS", "DLCTL_NO_VIDEOS", 0x20, true},
    {SecurityIni::Bgm, "DLCTL_BGSOUNDS", "DLCTL_NO_BGSOUNDS", 0x40, true},
};

const char* NegativeWord(const Rule& rule)
{
    return rule.setsAllows ? rule.clearWord : rule.setWord;
}

const Rule* RuleFor(uint32_t bit)
{
    for (const Rule& rule : kRules)
        if (rule.bit == bit)
            return &rule;
    return nullptr;
}

QByteArray WordFor(uint32_t flags, uint32_t bit)
{
    const Rule* rule = RuleFor(bit);
    return (flags & bit) ? rule->setWord : rule->clearWord;
}

} // namespace

uint32_t LoadDownloadControl(uint32_t flags)
{
    for (const Rule& rule : kRules) {
        // Only the exact negative word denies.
        if (rule.word() != NegativeWord(rule))
            continue;
        if (rule.setsAllows)
            flags &= ~rule.bit;
        else
            flags |= rule.bit;
    }
    return flags;
}

bool SaveDownloadControl(uint32_t flags)
{
    SecurityIni::DownloadWords words;
    words.script = WordFor(flags, 0x80);
    words.java = WordFor(flags, 0x100);
    words.activeXRun = WordFor(flags, 0x200);
    words.activeXDl = WordFor(flags, 0x400);
    words.image = WordFor(flags, 0x10);
    words.video = WordFor(flags, 0x20);
    words.bgm = WordFor(flags, 0x40);
    words.cache = WordFor(flags, 0x4000);
    return SecurityIni::SetDownloadWords(words);
}

bool SwitchChecked(uint32_t bit)
{
    const Rule* rule = RuleFor(bit);
    if (!rule)
        return false;
    const QByteArray word = rule->word();
    if (bit == 0x4000)
        return word == rule->setWord;
    return word != NegativeWord(*rule);
}

} // namespace SecurityFlags
