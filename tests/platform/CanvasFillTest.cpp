#include "platform/Canvas.h"
#include "support/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace veltmoor {
namespace {

using test::countInk;
using test::inkPicture;

constexpr TColor kInk = clRed;
constexpr TColor kPaint = clBlue;

Bitmap fromPicture(const std::vector<std::string>& rows) {
    Bitmap bitmap(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), clWhite);
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                bitmap.setPixelColor(x, y, kInk);
            }
        }
    }
    return bitmap;
}

// An independent 4-connected region finder: breadth first, one pixel at a time.
std::vector<std::vector<bool>> referenceRegion(const Bitmap& bitmap, Point seed, TColor color,
                                               FillMode mode) {
    const int width = bitmap.width();
    const int height = bitmap.height();
    std::vector<std::vector<bool>> in(static_cast<std::size_t>(height),
                                      std::vector<bool>(static_cast<std::size_t>(width)));
    auto wanted = [&](int x, int y) {
        const bool same = bitmap.pixelColor(x, y) == color;
        return mode == FillMode::Surface ? same : !same;
    };
    if (!bitmap.contains(seed.x, seed.y) || !wanted(seed.x, seed.y)) {
        return in;
    }
    std::deque<Point> queue{seed};
    in[static_cast<std::size_t>(seed.y)][static_cast<std::size_t>(seed.x)] = true;
    while (!queue.empty()) {
        const Point p = queue.front();
        queue.pop_front();
        const Point next[] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
        for (const Point n : next) {
            if (bitmap.contains(n.x, n.y) &&
                !in[static_cast<std::size_t>(n.y)][static_cast<std::size_t>(n.x)] &&
                wanted(n.x, n.y)) {
                in[static_cast<std::size_t>(n.y)][static_cast<std::size_t>(n.x)] = true;
                queue.push_back(n);
            }
        }
    }
    return in;
}

std::vector<std::vector<bool>> spansAsGrid(const std::vector<Span>& spans, int width, int height,
                                           int* overlaps) {
    std::vector<std::vector<bool>> in(static_cast<std::size_t>(height),
                                      std::vector<bool>(static_cast<std::size_t>(width)));
    *overlaps = 0;
    for (const Span& span : spans) {
        for (int x = span.left; x < span.right; ++x) {
            auto& row = in[static_cast<std::size_t>(span.y)];
            *overlaps += row[static_cast<std::size_t>(x)] ? 1 : 0;
            row[static_cast<std::size_t>(x)] = true;
        }
    }
    return in;
}

TEST(CanvasFillRect, FillsWithTheBrushClippedToTheBitmap) {
    Bitmap bitmap(6, 4, clWhite);
    Canvas canvas(bitmap);
    canvas.brush().color = kInk;
    canvas.fillRect({-5, -5, 3, 2});
    canvas.fillRect({5, 3, 100, 100});
    canvas.fillRect({2, 3, 2, 4}); // no width
    const std::vector<std::string> expected = {"###...", "###...", "......", ".....#"};
    EXPECT_EQ(inkPicture(bitmap, kInk), expected);

    canvas.brush().style = BrushStyle::Clear;
    canvas.fillRect({0, 0, 6, 4});
    EXPECT_EQ(inkPicture(bitmap, kInk), expected) << "a clear brush paints nothing";

    canvas.brush() = {clBtnFace, BrushStyle::Solid};
    canvas.fillRect({0, 2, 1, 3});
    EXPECT_EQ(bitmap.pixelColor(0, 2), rgbColor(212, 208, 200));
}

TEST(CanvasFloodFill, BorderModeFillsTheInsideOfAnOutline) {
    Bitmap bitmap = fromPicture({
        ".........",
        ".#######.",
        ".#.....#.",
        ".#.###.#.",
        ".#.#.#.#.",
        ".#.###.#.",
        ".#######.",
        ".........",
    });
    Canvas canvas(bitmap);
    canvas.brush().color = kPaint;
    canvas.floodFill(2, 2, kInk, FillMode::Border);
    const std::vector<std::string> painted = {
        ".........", ".........", "..#####..", "..#...#..",
        "..#...#..", "..#...#..", ".........", ".........",
    };
    EXPECT_EQ(inkPicture(bitmap, kPaint), painted);
    EXPECT_EQ(bitmap.pixelColor(4, 4), clWhite) << "the enclosed island stays as it was";
    EXPECT_EQ(bitmap.pixelColor(0, 0), clWhite);
}

TEST(CanvasFloodFill, DiagonalGapsOfAOnePixelStrokeHoldTheFill) {
    // An 8-connected diagonal stroke: the fill may only pass through edges, not corners.
    Bitmap bitmap(12, 12, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().color = kInk;
    canvas.moveTo(0, 0);
    canvas.lineTo(12, 12);
    canvas.brush().color = kPaint;
    canvas.floodFill(10, 1, kInk, FillMode::Border);
    EXPECT_EQ(countInk(bitmap, kPaint), 66) << "the 11+10+...+1 pixels above the diagonal";
    EXPECT_EQ(bitmap.pixelColor(1, 10), clWhite);

    Bitmap surface(12, 12, clWhite);
    Canvas surfaceCanvas(surface);
    surfaceCanvas.pen().color = kInk;
    surfaceCanvas.moveTo(11, 0);
    surfaceCanvas.lineTo(-1, 12);
    surfaceCanvas.brush().color = kPaint;
    surfaceCanvas.floodFill(0, 0, clWhite, FillMode::Surface);
    EXPECT_EQ(countInk(surface, kPaint), 66);
    EXPECT_EQ(surface.pixelColor(11, 11), clWhite);
}

TEST(CanvasFloodFill, SurfaceModeFillsOnlyTheConnectedPixelsOfTheColour) {
    Bitmap bitmap = fromPicture({
        "##..##",
        "#..#.#",
        "##.###",
    });
    Canvas canvas(bitmap);
    canvas.brush().color = kPaint;
    canvas.floodFill(0, 0, kInk, FillMode::Surface);
    EXPECT_EQ(inkPicture(bitmap, kPaint), (std::vector<std::string>{"##....", "#.....", "##...."}));
    canvas.floodFill(3, 1, kInk, FillMode::Surface);
    EXPECT_EQ(inkPicture(bitmap, kPaint), (std::vector<std::string>{"##..##", "#..#.#", "##.###"}));
}

TEST(CanvasFloodFill, SeedsThatCannotFillDoNothing) {
    Bitmap bitmap = fromPicture({"#..", "..."});
    EXPECT_TRUE(floodRegion(bitmap, {0, 0}, kInk, FillMode::Border).empty());
    EXPECT_TRUE(floodRegion(bitmap, {1, 0}, kInk, FillMode::Surface).empty());
    EXPECT_TRUE(floodRegion(bitmap, {-1, 0}, kInk, FillMode::Border).empty());
    EXPECT_TRUE(floodRegion(bitmap, {3, 1}, kInk, FillMode::Border).empty());
    EXPECT_TRUE(floodRegion(Bitmap(), {0, 0}, kInk, FillMode::Border).empty());

    Canvas canvas(bitmap);
    canvas.brush() = {kPaint, BrushStyle::Clear};
    canvas.floodFill(1, 1, kInk, FillMode::Border);
    EXPECT_EQ(countInk(bitmap, kPaint), 0) << "a clear brush paints nothing";
}

TEST(CanvasFloodFill, SystemColoursCompareAsThePixelTheyPaint) {
    Bitmap bitmap(5, 3, clBtnFace);
    bitmap.setPixelColor(2, 0, kInk);
    bitmap.setPixelColor(2, 1, kInk);
    bitmap.setPixelColor(2, 2, kInk);
    Canvas canvas(bitmap);
    canvas.brush().color = clWhite;
    canvas.floodFill(0, 0, clBtnFace, FillMode::Surface);
    EXPECT_EQ(countInk(bitmap, clWhite), 6);
    canvas.floodFill(4, 2, rgbColor(212, 208, 200), FillMode::Surface);
    EXPECT_EQ(countInk(bitmap, clWhite), 12);
}

TEST(CanvasFloodFill, AgreesWithAPixelByPixelSearchOnRandomPictures) {
    std::mt19937 random(99);
    // Small crowded pictures, then wide sparse ones whose long runs cross the 64-pixel words
    // the search keeps its marks in.
    for (int round = 0; round < 100; ++round) {
        const bool wide = round >= 60;
        const int width = wide ? 60 + (round * 53) % 270 : 5 + round % 37;
        const int height = 3 + (round * 7) % 29;
        Bitmap bitmap(width, height, clWhite);
        std::bernoulli_distribution wall(wide ? 0.01 + (round % 5) * 0.03
                                              : 0.25 + (round % 4) * 0.1);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (wall(random)) {
                    bitmap.setPixelColor(x, y, kInk);
                }
            }
        }
        const Point seed{static_cast<int>(random() % static_cast<unsigned>(width)),
                         static_cast<int>(random() % static_cast<unsigned>(height))};
        for (const FillMode mode : {FillMode::Border, FillMode::Surface}) {
            const TColor color =
                mode == FillMode::Border ? kInk : bitmap.pixelColor(seed.x, seed.y);
            int overlaps = 0;
            const auto found =
                spansAsGrid(floodRegion(bitmap, seed, color, mode), width, height, &overlaps);
            ASSERT_EQ(found, referenceRegion(bitmap, seed, color, mode)) << "round " << round;
            ASSERT_EQ(overlaps, 0) << "every pixel is reported once";
        }
    }
}

TEST(CanvasFloodFill, LargeSpiralAndCheckerboardRegions) {
    // A 1000 x 1000 open area.
    Bitmap open(1000, 1000, clWhite);
    int overlaps = 0;
    auto grid =
        spansAsGrid(floodRegion(open, {500, 500}, kInk, FillMode::Border), 1000, 1000, &overlaps);
    int filled = 0;
    for (const auto& row : grid) {
        filled += static_cast<int>(std::count(row.begin(), row.end(), true));
    }
    EXPECT_EQ(filled, 1'000'000);
    EXPECT_EQ(overlaps, 0);

    // A square spiral of one-pixel walls two pixels apart leaves a one-pixel corridor
    // winding from the outside to the centre; the fill must follow it all the way.
    const int size = 401;
    Bitmap spiral(size, size, clWhite);
    Canvas canvas(spiral);
    canvas.pen().color = kInk;
    Point turtle{0, 0};
    canvas.moveTo(turtle.x, turtle.y);
    auto leg = [&](int dx, int dy, int length) {
        turtle.x += dx * length;
        turtle.y += dy * length;
        canvas.lineTo(turtle.x, turtle.y);
    };
    leg(1, 0, size - 1);
    leg(0, 1, size - 1);
    leg(-1, 0, size - 1);
    for (int length = size - 3; length > 0;) {
        leg(0, -1, length);
        leg(1, 0, length);
        length -= 2;
        if (length <= 0) {
            break;
        }
        leg(0, 1, length);
        leg(-1, 0, length);
        length -= 2;
    }
    const int corridor = countInk(spiral, clWhite);
    const auto reference = referenceRegion(spiral, {1, 1}, kInk, FillMode::Border);
    int spiralOverlaps = 0;
    EXPECT_EQ(spansAsGrid(floodRegion(spiral, {1, 1}, kInk, FillMode::Border), size, size,
                          &spiralOverlaps),
              reference);
    canvas.brush().color = kPaint;
    canvas.floodFill(1, 1, kInk, FillMode::Border);
    EXPECT_EQ(countInk(spiral, kPaint), corridor) << "the corridor is one region";
    EXPECT_GT(corridor, size * size / 3);

    // A checkerboard: no two pixels of one colour share an edge.
    Bitmap board(1000, 1000, clWhite);
    for (int y = 0; y < 1000; ++y) {
        for (int x = (y % 2); x < 1000; x += 2) {
            board.setPixelColor(x, y, kInk);
        }
    }
    EXPECT_EQ(floodRegion(board, {1, 0}, clWhite, FillMode::Surface),
              (std::vector<Span>{{0, 1, 2}}));
    EXPECT_EQ(floodRegion(board, {501, 500}, kInk, FillMode::Border),
              (std::vector<Span>{{500, 501, 502}}));
}

// Runs of one colour, against a pixel-by-pixel listing, on rows around the 16-pixel steps the
// search takes, with runs from one pixel to whole rows; painting the runs back gives the
// colour's pixels exactly.
TEST(PixelRuns, ListsEveryRunOfTheColourInOrder) {
    std::mt19937 random(7);
    for (const int width : {1, 15, 16, 17, 31, 33, 64, 100, 257}) {
        std::bernoulli_distribution change(width % 2 == 0 ? 0.05 : 0.4);
        Bitmap bitmap(width, 6, clWhite);
        bool ink = false;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < width; ++x) {
                ink = y == 5 || (y != 4 && (change(random) ? !ink : ink));
                if (ink) {
                    bitmap.setPixelColor(x, y, kInk);
                }
            }
        }
        std::vector<Span> expected;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < width;) {
                if (bitmap.pixelColor(x, y) != kInk) {
                    ++x;
                    continue;
                }
                int end = x;
                while (end < width && bitmap.pixelColor(end, y) == kInk) {
                    ++end;
                }
                expected.push_back({y, x, end});
                x = end;
            }
        }
        const std::vector<Span> runs = pixelRuns(bitmap, kInk);
        ASSERT_EQ(runs, expected) << "width " << width;
        Bitmap painted(width, 6, clWhite);
        fillSpans(painted, runs, pixelFromColor(kInk));
        EXPECT_TRUE(painted == bitmap) << "width " << width;
    }
    EXPECT_TRUE(pixelRuns(Bitmap(0, 0), kInk).empty());
}

} // namespace
} // namespace veltmoor
