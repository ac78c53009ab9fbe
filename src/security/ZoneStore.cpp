#include "security/ZoneStore.h"

#include "ini/ZonesIni.h"

namespace ZoneStore {

namespace {

constexpr uint32_t kAllow = 0;
constexpr uint32_t kDisallow = 3;
constexpr uint32_t kJavaProhibit = 0;
constexpr uint32_t kJavaHigh = 0x10000;

struct Rule {
    uint32_t action;
    uint32_t mediumLevel;
};

Rule RuleFor(Switch which)
{
    switch (which) {
    case Switch::Script:
        return {0x1400, kAllow};
    case Switch::Java:
        return {0x1C00, kJavaHigh};
    case Switch::ActiveXRun:
        return {0x1200, kAllow};
    case Switch::ActiveXDownload:
        return {0x1001, 1};
    case Switch::Cookies:
        return {0x1A02, kAllow};
    case Switch::SessionCookies:
        return {0x1A03, kAllow};
    }
    return {0, kAllow};
}

} // namespace

uint32_t Action(Switch which)
{
    return RuleFor(which).action;
}

uint32_t Policy(Switch which)
{
    const Rule rule = RuleFor(which);
    return ZonesIni::Policy(kInternetZone, rule.action).value_or(rule.mediumLevel);
}

uint32_t NextPolicy(Switch which, uint32_t policy)
{
    switch (which) {
    case Switch::Script:
        return policy == kAllow ? kDisallow : kAllow;
    case Switch::Java:
        // Switching back on gives high safety, whatever level it had before.
        return policy != kJavaProhibit ? kJavaProhibit : kJavaHigh;
    default:
        return policy != kAllow ? kAllow : kDisallow;
    }
}

bool Checked(Switch which, uint32_t policy)
{
    return which == Switch::Java ? policy != kJavaProhibit : policy == kAllow;
}

bool Checked(Switch which)
{
    return Checked(which, Policy(which));
}

bool Toggle(Switch which)
{
    if (!ZonesIni::SetCurrentLevel(kInternetZone, kTemplateCustom))
        return false;
    const uint32_t action = Action(which);
    return ZonesIni::SetPolicy(kInternetZone, action, NextPolicy(which, Policy(which)));
}

EngineSwitches ForEngine()
{
    EngineSwitches engine;
    engine.scripts = Checked(Switch::Script);
    engine.java = Checked(Switch::Java);
    return engine;
}

} // namespace ZoneStore
