#pragma once

class CMainFrame;

// The extraction pages of the active view, the URL history's lists and
// search, and clearing that history.
void BindHistoryCommands(CMainFrame& frame);
