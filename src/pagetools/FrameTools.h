#pragma once

#include <QString>

#include <functional>

class CZelvoView;

// Commands for framed pages, scrolling and tool tips of a view's page. The
// frames are the frame and iframe elements of the top document.
namespace FrameTools {

// Shows the page's source in the same tab; relabel runs once it is on its way.
void SourcePreview(CZelvoView& view, std::function<void()> relabel);
void RefreshFrames(CZelvoView& view);
// Loads url into every frame; an empty url is refused with a message.
void ConnectFrames(CZelvoView& view, const QString& url);
// Opens every frame's page in a new tab, half a second apart.
void SplitFrames(CZelvoView& view);
enum class ScrollTo { Top, Bottom };
// Pages with frames are left where they are.
void Scroll(CZelvoView& view, ScrollTo to);
// Every link's tool tip shows its address.
void LinkToolTips(CZelvoView& view);
// Every text field's tool tip shows its text; password fields are skipped.
void InputToolTips(CZelvoView& view);

} // namespace FrameTools
