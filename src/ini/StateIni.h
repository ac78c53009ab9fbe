#pragma once

#include <QByteArray>
#include <QList>

// State.ini [state]: the layout of the top bands, key i holding the band at
// position i as "wID=%04X,cx=%d,fStyle=%08X". Read anew on every call.
namespace StateIni {

// The record at position i as stored; empty when missing.
QByteArray Band(int position);

// Writes records 0 … N - 1 as one; keys beyond them are kept.
bool SaveBands(const QList<QByteArray>& records);

// [Dock] `len`: the docking bar's width in pixels, 200 when missing.
int DockLen();
void SetDockLen(int width);

// [toolbar] key i: 1 = main toolbar button i is hidden. Saving writes "1" or
// "0" for every button as one.
int ToolbarButton(int index);
bool SaveToolbarButtons(const QList<bool>& hidden);
} // namespace StateIni
