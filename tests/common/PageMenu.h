#pragma once

#include "view/CHtmlView.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

// Right-clicks the page at pos, as a user does, and returns the context menu
// the view pops up for it (null when none came).
inline QMenu* RightClickPage(CHtmlView& view, const QPoint& pos)
{
    QWebEngineView* web = view.GetWebView();
    QSignalSpy asked(web, &QWidget::customContextMenuRequested);
    // Offscreen, the engine may drop the first clicks into a page it has just
    // shown; a click is repeated only when nothing came of the last one.
    for (int attempt = 0; attempt < 10 && asked.isEmpty(); ++attempt) {
        QWidget* target = web->focusProxy() ? web->focusProxy() : web;
        QTest::mouseMove(target, pos);
        QTest::mousePress(target, Qt::RightButton, {}, pos);
        QTest::mouseRelease(target, Qt::RightButton, {}, pos);
        asked.wait(1000);
    }
    if (asked.isEmpty())
        return nullptr;
    const QList<QMenu*> menus = view.findChildren<QMenu*>(QStringLiteral("pageContextMenu"));
    return menus.isEmpty() ? nullptr : menus.last();
}

// The texts of a menu's entries, "-" for a separator; disabled ones in brackets.
inline QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            texts << QStringLiteral("-");
        else
            texts << (action->isEnabled() ? action->text() : '(' + action->text() + ')');
    }
    return texts;
}

inline QAction* MenuEntry(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}
