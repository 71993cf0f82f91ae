#include "platform/Canvas.h"
#include "support/PixelTestUtil.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace veltmoor {
namespace {

TColor grey(int level) {
    return rgbColor(level, level, level);
}

Bitmap greyRow(const std::vector<int>& levels) {
    Bitmap bitmap(static_cast<int>(levels.size()), 1);
    for (int x = 0; x < bitmap.width(); ++x) {
        bitmap.setPixelColor(x, 0, grey(levels[static_cast<std::size_t>(x)]));
    }
    return bitmap;
}

Bitmap greyColumn(const std::vector<int>& levels) {
    Bitmap bitmap(1, static_cast<int>(levels.size()));
    for (int y = 0; y < bitmap.height(); ++y) {
        bitmap.setPixelColor(0, y, grey(levels[static_cast<std::size_t>(y)]));
    }
    return bitmap;
}

Bitmap randomColours(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.setPixelColor(x, y, random() & 0xFFFFFF);
        }
    }
    return bitmap;
}

std::vector<int> redsOfRow(const Bitmap& bitmap, int y) {
    std::vector<int> reds;
    for (int x = 0; x < bitmap.width(); ++x) {
        reds.push_back(redOf(bitmap.pixelColor(x, y)));
    }
    return reds;
}

void expectLevelsNear(const std::vector<int>& actual, const std::vector<int>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1) << "at " << i;
    }
}

TEST(CanvasDraw, CopiesTheBitmapClippedToTheTarget) {
    Bitmap source(4, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            source.setPixelColor(x, y, rgbColor(10 * x, 10 * y, 7));
        }
    }
    Bitmap target(5, 5, clWhite);
    Canvas canvas(target);
    canvas.draw(-2, -1, source);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const TColor expected =
                x < 2 && y < 2 ? rgbColor(10 * (x + 2), 10 * (y + 1), 7) : clWhite;
            EXPECT_EQ(target.pixelColor(x, y), expected) << x << "," << y;
        }
    }
    const Bitmap before = target;
    canvas.draw(5, 0, source);
    canvas.draw(-4, 0, source);
    canvas.draw(-1'000'000, 1'000'000, source);
    canvas.draw(0, 0, Bitmap());
    EXPECT_EQ(target, before);
}

TEST(CanvasStretchDraw, SameSizeIsAnExactCopy) {
    const Bitmap source = randomColours(7, 5, 1);
    Bitmap target(8, 8, clWhite);
    Canvas canvas(target);
    canvas.stretchDraw({3, -2, 10, 3}, source);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool covered = x >= 3 && y < 3;
            EXPECT_EQ(target.pixelColor(x, y), covered ? source.pixelColor(x - 3, y + 2) : clWhite);
        }
    }
}

TEST(CanvasStretchDraw, ShrinkingACheckerboardGivesMidGrey) {
    Bitmap board(8, 8, clWhite);
    for (int y = 0; y < 8; ++y) {
        for (int x = (y % 2); x < 8; x += 2) {
            board.setPixelColor(x, y, clBlack);
        }
    }
    Bitmap target(4, 4, clRed);
    Canvas canvas(target);
    canvas.stretchDraw({0, 0, 4, 4}, board);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const TColor pixel = target.pixelColor(x, y);
            EXPECT_NEAR(redOf(pixel), 128, 1);
            EXPECT_EQ(redOf(pixel), greenOf(pixel));
            EXPECT_EQ(redOf(pixel), blueOf(pixel));
        }
    }
}

TEST(CanvasStretchDraw, ShrinkingAveragesTheCoveredPixelsOnEachAxis) {
    Bitmap target(2, 2, clRed);
    Canvas canvas(target);
    // Three to one: the means of 0,30,60 and of 90,120,150.
    canvas.stretchDraw({0, 0, 2, 1}, greyRow({0, 30, 60, 90, 120, 150}));
    expectLevelsNear(redsOfRow(target, 0), {30, 120});
    canvas.stretchDraw({0, 0, 1, 2}, greyColumn({0, 30, 60, 90, 120, 150}));
    EXPECT_NEAR(redOf(target.pixelColor(0, 0)), 30, 1);
    EXPECT_NEAR(redOf(target.pixelColor(0, 1)), 120, 1);
    // Three to two: each target pixel covers one and a half source pixels,
    // (0 + 90/2) / 1.5 = 30 and (90/2 + 180) / 1.5 = 150.
    canvas.stretchDraw({0, 1, 2, 2}, greyRow({0, 90, 180}));
    expectLevelsNear(redsOfRow(target, 1), {30, 150});
}

TEST(CanvasStretchDraw, ShrinkingAPhotographKeepsItSmooth) {
    // Gradients shrunk four times: every target pixel is the mean of its 4 x 4 block. The
    // blue stripes (one column in four) would vanish or flash under point sampling.
    Bitmap source(400, 300);
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            source.setPixelColor(x, y,
                                 rgbColor(x * 255 / 399, y * 255 / 299, x % 4 == 3 ? 255 : 0));
        }
    }
    Bitmap target(100, 75);
    Canvas canvas(target);
    canvas.stretchDraw({0, 0, 100, 75}, source);
    for (int ty = 0; ty < 75; ty += 7) {
        for (int tx = 0; tx < 100; tx += 9) {
            double red = 0;
            double green = 0;
            for (int y = 4 * ty; y < 4 * ty + 4; ++y) {
                for (int x = 4 * tx; x < 4 * tx + 4; ++x) {
                    red += x * 255 / 399;
                    green += y * 255 / 299;
                }
            }
            const TColor pixel = target.pixelColor(tx, ty);
            EXPECT_NEAR(redOf(pixel), red / 16, 1);
            EXPECT_NEAR(greenOf(pixel), green / 16, 1);
            EXPECT_NEAR(blueOf(pixel), 64, 1) << "one column in four lit: a quarter of 255";
        }
    }
}

TEST(CanvasStretchDraw, EnlargingInterpolatesBetweenPixelCentres) {
    Bitmap target(4, 1, clRed);
    Canvas canvas(target);
    // Target centres fall on source positions -0.25, 0.25, 0.75 and 1.25.
    canvas.stretchDraw({0, 0, 4, 1}, greyRow({0, 200}));
    expectLevelsNear(redsOfRow(target, 0), {0, 50, 150, 200});
}

TEST(CanvasStretchDraw, DestinationsPartlyOrWhollyOutsideAreClipped) {
    Bitmap target(3, 1, clRed);
    Canvas canvas(target);
    // Eight pixels into four, of which the first two lie left of the bitmap.
    canvas.stretchDraw({-2, 0, 2, 1}, greyRow({0, 10, 20, 30, 40, 50, 60, 70}));
    EXPECT_NEAR(redOf(target.pixelColor(0, 0)), 45, 1);
    EXPECT_NEAR(redOf(target.pixelColor(1, 0)), 65, 1);
    EXPECT_EQ(target.pixelColor(2, 0), clRed);

    const Bitmap before = target;
    canvas.stretchDraw({3, 0, 9, 1}, greyRow({1, 2}));
    canvas.stretchDraw({-9, 0, 0, 1}, greyRow({1, 2}));
    canvas.stretchDraw({0, 0, 0, 1}, greyRow({1, 2}));
    canvas.stretchDraw({0, 0, 3, 1}, Bitmap());
    EXPECT_EQ(target, before);

    // A huge destination: only its middle is visible, a blend of the four source pixels.
    Bitmap small(4, 4, clRed);
    Canvas smallCanvas(small);
    Bitmap corners(2, 2);
    corners.setPixelColor(0, 0, grey(0));
    corners.setPixelColor(1, 0, grey(100));
    corners.setPixelColor(0, 1, grey(100));
    corners.setPixelColor(1, 1, grey(200));
    smallCanvas.stretchDraw({-1'000'000, -1'000'000, 1'000'000, 1'000'000}, corners);
    EXPECT_NEAR(redOf(small.pixelColor(0, 0)), 100, 1);
}

TEST(CanvasStretchDrawTransparent, SkipsTheTransparentColourAndCopiesTheRest) {
    Bitmap mask(3, 2, clBtnFace);
    mask.setPixelColor(1, 0, clRed);
    mask.setPixelColor(2, 1, rgbColor(1, 2, 3));
    Bitmap target(3, 2, clGreen);
    Canvas canvas(target);
    canvas.stretchDrawTransparent({0, 0, 3, 2}, mask, clBtnFace);
    EXPECT_EQ(target.pixelColor(0, 0), clGreen);
    EXPECT_EQ(target.pixelColor(1, 0), clRed);
    EXPECT_EQ(target.pixelColor(2, 1), rgbColor(1, 2, 3));
    EXPECT_EQ(target.pixelColor(0, 1), clGreen);

    // Here the marked pixels are the ones copied; the button face is the transparent one.
    Bitmap other(3, 2, clGreen);
    Canvas otherCanvas(other);
    otherCanvas.stretchDrawTransparent({0, 0, 3, 2}, mask, rgbColor(1, 2, 3));
    EXPECT_EQ(other.pixelColor(0, 0), rgbColor(212, 208, 200));
    EXPECT_EQ(other.pixelColor(2, 1), clGreen);
}

TEST(CanvasStretchDrawTransparent, ScalesByNearestPixel) {
    Bitmap source(2, 1);
    source.setPixelColor(0, 0, clRed);
    source.setPixelColor(1, 0, clBlue);
    Bitmap target(4, 2, clWhite);
    Canvas canvas(target);
    canvas.stretchDrawTransparent({0, 0, 4, 2}, source, clBlue);
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(target.pixelColor(0, y), clRed);
        EXPECT_EQ(target.pixelColor(1, y), clRed);
        EXPECT_EQ(target.pixelColor(2, y), clWhite);
        EXPECT_EQ(target.pixelColor(3, y), clWhite);
    }
    // Four into two: the centres of the target pixels fall on source pixels 1 and 3.
    Bitmap shrunk(2, 1, clWhite);
    Canvas shrunkCanvas(shrunk);
    const Bitmap row = greyRow({10, 20, 30, 40});
    shrunkCanvas.stretchDrawTransparent({0, 0, 2, 1}, row, clBlack);
    EXPECT_EQ(redsOfRow(shrunk, 0), (std::vector<int>{20, 40}));
}

} // namespace
} // namespace veltmoor
