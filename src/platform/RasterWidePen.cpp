#include "platform/RasterWidePen.h"

#include "platform/RasterEllipse.h"
#include "platform/RasterLine.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace veltmoor::raster {

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

SideOffsets sideOffsets(int width, std::int64_t across, std::int64_t along) {
    // v rounded down is the largest m with m * length <= width * across, compared squared.
    // across and along are differences of two ints, below 2^32, so the squares fit.
    const WideInteger lengthSquared = WideInteger{across} * across + WideInteger{along} * along;
    const WideInteger reachSquared = WideInteger{width} * width * across * across;
    const auto fits = [&](std::int64_t m) {
        return WideInteger{m} * m * lengthSquared <= reachSquared;
    };
    auto m = static_cast<std::int64_t>(
        std::floor(static_cast<long double>(width) * across /
                   std::hypot(static_cast<long double>(across), static_cast<long double>(along))));
    m = std::clamp<std::int64_t>(m, 0, width);
    while (m > 0 && !fits(m)) {
        --m;
    }
    while (m < width && fits(m + 1)) {
        ++m;
    }
    return {(m + 1) / 2, m / 2 + 1};
}

WideStroke::WideStroke(Bitmap& bitmap, int width, Pixel color)
    : bitmap_(bitmap), width_(width), color_(color), tip_(roundPenTip(width)) {}

void WideStroke::addPoint(Point p) {
    if (previous_) {
        paintBody(*previous_, p);
    }
    paintTip(p);
    previous_ = p;
}

bool WideStroke::outOfReach(Point from, Point to) const {
    const std::int64_t reach = width_;
    return std::max(from.x, to.x) < -reach ||
           std::min(from.x, to.x) >= std::int64_t{bitmap_.width()} + reach ||
           std::max(from.y, to.y) < -reach ||
           std::min(from.y, to.y) >= std::int64_t{bitmap_.height()} + reach;
}

void WideStroke::paintTip(Point p) {
    if (outOfReach(p, p)) {
        return;
    }
    for (const PenTipRow& row : tip_) {
        paintRun(std::int64_t{p.y} + row.dy, std::int64_t{p.x} + row.left,
                 std::int64_t{p.x} + row.right);
    }
}

void WideStroke::paintBody(Point from, Point to) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    if ((dx == 0 && dy == 0) || outOfReach(from, to)) {
        return;
    }
    const std::int64_t before = width_ / 2;
    if (dy == 0) {
        const std::int64_t top = std::int64_t{from.y} - before;
        paintRectangle(std::min(from.x, to.x), top, std::max(from.x, to.x), top + width_);
        return;
    }
    if (dx == 0) {
        const std::int64_t left = std::int64_t{from.x} - before;
        paintRectangle(left, std::min(from.y, to.y), left + width_, std::max(from.y, to.y));
        return;
    }
    // The offsets of the two long sides, first for a segment running right and down; the
    // other directions mirror them, so that the wider side stays on the same hand of the
    // direction of travel.
    const SideOffsets inX = sideOffsets(width_, dy < 0 ? -dy : dy, dx < 0 ? -dx : dx);
    const SideOffsets inY = sideOffsets(width_, dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
    Corner narrow{inX.narrow, inY.narrow};
    Corner wide{inX.wide, inY.wide};
    if (dx < 0) {
        narrow.y = -narrow.y;
        wide.y = -wide.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        narrow.x = -narrow.x;
        wide.x = -wide.x;
    }
    const Corner corners[4] = {
        {from.x - narrow.x, from.y + narrow.y},
        {from.x + wide.x, from.y - wide.y},
        {to.x + wide.x, to.y - wide.y},
        {to.x - narrow.x, to.y + narrow.y},
    };
    paintQuadrilateral(corners);
}

void WideStroke::paintRectangle(std::int64_t left, std::int64_t top, std::int64_t right,
                                std::int64_t bottom) {
    const std::int64_t firstRow = std::max<std::int64_t>(top, 0);
    const std::int64_t endRow = std::min<std::int64_t>(bottom, bitmap_.height());
    for (std::int64_t y = firstRow; y < endRow; ++y) {
        paintRun(y, left, right);
    }
}

// Even-odd scan conversion: on every row from the highest corner down to (but not
// including) the lowest, each edge crosses at its exact position rounded up, and the runs
// between the first and second crossing, and the third and fourth, are painted.
void WideStroke::paintQuadrilateral(const Corner (&corners)[4]) {
    std::int64_t top = corners[0].y;
    std::int64_t bottom = corners[0].y;
    for (const Corner& corner : corners) {
        top = std::min(top, corner.y);
        bottom = std::max(bottom, corner.y);
    }
    const std::int64_t firstRow = std::max<std::int64_t>(top, 0);
    const std::int64_t endRow = std::min<std::int64_t>(bottom, bitmap_.height());
    for (std::int64_t y = firstRow; y < endRow; ++y) {
        std::int64_t crossings[4];
        int count = 0;
        for (int i = 0; i < 4; ++i) {
            const Corner& a = corners[i];
            const Corner& b = corners[(i + 1) % 4];
            const Corner& upper = a.y <= b.y ? a : b;
            const Corner& lower = a.y <= b.y ? b : a;
            if (y < upper.y || y >= lower.y) {
                continue; // horizontal edges never cross a row
            }
            const WideInteger numerator = WideInteger{y - upper.y} * (lower.x - upper.x);
            const WideInteger rise = lower.y - upper.y;
            WideInteger step = numerator / rise;
            if (step * rise < numerator) {
                ++step;
            }
            // Kept in order as they come; there are at most four.
            int at = count++;
            const std::int64_t crossing = upper.x + static_cast<std::int64_t>(step);
            for (; at > 0 && crossings[at - 1] > crossing; --at) {
                crossings[at] = crossings[at - 1];
            }
            crossings[at] = crossing;
        }
        for (int i = 0; i + 1 < count; i += 2) {
            paintRun(y, crossings[i], crossings[i + 1]);
        }
    }
}

void WideStroke::paintRun(std::int64_t y, std::int64_t left, std::int64_t right) {
    if (y < 0 || y >= bitmap_.height()) {
        return;
    }
    const auto from = static_cast<int>(std::max<std::int64_t>(left, 0));
    const auto to = static_cast<int>(std::min<std::int64_t>(right, bitmap_.width()));
    if (from < to) {
        Pixel* row = bitmap_.row(static_cast<int>(y));
        std::fill(row + from, row + to, color_);
    }
}

} // namespace veltmoor::raster
