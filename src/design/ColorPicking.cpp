#include "design/ColorPicking.h"

#include "design/TagDesign.h"

#include <algorithm>

namespace veltmoor {

Point previewPointToTagDots(int previewX, int previewY, int tagWidthDots, int tagHeightDots) {
    // Tag dots per 100 preview pixels.
    const int scale = std::max(tagWidthDots, tagHeightDots) * 100 / 350;
    return {previewX * scale / 100, previewY * scale / 100};
}

Redraw TagDesign::PickPoint(int x, int y, TColor color, const Picking& picking) {
    if (picking.placesTextBlock) {
        PercentUpDownClick(PercentField::TextBlockWidthOffset,
                           x * 100 / std::max(size_.widthDots, 1));
        PercentUpDownClick(PercentField::TextBlockHeightOffset,
                           y * 100 / std::max(size_.heightDots, 1));
    } else if (picking.color == kPickNoColor) {
        return Redraw::None;
    }
    switch (picking.color) {
    case kPickCutLineColor:
        SetBorderColors(color);
        break;
    case kPickValueFontColor:
        SetValueColor(color);
        break;
    case kPickTextFontColor:
        SetTextColor(color);
        break;
    case kPickBackgroundColor:
        SetBgColors(color);
        break;
    case kPickTextBlockColor:
        SetTextBlockColor(color);
        break;
    default:
        break;
    }
    return Redraw::Scheduled;
}

} // namespace veltmoor
