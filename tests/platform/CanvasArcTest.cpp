#include "platform/Canvas.h"
#include "support/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltmoor {
namespace {

using test::countInk;
using test::inkPicture;
using test::inkPixels;

constexpr TColor kInk = clRed;

Bitmap drawArc(int width, int height, Rect box, Point start, Point end, int penWidth = 1) {
    Bitmap bitmap(width, height, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = kInk;
    canvas.pen().width = penWidth;
    canvas.arc(box, start, end);
    return bitmap;
}

Point centreOf(Rect box) {
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// Worked out by hand: the pixels whose centres lie nearest to the circle through the
// outermost pixel centres of the box (for the 10 box: radius 4.5 about (4.5, 4.5)).
const std::vector<std::string> kCircle5 = {
    ".###.", "#...#", "#...#", "#...#", ".###.",
};
const std::vector<std::string> kCircle10 = {
    "...####...", "..#....#..", ".#......#.", "#........#", "#........#",
    "#........#", "#........#", ".#......#.", "..#....#..", "...####...",
};

TEST(CanvasArc, EqualRaysDrawTheWholeEllipseInscribedInTheBox) {
    EXPECT_EQ(inkPicture(drawArc(5, 5, {0, 0, 5, 5}, {5, 0}, {5, 0}), kInk), kCircle5);
    EXPECT_EQ(inkPicture(drawArc(10, 10, {0, 0, 10, 10}, {0, 3}, {0, 3}), kInk), kCircle10);
    // Right and bottom are exclusive: nothing lands on column 10 or row 10.
    const Bitmap larger = drawArc(12, 12, {0, 0, 10, 10}, {9, 9}, {9, 9});
    for (int i = 0; i < 12; ++i) {
        EXPECT_NE(larger.pixelColor(10, i), kInk);
        EXPECT_NE(larger.pixelColor(i, 10), kInk);
    }
    EXPECT_EQ(countInk(larger, kInk),
              countInk(drawArc(10, 10, {0, 0, 10, 10}, {1, 1}, {1, 1}), kInk));
}

TEST(CanvasArc, QuarterArcsRunCounterClockwiseFromTheStartRay) {
    const Rect box{0, 0, 10, 10};
    // Right to up: the upper right quarter. Pixels on a ray belong to the arc; an even box
    // has two pixels on each axis, one either side of it ((4,0) and (5,0) on the vertical
    // axis through the centre (5,5), (9,4) and (9,5) on the horizontal one), and both count.
    const std::vector<std::string> upperRight = {
        "....###...", ".......#..", "........#.", ".........#", ".........#",
        ".........#", "..........", "..........", "..........", "..........",
    };
    EXPECT_EQ(inkPicture(drawArc(10, 10, box, {10, 5}, {5, 0}), kInk), upperRight);
    // Up to left: the upper left quarter, again with both pixels on either axis.
    const std::vector<std::string> upperLeft = {
        "...###....", "..#.......", ".#........", "#.........", "#.........",
        "#.........", "..........", "..........", "..........", "..........",
    };
    EXPECT_EQ(inkPicture(drawArc(10, 10, box, {5, 0}, {0, 5}), kInk), upperLeft);
    // Left to down on a box with a single pixel on each axis: exactly the whole circle's
    // pixels left of and below the centre (4,4), the axis pixels (0,4) and (4,8) included.
    const Bitmap whole = drawArc(9, 9, {0, 0, 9, 9}, {0, 0}, {0, 0});
    const Bitmap lowerLeft = drawArc(9, 9, {0, 0, 9, 9}, {0, 4}, {4, 9});
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const bool expected = x <= 4 && y >= 4 && whole.pixelColor(x, y) == kInk;
            EXPECT_EQ(lowerLeft.pixelColor(x, y) == kInk, expected) << x << "," << y;
        }
    }
    EXPECT_EQ(lowerLeft.pixelColor(0, 4), kInk);
    EXPECT_EQ(lowerLeft.pixelColor(4, 8), kInk);
}

TEST(CanvasArc, FourQuartersMakeTheWholeEllipse) {
    for (const Rect box : {Rect{0, 0, 10, 10}, Rect{0, 0, 9, 7}, Rect{1, 2, 17, 8}}) {
        Bitmap whole = drawArc(20, 12, box, {0, 0}, {0, 0});
        Bitmap quarters(20, 12, clWhite);
        Canvas canvas(quarters);
        const Point c = centreOf(box);
        const Point rays[] = {{c.x + 50, c.y}, {c.x, c.y - 50}, {c.x - 50, c.y}, {c.x, c.y + 50}};
        int painted = 0;
        for (int i = 0; i < 4; ++i) {
            Bitmap single = drawArc(20, 12, box, rays[i], rays[(i + 1) % 4]);
            painted += countInk(single, kInk);
            canvas.pen().color = kInk;
            canvas.arc(box, rays[i], rays[(i + 1) % 4]);
        }
        EXPECT_EQ(inkPixels(quarters, kInk), inkPixels(whole, kInk));
        // Only the pixels on the four axis rays belong to two quarters, at most two each.
        EXPECT_LE(painted, countInk(whole, kInk) + 8);
        EXPECT_GE(painted, countInk(whole, kInk) + 4);
    }
}

TEST(CanvasArc, TwoArcsBetweenOppositeCornersCloseTheEllipse) {
    // How holes and ovals are drawn: from one corner of the box to the other and back.
    for (const Rect box : {Rect{188, 36, 212, 60}, Rect{0, 0, 399, 799}, Rect{3, 4, 30, 13}}) {
        SCOPED_TRACE(testing::Message()
                     << box.left << "," << box.top << "," << box.right << "," << box.bottom);
        Bitmap bitmap(400, 800, clWhite);
        Canvas canvas(bitmap);
        canvas.pen().color = kInk;
        canvas.arc(box, {box.left, box.top}, {box.right, box.bottom});
        canvas.arc(box, {box.right, box.bottom}, {box.left, box.top});
        const Bitmap whole = drawArc(400, 800, box, {0, 0}, {0, 0});
        EXPECT_EQ(inkPixels(bitmap, kInk), inkPixels(whole, kInk));

        // The ring holds a fill started at its centre.
        canvas.brush().color = clBlue;
        const Point c = centreOf(box);
        canvas.floodFill(c.x, c.y, kInk, FillMode::Border);
        EXPECT_EQ(bitmap.pixelColor(box.left > 0 ? box.left - 1 : 399, c.y), clWhite);
        EXPECT_EQ(bitmap.pixelColor(c.x, c.y), clBlue);
    }
}

TEST(CanvasArc, StartAndEndPointsOnlyGiveDirections) {
    const Rect box{2, 3, 30, 20};
    const Point c = centreOf(box);
    const Point start{c.x + 3, c.y - 2};
    const Point end{c.x - 1, c.y + 4};
    const Bitmap near = drawArc(40, 30, box, start, end);
    const Bitmap far = drawArc(40, 30, box, {c.x + 3000, c.y - 2000}, {c.x - 1000, c.y + 4000});
    EXPECT_EQ(inkPixels(near, kInk), inkPixels(far, kInk));
    EXPECT_GT(countInk(near, kInk), 0);
}

TEST(CanvasArc, BoxesPartlyOutsideAreClippedToTheVisiblePart) {
    // The same circle drawn fully on a larger bitmap, then looked at through a window.
    const Bitmap full = drawArc(30, 30, {10, 10, 20, 20}, {0, 0}, {0, 0});
    const Bitmap clipped = drawArc(10, 10, {-5, -5, 5, 5}, {0, 0}, {0, 0});
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            EXPECT_EQ(clipped.pixelColor(x, y), full.pixelColor(x + 15, y + 15)) << x << "," << y;
        }
    }
    EXPECT_EQ(countInk(drawArc(10, 10, {20, 20, 40, 40}, {0, 0}, {0, 0}), kInk), 0);
    EXPECT_EQ(countInk(drawArc(10, 10, {-40, -40, -20, -20}, {0, 0}, {0, 0}), kInk), 0);
}

TEST(CanvasArc, HugeBoxesWorkWithoutOverflow) {
    // A very flat ellipse two million pixels wide: only its left end is on the bitmap,
    // where it crosses the middle rows at column 0.
    const Bitmap bitmap = drawArc(10, 20, {0, 0, 2'000'000, 20}, {5, 5}, {5, 5});
    EXPECT_EQ(bitmap.pixelColor(0, 9), kInk);
    EXPECT_EQ(bitmap.pixelColor(0, 10), kInk);
    EXPECT_EQ(bitmap.pixelColor(0, 0), clWhite);
    EXPECT_EQ(
        countInk(drawArc(10, 10, {-1'000'000, -1'000'000, 1'000'000, 1'000'000}, {0, 0}, {0, 0}),
                 kInk),
        0);
}

TEST(CanvasArc, TinyAndDegenerateBoxes) {
    EXPECT_EQ(inkPixels(drawArc(5, 5, {3, 3, 4, 4}, {0, 0}, {0, 0}), kInk),
              (std::vector<Point>{{3, 3}}));
    EXPECT_EQ(inkPixels(drawArc(5, 5, {3, 3, 4, 4}, {9, 3}, {3, 0}), kInk),
              (std::vector<Point>{{3, 3}}));
    EXPECT_EQ(inkPicture(drawArc(3, 3, {0, 0, 2, 2}, {1, 1}, {1, 1}), kInk),
              (std::vector<std::string>{"##.", "##.", "..."}));
    // One pixel wide: a straight stroke, not a dot.
    EXPECT_EQ(inkPicture(drawArc(3, 5, {1, 0, 2, 5}, {0, 0}, {0, 0}), kInk),
              (std::vector<std::string>{".#.", ".#.", ".#.", ".#.", ".#."}));
    EXPECT_EQ(inkPicture(drawArc(5, 3, {0, 1, 5, 2}, {0, 0}, {0, 0}), kInk),
              (std::vector<std::string>{".....", "#####", "....."}));
    // No width or no height: nothing.
    EXPECT_EQ(countInk(drawArc(10, 10, {3, 3, 3, 8}, {0, 0}, {0, 0}), kInk), 0);
    EXPECT_EQ(countInk(drawArc(10, 10, {3, 3, 9, 3}, {0, 0}, {0, 0}), kInk), 0);
    // A box given the wrong way round is the same box.
    EXPECT_EQ(inkPixels(drawArc(12, 12, {10, 10, 0, 0}, {1, 1}, {1, 1}), kInk),
              inkPixels(drawArc(12, 12, {0, 0, 10, 10}, {1, 1}, {1, 1}), kInk));
}

TEST(CanvasArc, WidePenArcIsCentredOnTheOutline) {
    const Rect box{10, 10, 30, 30};
    const Bitmap thin = drawArc(40, 40, box, {0, 0}, {0, 0});
    const Bitmap wide = drawArc(40, 40, box, {0, 0}, {0, 0}, 3);
    // The outline's rightmost pixel on the middle row is (29,20); a three-dot pen covers
    // one pixel either side of it.
    EXPECT_EQ(thin.pixelColor(29, 20), kInk);
    EXPECT_EQ(thin.pixelColor(28, 20), clWhite);
    EXPECT_EQ(wide.pixelColor(27, 20), clWhite);
    EXPECT_EQ(wide.pixelColor(28, 20), kInk);
    EXPECT_EQ(wide.pixelColor(29, 20), kInk);
    EXPECT_EQ(wide.pixelColor(30, 20), kInk);
    EXPECT_EQ(wide.pixelColor(31, 20), clWhite);
    EXPECT_EQ(wide.pixelColor(20, 20), clWhite);
    for (const Point p : inkPixels(thin, kInk)) {
        EXPECT_EQ(wide.pixelColor(p.x, p.y), kInk);
    }
}

} // namespace
} // namespace veltmoor
