#pragma once

class CMainFrame;
class CSearchBars;
class PageSearch;

// Binds the page tools' commands (search and highlight, selection, image,
// frame, scroll and tool-tip tools, the back and forward steps) on the frame,
// and hands the search bar its page search. The search state it makes is the
// frame's; it is returned for tests.
PageSearch* BindPageToolCommands(CMainFrame& frame, CSearchBars& bars);
