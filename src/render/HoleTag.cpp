#include "render/HoleTag.h"

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
    if (hole.noHole) {
        return;
    }
    const Rect rect = HoleRect(W, H, hole);
    const Point topLeft{rect.left, rect.top};
    const Point bottomRight{rect.right, rect.bottom};
    // Two halves from opposite corners of the box close the ellipse.
    canvas.arc(rect, topLeft, bottomRight);
    canvas.arc(rect, bottomRight, topLeft);
}

} // namespace veltmoor
