#pragma once

class CMainFrame;

// Binds the pocket commands and wires the closed-tab and pocket panes to the
// frame.
void BindPocketCommands(CMainFrame& frame);
