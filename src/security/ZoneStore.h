#pragma once

#include <cstdint>

// The Internet zone's policies as the browser's global switches see them:
// kept in the per-user zone store, so every Zelvo process shares them.
namespace ZoneStore {

constexpr int kInternetZone = 3;
constexpr uint32_t kTemplateCustom = 0;

enum class Switch { Script, Java, ActiveXRun, ActiveXDownload, Cookies, SessionCookies };

uint32_t Action(Switch which);
// The zone's policy for the switch; the Internet zone's medium level where the
// store holds none.
uint32_t Policy(Switch which);
uint32_t NextPolicy(Switch which, uint32_t policy);
bool Checked(Switch which, uint32_t policy);
bool Checked(Switch which);

// Marks the zone as custom, then writes the switch's next policy; false when
// a step failed (the steps after it are not taken).
bool Toggle(Switch which);

// What the engine of each view takes from the zone. The ActiveX policies are
// kept and shown, but no page on this engine can hold an ActiveX control, so
// nothing reads them; the cookie policies are the cookie layer's.
struct EngineSwitches {
    bool scripts = true;
    bool java = true;
};
EngineSwitches ForEngine();

} // namespace ZoneStore
