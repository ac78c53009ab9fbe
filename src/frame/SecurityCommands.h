#pragma once

class CMainFrame;

// The download-control switches of this browser, the zone switches shared
// with every Zelvo process, and their check marks.
void BindSecurityCommands(CMainFrame& frame);
