#pragma once

#include "settings/SettingsHost.h"

class CTreePropSheet;
class QWidget;

// Zelvo's settings: the sheet "Zelvo の設定" with its twelve pages, the tab
// background colour page shown first.
void AddSettingsPages(CTreePropSheet& sheet, const SettingsHost& host);
void PrepareSettingsSheet(CTreePropSheet& sheet, const SettingsHost& host);
void RunSettingsSheet(QWidget* parent, const SettingsHost& host);
