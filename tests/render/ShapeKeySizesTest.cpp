#include "render/ShapeKeySizes.h"
#include "render/TagOutline.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

// The default tag, 2 x 4 inches.
TEST(ShapeKeySizes, DefaultTag400x800) {
    EXPECT_EQ(standardCornerSize(400, 800), 60);

    const CornerRadii radii = roundedCornerRadii(400, 800);
    EXPECT_EQ(radii.rx, 40);
    EXPECT_EQ(radii.ry, 80);

    EXPECT_EQ(southwestStepSize(400, 800), 80);

    const TaperedEdge top = taperedNarrowEdge(400);
    EXPECT_EQ(top.left, 133);
    EXPECT_EQ(top.right, 266);

    // 400 * 207 = 82800 -> 82; 800 * 147 = 117600 -> 117; the straight sides run from row
    // 682 up to row 116.
    const CurvedEndSizes curve = curvedEndSizes(400, 800);
    EXPECT_EQ(curve.e, 82);
    EXPECT_EQ(curve.k, 117);
    const TagOutline curvedEnds = tagOutline(kShapeCurvedEnds, 400, 800);
    ASSERT_EQ(curvedEnds.size(), 4U);
    EXPECT_EQ(curvedEnds[2], OutlineStroke::lines({{0, 682}, {0, 116}}));
    EXPECT_EQ(curvedEnds[3], OutlineStroke::lines({{399, 682}, {399, 116}}));

    const ScallopSizes scallop = scallopSizes(400, 800);
    EXPECT_EQ(scallop.c, 66);
    EXPECT_EQ(scallop.v, 66);

    // s = 200, q = 141400 div 1000 = 141, bx = 200 - 100, yq = 59 div 2 + 141 = 170.
    const KeyholeSizes key = keyholeSizes(400, 800, 400, 800);
    EXPECT_EQ(key.s, 200);
    EXPECT_EQ(key.q, 141);
    EXPECT_EQ(key.bx, 100);
    EXPECT_EQ(key.yq, 170);
    EXPECT_EQ(key.yf, 630);
    // Keyhole: circle box (100,0,300,200), lines to (269,169) and from (130,169).
    const TagOutline keyhole = tagOutline(kShapeKeyhole, 400, 800);
    ASSERT_EQ(keyhole.size(), 3U);
    EXPECT_EQ(keyhole[0].box, (Rect{100, 0, 300, 200}));
    EXPECT_EQ(keyhole[1].points.back(), (Point{269, 169}));
    EXPECT_EQ(keyhole[2].points.front(), (Point{130, 169}));
    // Fan-Keyhole: circle box (100,600,300,800), lines to (269,630) and from (130,630).
    const TagOutline fanKeyhole = tagOutline(kShapeFanKeyhole, 400, 800);
    ASSERT_EQ(fanKeyhole.size(), 3U);
    EXPECT_EQ(fanKeyhole[0].box, (Rect{100, 600, 300, 800}));
    EXPECT_EQ(fanKeyhole[1].points.back(), (Point{269, 630}));
    EXPECT_EQ(fanKeyhole[2].points.front(), (Point{130, 630}));

    EXPECT_EQ(ticketNotchRadius(400, 800), 50);
}

// The smallest tag, half an inch square.
TEST(ShapeKeySizes, SmallestTag100x100) {
    EXPECT_EQ(standardCornerSize(100, 100), 15);
    EXPECT_EQ(southwestStepSize(100, 100), 20);

    // 100 div 3 = 33 is less than 3c = 48, so the scallops flatten to 100 div 9 = 11 rows.
    const ScallopSizes scallop = scallopSizes(100, 100);
    EXPECT_EQ(scallop.c, 16);
    EXPECT_EQ(scallop.v, 11);
    // The two top arcs end at (48,0) and (52,0), leaving the top open between them.
    const TagOutline scalloped = tagOutline(kShapeScalloped, 100, 100);
    ASSERT_EQ(scalloped.size(), 11U);
    EXPECT_EQ(scalloped.front().start, (Point{48, 0}));
    EXPECT_EQ(scalloped.back().end, (Point{52, 0}));

    // s = 50, q = 35350 div 1000 = 35, yq = 15 div 2 + 35 = 42.
    const KeyholeSizes key = keyholeSizes(100, 100, 100, 100);
    EXPECT_EQ(key.s, 50);
    EXPECT_EQ(key.q, 35);
    EXPECT_EQ(key.bx, 25);
    EXPECT_EQ(key.yq, 42);
    EXPECT_EQ(key.yf, 58);
    // Circle box (25,0,75,50), lines to (66,41) and from (33,41).
    const TagOutline keyhole = tagOutline(kShapeKeyhole, 100, 100);
    ASSERT_EQ(keyhole.size(), 3U);
    EXPECT_EQ(keyhole[0].box, (Rect{25, 0, 75, 50}));
    EXPECT_EQ(keyhole[1].points.back(), (Point{66, 41}));
    EXPECT_EQ(keyhole[2].points.front(), (Point{33, 41}));

    EXPECT_EQ(ticketNotchRadius(100, 100), 12);
}

// A wide, low tag: the height takes over where a size is capped by it.
TEST(ShapeKeySizes, WideLowTag1000x200) {
    EXPECT_EQ(standardCornerSize(1000, 200), 150);
    EXPECT_EQ(southwestStepSize(1000, 200), 40);
    EXPECT_EQ(ticketNotchRadius(1000, 200), 25);

    const KeyholeSizes key = keyholeSizes(1000, 200, 1000, 200);
    EXPECT_EQ(key.s, 100);
    EXPECT_EQ(key.q, 70);
    EXPECT_EQ(key.bx, 450);
    EXPECT_EQ(key.yq, 85);
    EXPECT_EQ(key.yf, 115);

    // 200 div 3 = 66 < 3 * 166, so v = 200 div 9 = 22.
    const ScallopSizes scallop = scallopSizes(1000, 200);
    EXPECT_EQ(scallop.c, 166);
    EXPECT_EQ(scallop.v, 22);

    const CurvedEndSizes curve = curvedEndSizes(1000, 200);
    EXPECT_EQ(curve.e, 207);
    EXPECT_EQ(curve.k, 29);

    // A tag lower than 15 per cent of its width: the corner cut is capped by the height.
    EXPECT_EQ(standardCornerSize(1000, 100), 100);
}

// Products come before the division and the division truncates; a rounding or a
// divide-first slip changes these by a dot.
TEST(ShapeKeySizes, TruncatingIntegerArithmetic) {
    EXPECT_EQ(standardCornerSize(399, 800), 59);  // 5985 div 100, not 59.85 rounded
    EXPECT_EQ(taperedNarrowEdge(401).right, 267); // 802 div 3, not 2 * (401 div 3) = 266
    EXPECT_EQ(taperedNarrowEdge(401).left, 133);
    EXPECT_EQ(curvedEndSizes(237, 511).e, 49); // 49059 div 1000
    EXPECT_EQ(curvedEndSizes(237, 511).k, 75); // 75117 div 1000
    // s = 118, q = 83426 div 1000 = 83, yq = 35 div 2 + 83 = 100 (the half is truncated too).
    const KeyholeSizes key = keyholeSizes(237, 511, 237, 511);
    EXPECT_EQ(key.q, 83);
    EXPECT_EQ(key.bx, 59);
    EXPECT_EQ(key.yq, 100);
    EXPECT_EQ(key.yf, 411);
    // The diameter follows the bitmap handed to the routine, the smaller of its two sides.
    EXPECT_EQ(keyholeSizes(237, 511, 300, 120).s, 60);
}

// Scallop height: v stays c exactly while a third of the height still holds three scallops.
TEST(ShapeKeySizes, ScallopHeightRule) {
    // 600 x 900: c = 100, 900 div 3 = 300 is not less than 300 -> v = c.
    EXPECT_EQ(scallopSizes(600, 900).v, 100);
    // 600 x 899: 899 div 3 = 299 < 300 -> v = 899 div 9 = 99.
    EXPECT_EQ(scallopSizes(600, 899).v, 99);
}

} // namespace
} // namespace veltmoor
