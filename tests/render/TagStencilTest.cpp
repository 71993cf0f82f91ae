#include "render/TagStencil.h"
#include "render/HoleTag.h"

#include <gtest/gtest.h>

#include <string>

namespace veltmoor {
namespace {

struct Case {
    int W;
    int H;
    TColor background;
    HoleSettings hole;
};

// Sizes at both extremes of proportion (one of them with a contour gap the cut mends), an odd
// size and the default; backgrounds that differ from the marker, equal it and are a system
// colour; the default hole, none, and one reaching over the tag's edge.
const Case kCases[] = {
    {400, 800, 0x00C0F0FF, HoleSettings{}},
    {237, 511, clBtnFace, HoleSettings{.noHole = true}},
    {1000, 100, clWindow, HoleSettings{40, 30, 2, 50, false}},
    {100, 1000, 0x00C0F0FF, HoleSettings{}},
    {100, 100, clWindow, HoleSettings{}},
};

std::string describe(int shape, const Case& c) {
    return std::string(tagShapes()[static_cast<std::size_t>(shape)].caption) + " at " +
           std::to_string(c.W) + " x " + std::to_string(c.H);
}

// A picture over the lower two thirds that holds the marker grey in every other column, so
// that a cut keyed on colours would show.
void paintPicture(Bitmap& tag) {
    const Pixel marker = pixelFromColor(clBtnFace);
    for (int y = tag.height() / 3; y < tag.height(); ++y) {
        for (int x = 0; x < tag.width(); ++x) {
            tag.setPixel(x, y, x % 2 == 0 ? marker : pixelFromRgb(x % 256, y % 256, 90));
        }
    }
}

// The background and cut painted step by step with the canvas and the shape's mask routine.
Bitmap paintedStepByStep(int shape, const Case& c) {
    Bitmap tag(c.W, c.H, clBtnFace);
    Canvas canvas(tag);
    canvas.pen() = Pen{c.background, 1};
    drawTagOutline(shape, canvas, c.background);
    canvas.pen().color = c.background;
    HoleTag(canvas, c.W, c.H, c.hole);
    canvas.brush() = Brush{c.background, BrushStyle::Solid};
    canvas.floodFill(c.W / 2, c.H / 2, c.background, FillMode::Border);
    paintPicture(tag);
    cutTagToShape(shape, canvas, c.background);
    return tag;
}

Bitmap paintedByStencil(int shape, const Case& c) {
    const std::shared_ptr<const TagStencil> stencil = tagStencil({shape, c.W, c.H, c.hole});
    Bitmap tag(c.W, c.H, clBtnFace);
    fillSpans(tag, stencil->background, pixelFromColor(c.background));
    paintPicture(tag);
    applyShapeCut(tag, stencil->cut);
    return tag;
}

TEST(TagStencil, PaintsAndCutsAsTheCanvasStepsDo) {
    for (int shape = kShapeNone; shape < kShapeCount; ++shape) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(shape == kShapeNone ? std::string("no shape") : describe(shape, c));
            EXPECT_TRUE(paintedByStencil(shape, c) == paintedStepByStep(shape, c));
        }
    }
}

// The stencils kept are told apart by every part of the geometry: asking for a few that differ
// in one part only, over and again, never hands back another's.
TEST(TagStencil, KeptStencilsBelongToTheirGeometry) {
    const HoleSettings low{12, 12, 50, 80, false};
    const TagGeometry geometries[] = {
        {kShapeStandard, 400, 800, HoleSettings{}},
        {kShapeStandard, 400, 800, low},
        {kShapeStandard, 800, 400, HoleSettings{}},
        {kShapeOvalCircle, 400, 800, HoleSettings{}},
        {kShapeStandard, 400, 800, HoleSettings{.noHole = true}},
    };
    for (int round = 0; round < 3; ++round) {
        for (const TagGeometry& geometry : geometries) {
            const TagStencil fresh = makeTagStencil(geometry);
            const std::shared_ptr<const TagStencil> kept = tagStencil(geometry);
            EXPECT_EQ(kept->background, fresh.background);
            EXPECT_EQ(kept->cut.outside, fresh.cut.outside);
            EXPECT_EQ(kept->cut.whitened, fresh.cut.whitened);
        }
    }
    // Without a hole its other settings do not matter.
    EXPECT_EQ(tagStencil({kShapeStandard, 400, 800, {.noHole = true}}),
              tagStencil({kShapeStandard, 400, 800, {30, 5, 10, 10, true}}));
}

} // namespace
} // namespace veltmoor
