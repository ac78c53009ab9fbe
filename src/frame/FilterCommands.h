#pragma once

class CMainFrame;

// The navigation filter's switches, list commands and list dialogs, and the
// per-view dialog suppression.
void BindFilterCommands(CMainFrame& frame);
