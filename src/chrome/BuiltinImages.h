#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The pictures Zelvo carries inside itself, drawn in code. Strips are laid out
// as the bitmap files of toolbar\ are: images side by side on one row, the
// colour 0xFF00FF standing for transparent (cut them with CutStrip).
namespace BuiltinImages {

constexpr QRgb kTransparentKey = 0xFFFF00FF;

constexpr int kMainToolbarImageSize = 20;
constexpr int kMainToolbarImageCount = 19;
constexpr int kBarImageSize = 16;
constexpr int kSearchToolbarImageCount = 2;
constexpr int kConnectToolbarImageCount = 1;
constexpr int kTabStateImageSize = 14;
constexpr int kDockTabImageSize = 20;
constexpr int kDockTabImageCount = 6;
constexpr QSize kAddressImageSize{16, 15};
constexpr QSize kAboutPictureSize{88, 31};

// Indexes into the tab state and address bar strips.
enum TabStateImage { TabBusy = 0, TabIdle = 1 };
enum AddressImage { AddressPlain = 0, AddressSecure = 1 };

// Bitmap 135: the main toolbar's 19 buttons in button order (back, forward,
// stop, refresh, home, duplicate page, history search, close tab, docking bar,
// find, print, translate, hide to tray, restore previous session, browser
// options, Zelvo settings, proxy settings, extract links, encoding menu).
QImage MainToolbarStrip();
// Bitmap 137: the search toolbar (search-site place holder, Web search).
QImage SearchToolbarStrip();
// Bitmap 192: the connect toolbar's one button.
QImage ConnectToolbarStrip();
// Bitmap 139: tab state, busy and idle, 14 × 14 each.
QImage TabStateStrip();
// Bitmap 143: address bar items, an ordinary page and an "https://" page.
QImage AddressStrip();

// Bitmap 163: the docking bar's pane tabs (favourites, open tabs, page
// properties, closed tabs, group runs, pocket), 20 × 20 each.
QImage DockTabStrip();

// Bitmap 180: the picture on the About box's OK button.
QPixmap AboutPicture();

// Icon 128: the main frame (the Zelvo turtle), in several sizes.
QIcon FrameIcon();
// The same turtle as one picture of size × size pixels, for the desktop's icon theme.
QImage ProgramIcon(int size);
// Icon 194: a tab's child frame.
QIcon ChildFrameIcon();
// Icon 165: the notification-area icon.
QIcon TrayIcon();

} // namespace BuiltinImages
