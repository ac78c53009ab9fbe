#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// zones.ini in the user's configuration folder: the policies of the security
// zones, one section per zone number, one key per URL action (its number in
// hexadecimal, as the system's zone store names them) and `CurrentLevel`, the
// zone's template level. Every Zelvo process of the user shares the file, so
// each call reads or writes it anew.
namespace ZonesIni {

QString Path();

// Nothing when the key is missing or not a number.
std::optional<uint32_t> Policy(int zone, uint32_t action);
bool SetPolicy(int zone, uint32_t action, uint32_t policy);

std::optional<uint32_t> CurrentLevel(int zone);
bool SetCurrentLevel(int zone, uint32_t level);

} // namespace ZonesIni
