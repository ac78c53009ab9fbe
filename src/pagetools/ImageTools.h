#pragma once

#include <QString>

#include <functional>

class CZelvoView;

// Commands that change the images of a view's page in place; a reload undoes
// them.
namespace ImageTools {

// Every image of the top document grows by delta pixels each way, or shrinks
// by -delta where it stays above 0.
void Resize(CZelvoView& view, int delta);

struct MosaicResult {
    int done = 0;
    // Images of other sites, which the page may show but not let us read.
    int unreadable = 0;
};
// Pixelates every image of the page and its frames in squares of strength
// pixels; done learns what became of them.
void Mosaic(CZelvoView& view, int strength, std::function<void(MosaicResult)> done = {});
// The status text for a mosaic that left images alone; empty when none was.
QString MosaicStatus(const MosaicResult& result);

// Adds size, file size and name to every image's alternative text and tool tip.
void ShowInfo(CZelvoView& view);

} // namespace ImageTools
