#pragma once

class CMainFrame;

// Connection modes (direct, the three proxies, the desktop's settings), the
// proxy dialog, the CGI proxy, the user-agent refresh and the connected state.
void BindProxyCommands(CMainFrame& frame);
