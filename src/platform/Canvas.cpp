#include "platform/Canvas.h"

#include "platform/RasterEllipse.h"
#include "platform/RasterLine.h"
#include "platform/RasterStretch.h"
#include "platform/RasterWidePen.h"

#include <algorithm>
#include <cstdint>

namespace veltmoor {

namespace {

Rect boundsOf(const Bitmap& bitmap) {
    return {0, 0, bitmap.width(), bitmap.height()};
}

PenCall pointCall(PenCall::Kind kind, Point point) {
    PenCall call;
    call.kind = kind;
    call.point = point;
    return call;
}

PenCall arcCall(Rect box, Point start, Point end) {
    PenCall call;
    call.kind = PenCall::Kind::Arc;
    call.box = box;
    call.start = start;
    call.end = end;
    return call;
}

} // namespace

void Canvas::moveTo(int x, int y) {
    position_ = {x, y};
    if (penCalls_) {
        penCalls_->push_back(pointCall(PenCall::Kind::MoveTo, position_));
    }
}

void Canvas::lineTo(int x, int y) {
    const Point from = position_;
    const Point to{x, y};
    position_ = to;
    if (penCalls_) {
        penCalls_->push_back(pointCall(PenCall::Kind::LineTo, to));
    }
    const Pixel color = pixelFromColor(pen_.color);
    if (pen_.width <= 1) {
        raster::traceLine(from, to, boundsOf(bitmap_), false,
                          [&](int px, int py) { bitmap_.setPixel(px, py, color); });
        return;
    }
    // A wide line has a round tip at both ends, so its end point is covered too.
    raster::WideStroke stroke(bitmap_, pen_.width, color);
    stroke.addPoint(from);
    stroke.addPoint(to);
}

void Canvas::arc(Rect box, Point start, Point end) {
    if (penCalls_) {
        penCalls_->push_back(arcCall(box, start, end));
    }
    const Pixel color = pixelFromColor(pen_.color);
    if (pen_.width <= 1) {
        const Rect bounds = boundsOf(bitmap_);
        raster::traceArc(box, start, end, raster::RayPixels::EitherRay, [&](int px, int py) {
            if (px >= bounds.left && px < bounds.right && py >= bounds.top && py < bounds.bottom) {
                bitmap_.setPixel(px, py, color);
            }
        });
        return;
    }
    // A wide arc is the path through the ellipse's dots, drawn as a wide line would be.
    raster::WideStroke stroke(bitmap_, pen_.width, color);
    raster::traceArc(box, start, end, raster::RayPixels::PlatformPath, [&](int px, int py) {
        stroke.addPoint({px, py});
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
