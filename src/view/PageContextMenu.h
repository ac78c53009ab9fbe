#pragma once

#include "view/PageMenuItems.h"

class CHtmlView;
class QMenu;
class QWebEngineContextMenuRequest;

// The page's context menu in Japanese, in place of the engine's English one:
// entries from PageMenuItems, carried out by the view's own operations, so a
// link opened in a new tab goes through the view's new-window path.
class PageContextMenu {
public:
    // A menu owned by the view that deletes itself once closed; the caller pops it up.
    static QMenu* Create(CHtmlView& view, const QWebEngineContextMenuRequest& request);

private:
    static bool IsEnabled(const CHtmlView& view, const QWebEngineContextMenuRequest& request,
                          PageMenuItem item);
};
