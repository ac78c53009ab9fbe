#pragma once

class CMainFrame;

// The settings sheet (F7) and what its pages change in the running window.
void BindSettingsCommands(CMainFrame& frame);
