#include "render/HoleTag.h"

#include "render/TagOutline.h"

namespace veltmoor {

Rect HoleRect(int W, int H, const HoleSettings& hole) {
    const int hw = hole.width;
    const int hh = hole.height;
    const int cx = hole.widthOffset * W / 100;
    const int cy = hole.heightOffset * H / 100;
    Rect rect;
    rect.left = cx - hw;
    rect.right = rect.left + 2 * hw;
    rect.top = cy - hh;
    rect.bottom = rect.top + 2 * hh;
    return rect;
}

void HoleTag(Canvas& canvas, int W, int H, const HoleSettings& hole) {
    drawOutline(canvas, holeOutline(W, H, hole));
}

} // namespace veltmoor
