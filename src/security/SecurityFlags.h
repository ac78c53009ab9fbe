#pragma once

#include <cstdint>

namespace SecurityFlags {

constexpr uint32_t kAllOn = 0x70;
constexpr uint32_t kAllOff = 0x780;

// The download-control word with Security.ini applied: a key holding its
// negative word sets (or, for images, videos and sounds, clears) its bit; any
// other value leaves the bit as it is.
uint32_t LoadDownloadControl(uint32_t flags);

// Writes all eight words for the bits of flags.
bool SaveDownloadControl(uint32_t flags);

// The check mark of a bit's switch, from the file rather than the word: on
// unless the key holds its negative word; the cache switch only when `cache`
// holds "DLCTL_PRAGMA_NO_CACHE".
bool SwitchChecked(uint32_t bit);

} // namespace SecurityFlags
