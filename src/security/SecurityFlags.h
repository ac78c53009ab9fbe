#pragma once

#include <cstdint>

namespace SecurityFlags {

// The download-control word with Security.ini applied: a key holding its
// negative word sets (or, for images, videos and sounds, clears) its bit; any
// other value leaves the bit as it is.
uint32_t LoadDownloadControl(uint32_t flags);

} // namespace SecurityFlags
