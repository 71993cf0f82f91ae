#include "render/VectorOutline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace veltmoor {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Room for rounding at the tag's edge, where strokes often run along the border itself.
constexpr double kEdgeSlack = 1e-6;
// Ends closer than this (in dots) are the same point; pieces shorter than it are none.
constexpr double kJoinSlack = 1e-6;
// The widest opening the raster strokes leave in a contour, between the scallops' tops, is
// five dots; ends further apart are not joined, as where a hole runs off the tag.
constexpr double kJoinReach = 6;

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

double distance(PointF a, PointF b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool samePoint(PointF a, PointF b) {
    return a.x == b.x && a.y == b.y; // joined ends are copies of each other
}

double length(const OutlineSegment& segment) {
    return segment.kind == OutlineSegment::Kind::Line
               ? distance(segment.from, segment.to)
               : std::abs(segment.sweep) * std::max(segment.rx, segment.ry);
}

OutlineSegment lineBetween(PointF from, PointF to) {
    OutlineSegment line;
    line.from = from;
    line.to = to;
    return line;
}

// Moves the joint of a line and an arc to where the line, drawn on, crosses the arc's
// ellipse, drawn on: the raster strokes meet there, whether they stop short of each other or
// overshoot. `arcStarts` tells which end of the arc the line meets. Declines (false) where
// they do not cross within a few dots of both ends, as where a line touches its arc.
bool meetAtCrossing(OutlineSegment& line, OutlineSegment& arc, bool arcStarts) {
    constexpr double kReach = 4; // dots
    PointF& lineEnd = arcStarts ? line.to : line.from;
    const PointF arcEnd = arcStarts ? arc.from : arc.to;
    const PointF lineOther = arcStarts ? line.from : line.to;
    // The line as u + t du in the ellipse's unit circle.
    const double u = (lineOther.x - arc.centre.x) / arc.rx;
    const double v = (lineOther.y - arc.centre.y) / arc.ry;
    const double du = (lineEnd.x - lineOther.x) / arc.rx;
    const double dv = (lineEnd.y - lineOther.y) / arc.ry;
    const double a = du * du + dv * dv;
    const double b = 2 * (u * du + v * dv);
    const double discriminant = b * b - 4 * a * (u * u + v * v - 1);
    if (a == 0 || discriminant <= 0) {
        return false;
    }
    std::optional<PointF> crossing;
    for (const double root : {-1.0, 1.0}) {
        const double t = (-b + root * std::sqrt(discriminant)) / (2 * a);
        const PointF p = lerp(lineOther, lineEnd, t);
        if (distance(p, lineEnd) <= kReach && distance(p, arcEnd) <= kReach &&
            (!crossing || distance(p, arcEnd) < distance(*crossing, arcEnd))) {
            crossing = p;
        }
    }
    if (!crossing) {
        return false;
    }
    const double angle =
        std::atan2((arc.centre.y - crossing->y) / arc.ry, (crossing->x - arc.centre.x) / arc.rx);
    const double oldEnd = arc.startAngle + (arcStarts ? 0 : arc.sweep);
    const double newEnd = oldEnd + std::remainder(angle - oldEnd, kTwoPi);
    const double sweep = arcStarts ? arc.sweep - (newEnd - oldEnd) : newEnd - arc.startAngle;
    if (sweep * arc.sweep <= 0) {
        return false;
    }
    arc.sweep = sweep;
    if (arcStarts) {
        arc.startAngle = newEnd;
        arc.from = arc.pointAt(newEnd);
        lineEnd = arc.from;
    } else {
        arc.to = arc.pointAt(newEnd);
        lineEnd = arc.to;
    }
    return true;
}

// Makes `after` begin exactly where `before` ends. A line and an arc meet where they cross;
// failing that, the line's end moves, as that bends nothing. An arc's end stays on its
// ellipse, so two arcs apart need a bridge, which is returned.
std::optional<OutlineSegment> meet(OutlineSegment& before, OutlineSegment& after) {
    const bool lineBefore = before.kind == OutlineSegment::Kind::Line;
    const bool lineAfter = after.kind == OutlineSegment::Kind::Line;
    if (lineBefore != lineAfter &&
        meetAtCrossing(lineBefore ? before : after, lineBefore ? after : before, lineBefore)) {
        return std::nullopt;
    }
    if (lineAfter) {
        after.from = before.to;
    } else if (lineBefore) {
        before.to = after.from;
    } else if (distance(before.to, after.from) > kJoinSlack) {
        return lineBetween(before.to, after.from);
    } else {
        after.from = before.to;
    }
    return std::nullopt;
}

// Closes the run of pieces from `start` to the path's end where its ends lie close. Closing
// moves an end of its first piece only when that piece is a line and the last is an arc; the
// run then begins at the arc's end.
void closeRun(VectorOutline& path, std::size_t start) {
    if (start >= path.size() || distance(path.back().to, path[start].from) > kJoinReach) {
        return;
    }
    OutlineSegment closing = path[start];
    if (const std::optional<OutlineSegment> bridge = meet(path.back(), closing)) {
        path.push_back(*bridge);
    }
    path[start] = closing;
}

} // namespace

PointF OutlineSegment::pointAt(double angle) const {
    return {centre.x + rx * std::cos(angle), centre.y - ry * std::sin(angle)};
}

OutlineSegment OutlineSegment::reversed() const {
    OutlineSegment turned = *this;
    std::swap(turned.from, turned.to);
    turned.startAngle = startAngle + sweep;
    turned.sweep = -sweep;
    return turned;
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

std::vector<OutlineRun> outlineRuns(const VectorOutline& outline) {
    std::vector<OutlineRun> runs;
    for (std::size_t at = 0; at < outline.size(); ++at) {
        if (runs.empty() || !samePoint(outline[at - 1].to, outline[at].from)) {
            runs.push_back({at, at + 1, false});
        }
        runs.back().end = at + 1;
        runs.back().closed = samePoint(outline[at].to, outline[runs.back().first].from);
    }
    return runs;
}

VectorOutline joinOutline(VectorOutline pieces) {
    std::erase_if(pieces, [](const OutlineSegment& piece) { return length(piece) < kJoinSlack; });
    VectorOutline path;
    std::size_t runStart = 0;
    while (!pieces.empty()) {
        auto nearest = pieces.begin();
        bool backwards = false;
        double nearestGap = std::numeric_limits<double>::infinity();
        for (auto piece = pieces.begin(); piece != pieces.end() && !path.empty(); ++piece) {
            for (const bool turned : {false, true}) {
                const double gap = distance(path.back().to, turned ? piece->to : piece->from);
                if (gap < nearestGap) {
                    nearestGap = gap;
                    nearest = piece;
                    backwards = turned;
                }
            }
        }
        OutlineSegment next = backwards ? nearest->reversed() : *nearest;
        pieces.erase(nearest);
        if (nearestGap > kJoinReach) {
            closeRun(path, runStart);
            runStart = path.size();
        } else if (const std::optional<OutlineSegment> bridge = meet(path.back(), next)) {
            path.push_back(*bridge);
        }
        path.push_back(next);
    }
    closeRun(path, runStart);
    return path;
}

} // namespace veltmoor
