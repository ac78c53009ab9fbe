#pragma once

class CMainFrame;

// The cookie privacy levels, the cookie decisions for the active tab's site,
// its privacy report, and deleting the engine's cache and cookies.
void BindCookieCommands(CMainFrame& frame);
