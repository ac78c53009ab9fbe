#pragma once

#include <QList>
#include <QString>

// One entry of the page's context menu.
enum class PageMenuItem {
    Separator,
    Back,
    Forward,
    Refresh,
    SaveAs,
    ViewSource,
    Cut,
    Copy,
    Paste,
    SelectAll,
    OpenLinkInNewTab,
    CopyLinkAddress,
    SaveImageAs,
    CopyImage,
    CopyImageAddress,
};

// What was under the pointer when the page's context menu was asked for.
struct PageMenuContext {
    bool link = false;
    bool image = false;
    bool editable = false;
    bool selection = false;
};

// The page's context menu as data: which entries, in which order, with which texts.
namespace PageMenuItems {

QList<PageMenuItem> For(const PageMenuContext& context);
QString Text(PageMenuItem item);

} // namespace PageMenuItems
