#include "platform/Canvas.h"

#include "platform/RasterEllipse.h"
#include "platform/RasterLine.h"
#include "platform/RasterStretch.h"

#include <algorithm>
#include <cstdint>

namespace veltmoor {

namespace {

Rect boundsOf(const Bitmap& bitmap) {
    return {0, 0, bitmap.width(), bitmap.height()};
}

// A wide pen paints the union of its round tip placed on every pixel of the path: round
// caps and round joins come for free, and since the paint is opaque a pixel covered twice
// looks the same as one covered once.
class WidePen {
public:
    WidePen(Bitmap& bitmap, int width, Pixel color)
        : bitmap_(bitmap), tip_(raster::roundPenTip(width)), color_(color) {
        for (const raster::PenTipRow& row : tip_) {
            reach_ = std::max({reach_, -row.dy, row.dy, -row.left, row.right});
        }
    }

    // Tip centres further than this outside the bitmap cannot touch it.
    Rect centreClip() const {
        return {-reach_, -reach_, bitmap_.width() + reach_, bitmap_.height() + reach_};
    }

    void stamp(int x, int y) {
        for (const raster::PenTipRow& row : tip_) {
            const int py = y + row.dy;
            if (py < 0 || py >= bitmap_.height()) {
                continue;
            }
            const int left = std::max(x + row.left, 0);
            const int right = std::min(x + row.right, bitmap_.width());
            if (left < right) {
                std::fill(bitmap_.row(py) + left, bitmap_.row(py) + right, color_);
            }
        }
    }

private:
    Bitmap& bitmap_;
    std::vector<raster::PenTipRow> tip_;
    Pixel color_;
    int reach_ = 0;
};

} // namespace

void Canvas::lineTo(int x, int y) {
    const Point from = position_;
    const Point to{x, y};
    position_ = to;
    const Pixel color = pixelFromColor(pen_.color);
    if (pen_.width <= 1) {
        raster::traceLine(from, to, boundsOf(bitmap_), false,
                          [&](int px, int py) { bitmap_.setPixel(px, py, color); });
        return;
    }
    // A wide line has a round cap at both ends, so its end point is covered too.
    WidePen pen(bitmap_, pen_.width, color);
    raster::traceLine(from, to, pen.centreClip(), true, [&](int px, int py) { pen.stamp(px, py); });
}

void Canvas::arc(Rect box, Point start, Point end) {
    const Pixel color = pixelFromColor(pen_.color);
    if (pen_.width <= 1) {
        const Rect bounds = boundsOf(bitmap_);
        raster::traceArc(box, start, end, [&](int px, int py) {
            if (px >= bounds.left && px < bounds.right && py >= bounds.top && py < bounds.bottom) {
                bitmap_.setPixel(px, py, color);
            }
        });
        return;
    }
    WidePen pen(bitmap_, pen_.width, color);
    const Rect clip = pen.centreClip();
    raster::traceArc(box, start, end, [&](int px, int py) {
        if (px >= clip.left && px < clip.right && py >= clip.top && py < clip.bottom) {
            pen.stamp(px, py);
        }
    });
}

void Canvas::fillRect(Rect area) {
    if (brush_.style == BrushStyle::Clear) {
        return;
    }
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, bitmap_.width());
    const int bottom = std::min(area.bottom, bitmap_.height());
    if (left >= right || top >= bottom) {
        return;
    }
    const Pixel color = pixelFromColor(brush_.color);
    for (int row = top; row < bottom; ++row) {
        std::fill(bitmap_.row(row) + left, bitmap_.row(row) + right, color);
    }
}

void Canvas::floodFill(int x, int y, TColor color, FillMode mode) {
    if (brush_.style == BrushStyle::Clear) {
        return;
    }
    fillSpans(bitmap_, floodRegion(bitmap_, {x, y}, color, mode), pixelFromColor(brush_.color));
}

void Canvas::draw(int x, int y, const Bitmap& source) {
    raster::copyBitmap(bitmap_, x, y, source);
}

void Canvas::stretchDraw(Rect destination, const Bitmap& source) {
    raster::stretchSmooth(bitmap_, destination, source);
}

void Canvas::stretchDrawTransparent(Rect destination, const Bitmap& source,
                                    TColor transparentColor) {
    raster::stretchNearest(bitmap_, destination, source, true, pixelFromColor(transparentColor));
}

} // namespace veltmoor
