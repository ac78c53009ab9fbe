#pragma once

class CMainFrame;

// The navigation filter's switches, list commands and list dialogs (32857,
// 32888, 32867, 32899, 32967, 32895, 32942, 32894, 32941) and the per-view
// dialog suppression (32887).
void BindFilterCommands(CMainFrame& frame);
