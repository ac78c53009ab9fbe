#pragma once

// Color.ini: the colours of the tab area, the tabs and their labels, each a
// section with `red`, `green` and `blue`, 0 when missing. Every call reads or
// writes the file anew.
namespace ColorIni {

// Components keep only their low byte, so any stored number gives a colour.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// [SetColor]: the background of the tab area, the panes and the status bar.
Rgb Background();
// [TabColor]: the colour painted on tabs.
Rgb TabColor();
// [ATabColor], [NoATabColor]: label colours of the active and other tabs.
Rgb ATabColor();
Rgb NoATabColor();

// [TabColor] `enable`: 1 = tabs are not painted with the tab colour.
int TabColorEnable();

// [Mozaiku] `strong`: the square size of the image mosaic, 15 when missing.
int MozaikuStrong();

// The tab settings page's colours, written as one: the active, inactive and
// tab colours, then `enable`.
bool SaveTabColors(const Rgb& active, const Rgb& inactive, const Rgb& tab, bool plain);

// [SetColor] as one record; [Mozaiku] `strong`.
bool SetBackground(const Rgb& color);
bool SetMozaikuStrong(int strong);
} // namespace ColorIni
