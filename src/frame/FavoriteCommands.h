#pragma once

class CMainFrame;

// The favourites menu's commands, fav.html, adding a page, and the commands of
// the favourites and group-run panes.
void BindFavoriteCommands(CMainFrame& frame);
