#include "render/TagShapes.h"

#include "render/TagOutline.h"
#include "render/TagSettings.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace veltmoor {

namespace {

// The outline routines all draw their shape's strokes, for a tag the size of the canvas's
// bitmap, with the caller's pen width in the colour they are given.
void drawShapeOutline(int shapeIndex, Canvas& canvas, TColor color) {
    canvas.pen().color = color;
    drawOutline(canvas, tagOutline(shapeIndex, canvas.bitmap().width(), canvas.bitmap().height()));
}

// The mask plane's colours. They are ours, not the tag's background colour, so the mask
// keeps its outside apart even when the background is the marker colour itself. Contour and
// fill are told apart so that a fill that ran out through a gap shows.
constexpr TColor kMaskOutside = clBtnFace;
constexpr TColor kMaskStroke = clBlack;
constexpr TColor kMaskFilled = 0x00404040;
// Outside pixels whose region has already been whitened on the tag.
constexpr TColor kMaskWhitened = clWhite;

Bitmap strokePlane(TagOutlineRoutine outline, int W, int H, int penWidth) {
    Bitmap plane(W, H, kMaskOutside);
    if (!plane.isEmpty()) {
        Canvas canvas(plane);
        canvas.pen().width = penWidth;
        outline(canvas, kMaskStroke);
    }
    return plane;
}

// The one-dot contour, and its inside as far as a fill from the tag's centre reaches.
Bitmap buildMask(TagOutlineRoutine outline, int W, int H, bool wholeTagInside) {
    Bitmap mask = strokePlane(outline, W, H, 1);
    if (mask.isEmpty()) {
        return mask;
    }
    const Pixel filled = pixelFromColor(kMaskFilled);
    for (const Span& span : floodRegion(mask, {W / 2, H / 2}, kMaskStroke, FillMode::Border)) {
        Pixel* row = mask.row(span.y);
        std::fill(row + span.left, row + span.right, filled);
    }
    if (wholeTagInside) {
        // The rectangle's contour is the bitmap's border; its two bottom corners are made
        // inside explicitly so that nothing of the tag can count as outside.
        mask.setPixelColor(W - 1, H - 1, kMaskFilled);
        mask.setPixelColor(0, H - 1, kMaskFilled);
    }
    return mask;
}

// The seeds are outside by the shape's design, so a seed that the fill from the centre
// reached shows a contour with a gap in it.
bool fillReachedASeed(const Bitmap& mask, std::span<const Point> seeds) {
    const Pixel filled = pixelFromColor(kMaskFilled);
    return std::any_of(seeds.begin(), seeds.end(), [&](Point seed) {
        return mask.contains(seed.x, seed.y) && mask.pixel(seed.x, seed.y) == filled;
    });
}

// Where the thin contour has a gap, the fill from the centre runs out into the outside and
// the tag would not be cut at all. The inside is then found again with the contour drawn
// with a wider pen, which bridges gaps a few dots wide; the dots of the band the wide pen
// adds beside the thin contour go to whichever side reaches them first, so the cut still
// follows the thin contour everywhere but at the gap. Rewrites the mask's inside and
// returns true, or leaves the mask alone and returns false when no pen width closes the
// contour.
bool refillAcrossGaps(Bitmap& mask, TagOutlineRoutine outline, std::span<const Point> seeds) {
    enum Label : std::uint8_t { kFree, kStroke, kInsideLabel, kOutsideLabel };
    constexpr int kWidestBridgingPen = 9;
    const int W = mask.width();
    const int H = mask.height();
    const Pixel strokePixel = pixelFromColor(kMaskStroke);
    const auto index = [W](int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(W) +
               static_cast<std::size_t>(x);
    };
    const Point centre{W / 2, H / 2};

    std::vector<std::uint8_t> labels(static_cast<std::size_t>(W) * static_cast<std::size_t>(H));
    std::vector<std::uint32_t> queue;
    for (int penWidth = 3; penWidth <= kWidestBridgingPen; penWidth += 2) {
        const Bitmap barrier = strokePlane(outline, W, H, penWidth);
        if (barrier.pixel(centre.x, centre.y) == strokePixel) {
            return false; // the wide contour swallows the shape's middle
        }
        for (int y = 0; y < H; ++y) {
            const Pixel* row = mask.row(y);
            std::uint8_t* labelRow = labels.data() + index(0, y);
            for (int x = 0; x < W; ++x) {
                labelRow[x] = row[x] == strokePixel ? kStroke : kFree;
            }
        }
        const auto claim = [&](Point from, Label side) {
            for (const Span& span : floodRegion(barrier, from, kMaskStroke, FillMode::Border)) {
                std::uint8_t* row = labels.data() + index(0, span.y);
                std::replace(row + span.left, row + span.right, std::uint8_t{kFree},
                             std::uint8_t{side});
            }
        };
        claim(centre, kInsideLabel);
        const bool closed = std::none_of(seeds.begin(), seeds.end(), [&](Point seed) {
            return mask.contains(seed.x, seed.y) && labels[index(seed.x, seed.y)] == kInsideLabel;
        });
        if (!closed) {
            continue;
        }
        for (const Point seed : seeds) {
            if (mask.contains(seed.x, seed.y) && labels[index(seed.x, seed.y)] == kFree) {
                claim(seed, kOutsideLabel);
            }
        }
        // Share out the band, breadth first from both sides at once, never across the thin
        // contour; the sources are the claimed dots that touch it.
        queue.clear();
        const auto isClaimed = [&](int x, int y) {
            const std::uint8_t label = labels[index(x, y)];
            return label == kInsideLabel || label == kOutsideLabel;
        };
        for (int y = 0; y < H; ++y) {
            for (int x = 0; x < W; ++x) {
                if (labels[index(x, y)] != kFree) {
                    continue;
                }
                for (const Point next :
                     {Point{x - 1, y}, Point{x + 1, y}, Point{x, y - 1}, Point{x, y + 1}}) {
                    if (mask.contains(next.x, next.y) && isClaimed(next.x, next.y)) {
                        queue.push_back(static_cast<std::uint32_t>(index(next.x, next.y)));
                    }
                }
            }
        }
        for (std::size_t next = 0; next < queue.size(); ++next) {
            const std::uint32_t at = queue[next];
            const int x = static_cast<int>(at % static_cast<std::uint32_t>(W));
            const int y = static_cast<int>(at / static_cast<std::uint32_t>(W));
            const std::uint8_t side = labels[at];
            const auto spread = [&](int nx, int ny) {
                if (nx >= 0 && ny >= 0 && nx < W && ny < H && labels[index(nx, ny)] == kFree) {
                    labels[index(nx, ny)] = side;
                    queue.push_back(static_cast<std::uint32_t>(index(nx, ny)));
                }
            };
            spread(x - 1, y);
            spread(x + 1, y);
            spread(x, y - 1);
            spread(x, y + 1);
        }
        const Pixel filled = pixelFromColor(kMaskFilled);
        const Pixel outside = pixelFromColor(kMaskOutside);
        for (int y = 0; y < H; ++y) {
            Pixel* row = mask.row(y);
            const std::uint8_t* labelRow = labels.data() + index(0, y);
            for (int x = 0; x < W; ++x) {
                if (labelRow[x] != kStroke) {
                    row[x] = labelRow[x] == kInsideLabel ? filled : outside;
                }
            }
        }
        return true;
    }
    return false;
}

// The mask plane a shape is cut by, mended across contour gaps where the plain fill
// leaked.
Bitmap shapeMaskFor(TagOutlineRoutine outline, int W, int H, bool wholeTagInside,
                    std::span<const Point> seeds) {
    Bitmap mask = buildMask(outline, W, H, wholeTagInside);
    if (fillReachedASeed(mask, seeds)) {
        refillAcrossGaps(mask, outline, seeds);
    }
    return mask;
}

// The mask as callers see it: marker grey outside, black on the contour and inside.
Bitmap twoColourMask(Bitmap mask) {
    const Pixel filled = pixelFromColor(kMaskFilled);
    const Pixel stroke = pixelFromColor(kMaskStroke);
    for (int y = 0; y < mask.height(); ++y) {
        Pixel* row = mask.row(y);
        std::replace(row, row + mask.width(), filled, stroke);
    }
    return mask;
}

// The cut a mask plane gives. The outside is found on the mask, never by the colours of a
// tag: a picture that happens to hold the marker colour next to the contour stays as it is,
// and a seed that falls on the contour or inside the shape whitens nothing.
ShapeCut cutFromMask(Bitmap& mask, std::span<const Point> seeds) {
    const Pixel outside = pixelFromColor(kMaskOutside);
    const Pixel whitened = pixelFromColor(kMaskWhitened);
    for (const Point seed : seeds) {
        if (mask.contains(seed.x, seed.y) && mask.pixel(seed.x, seed.y) == outside) {
            fillSpans(mask, floodRegion(mask, seed, kMaskOutside, FillMode::Surface), whitened);
        }
    }
    return {pixelRuns(mask, kMaskOutside), pixelRuns(mask, kMaskWhitened)};
}

void cutWith(Canvas& tag, const ShapeCut& cut) {
    applyShapeCut(tag.bitmap(), cut);
    tag.brush() = Brush{clWhite, BrushStyle::Solid};
}

using SeedRule = std::vector<Point> (*)(int W, int H);

std::vector<Point> topCornerSeeds(int W, int /*H*/) {
    return {{1, 1}, {W - 1, 1}};
}
std::vector<Point> bottomCornerSeeds(int W, int H) {
    return {{1, H - 1}, {W - 1, H - 1}};
}
std::vector<Point> fourCornerSeeds(int W, int H) {
    return {{1, 1}, {W - 1, 1}, {1, H - 1}, {W - 1, H - 1}};
}
std::vector<Point> noSeeds(int /*W*/, int /*H*/) {
    return {};
}
std::vector<Point> southwestSeeds(int W, int H) {
    return {{1, 1}, {1, H - 1}, {W - 1, 1}, {W - 1, H - 1}};
}
std::vector<Point> bowtieSeeds(int W, int H) {
    return {{1, 1}, {W - 1, 1}, {1, H - 1}, {W - 1, H - 1}, {W - 1, H / 2}, {1, H / 2}};
}
std::vector<Point> fanCurvedEndSeeds(int W, int H) {
    return {{1, H - 1}, {W - 1, H - 1}, {1, 1}, {W - 1, 1}};
}

struct ShapeRules {
    TagOutlineRoutine outline;
    SeedRule seeds;
    bool wholeTagInside;
};

ShapeRules shapeRules(int shapeIndex);

void cutShape(int shapeIndex, Canvas& tag) {
    cutWith(tag, shapeCutFor(shapeIndex, tag.bitmap().width(), tag.bitmap().height()));
}

} // namespace

// ---- Outlines ------------------------------------------------------------------------

void StandardTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeStandard, canvas, color);
}
void RectangleTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeRectangle, canvas, color);
}
void RoundedCornerTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeRoundedCorners, canvas, color);
}
void SouthwestTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeSouthwestern, canvas, color);
}
void TaperTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeTapered, canvas, color);
}
void CurvedEndsTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeCurvedEnds, canvas, color);
}
void OvalTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeOvalCircle, canvas, color);
}
void BowtieTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeBowTie, canvas, color);
}
void ScallopedTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeScalloped, canvas, color);
}
void TriangleTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeTriangle, canvas, color);
}
void KeyHoleTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeKeyhole, canvas, color);
}
void FanTaperTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeFanTapered, canvas, color);
}
void FanKeyHoleTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeFanKeyhole, canvas, color);
}
void FanCurvedEndTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeFanCurvedEnd, canvas, color);
}
void TicketTag(Canvas& canvas, TColor color) {
    drawShapeOutline(kShapeTicket, canvas, color);
}

// ---- Masks ---------------------------------------------------------------------------

namespace {

constexpr std::array<TagShape, kShapeCount> kTagShapes = {{
    {"Standard", StandardTag, StandardTagShapeImage},
    {"Rectangle", RectangleTag, RectangleTagShapeImage},
    {"Rounded Corners", RoundedCornerTag, RoundedCornerTagShapeImage},
    {"Southwestern", SouthwestTag, SouthwestTagShapeImage},
    {"Tapered", TaperTag, TaperTagShapeImage},
    {"Curved Ends", CurvedEndsTag, CurvedEndsTagShapeImage},
    {"Oval/Circle", OvalTag, OvalTagShapeImage},
    {"Bow Tie ", BowtieTag, BowtieTagShapeImage},
    {"Scalloped", ScallopedTag, ScallopedTagShapeImage},
    {"Triangle", TriangleTag, TriangleTagShapeImage},
    {"Keyhole", KeyHoleTag, KeyHoleTagShapeImage},
    {"Fan-Tapered", FanTaperTag, FanTaperTagShapeImage},
    {"Fan-Keyhole", FanKeyHoleTag, FanKeyHoleTagShapeImage},
    {"Fan-Curved End", FanCurvedEndTag, FanCurvedEndTagShapeImage},
    {"Ticket", TicketTag, TicketTagShapeImage},
}};

constexpr std::array<SeedRule, kShapeCount> kSeedRules = {
    topCornerSeeds,    // Standard
    noSeeds,           // Rectangle
    fourCornerSeeds,   // Rounded Corners
    southwestSeeds,    // Southwestern
    topCornerSeeds,    // Tapered
    fourCornerSeeds,   // Curved Ends
    fourCornerSeeds,   // Oval/Circle
    bowtieSeeds,       // Bow Tie
    fourCornerSeeds,   // Scalloped
    topCornerSeeds,    // Triangle
    topCornerSeeds,    // Keyhole
    bottomCornerSeeds, // Fan-Tapered
    bottomCornerSeeds, // Fan-Keyhole
    fanCurvedEndSeeds, // Fan-Curved End
    fourCornerSeeds,   // Ticket
};

ShapeRules shapeRules(int shapeIndex) {
    const auto index = static_cast<std::size_t>(shapeIndex);
    return {kTagShapes[index].outline, kSeedRules[index], shapeIndex == kShapeRectangle};
}

} // namespace

void StandardTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeStandard, tag);
}
void RectangleTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeRectangle, tag);
}
void RoundedCornerTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeRoundedCorners, tag);
}
void SouthwestTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeSouthwestern, tag);
}
void TaperTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeTapered, tag);
}
void CurvedEndsTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeCurvedEnds, tag);
}
void OvalTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeOvalCircle, tag);
}
void BowtieTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeBowTie, tag);
}
void ScallopedTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeScalloped, tag);
}
void TriangleTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeTriangle, tag);
}
void KeyHoleTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeKeyhole, tag);
}
void FanTaperTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeFanTapered, tag);
}
void FanKeyHoleTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeFanKeyhole, tag);
}
void FanCurvedEndTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeFanCurvedEnd, tag);
}
void TicketTagShapeImage(Canvas& tag, TColor) {
    cutShape(kShapeTicket, tag);
}

std::span<const TagShape> tagShapes() {
    return kTagShapes;
}

const TagShape* findTagShape(int shapeIndex) {
    if (shapeIndex < 0 || shapeIndex >= kShapeCount) {
        return nullptr;
    }
    return &kTagShapes[static_cast<std::size_t>(shapeIndex)];
}

void drawTagOutline(int shapeIndex, Canvas& canvas, TColor color) {
    if (const TagShape* shape = findTagShape(shapeIndex)) {
        shape->outline(canvas, color);
    }
}

void cutTagToShape(int shapeIndex, Canvas& tag, TColor color) {
    if (const TagShape* shape = findTagShape(shapeIndex)) {
        shape->mask(tag, color);
    }
}

Bitmap tagShapeMask(int shapeIndex, int W, int H) {
    if (findTagShape(shapeIndex) == nullptr) {
        return Bitmap(W, H, kMaskOutside);
    }
    const ShapeRules rules = shapeRules(shapeIndex);
    return twoColourMask(
        shapeMaskFor(rules.outline, W, H, rules.wholeTagInside, rules.seeds(W, H)));
}

ShapeCut shapeCutFor(int shapeIndex, int W, int H) {
    if (findTagShape(shapeIndex) == nullptr) {
        return {};
    }
    const ShapeRules rules = shapeRules(shapeIndex);
    const std::vector<Point> seeds = rules.seeds(W, H);
    Bitmap mask = shapeMaskFor(rules.outline, W, H, rules.wholeTagInside, seeds);
    return cutFromMask(mask, seeds);
}

void applyShapeCut(Bitmap& tag, const ShapeCut& cut) {
    fillSpans(tag, cut.outside, pixelFromColor(kMaskOutside));
    fillSpans(tag, cut.whitened, pixelFromColor(kMaskWhitened));
}

std::vector<Point> tagShapeSeedPoints(int shapeIndex, int W, int H) {
    if (findTagShape(shapeIndex) == nullptr) {
        return {};
    }
    return shapeRules(shapeIndex).seeds(W, H);
}

Bitmap tagMaskFromOutline(TagOutlineRoutine outline, int W, int H, std::span<const Point> seeds) {
    return twoColourMask(shapeMaskFor(outline, W, H, false, seeds));
}

void cutTagByOutline(Canvas& tag, TagOutlineRoutine outline, std::span<const Point> seeds) {
    Bitmap mask = shapeMaskFor(outline, tag.bitmap().width(), tag.bitmap().height(), false, seeds);
    cutWith(tag, cutFromMask(mask, seeds));
}

} // namespace veltmoor
