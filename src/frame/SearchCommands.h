#pragma once

class CMainFrame;
class CSearchBars;

// Binds the commands of the address and search bars on the frame.
void BindSearchCommands(CMainFrame& frame, CSearchBars& bars);
