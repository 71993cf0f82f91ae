#include "platform/RasterEllipse.h"

#include <algorithm>

namespace veltmoor::raster {

namespace {

// Boxes may be millions of pixels across; the walk's error terms grow with the cube of
// the radius, so they get 128 bits.
__extension__ using Wide = __int128;

// The lower right quadrant of the ellipse in a width x height box, in box coordinates,
// from the rightmost pixel of the lower half down to the bottom row (Alois Zingl's
// integer walk, the one the Windows raster engine's output agrees with).
std::vector<Point> traceQuadrant(int width, int height) {
    std::vector<Point> points;
    const Wide a = width - 1;
    const Wide b = height - 1;
    const Wide oddHeight = b % 2;
    const Wide stepX = 8 * b * b;
    const Wide stepY = 8 * a * a;
    Wide errorX = 4 * b * b * (1 - a);
    Wide errorY = 4 * a * a * (1 + oddHeight);
    Wide error = errorX + errorY + a * a * oddHeight;

    Point pixel{width - 1, height / 2};
    points.reserve(static_cast<std::size_t>(width / 2 + height / 2 + 2));
    while (pixel.x >= width / 2) {
        points.push_back(pixel);
        const Wide twice = 2 * error;
        if (twice >= errorX) {
            --pixel.x;
            errorX += stepX;
            error += errorX;
        }
        if (twice <= errorY) {
            ++pixel.y;
            errorY += stepY;
            error += errorY;
        }
    }
    // Very narrow ellipses leave the walk before it reaches the bottom row; their outline
    // goes on straight down, or a box one pixel wide would draw a single dot.
    if (!points.empty()) {
        for (int y = points.back().y + 1; y < height; ++y) {
            points.push_back({width / 2, y});
        }
    }
    return points;
}

} // namespace

EllipseOutline::EllipseOutline(Rect box) {
    if (box.left > box.right) {
        std::swap(box.left, box.right);
    }
    if (box.top > box.bottom) {
        std::swap(box.top, box.bottom);
    }
    box_ = box;
    const std::int64_t width = std::int64_t{box.right} - box.left;
    const std::int64_t height = std::int64_t{box.bottom} - box.top;
    if (width == 0 || height == 0 || width > INT32_MAX || height > INT32_MAX) {
        return;
    }
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    centreX_ = box.left + w / 2;
    centreY_ = box.top + h / 2;
    mirrorX_ = box.right - 1 - w / 2;
    mirrorY_ = box.bottom - 1 - h / 2;
    quadrant_ = traceQuadrant(w, h);
    for (Point& point : quadrant_) {
        point.x -= w / 2;
        point.y -= h / 2;
    }
}

Point EllipseOutline::pixelAt(std::int64_t position) const {
    const auto count = static_cast<std::int64_t>(quadrant_.size());
    const std::int64_t wrapped = position % (4 * count);
    const std::int64_t quarter = wrapped / count;
    const auto along = static_cast<std::size_t>(wrapped % count);
    const Point& forward = quadrant_[along];
    const Point& backward = quadrant_[quadrant_.size() - 1 - along];
    switch (quarter) {
    case 0: // upper right, from the right towards the top
        return {centreX_ + forward.x, mirrorY_ - forward.y};
    case 1: // upper left, from the top towards the left
        return {mirrorX_ - backward.x, mirrorY_ - backward.y};
    case 2: // lower left, from the left towards the bottom
        return {mirrorX_ - forward.x, centreY_ + forward.y};
    default: // lower right, from the bottom towards the right
        return {centreX_ + backward.x, centreY_ + backward.y};
    }
}

namespace {

// Directions compared by angle, counter-clockwise from the positive x axis (y upwards),
// exactly: first by quarter, then by the sign of the cross product.
struct Direction {
    Wide x;
    Wide y;
    bool full = false; // a full turn, after every other direction

    int quarter() const {
        if (x > 0 && y >= 0) {
            return 0;
        }
        if (x <= 0 && y > 0) {
            return 1;
        }
        if (x < 0 && y <= 0) {
            return 2;
        }
        return y < 0 ? 3 : 0; // (0, 0) counts as angle 0
    }
};

// Negative, zero or positive as a lies before, on or after b.
int compareAngles(const Direction& a, const Direction& b) {
    if (a.full != b.full) {
        return a.full ? 1 : -1;
    }
    const int quarterA = a.quarter();
    const int quarterB = b.quarter();
    if (quarterA != quarterB) {
        return quarterA < quarterB ? -1 : 1;
    }
    const Wide cross = a.x * b.y - a.y * b.x;
    return cross > 0 ? -1 : (cross < 0 ? 1 : 0);
}

} // namespace

std::int64_t EllipseOutline::firstPositionFrom(Point p, bool onRayIncluded) const {
    // Mathematical orientation (y upwards) so that counter-clockwise means increasing angle.
    const Direction ray{Wide{p.x} - centreX_, Wide{centreY_} - p.y};
    const auto count = static_cast<std::int64_t>(quadrant_.size());
    // The direction of each position as seen from the centre, mirrored like the pixels, so
    // that the directions never decrease along the outline.
    auto directionAt = [&](std::int64_t position) {
        const std::int64_t quarter = position / count;
        const auto along = static_cast<std::size_t>(position % count);
        const Point& forward = quadrant_[along];
        const Point& backward = quadrant_[quadrant_.size() - 1 - along];
        Direction d;
        switch (quarter) {
        case 0:
            d = {forward.x, forward.y};
            break;
        case 1:
            d = {-backward.x, backward.y};
            break;
        case 2:
            d = {-forward.x, -forward.y};
            break;
        default:
            d = {backward.x, -backward.y};
            d.full = backward.y == 0; // the last pixel before the start again
            break;
        }
        if (d.x == 0 && d.y == 0) {
            // A box one or two pixels across: each quarter starts on its own axis.
            const Wide axes[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
            d = {axes[quarter][0], axes[quarter][1]};
        }
        return d;
    };
    // Binary search for the first position at (or after) the ray.
    std::int64_t low = 0;
    std::int64_t high = 4 * count;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        const int order = compareAngles(directionAt(middle), ray);
        if (order > 0 || (order == 0 && onRayIncluded)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

std::int64_t EllipseOutline::trailingPositionsOnStartAxis() const {
    // The lower half ends with the pixels of its row on the axis, mirrored from the
    // quadrant's first pixels.
    std::int64_t count = 0;
    while (count < static_cast<std::int64_t>(quadrant_.size()) &&
           quadrant_[static_cast<std::size_t>(count)].y == 0 &&
           quadrant_[static_cast<std::size_t>(count)].x != 0) {
        ++count;
    }
    return count;
}

ArcRange arcRange(const EllipseOutline& outline, Point start, Point end, RayPixels rayPixels) {
    ArcRange range;
    if (outline.isEmpty()) {
        return range;
    }
    const Point centre = outline.centre();
    const Direction startRay{Wide{start.x} - centre.x, Wide{centre.y} - start.y};
    const Direction endRay{Wide{end.x} - centre.x, Wide{centre.y} - end.y};
    if (rayPixels == RayPixels::PlatformPath) {
        range.first = outline.firstPositionFrom(start, startRay.y >= 0);
        range.last = outline.firstPositionFrom(end, endRay.y >= 0);
    } else {
        // Pixels lying exactly on either ray belong to the arc, so an arc always reaches
        // the pixel its ray points at and the lines drawn on from there meet it.
        range.first = outline.firstPositionFrom(start, true);
        range.last = outline.firstPositionFrom(end, false);
        if (startRay.y == 0 && startRay.x > 0) {
            // Along the positive x axis the outline has pixels at both ends of its list:
            // the first ones of the upper half and the last ones of the lower half. Both
            // lie on the ray, so the arc starts with the latter.
            range.first = outline.positionCount() - outline.trailingPositionsOnStartAxis();
        }
        if (compareAngles(startRay, endRay) == 0) {
            range.last = range.first + outline.positionCount(); // the whole ellipse
            return range;
        }
    }
    // Rays that meet the outline at the same position make the whole ellipse.
    while (range.last <= range.first) {
        range.last += outline.positionCount();
    }
    return range;
}

} // namespace veltmoor::raster
