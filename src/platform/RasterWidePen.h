#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace veltmoor::raster {

// The dots of a round pen tip of the given width, centred on (0, 0) the way wide pens centre
// their strokes (for even widths the extra dot lies left and above). One span per row,
// [left, right).
struct PenTipRow {
    int dy = 0;
    int left = 0;
    int right = 0;
};
std::vector<PenTipRow> roundPenTip(int width);

// How far the long sides of a slanted segment's body lie from the path, across one axis:
// `across` is the segment's extent along the other axis (|dy| for the x offsets), `along`
// its extent along this one. With v = width * across / length, the narrow side lies
// round(v / 2) dots away and the wide side round((v + 1) / 2), halves rounded up; the sum is
// always one more than v rounded down. Exact for any coordinates.
struct SideOffsets {
    std::int64_t narrow = 0;
    std::int64_t wide = 0;
};
SideOffsets sideOffsets(int width, std::int64_t across, std::int64_t along);

// A pen wider than one dot draws each line and each arc as one region: every segment of the
// path as a body the pen's width across, and a round tip at every joint and at both free
// ends. A horizontal or vertical segment's body is a rectangle that starts width div 2 dots
// before the path and leaves the far end point to the tip there; a slanted segment's body is
// the quadrilateral between its two long sides (see sideOffsets), scan converted with
// left edges in and right edges out.
//
// The pen paints opaque, so painting the parts one after another gives exactly the region
// painted once. Everything is clipped to the bitmap; far-away parts cost nothing.
class WideStroke {
public:
    WideStroke(Bitmap& bitmap, int width, Pixel color);

    // Extends the path to p: a tip at p and the body of the segment from the previous point.
    void addPoint(Point p);

private:
    struct Corner {
        std::int64_t x;
        std::int64_t y;
    };

    void paintTip(Point p);
    void paintBody(Point from, Point to);
    void paintRectangle(std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom);
    void paintQuadrilateral(const Corner (&corners)[4]);
    void paintRun(std::int64_t y, std::int64_t left, std::int64_t right);
    bool outOfReach(Point from, Point to) const;

    Bitmap& bitmap_;
    int width_;
    Pixel color_;
    std::vector<PenTipRow> tip_;
    std::optional<Point> previous_;
};

} // namespace veltmoor::raster
