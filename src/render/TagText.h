#pragma once

#include "platform/Canvas.h"
#include "render/SlotRecord.h"
#include "render/TagSettings.h"
#include "render/TextBlockLines.h"

#include <QString>

#include <vector>

namespace veltmoor {

// Distance of the corner and edge texts from the tag's edges, in tag dots (1/8 inch).
constexpr int kTagTextMargin = 25;

// Font sizes are chosen in points for the screen; the tag has 200 dots per inch against
// the screen's 96, so drawing at twice the size gives about the chosen size on paper.
// Saturates instead of overflowing for sizes no font dialog offers.
int doubledFontSize(int sizePoints);

// A chosen font as the tag draws it: the same face and style at twice the size, in the
// given colour.
Font tagTextFont(const Font& chosen, TColor color);

// One string to draw with its top-left corner at (x, y), glyphs only.
struct TagTextDraw {
    QString text;
    int x = 0;
    int y = 0;
    Font font;
    friend bool operator==(const TagTextDraw&, const TagTextDraw&) = default;
};

// Where the slot's texts go on a width x height tag, in drawing order (text block lines,
// then the corner text, then the edge text, so later strings lie on top). Empty strings
// are left out since they paint nothing.
std::vector<TagTextDraw> layoutTagText(int width, int height, const img& slot,
                                       const TagSettings& settings, const TextMeasure& measure);

// Draws the slot's corner text, edge text and text block onto the finished tag. The slot
// is only read: the block's lines come from textBlockDisplayLines, not from a memo.
void AddText(Canvas& canvas, const img& slot, const TagSettings& settings);

} // namespace veltmoor
