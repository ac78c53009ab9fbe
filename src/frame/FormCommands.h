#pragma once

class CMainFrame;

// Form auto-fill: registering and filling the active page, and the menu of
// stored forms, each opening its page in a new tab that fills once loaded.
void BindFormCommands(CMainFrame& frame);
