#pragma once

#include "platform/Bitmap.h"

namespace veltmoor {

// The choices of "Pick Color from Image for", in their order.
enum PickColorItem : int {
    kPickNoColor = 0,
    kPickCutLineColor,
    kPickValueFontColor,
    kPickTextFontColor,
    kPickBackgroundColor,
    kPickTextBlockColor,
};

// The choices of "Pick Position from Image".
enum TextBlockPositionItem : int { kAtCurrentPosition = 0, kClickAtPosition = 1 };

// What a click on the tag does: it picks the chosen colour, places the text block, or both.
struct Picking {
    int color = kPickNoColor; // a PickColorItem
    bool placesTextBlock = false;
};

// A click at (X, Y) on the tag preview (or the colouring preview, which is the same size)
// in tag dots: the preview shows the tag from its top-left corner with its longer side 350
// pixels long.
Point previewPointToTagDots(int previewX, int previewY, int tagWidthDots, int tagHeightDots);

} // namespace veltmoor
