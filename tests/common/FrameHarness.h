#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class CMainFrame;

// A main frame as the application makes it: bars built, shown, first tab open.
std::unique_ptr<CMainFrame> OpenFrame(const QByteArray& commandLine = QByteArray());

// Opens url in a new tab as the address bar does; false when no tab came.
bool OpenNewTab(CMainFrame& frame, const QString& url);

// Runs the event loop until every tab has an address and is not loading.
bool WaitTabsIdle(const CMainFrame& frame, int timeoutMs = 15000);
