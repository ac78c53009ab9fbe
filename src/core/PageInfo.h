#pragma once

#include <QString>

// What the properties pane tells of a page. A field the engine cannot tell
// stays empty.
struct PageInfo {
    QString title;
    QString protocol;
    QString charset;
    QString fileSize;
    QString referrer;
    QString mimeType;
    QString domain;
};

// The page information text, one field a paragraph, CR LF separated.
QString PageInfoText(const PageInfo& info);
