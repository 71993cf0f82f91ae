#include "render/TagSettings.h"
#include "render/TagShapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltmoor {
namespace {

const Pixel kMarker = pixelFromColor(clBtnFace);
const Pixel kWhite = pixelFromColor(clWhite);
constexpr TColor kBackground = 0x00C0F0FF; // a cream, nowhere near the marker grey

struct Size {
    int W;
    int H;
};

// The sizes the fills are checked at: the smallest and largest tags, both extremes of
// proportion, the default tag and one with odd sizes.
const std::vector<Size> kSizes = {{100, 100},   {1000, 100}, {100, 1000},
                                  {1000, 1000}, {400, 800},  {237, 511}};

std::string describe(int shape, Size size) {
    return std::string(tagShapes()[static_cast<std::size_t>(shape)].caption) + " at " +
           std::to_string(size.W) + " x " + std::to_string(size.H);
}

// The seed points by shape, typed in here from the shape table rather than taken from the
// code under test.
std::vector<Point> seedsOf(int shape, int W, int H) {
    switch (shape) {
    case kShapeStandard:
    case kShapeTapered:
    case kShapeTriangle:
    case kShapeKeyhole:
        return {{1, 1}, {W - 1, 1}};
    case kShapeRectangle:
        return {};
    case kShapeSouthwestern:
        return {{1, 1}, {1, H - 1}, {W - 1, 1}, {W - 1, H - 1}};
    case kShapeBowTie:
        return {{1, 1}, {W - 1, 1}, {1, H - 1}, {W - 1, H - 1}, {W - 1, H / 2}, {1, H / 2}};
    case kShapeFanTapered:
    case kShapeFanKeyhole:
        return {{1, H - 1}, {W - 1, H - 1}};
    case kShapeFanCurvedEnd:
        return {{1, H - 1}, {W - 1, H - 1}, {1, 1}, {W - 1, 1}};
    default:
        return {{1, 1}, {W - 1, 1}, {1, H - 1}, {W - 1, H - 1}};
    }
}

// A tag as the compositor has it before the cut: marker grey everywhere, the background
// inside the outline (drawn with a one-dot pen), and a picture over part of it.
Bitmap composedTag(int shape, int W, int H, TColor background, bool withPicture) {
    Bitmap tag(W, H, clBtnFace);
    Canvas canvas(tag);
    canvas.pen().width = 1;
    drawTagOutline(shape, canvas, background);
    canvas.brush() = Brush{background, BrushStyle::Solid};
    canvas.floodFill(W / 2, H / 2, background, FillMode::Border);
    if (withPicture) {
        // A gradient over the middle and the upper left; blue stays at 40, so the marker
        // grey (212, 208, 200) never occurs in it.
        for (int y = 0; y < H * 2 / 3; ++y) {
            for (int x = W / 5; x < W; ++x) {
                tag.setPixel(x, y, pixelFromRgb(x * 255 / W, y * 255 / H, 40));
            }
        }
    }
    return tag;
}

// The cut as the original program made it, step by step: a colour-keyed mask copied onto
// the tag, then surface fills on the tag itself from each seed with the colour found there.
void cutByColourKey(int shape, Bitmap& tag, TColor background) {
    const int W = tag.width();
    const int H = tag.height();
    Bitmap mask(W, H, clBtnFace);
    Canvas maskCanvas(mask);
    maskCanvas.pen().width = 1;
    tagShapes()[static_cast<std::size_t>(shape)].outline(maskCanvas, background);
    maskCanvas.brush() = Brush{background, BrushStyle::Solid};
    maskCanvas.floodFill(W / 2, H / 2, background, FillMode::Border);
    if (shape == kShapeRectangle) {
        maskCanvas.setPixel(W - 1, H - 1, background);
        maskCanvas.setPixel(0, H - 1, background);
    }
    Canvas canvas(tag);
    canvas.stretchDrawTransparent({0, 0, W, H}, mask, background);
    canvas.brush() = Brush{clWhite, BrushStyle::Solid};
    for (const Point seed : seedsOf(shape, W, H)) {
        canvas.floodFill(seed.x, seed.y, canvas.pixel(seed.x, seed.y), FillMode::Surface);
    }
}

Bitmap cut(int shape, Bitmap tag, TColor background) {
    Canvas canvas(tag);
    cutTagToShape(shape, canvas, background);
    return tag;
}

// The outside regions that hold the seeds end up white; inside and contour keep what the
// tag had; no pixel outside the contour keeps the picture.
TEST(ShapeMask, SeededOutsideRegionsTurnWhite) {
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (const Size size : kSizes) {
            SCOPED_TRACE(describe(shape, size));
            const Bitmap before = composedTag(shape, size.W, size.H, kBackground, true);
            const Bitmap after = cut(shape, before, kBackground);
            for (const Point seed : seedsOf(shape, size.W, size.H)) {
                EXPECT_EQ(after.pixel(seed.x, seed.y), kWhite) << seed.x << ", " << seed.y;
            }
            EXPECT_EQ(after.pixel(size.W / 2, size.H / 2), before.pixel(size.W / 2, size.H / 2));

            const Bitmap mask = tagShapeMask(shape, size.W, size.H);
            int changedInside = 0;
            int keptOutside = 0;
            for (int y = 0; y < size.H; ++y) {
                for (int x = 0; x < size.W; ++x) {
                    const Pixel result = after.pixel(x, y);
                    if (mask.pixel(x, y) != kMarker) {
                        changedInside += result != before.pixel(x, y);
                    } else {
                        keptOutside += result != kWhite && result != kMarker;
                    }
                }
            }
            EXPECT_EQ(changedInside, 0);
            EXPECT_EQ(keptOutside, 0);
        }
    }
}

// Worked out by hand on the default tag: where the outside is, and that the cut follows
// the contour and not the picture's edge.
TEST(ShapeMask, DefaultTagCornersByHand) {
    const Bitmap before = composedTag(kShapeStandard, 400, 800, kBackground, true);
    const Bitmap after = cut(kShapeStandard, before, kBackground);
    // c = 60: (0,0), (30,0), (0,30), (59,0) and (399,0) lie above the cut-off corners.
    for (const Point p : {Point{0, 0}, Point{30, 0}, Point{0, 30}, Point{399, 0}, Point{380, 10}}) {
        EXPECT_EQ(after.pixel(p.x, p.y), kWhite) << p.x << ", " << p.y;
    }
    // The contour and the inside keep the picture (or background where it is not).
    for (const Point p : {Point{60, 0}, Point{200, 0}, Point{0, 60}, Point{0, 799}, Point{100, 100},
                          Point{399, 400}, Point{200, 700}}) {
        EXPECT_EQ(after.pixel(p.x, p.y), before.pixel(p.x, p.y)) << p.x << ", " << p.y;
    }
}

// Whatever the tag holds, a rectangle cuts nothing away.
TEST(ShapeMask, RectangleLeavesTheTagUnchanged) {
    for (const Size size : kSizes) {
        SCOPED_TRACE(describe(kShapeRectangle, size));
        Bitmap tag(size.W, size.H, clBtnFace);
        for (int y = 0; y < size.H; ++y) {
            for (int x = 0; x < size.W; ++x) {
                // Stripes of marker grey, white and colour, the border included.
                const int stripe = (x + y) % 3;
                tag.setPixel(x, y,
                             stripe == 0   ? kMarker
                             : stripe == 1 ? kWhite
                                           : pixelFromRgb(x % 256, y % 256, 90));
            }
        }
        EXPECT_EQ(cut(kShapeRectangle, tag, kBackground), tag);
    }
}

// True when the background fill of the blank tag stayed within the outline, that is when
// the one-dot contour holds.
bool outlineHoldsTheFill(int shape, Size size) {
    const Bitmap blank = composedTag(shape, size.W, size.H, kBackground, false);
    for (const Point seed : seedsOf(shape, size.W, size.H)) {
        if (blank.pixel(seed.x, seed.y) != kMarker) {
            return false;
        }
    }
    return true;
}

// Where the picture holds no marker grey, the cut by the mask plane looks exactly like the
// original colour-keyed cut (compared wherever the contour holds; a broken one is mended
// only here, see below).
TEST(ShapeMask, SameResultAsTheColourKeyedCutWithoutMarkerInThePicture) {
    int compared = 0;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (const Size size : kSizes) {
            if (!outlineHoldsTheFill(shape, size)) {
                continue;
            }
            for (const bool withPicture : {false, true}) {
                SCOPED_TRACE(describe(shape, size) + (withPicture ? " with picture" : " blank"));
                const Bitmap before = composedTag(shape, size.W, size.H, kBackground, withPicture);
                Bitmap expected = before;
                cutByColourKey(shape, expected, kBackground);
                EXPECT_TRUE(cut(shape, before, kBackground) == expected);
                ++compared;
            }
        }
    }
    // The straight-line shapes hold at every size, whatever the arcs do.
    EXPECT_GE(compared, 2 * 6 * static_cast<int>(kSizes.size()));
}

// A picture that is marker grey right up to and across the contour: the colour-keyed cut
// would flood from the corner through the contour into the picture; the mask plane keeps
// the outside where the shape says it is.
TEST(ShapeMask, MarkerGreyInThePictureComesThroughUntouched) {
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (const Size size : {Size{400, 800}, Size{100, 100}, Size{1000, 100}}) {
            SCOPED_TRACE(describe(shape, size));
            // The whole picture is marker grey, so the contour is too.
            const Bitmap before(size.W, size.H, clBtnFace);
            const Bitmap after = cut(shape, before, kBackground);
            const Bitmap mask = tagShapeMask(shape, size.W, size.H);
            int whitenedInside = 0;
            for (int y = 0; y < size.H; ++y) {
                for (int x = 0; x < size.W; ++x) {
                    if (mask.pixel(x, y) != kMarker) {
                        whitenedInside += after.pixel(x, y) != kMarker;
                    }
                }
            }
            EXPECT_EQ(whitenedInside, 0);
            for (const Point seed : seedsOf(shape, size.W, size.H)) {
                EXPECT_EQ(after.pixel(seed.x, seed.y), kWhite);
            }
        }
    }

    // A few grey dots next to the outline in an otherwise coloured picture, on the default
    // Standard tag: on the left edge, just inside it, and on the corner diagonal.
    Bitmap tag = composedTag(kShapeStandard, 400, 800, kBackground, true);
    const std::vector<Point> greyDots = {{0, 300}, {1, 300}, {2, 300}, {30, 30},
                                         {31, 30}, {0, 60},  {60, 0},  {61, 1}};
    for (const Point p : greyDots) {
        tag.setPixel(p.x, p.y, kMarker);
    }
    const Bitmap after = cut(kShapeStandard, tag, kBackground);
    for (const Point p : greyDots) {
        EXPECT_EQ(after.pixel(p.x, p.y), kMarker) << p.x << ", " << p.y;
    }
    EXPECT_EQ(after.pixel(1, 1), kWhite);

    // The colour key alone would have whitened them: the fault this cut avoids.
    Bitmap keyed = tag;
    cutByColourKey(kShapeStandard, keyed, kBackground);
    EXPECT_EQ(keyed.pixel(0, 60), kWhite);
    EXPECT_EQ(keyed.pixel(60, 0), kWhite);
}

// A background of the marker colour itself: the mask plane still knows the outside, so the
// tag is cut (white corners) and its grey inside stays grey.
TEST(ShapeMask, BackgroundOfTheMarkerColourStillCuts) {
    for (int shape = 0; shape < kShapeCount; ++shape) {
        const Size size{400, 800};
        SCOPED_TRACE(describe(shape, size));
        const Bitmap before = composedTag(shape, size.W, size.H, clBtnFace, false);
        const Bitmap after = cut(shape, before, clBtnFace);
        EXPECT_EQ(after.pixel(200, 400), kMarker);
        for (const Point seed : seedsOf(shape, size.W, size.H)) {
            EXPECT_EQ(after.pixel(seed.x, seed.y), kWhite) << seed.x << ", " << seed.y;
        }
    }
}

// The background fill from the centre is held by the one-dot contour everywhere, also where
// arcs meet lines or other arcs: every seed point stays marker grey, and the fill reached
// well beyond the centre. Lists every shape and size whose contour lets the fill out.
//
// Three very flat or very narrow curved tags are the exception, and they come from the
// outline's own sequence rather than the raster rules: the top arc of "Curved Ends" ends on
// the ray towards the fixed point (2 - e, 6), which on such tags meets the ellipse one dot
// above and beside where the straight side starts, a diagonal step a 4-connected fill passes.
// The mask step closes such gaps (see the repair tests below), so these tags still cut.
TEST(ShapeMask, FillsDoNotLeakThroughTheJoints) {
    const std::string knownFromTheOutlineSequence =
        "\n  Curved Ends at 1000 x 100: reached seed (1, 99)"
        "\n  Curved Ends at 100 x 1000: reached seed (1, 1)"
        "\n  Fan-Curved End at 100 x 1000: reached seed (1, 1)";
    std::string leaking;
    for (int shape = 0; shape < kShapeCount; ++shape) {
        for (const Size size : kSizes) {
            const Bitmap tag = composedTag(shape, size.W, size.H, kBackground, false);
            for (const Point seed : seedsOf(shape, size.W, size.H)) {
                if (tag.pixel(seed.x, seed.y) != kMarker) {
                    leaking += "\n  " + describe(shape, size) + ": reached seed (" +
                               std::to_string(seed.x) + ", " + std::to_string(seed.y) + ")";
                    break;
                }
            }
            int filled = 0;
            for (int y = 0; y < size.H; ++y) {
                for (int x = 0; x < size.W; ++x) {
                    filled += tag.pixel(x, y) == pixelFromColor(kBackground);
                }
            }
            // Every shape covers at least a fifth of its tag.
            EXPECT_GT(filled, size.W * size.H / 5) << describe(shape, size);
        }
    }
    EXPECT_EQ(leaking, knownFromTheOutlineSequence);
}

// A corner cut whose diagonal misses three dots, (17,13) to (15,15): the fill from the
// centre runs out into the corner. On a 101 x 101 tag.
void brokenCornerOutline(Canvas& canvas, TColor color) {
    canvas.pen().color = color;
    canvas.moveTo(0, 100);
    canvas.lineTo(100, 100);
    canvas.lineTo(100, 30);
    canvas.lineTo(70, 0);
    canvas.lineTo(30, 0);
    canvas.lineTo(17, 13);
    canvas.moveTo(14, 16);
    canvas.lineTo(0, 30);
    canvas.lineTo(0, 100);
}

// The same with a hole no pen width bridges: the whole left half of the top edge is gone.
void openTopOutline(Canvas& canvas, TColor color) {
    canvas.pen().color = color;
    canvas.moveTo(50, 0);
    canvas.lineTo(100, 0);
    canvas.lineTo(100, 100);
    canvas.lineTo(0, 100);
    canvas.lineTo(0, 20);
}

TEST(ShapeMask, ContourWithAGapStillCutsAlongItsStrokes) {
    const std::vector<Point> seeds = {{1, 1}, {100, 1}};
    {
        // The gap is real: a plain fill from the centre reaches the corner.
        Bitmap plain(101, 101, clBtnFace);
        Canvas canvas(plain);
        brokenCornerOutline(canvas, clBlack);
        canvas.brush() = Brush{clBlack, BrushStyle::Solid};
        canvas.floodFill(50, 50, clBlack, FillMode::Border);
        ASSERT_NE(plain.pixel(1, 1), kMarker);
    }
    const Bitmap mask = tagMaskFromOutline(brokenCornerOutline, 101, 101, seeds);
    for (const Point outside :
         {Point{1, 1}, Point{5, 5}, Point{0, 10}, Point{10, 0}, Point{99, 1}, Point{100, 0}}) {
        EXPECT_EQ(mask.pixel(outside.x, outside.y), kMarker) << outside.x << ", " << outside.y;
    }
    for (const Point inside : {Point{50, 50}, Point{20, 20}, Point{30, 0}, Point{0, 30},
                               Point{10, 20}, Point{1, 99}, Point{24, 12}}) {
        EXPECT_NE(mask.pixel(inside.x, inside.y), kMarker) << inside.x << ", " << inside.y;
    }

    Bitmap tag(101, 101, clRed);
    Canvas canvas(tag);
    cutTagByOutline(canvas, brokenCornerOutline, seeds);
    EXPECT_EQ(tag.pixel(1, 1), kWhite);
    EXPECT_EQ(tag.pixel(8, 3), kWhite);
    EXPECT_EQ(tag.pixel(99, 1), kWhite);
    EXPECT_EQ(tag.pixelColor(50, 50), clRed);
    EXPECT_EQ(tag.pixelColor(20, 20), clRed);
    // Three or four dots either side of the gap, the cut still follows the diagonal x + y = 30.
    EXPECT_EQ(tag.pixel(12, 13), kWhite);
    EXPECT_EQ(tag.pixelColor(18, 17), clRed);
}

TEST(ShapeMask, ContourOpenTooWideIsNotCut) {
    const std::vector<Point> seeds = {{1, 1}, {100, 1}};
    Bitmap tag(101, 101, clRed);
    Canvas canvas(tag);
    cutTagByOutline(canvas, openTopOutline, seeds);
    EXPECT_EQ(tag, Bitmap(101, 101, clRed));
}

TEST(ShapeMask, LeavesTheBrushWhiteAndNoShapeCutsNothing) {
    Bitmap tag(100, 100, clRed);
    Canvas canvas(tag);
    canvas.brush() = Brush{clBlue, BrushStyle::Clear};
    TicketTagShapeImage(canvas, kBackground);
    EXPECT_EQ(canvas.brush().color, clWhite);
    EXPECT_EQ(tag.pixel(1, 1), kWhite); // a clear brush before the cut does not stop it

    Bitmap untouched(100, 100, clRed);
    Canvas untouchedCanvas(untouched);
    cutTagToShape(kShapeNone, untouchedCanvas, kBackground);
    EXPECT_EQ(untouched, Bitmap(100, 100, clRed));
}

} // namespace
} // namespace veltmoor
