#include "render/TagOutline.h"

#include "render/HoleTag.h"
#include "render/ShapeKeySizes.h"

#include <array>
#include <utility>

namespace veltmoor {

OutlineStroke OutlineStroke::lines(std::vector<Point> points) {
    OutlineStroke stroke;
    stroke.kind = Kind::Lines;
    stroke.points = std::move(points);
    return stroke;
}

OutlineStroke OutlineStroke::arc(Rect box, Point start, Point end) {
    OutlineStroke stroke;
    stroke.kind = Kind::Arc;
    stroke.box = box;
    stroke.start = start;
    stroke.end = end;
    return stroke;
}

namespace {

OutlineStroke arc(int left, int top, int right, int bottom, int startX, int startY, int endX,
                  int endY) {
    return OutlineStroke::arc(Rect{left, top, right, bottom}, Point{startX, startY},
                              Point{endX, endY});
}

OutlineStroke lines(std::vector<Point> points) {
    return OutlineStroke::lines(std::move(points));
}

// The top of "Curved Ends", shared with "Fan-Curved End".
OutlineStroke curvedTop(int W, int H, int e) {
    return arc(-e, 0, W + e, H - 1, W + e, 0, 2 - e, 6);
}

// The circle of "Fan-Keyhole", open at the top, shared with "Fan-Curved End".
OutlineStroke keyholeCircleAtBottom(int H, const KeyholeSizes& key) {
    const int s = key.s;
    const int bx = key.bx;
    return arc(bx, H - s, bx + s, H, bx + 1, H - s, bx + s - 4, H - s + 1);
}

// The tag is drawn on a bitmap of its own size, so the keyhole's diameter, which is taken
// from the bitmap, follows the tag.
KeyholeSizes keyholeOf(int W, int H) {
    return keyholeSizes(W, H, W, H);
}

TagOutline standard(int W, int H) {
    const int c = standardCornerSize(W, H);
    return {
        lines({{0, H - 1}, {W - 1, H - 1}, {W - 1, c}, {W - c, 0}, {c, 0}, {0, c}, {0, H - 1}})};
}

TagOutline rectangle(int W, int H) {
    return {lines({{0, H - 1}, {W - 1, H - 1}, {W - 1, 0}, {0, 0}, {0, H - 1}})};
}

TagOutline roundedCorners(int W, int H) {
    const auto [rx, ry] = roundedCornerRadii(W, H);
    return {
        arc(0, 0, 2 * rx, 2 * ry, rx, 0, 0, ry),
        arc(W - 2 * rx, 0, W, 2 * ry, W, ry, W - rx, 0),
        arc(0, H - 2 * ry, 2 * rx, H, 0, H - ry, rx, H),
        arc(W - 2 * rx, H - 2 * ry, W, H, W - rx, H, W, H - ry),
        lines({{rx, 0}, {W - rx, 0}}),
        lines({{W - 1, ry}, {W - 1, H - ry}}),
        lines({{W - rx, H - 1}, {rx, H - 1}}),
        lines({{0, H - ry}, {0, ry}}),
    };
}

TagOutline southwestern(int W, int H) {
    const int a = southwestStepSize(W, H);
    const int b = 2 * a;
    return {lines({{b, 0},         {W - b, 0},     {W - b, a},     {W - a, a},     {W - a, b},
                   {W - 1, b},     {W - 1, H - b}, {W - a, H - b}, {W - a, H - a}, {W - b, H - a},
                   {W - b, H - 1}, {b, H - 1},     {b, H - a},     {a, H - a},     {a, H - b},
                   {0, H - b},     {0, b},         {a, b},         {a, a},         {b, a},
                   {b, 0}})};
}

TagOutline tapered(int W, int H) {
    const TaperedEdge top = taperedNarrowEdge(W);
    return {lines({{0, H - 1}, {W - 1, H - 1}, {top.right, 0}, {top.left, 0}, {0, H - 1}})};
}

TagOutline curvedEnds(int W, int H) {
    const auto [e, k] = curvedEndSizes(W, H);
    return {
        curvedTop(W, H, e),
        arc(-e, 0, W + e, H - 1, -e, H - 1, W + e, H - 1),
        lines({{0, H - k - 1}, {0, k - 1}}),
        lines({{W - 1, H - k - 1}, {W - 1, k - 1}}),
    };
}

TagOutline oval(int W, int H) {
    return {
        arc(0, 0, W - 1, H - 1, W - 1, 0, 0, H - 1),
        arc(0, 0, W - 1, H - 1, 0, H - 1, W - 1, 0),
    };
}

TagOutline bowTie(int W, int H) {
    const int e = curvedEndSizes(W, H).e;
    return {
        arc(-e, 0, W + e, H - 1, W + 2 * e, 0, -2 * e, 0),
        arc(-e, 0, W + e, H - 1, -2 * e, H - 1, W + 2 * e, H - 1),
        arc(-W - e, 0, e, H - 1, -W - e, H - 1, -W - e, 0),
        arc(W - e, 0, 2 * W + e, H - 1, 2 * W + e, 0, 2 * W + e, H - 1),
    };
}

TagOutline scalloped(int W, int H) {
    const auto [c, v] = scallopSizes(W, H);
    const auto [rx, ry] = roundedCornerRadii(W, H);
    return {
        arc(2 * c, 0, 4 * c, 2 * v, 3 * c, 0, 2 * c, v + 1),
        arc(c, v, 3 * c, 3 * v, 2 * c, v, c, 2 * v + 1),
        arc(0, 2 * v, 2 * c, 4 * v, c, 2 * v, 0, 3 * v + 1),
        lines({{0, 3 * v}, {0, H - ry}}),
        arc(0, H - 2 * ry, 2 * rx, H, 0, H - ry, rx, H),
        lines({{rx, H - 1}, {W - rx, H - 1}}),
        arc(W - 2 * rx, H - 2 * ry, W, H, W - rx, H, W, H - ry),
        lines({{W - 1, H - ry}, {W - 1, 3 * v}}),
        arc(W - 2 * c, 2 * v, W, 4 * v, W, 3 * v, W - c, 2 * v),
        arc(W - 3 * c, v, W - c, 3 * v, W - c, 2 * v, W - 2 * c, v),
        arc(W - 4 * c, 0, W - 2 * c, 2 * v, W - 2 * c, v, W - 3 * c, 0),
    };
}

TagOutline triangle(int W, int H) {
    return {lines({{0, H - 1}, {W - 1, H - 1}, {W / 2, 0}, {0, H - 1}})};
}

TagOutline keyhole(int W, int H) {
    const KeyholeSizes key = keyholeOf(W, H);
    const int s = key.s;
    const int q = key.q;
    const int bx = key.bx;
    return {
        arc(bx, 0, bx + s, s, bx + s - 4, s + 1, bx + 1, s),
        lines({{0, H - 1}, {W - 1, H - 1}, {W / 2 + q / 2 - 1, key.yq - 1}}),
        lines({{W / 2 - q / 2, key.yq - 1}, {0, H - 1}}),
    };
}

TagOutline fanTapered(int W, int H) {
    const TaperedEdge bottom = taperedNarrowEdge(W);
    return {lines({{0, 0}, {W - 1, 0}, {bottom.right, H - 1}, {bottom.left, H - 1}, {0, 0}})};
}

TagOutline fanKeyhole(int W, int H) {
    const KeyholeSizes key = keyholeOf(W, H);
    const int q = key.q;
    return {
        keyholeCircleAtBottom(H, key),
        lines({{0, 0}, {W - 1, 0}, {W / 2 + q / 2 - 1, key.yf}}),
        lines({{W / 2 - q / 2, key.yf}, {0, 0}}),
    };
}

TagOutline fanCurvedEnd(int W, int H) {
    const auto [e, k] = curvedEndSizes(W, H);
    const KeyholeSizes key = keyholeOf(W, H);
    const int q = key.q;
    return {
        curvedTop(W, H, e),
        keyholeCircleAtBottom(H, key),
        lines({{W - 1, k - 1}, {W / 2 + q / 2 - 1, key.yf}}),
        lines({{W / 2 - q / 2, key.yf}, {0, k - 1}}),
    };
}

TagOutline ticket(int W, int H) {
    const int r = ticketNotchRadius(W, H);
    return {
        arc(-r, -r, r, r, 0, r, r, 0),
        arc(W - r, -r, W + r, r, W - r, 0, W, r),
        arc(-r, H - r, r, H + r, r, H, 0, H - r),
        arc(W - r, H - r, W + r, H + r, W, H - r, W - r, H),
        lines({{r, 0}, {W - r, 0}}),
        lines({{W - 1, r}, {W - 1, H - r}}),
        lines({{W - r, H - 1}, {r, H - 1}}),
        lines({{0, H - r}, {0, r}}),
    };
}

using OutlineRule = TagOutline (*)(int W, int H);

constexpr std::array<OutlineRule, kShapeCount> kOutlineRules = {
    standard,  rectangle, roundedCorners, southwestern, tapered,    curvedEnds,   oval,   bowTie,
    scalloped, triangle,  keyhole,        fanTapered,   fanKeyhole, fanCurvedEnd, ticket,
};

} // namespace

TagOutline tagOutline(int shapeIndex, int W, int H) {
    if (shapeIndex < 0 || shapeIndex >= kShapeCount) {
        return {};
    }
    return kOutlineRules[static_cast<std::size_t>(shapeIndex)](W, H);
}

TagOutline holeOutline(int W, int H, const HoleSettings& hole) {
    if (hole.noHole) {
        return {};
    }
    const Rect rect = HoleRect(W, H, hole);
    const Point topLeft{rect.left, rect.top};
    const Point bottomRight{rect.right, rect.bottom};
    // Two halves from opposite corners of the box close the ellipse.
    return {OutlineStroke::arc(rect, topLeft, bottomRight),
            OutlineStroke::arc(rect, bottomRight, topLeft)};
}

void drawOutline(Canvas& canvas, const TagOutline& outline) {
    for (const OutlineStroke& stroke : outline) {
        if (stroke.kind == OutlineStroke::Kind::Arc) {
            canvas.arc(stroke.box, stroke.start, stroke.end);
            continue;
        }
        bool first = true;
        for (const Point point : stroke.points) {
            if (first) {
                canvas.moveTo(point.x, point.y);
                first = false;
            } else {
                canvas.lineTo(point.x, point.y);
            }
        }
    }
}

} // namespace veltmoor
