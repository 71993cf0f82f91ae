#include "render/HoleTag.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TEST(HoleRect, DefaultsOnTheDefaultTag) {
    // cx = 50 * 400 div 100 = 200, cy = 6 * 800 div 100 = 48, half-sizes 12.
    EXPECT_EQ(HoleRect(400, 800, HoleSettings{}), (Rect{188, 36, 212, 60}));
}

TEST(HoleRect, OffsetsTruncateAfterTheProduct) {
    // 6 * 820 = 4920 div 100 = 49 (not 6 * (820 div 100) = 48, nor 49.2 rounded).
    const Rect tall = HoleRect(400, 820, HoleSettings{});
    EXPECT_EQ(tall.top, 49 - 12);
    EXPECT_EQ(tall.bottom, 49 + 12);
    // 50 * 237 = 11850 div 100 = 118; 6 * 511 = 3066 div 100 = 30.
    EXPECT_EQ(HoleRect(237, 511, HoleSettings{}), (Rect{106, 18, 130, 42}));
    // The smallest horizontal offset: 1 * 400 div 100 = 4, so the box starts off the tag.
    HoleSettings left;
    left.widthOffset = 1;
    EXPECT_EQ(HoleRect(400, 800, left), (Rect{-8, 36, 16, 60}));
}

TEST(HoleRect, SizesAreHalfSizesInDots) {
    HoleSettings hole;
    hole.width = 25;
    hole.height = 5;
    hole.widthOffset = 50;
    hole.heightOffset = 50;
    const Rect rect = HoleRect(1000, 1000, hole);
    EXPECT_EQ(rect, (Rect{475, 495, 525, 505}));
    EXPECT_EQ(rect.width(), 50); // 0.25 in at 200 dots per inch

    hole.heightOffset = 0; // centred on the top edge, only the lower half on the tag
    EXPECT_EQ(HoleRect(1000, 1000, hole).top, -5);
    hole.width = 0;
    EXPECT_TRUE(HoleRect(1000, 1000, hole).isEmpty());
}

Bitmap holeOn(int W, int H, const HoleSettings& hole, Pen pen) {
    Bitmap tag(W, H, clWhite);
    Canvas canvas(tag);
    canvas.pen() = pen;
    HoleTag(canvas, W, H, hole);
    return tag;
}

TEST(HoleTag, RingOfTheDefaultHole) {
    const Bitmap tag = holeOn(400, 800, HoleSettings{}, Pen{clRed, 1});
    auto red = [&](int x, int y) { return tag.pixelColor(x, y) == clRed; };
    // Box (188,36,212,60): pixels 188..211 by 36..59; the middle pair of each side.
    EXPECT_TRUE(red(199, 36) || red(200, 36)); // top, from the second arc
    EXPECT_TRUE(red(199, 59) || red(200, 59)); // bottom, from the first arc
    EXPECT_TRUE(red(188, 47) || red(188, 48)); // left, first arc
    EXPECT_TRUE(red(211, 47) || red(211, 48)); // right, second arc
    EXPECT_FALSE(red(200, 48));                // nothing filled inside
    EXPECT_FALSE(red(188, 36));                // the box corners are off the ellipse
    EXPECT_FALSE(red(212, 48));                // right edge of the box is exclusive
    EXPECT_FALSE(red(200, 60));

    // The two arcs close the ring: a border fill from the centre stays inside the box.
    Bitmap filled = tag;
    Canvas canvas(filled);
    canvas.brush() = Brush{clBlue, BrushStyle::Solid};
    canvas.floodFill(200, 48, clRed, FillMode::Border);
    int blue = 0;
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (filled.pixelColor(x, y) == clBlue) {
                ++blue;
                ASSERT_TRUE(x > 188 && x < 211 && y > 36 && y < 59) << x << ", " << y;
            }
        }
    }
    // Roughly the disc's area, pi * 11^2 = 380 for the inside of a 24-dot ring.
    EXPECT_GT(blue, 300);
    EXPECT_LT(blue, 460);
}

TEST(HoleTag, DrawsWithTheCallersPen) {
    const Bitmap thick = holeOn(400, 800, HoleSettings{}, Pen{clBlue, 3});
    // A three-dot ring also covers the row above and below the one-dot ring.
    EXPECT_TRUE(thick.pixelColor(199, 35) == clBlue || thick.pixelColor(200, 35) == clBlue);
    EXPECT_TRUE(thick.pixelColor(199, 37) == clBlue || thick.pixelColor(200, 37) == clBlue);

    Bitmap tag(400, 800, clWhite);
    Canvas canvas(tag);
    canvas.pen() = Pen{clGreen, 1};
    canvas.brush() = Brush{clAqua, BrushStyle::Clear};
    HoleTag(canvas, 400, 800, HoleSettings{});
    EXPECT_EQ(canvas.pen().color, clGreen);
    EXPECT_EQ(canvas.pen().width, 1);
    EXPECT_EQ(canvas.brush().color, clAqua);
    EXPECT_EQ(canvas.brush().style, BrushStyle::Clear);
}

TEST(HoleTag, NoHoleDrawsNothing) {
    HoleSettings hole;
    hole.noHole = true;
    EXPECT_EQ(holeOn(400, 800, hole, Pen{clRed, 3}), Bitmap(400, 800, clWhite));
}

TEST(HoleTag, HoleOnTheTopEdgeShowsItsLowerHalf) {
    HoleSettings hole;
    hole.heightOffset = 0;
    const Bitmap tag = holeOn(400, 800, hole, Pen{clRed, 1});
    // Box (188,-12,212,12): the bottom of the ring is on row 11, its sides cross row 0.
    EXPECT_TRUE(tag.pixelColor(199, 11) == clRed || tag.pixelColor(200, 11) == clRed);
    int onTopRow = 0;
    for (int x = 0; x < 400; ++x) {
        onTopRow += tag.pixelColor(x, 0) == clRed;
    }
    EXPECT_GE(onTopRow, 2);
    EXPECT_LE(onTopRow, 8);
    EXPECT_FALSE(tag.pixelColor(200, 0) == clRed);
}

} // namespace
} // namespace veltmoor
