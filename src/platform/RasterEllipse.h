#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <vector>

namespace veltmoor::raster {

// The outline of the ellipse inscribed in a box, as the Windows raster engine lays it out:
// one quadrant is traced with an integer midpoint walk and mirrored into the other three,
// so that even and odd box sizes stay symmetric within the box (right and bottom
// exclusive). Positions run counter-clockwise on screen, starting at the rightmost pixel
// of the upper half.
class EllipseOutline {
public:
    // A box given right-to-left or bottom-to-top is taken the right way round; a box with
    // no width or no height has no outline.
    explicit EllipseOutline(Rect box);

    bool isEmpty() const { return quadrant_.empty(); }
    // Number of positions around the whole ellipse (a pixel may appear twice where the
    // quadrants meet).
    std::int64_t positionCount() const { return 4 * static_cast<std::int64_t>(quadrant_.size()); }
    Point pixelAt(std::int64_t position) const;

    // The first position counter-clockwise after the ray from the centre towards p, or at
    // it when onRayIncluded.
    std::int64_t firstPositionFrom(Point p, bool onRayIncluded) const;
    // How many positions at the end of the outline lie on the ray along the positive x axis.
    std::int64_t trailingPositionsOnStartAxis() const;
    // The point the rays start from: left + width / 2, top + height / 2.
    Point centre() const { return {centreX_, centreY_}; }

    const Rect& box() const { return box_; }

private:
    Rect box_;
    int centreX_ = 0;             // left + width / 2
    int centreY_ = 0;             // top + height / 2
    int mirrorX_ = 0;             // right - 1 - width / 2
    int mirrorY_ = 0;             // bottom - 1 - height / 2
    std::vector<Point> quadrant_; // lower right quadrant relative to the centre, from the
                                  // rightmost pixel downwards
};

// Which pixels lying exactly on the rays belong to an arc.
enum class RayPixels {
    // Those on either ray (where the outline has two pixels on an axis, both): a thin arc
    // always reaches the pixel its rays point at, so the lines drawn on from there meet it.
    EitherRay,
    // As the platform lays out the path of a wide pen's arc: a ray pointing at or above the
    // centre row keeps its pixels on the arc's side after it, a ray pointing below on the
    // side before it. The round tip at each end of the path covers the difference.
    PlatformPath,
};

// Positions [first, last) of the arc counter-clockwise from the ray towards start to the ray
// towards end; equal rays give the whole ellipse. last always lies after first.
struct ArcRange {
    std::int64_t first = 0;
    std::int64_t last = 0;
};
ArcRange arcRange(const EllipseOutline& outline, Point start, Point end, RayPixels rayPixels);

// Calls plot(x, y) for every pixel of the arc in drawing order (unclipped).
template <typename Plot>
void traceArc(Rect box, Point start, Point end, RayPixels rayPixels, Plot&& plot) {
    const EllipseOutline outline(box);
    if (outline.isEmpty()) {
        return;
    }
    const ArcRange range = arcRange(outline, start, end, rayPixels);
    for (std::int64_t position = range.first; position < range.last; ++position) {
        const Point pixel = outline.pixelAt(position);
        plot(pixel.x, pixel.y);
    }
}

} // namespace veltmoor::raster
