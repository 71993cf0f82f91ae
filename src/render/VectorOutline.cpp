#include "render/VectorOutline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltmoor {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Room for rounding at the tag's edge, where strokes often run along the border itself.
constexpr double kEdgeSlack = 1e-6;

struct TagArea {
    double left;
    double top;
    double right;
    double bottom;

    bool holds(PointF p) const {
        return p.x >= left - kEdgeSlack && p.x <= right + kEdgeSlack && p.y >= top - kEdgeSlack &&
               p.y <= bottom + kEdgeSlack;
    }
};

// A dot's centre.
PointF centreOf(Point dot) {
    return {dot.x + 0.5, dot.y + 0.5};
}

PointF lerp(PointF a, PointF b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

double wrapAngle(double angle) {
    angle = std::fmod(angle, kTwoPi);
    return angle < 0 ? angle + kTwoPi : angle;
}

// Liang-Barsky: the part of the line inside the area, if any.
void clipLine(PointF a, PointF b, const TagArea& area, VectorOutline& out) {
    double enter = 0;
    double leave = 1;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - area.left + kEdgeSlack, area.right + kEdgeSlack - a.x,
                         a.y - area.top + kEdgeSlack, area.bottom + kEdgeSlack - a.y};
    for (int side = 0; side < 4; ++side) {
        if (p[side] == 0) {
            if (q[side] < 0) {
                return;
            }
            continue;
        }
        const double t = q[side] / p[side];
        if (p[side] < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter >= leave) {
        return;
    }
    OutlineSegment segment;
    segment.kind = OutlineSegment::Kind::Line;
    segment.from = lerp(a, b, enter);
    segment.to = lerp(a, b, leave);
    out.push_back(segment);
}

void lines(const std::vector<Point>& points, const TagArea& area, VectorOutline& out) {
    for (std::size_t next = 1; next < points.size(); ++next) {
        const PointF from = centreOf(points[next - 1]);
        const PointF to = centreOf(points[next]);
        if (from.x != to.x || from.y != to.y) {
            clipLine(from, to, area, out);
        }
    }
}

// The angles (from the arc's start) at which the ellipse crosses the area's borders.
std::vector<double> borderCrossings(const OutlineSegment& arc, const TagArea& area) {
    std::vector<double> crossings;
    const auto add = [&](double angle) {
        const double along = wrapAngle(angle - arc.startAngle);
        if (along > 0 && along < arc.sweep) {
            crossings.push_back(along);
        }
    };
    for (const double x : {area.left, area.right}) {
        if (arc.rx > 0 && std::abs(x - arc.centre.x) <= arc.rx) {
            const double angle = std::acos((x - arc.centre.x) / arc.rx);
            add(angle);
            add(-angle);
        }
    }
    for (const double y : {area.top, area.bottom}) {
        if (arc.ry > 0 && std::abs(arc.centre.y - y) <= arc.ry) {
            const double angle = std::asin((arc.centre.y - y) / arc.ry);
            add(angle);
            add(std::numbers::pi - angle);
        }
    }
    std::sort(crossings.begin(), crossings.end());
    return crossings;
}

void clipArc(const OutlineSegment& arc, const TagArea& area, VectorOutline& out) {
    std::vector<double> cuts = borderCrossings(arc, area);
    cuts.insert(cuts.begin(), 0.0);
    cuts.push_back(arc.sweep);
    for (std::size_t next = 1; next < cuts.size(); ++next) {
        const double from = cuts[next - 1];
        const double to = cuts[next];
        if (to - from < 1e-9 || !area.holds(arc.pointAt(arc.startAngle + (from + to) / 2))) {
            continue;
        }
        OutlineSegment piece = arc;
        piece.startAngle = arc.startAngle + from;
        piece.sweep = to - from;
        piece.from = piece.pointAt(piece.startAngle);
        piece.to = piece.pointAt(piece.startAngle + piece.sweep);
        out.push_back(piece);
    }
}

// The angle of the ellipse point that the ray from the rays' origin towards p meets, as the
// raster arc finds it.
double rayAngle(Point origin, Point p, double rx, double ry) {
    const double dx = p.x - origin.x;
    const double dy = origin.y - p.y;
    return wrapAngle(std::atan2(dy * std::max(rx, 1e-9), dx * std::max(ry, 1e-9)));
}

void arc(const OutlineStroke& stroke, const TagArea& area, VectorOutline& out) {
    Rect box = stroke.box;
    if (box.left > box.right) {
        std::swap(box.left, box.right);
    }
    if (box.top > box.bottom) {
        std::swap(box.top, box.bottom);
    }
    const double width = static_cast<double>(box.right) - box.left;
    const double height = static_cast<double>(box.bottom) - box.top;
    if (width <= 0 || height <= 0) {
        return; // the raster draws nothing for an empty box
    }
    OutlineSegment segment;
    segment.kind = OutlineSegment::Kind::Arc;
    // The ellipse runs through the centres of its outermost dots: the box is right and
    // bottom exclusive.
    segment.rx = (width - 1) / 2;
    segment.ry = (height - 1) / 2;
    segment.centre = {box.left + 0.5 + segment.rx, box.top + 0.5 + segment.ry};
    // The rays start where the raster arc's do.
    const Point origin{box.left + static_cast<int>(width) / 2,
                       box.top + static_cast<int>(height) / 2};
    segment.startAngle = rayAngle(origin, stroke.start, segment.rx, segment.ry);
    const double endAngle = rayAngle(origin, stroke.end, segment.rx, segment.ry);
    segment.sweep = wrapAngle(endAngle - segment.startAngle);
    if (segment.sweep == 0) {
        segment.sweep = kTwoPi; // equal rays give the whole ellipse
    }
    clipArc(segment, area, out);
}

} // namespace

PointF OutlineSegment::pointAt(double angle) const {
    return {centre.x + rx * std::cos(angle), centre.y - ry * std::sin(angle)};
}

VectorOutline traceOutline(const TagOutline& outline, int W, int H) {
    VectorOutline traced;
    const TagArea area{0.5, 0.5, W - 0.5, H - 0.5};
    for (const OutlineStroke& stroke : outline) {
        if (stroke.kind == OutlineStroke::Kind::Arc) {
            arc(stroke, area, traced);
        } else {
            lines(stroke.points, area, traced);
        }
    }
    return traced;
}

} // namespace veltmoor
