#pragma once

#include <QString>

#include <cstdint>

// Switches shared by every browser view for the whole run (one set, not one per tab).
struct ViewSwitches {
    bool statusUrlOnly = false;
    bool navigateLock = false;
    QString lockedUrl;
    bool alwaysMosaic = false;
    bool formFillPending = false;
    // Images, videos and background sounds.
    uint32_t downloadControlFlags = 0x70;
    bool recomputeDownloadControl = true;
    bool applyStartupProxy = true;
};
