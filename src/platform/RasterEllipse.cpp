#include "platform/RasterEllipse.h"

#include <algorithm>
#include <map>

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

std::int64_t EllipseOutline::positionOfRay(Point p) const {
    // Mathematical orientation (y upwards) so that counter-clockwise means increasing angle.
    const Wide x = Wide{p.x} - centreX_;
    const Wide y = Wide{centreY_} - p.y;
    const auto count = static_cast<std::int64_t>(quadrant_.size());
    std::int64_t i = 0;
    // A pixel lying exactly on the ray is the arc's first pixel when the ray points into the
    // upper half and is passed over when it points into the lower half, which is how the
    // original platform settles ties.
    if (y >= 0) {
        if (x >= 0) {
            while (i < count && !(quadrant_[i].x * y <= quadrant_[i].y * x)) {
                ++i;
            }
            return i;
        }
        while (i < count && !(quadrant_[i].x * y < quadrant_[i].y * -x)) {
            ++i;
        }
        return 2 * count - i;
    }
    if (x >= 0) {
        while (i < count && !(quadrant_[i].x * -y <= quadrant_[i].y * x)) {
            ++i;
        }
        return 4 * count - i;
    }
    while (i < count && !(quadrant_[i].x * -y < quadrant_[i].y * -x)) {
        ++i;
    }
    return 2 * count + i;
}

ArcRange arcRange(const EllipseOutline& outline, Point start, Point end) {
    ArcRange range;
    if (outline.isEmpty()) {
        return range;
    }
    range.first = outline.positionOfRay(start);
    range.last = outline.positionOfRay(end);
    if (range.last <= range.first) {
        range.last += outline.positionCount();
    }
    return range;
}

std::vector<PenTipRow> roundPenTip(int width) {
    if (width <= 1) {
        return {{0, 0, 1}};
    }
    const int offset = -(width / 2);
    const EllipseOutline outline({offset, offset, offset + width, offset + width});
    std::map<int, PenTipRow> rows;
    for (std::int64_t position = 0; position < outline.positionCount(); ++position) {
        const Point pixel = outline.pixelAt(position);
        auto [it, added] = rows.try_emplace(pixel.y, PenTipRow{pixel.y, pixel.x, pixel.x + 1});
        if (!added) {
            it->second.left = std::min(it->second.left, pixel.x);
            it->second.right = std::max(it->second.right, pixel.x + 1);
        }
    }
    std::vector<PenTipRow> tip;
    tip.reserve(rows.size());
    for (const auto& [dy, row] : rows) {
        tip.push_back(row);
    }
    return tip;
}

} // namespace veltmoor::raster
