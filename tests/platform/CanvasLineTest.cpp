#include "platform/Canvas.h"
#include "support/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace veltmoor {
namespace {

using test::inkPicture;
using test::inkPixels;

constexpr TColor kInk = clRed;

std::vector<Point> rowMajor(std::vector<Point> points) {
    std::sort(points.begin(), points.end(),
              [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    return points;
}

std::vector<Point> drawLine(Point from, Point to, int size = 12, int penWidth = 1) {
    Bitmap bitmap(size, size, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = kInk;
    canvas.pen().width = penWidth;
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
    return inkPixels(bitmap, kInk);
}

// A line written as the pixels nearest to the ideal line, one per step along its longer
// axis, with a pixel exactly half-way going to the smaller coordinate; the start is drawn,
// the end is not. This is stated without any decision variable, so it checks the
// incremental walk (and its clipping) from the outside.
std::int64_t roundHalfDown(std::int64_t numerator, std::int64_t denominator) {
    // ceil((2n - d) / 2d) for d > 0
    const std::int64_t top = 2 * numerator - denominator;
    const std::int64_t bottom = 2 * denominator;
    std::int64_t quotient = top / bottom;
    if (quotient * bottom < top) {
        ++quotient;
    }
    return quotient;
}

std::vector<Point> nearestPixelLine(Point from, Point to, int width, int height) {
    std::vector<Point> points;
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const bool xMajor = std::llabs(dx) > std::llabs(dy);
    const std::int64_t length = xMajor ? std::llabs(dx) : std::llabs(dy);
    const int limit = xMajor ? width : height;
    for (int along = 0; along < limit; ++along) {
        const std::int64_t start = xMajor ? from.x : from.y;
        const std::int64_t step = (xMajor ? dx : dy) < 0 ? -1 : 1;
        const std::int64_t k = (along - start) * step;
        if (k < 0 || k >= length) {
            continue;
        }
        const std::int64_t across =
            roundHalfDown(k * (xMajor ? dy : dx), length) + (xMajor ? from.y : from.x);
        const std::int64_t x = xMajor ? along : across;
        const std::int64_t y = xMajor ? across : along;
        if (x >= 0 && x < width && y >= 0 && y < height) {
            points.push_back({static_cast<int>(x), static_cast<int>(y)});
        }
    }
    return rowMajor(points);
}

struct OctantCase {
    const char* name;
    Point from;
    Point to;
    std::vector<Point> pixels; // worked out by hand from the nearest-pixel rule
};

TEST(CanvasLine, EveryOctantPicksTheNearestPixelsAndLeavesTheEndOut) {
    // Slope 2/5 (or 5/2): the ideal offsets along the line are 0, .4, .8, 1.2, 1.6.
    const std::vector<OctantCase> cases = {
        {"right, shallow down", {0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {"down, steep right", {0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {"down, steep left", {4, 0}, {2, 5}, {{4, 0}, {4, 1}, {3, 2}, {3, 3}, {2, 4}}},
        {"left, shallow down", {5, 0}, {0, 2}, {{5, 0}, {4, 0}, {3, 1}, {2, 1}, {1, 2}}},
        {"left, shallow up", {5, 2}, {0, 0}, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {"up, steep left", {2, 5}, {0, 0}, {{2, 5}, {2, 4}, {1, 3}, {1, 2}, {0, 1}}},
        {"up, steep right", {0, 5}, {2, 0}, {{0, 5}, {0, 4}, {1, 3}, {1, 2}, {2, 1}}},
        {"right, shallow up", {0, 2}, {5, 0}, {{0, 2}, {1, 2}, {2, 1}, {3, 1}, {4, 0}}},
    };
    for (const OctantCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(drawLine(c.from, c.to), rowMajor(c.pixels));
    }
}

TEST(CanvasLine, HalfWayTiesGoToTheSmallerCoordinateInBothDirections) {
    // Slope 1/2: the offsets 0.5 and 1.5 are exact ties.
    EXPECT_EQ(drawLine({0, 0}, {4, 2}), rowMajor({{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(drawLine({4, 2}, {0, 0}), rowMajor({{4, 2}, {3, 1}, {2, 1}, {1, 0}}));
    EXPECT_EQ(drawLine({0, 2}, {4, 0}), rowMajor({{0, 2}, {1, 1}, {2, 1}, {3, 0}}));
    EXPECT_EQ(drawLine({4, 0}, {0, 2}), rowMajor({{4, 0}, {3, 0}, {2, 1}, {1, 1}}));
    EXPECT_EQ(drawLine({0, 0}, {2, 4}), rowMajor({{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(drawLine({2, 4}, {0, 0}), rowMajor({{2, 4}, {1, 3}, {1, 2}, {0, 1}}));
    EXPECT_EQ(drawLine({2, 0}, {0, 4}), rowMajor({{2, 0}, {1, 1}, {1, 2}, {0, 3}}));
    EXPECT_EQ(drawLine({0, 4}, {2, 0}), rowMajor({{0, 4}, {0, 3}, {1, 2}, {1, 1}}));
}

TEST(CanvasLine, StraightRunsKeepTheStartPixelInBothDirections) {
    EXPECT_EQ(drawLine({2, 1}, {5, 1}), rowMajor({{2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(drawLine({5, 1}, {2, 1}), rowMajor({{5, 1}, {4, 1}, {3, 1}}));
    EXPECT_EQ(drawLine({3, 2}, {3, 6}), rowMajor({{3, 2}, {3, 3}, {3, 4}, {3, 5}}));
    EXPECT_EQ(drawLine({3, 6}, {3, 2}), rowMajor({{3, 6}, {3, 5}, {3, 4}, {3, 3}}));
    EXPECT_TRUE(drawLine({4, 4}, {4, 4}).empty()) << "a line to its own start draws nothing";
}

TEST(CanvasLine, LineToMovesThePenSoAClosedPolygonHasNoGaps) {
    Bitmap bitmap(6, 5, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = kInk;
    canvas.moveTo(0, 4);
    canvas.lineTo(5, 4);
    canvas.lineTo(5, 0);
    canvas.lineTo(0, 0);
    canvas.lineTo(0, 4);
    EXPECT_EQ(canvas.penPosition(), (Point{0, 4}));
    const std::vector<std::string> expected = {
        "######", "#....#", "#....#", "#....#", "######",
    };
    EXPECT_EQ(inkPicture(bitmap, kInk), expected);
}

TEST(CanvasLine, ClippedLinesKeepThePixelsTheyWouldHaveHadUnclipped) {
    // Lines that start and end off the bitmap must light exactly the pixels of the same
    // line drawn on a bitmap large enough to hold it.
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> coordinate(-30, 60);
    for (int i = 0; i < 3000; ++i) {
        const Point from{coordinate(random), coordinate(random)};
        const Point to{coordinate(random), coordinate(random)};
        SCOPED_TRACE(testing::Message()
                     << "(" << from.x << "," << from.y << ")-(" << to.x << "," << to.y << ")");
        ASSERT_EQ(drawLine(from, to, 32), nearestPixelLine(from, to, 32, 32));
    }
}

TEST(CanvasLine, FarAwayEndPointsAreClippedWithoutOverflow) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> far(-1'000'000, 1'000'000);
    std::uniform_int_distribution<int> inside(0, 31);
    for (int i = 0; i < 200; ++i) {
        // Mirrored through a pixel of the bitmap, so the line crosses it.
        const Point middle{inside(random), inside(random)};
        const Point from{far(random), far(random)};
        const Point to{2 * middle.x - from.x, 2 * middle.y - from.y};
        SCOPED_TRACE(testing::Message()
                     << "(" << from.x << "," << from.y << ")-(" << to.x << "," << to.y << ")");
        const std::vector<Point> drawn = drawLine(from, to, 32);
        ASSERT_EQ(drawn, nearestPixelLine(from, to, 32, 32));
        EXPECT_NE(std::find(drawn.begin(), drawn.end(), middle), drawn.end());
    }
}

TEST(CanvasLine, EndPointsNearTheLimitsOfIntStillGiveTheRightPixels) {
    // Through (0,0) with slope 0.95: at x = 10 the ideal y is 9.5, a tie, so 9.
    const std::vector<Point> drawn =
        drawLine({-2'000'000'000, -1'900'000'000}, {2'000'000'000, 1'900'000'000}, 32);
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), Point{0, 0}), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), Point{10, 9}), drawn.end());
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), Point{20, 19}), drawn.end());
    EXPECT_EQ(drawn.size(), 32u) << "one pixel per column";
}

TEST(CanvasLine, SystemColoursPaintAsTheirConcreteColour) {
    Bitmap bitmap(4, 1, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = clBtnFace;
    canvas.moveTo(0, 0);
    canvas.lineTo(4, 0);
    EXPECT_EQ(bitmap.pixelColor(2, 0), rgbColor(212, 208, 200));
}

TEST(CanvasWidePen, ThreeDotLineIsThreeRowsWithRoundCaps) {
    Bitmap bitmap(11, 9, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = kInk;
    canvas.pen().width = 3;
    canvas.moveTo(2, 4);
    canvas.lineTo(8, 4);
    // The tip of a three-dot pen is the three-dot circle: a plus. Placed on (2,4)..(8,4)
    // it widens the line by one row each side and rounds off both ends by one pixel.
    const std::vector<std::string> expected = {
        "...........", "...........", "...........", "..#######..", ".#########.",
        "..#######..", "...........", "...........", "...........",
    };
    EXPECT_EQ(inkPicture(bitmap, kInk), expected);
}

TEST(CanvasWidePen, TenDotLineIsTenRowsCentredOnThePath) {
    Bitmap bitmap(60, 40, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = kInk;
    canvas.pen().width = 10;
    canvas.moveTo(20, 20);
    canvas.lineTo(40, 20);
    // Ten rows: five above the path row, the path row and four below.
    for (int y = 0; y < 40; ++y) {
        EXPECT_EQ(bitmap.pixelColor(30, y) == kInk, y >= 15 && y <= 24) << "row " << y;
    }
    // Round caps: the cap reaches five pixels beyond each end on the path's rows but
    // not in the corners of the pen's square.
    EXPECT_EQ(bitmap.pixelColor(15, 20), kInk);
    EXPECT_EQ(bitmap.pixelColor(14, 20), clWhite);
    EXPECT_EQ(bitmap.pixelColor(44, 20), kInk);
    EXPECT_EQ(bitmap.pixelColor(45, 20), clWhite);
    EXPECT_EQ(bitmap.pixelColor(15, 15), clWhite);
    EXPECT_EQ(bitmap.pixelColor(44, 24), clWhite);
    EXPECT_EQ(bitmap.pixelColor(20, 15), kInk);

    // Far off the bitmap on both sides: the same ten rows, clipped.
    Bitmap strip(10, 10, clWhite);
    Canvas stripCanvas(strip);
    stripCanvas.pen() = {kInk, 10};
    stripCanvas.moveTo(-1'000'000, 2);
    stripCanvas.lineTo(1'000'000, 2);
    for (int y = 0; y < 10; ++y) {
        EXPECT_EQ(strip.pixelColor(0, y) == kInk, y <= 6) << y;
        EXPECT_EQ(strip.pixelColor(9, y) == kInk, y <= 6) << y;
    }
    Bitmap empty;
    Canvas emptyCanvas(empty);
    emptyCanvas.lineTo(5, 5); // nothing to draw on, nothing touched
}

TEST(CanvasWidePen, ZeroLengthLineLeavesOneTipAndJoinsAreRound) {
    Bitmap bitmap(7, 7, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = kInk;
    canvas.pen().width = 3;
    canvas.moveTo(3, 3);
    canvas.lineTo(3, 3);
    const std::vector<std::string> dot = {
        ".......", ".......", "...#...", "..###..", "...#...", ".......", ".......",
    };
    EXPECT_EQ(inkPicture(bitmap, kInk), dot);

    Bitmap corner(8, 8, clWhite);
    Canvas cornerCanvas(corner);
    cornerCanvas.pen().color = kInk;
    cornerCanvas.pen().width = 3;
    cornerCanvas.moveTo(1, 6);
    cornerCanvas.lineTo(6, 6);
    cornerCanvas.lineTo(6, 1);
    // The outer corner of the join is rounded off, the inner one filled.
    EXPECT_EQ(corner.pixelColor(7, 7), clWhite);
    EXPECT_EQ(corner.pixelColor(7, 6), kInk);
    EXPECT_EQ(corner.pixelColor(6, 7), kInk);
    EXPECT_EQ(corner.pixelColor(5, 5), kInk);
}

} // namespace
} // namespace veltmoor
