#include "render/TagSettings.h"
#include "render/TagShapes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltmoor {
namespace {

constexpr TColor kInk = clRed;

Bitmap outlineOf(int shapeIndex, int W, int H, int penWidth = 1) {
    Bitmap bitmap(W, H, clWhite);
    Canvas canvas(bitmap);
    canvas.pen().width = penWidth;
    drawTagOutline(shapeIndex, canvas, kInk);
    return bitmap;
}

bool inked(const Bitmap& bitmap, int x, int y) {
    return bitmap.pixelColor(x, y) == kInk;
}

// Some pixel of the (inclusive) box is inked: for the extreme points of ellipses whose box
// has an even size, where either of the two middle pixels may carry the extreme.
bool inkedWithin(const Bitmap& bitmap, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (inked(bitmap, x, y)) {
                return true;
            }
        }
    }
    return false;
}

bool rowHasInk(const Bitmap& bitmap, int y) {
    return inkedWithin(bitmap, 0, y, bitmap.width() - 1, y);
}
bool columnHasInk(const Bitmap& bitmap, int x) {
    return inkedWithin(bitmap, x, 0, x, bitmap.height() - 1);
}

struct OutlineCase {
    int shape;
    int W;
    int H;
    std::vector<Point> inked;      // on the contour: vertices and points on straight edges
    std::vector<Point> blank;      // just off the contour, or where the contour is open
    std::vector<Rect> inkedWithin; // inclusive boxes holding an arc's extreme point
};

// Expected points worked out from the drawing sequences and the key sizes by hand. Lines
// leave out their end point, so a vertex is inked because the next stroke starts there.
const std::vector<OutlineCase>& outlineCases() {
    static const std::vector<OutlineCase> cases = {
        // c = 60
        {kShapeStandard,
         400,
         800,
         {{0, 799},
          {200, 799},
          {399, 799},
          {399, 400},
          {399, 60},
          {340, 0},
          {200, 0},
          {60, 0},
          {0, 60},
          {0, 400}},
         {{0, 0}, {399, 0}, {200, 798}, {1, 400}, {398, 400}, {200, 1}, {30, 0}, {370, 0}},
         {}},
        {kShapeRectangle,
         400,
         800,
         {{0, 0}, {399, 0}, {0, 799}, {399, 799}, {200, 0}, {399, 400}, {200, 799}, {0, 400}},
         {{1, 1}, {398, 798}, {200, 400}},
         {}},
        // rx = 40, ry = 80; the straight edges stop where the corner arcs take over.
        {kShapeRoundedCorners,
         400,
         800,
         {{40, 0},
          {200, 0},
          {359, 0},
          {399, 80},
          {399, 400},
          {399, 719},
          {360, 799},
          {200, 799},
          {0, 720},
          {0, 400}},
         {{0, 0}, {399, 0}, {0, 799}, {399, 799}, {1, 1}, {200, 1}},
         {{0, 79, 0, 81}, {39, 0, 40, 0}}},
        // a = 80, b = 160: every corner of the two staircases.
        {kShapeSouthwestern,
         400,
         800,
         {{160, 0},   {240, 0},   {240, 80},  {320, 80},  {320, 160}, {399, 160}, {399, 640},
          {320, 640}, {320, 720}, {240, 720}, {240, 799}, {160, 799}, {160, 720}, {80, 720},
          {80, 640},  {0, 640},   {0, 160},   {80, 160},  {80, 80},   {160, 80},  {200, 0},
          {399, 400}, {200, 799}, {0, 400},   {240, 40},  {280, 80}},
         {{0, 0}, {100, 40}, {1, 1}, {399, 0}, {399, 799}, {0, 799}, {200, 400}},
         {}},
        // Top edge from 133 to 266; the steep sides put no second pixel on row 0.
        {kShapeTapered,
         400,
         800,
         {{0, 799}, {200, 799}, {399, 799}, {266, 0}, {200, 0}, {133, 0}},
         {{132, 0}, {267, 0}, {0, 0}, {399, 0}},
         {}},
        // e = 82, k = 117: straight sides from row 682 to row 117; the ellipse box ends
        // (exclusively) at row 799, so the bottom arc's lowest row is 798.
        {kShapeCurvedEnds,
         400,
         800,
         {{0, 682}, {0, 400}, {0, 117}, {399, 682}, {399, 400}, {399, 117}},
         {{0, 0}, {399, 0}, {200, 1}, {200, 799}, {200, 400}},
         {{199, 0, 200, 0}, {199, 798, 200, 798}}},
        // Box (0,0,399,799): pixels 0..398 across, 0..798 down; the centre column is 199 and
        // the centre row 399.
        {kShapeOvalCircle,
         400,
         800,
         {{199, 0}, {199, 798}, {0, 399}, {398, 399}},
         {{0, 0}, {199, 399}, {399, 399}, {199, 799}},
         {}},
        // Side arcs reach 81 (box right 82, exclusive) and 318 at the middle row 399.
        {kShapeBowTie,
         400,
         800,
         {{81, 399}, {318, 399}},
         {{82, 399}, {317, 399}, {200, 399}, {0, 399}, {399, 399}, {200, 799}},
         {{199, 0, 200, 0}, {199, 798, 200, 798}}},
        // c = v = 66, rx = 40, ry = 80; 400 is no multiple of 6, so the top is open between
        // the two peaks at 198 and 202.
        {kShapeScalloped,
         400,
         800,
         {{0, 198},
          {0, 400},
          {0, 719},
          {40, 799},
          {200, 799},
          {359, 799},
          {399, 720},
          {399, 400},
          {399, 199}},
         {{200, 0}, {0, 0}, {399, 0}, {0, 799}, {399, 799}, {1, 400}},
         {{197, 0, 198, 0}, {202, 0, 203, 0}}},
        {kShapeTriangle,
         400,
         800,
         {{0, 799}, {200, 799}, {399, 799}, {200, 0}},
         {{199, 0}, {201, 0}, {0, 0}, {399, 0}},
         {}},
        // Circle box (100,0,300,200), open at the bottom; the left side starts at (130,169).
        {kShapeKeyhole,
         400,
         800,
         {{0, 799}, {200, 799}, {399, 799}, {130, 169}},
         {{199, 199}, {200, 199}, {150, 0}, {0, 0}, {399, 0}},
         {{199, 0, 200, 0}, {100, 99, 100, 100}, {299, 99, 299, 100}}},
        {kShapeFanTapered,
         400,
         800,
         {{0, 0}, {200, 0}, {399, 0}, {266, 799}, {200, 799}, {133, 799}},
         {{132, 799}, {267, 799}, {0, 799}, {399, 799}},
         {}},
        // Circle box (100,600,300,800), open at the top; the left side starts at (130,630).
        {kShapeFanKeyhole,
         400,
         800,
         {{0, 0}, {200, 0}, {399, 0}, {130, 630}},
         {{199, 600}, {200, 600}, {0, 799}, {399, 799}},
         {{199, 799, 200, 799}, {100, 699, 100, 700}, {299, 699, 299, 700}}},
        {kShapeFanCurvedEnd,
         400,
         800,
         {{399, 116}, {130, 630}},
         {{0, 0}, {399, 0}, {0, 799}, {399, 799}, {199, 600}, {200, 600}},
         {{199, 0, 200, 0}, {199, 799, 200, 799}}},
        // r = 50: the straight edges run between the notches.
        {kShapeTicket,
         400,
         800,
         {{50, 0},
          {200, 0},
          {349, 0},
          {399, 50},
          {399, 400},
          {399, 749},
          {350, 799},
          {200, 799},
          {0, 750},
          {0, 400}},
         {{0, 0}, {399, 0}, {0, 799}, {399, 799}, {10, 10}, {389, 789}, {1, 400}},
         {}},

        // The smallest tag: scallop peaks at 48 and 52 leave 49..51 of the top row open;
        // the keyhole's sides join the circle at (66,41) and (33,41).
        {kShapeScalloped, 100, 100, {}, {{50, 0}}, {{47, 0, 48, 0}, {52, 0, 53, 0}}},
        {kShapeKeyhole, 100, 100, {{33, 41}, {50, 99}}, {{50, 49}}, {{49, 0, 50, 0}}},
        {kShapeStandard, 100, 100, {{99, 15}, {85, 0}, {15, 0}, {0, 15}}, {{1, 1}}, {}},
        {kShapeTicket, 100, 100, {{12, 0}, {99, 12}, {87, 99}, {0, 87}}, {{0, 0}, {3, 3}}, {}},

        // Wide and low: the corner cut is the full height, the steps are 40 dots.
        {kShapeStandard, 1000, 200, {{999, 150}, {850, 0}, {150, 0}, {0, 150}}, {{1, 1}}, {}},
        {kShapeSouthwestern,
         1000,
         200,
         {{80, 0}, {920, 0}, {999, 80}, {999, 120}, {0, 80}},
         {{1, 1}, {79, 0}},
         {}},
        {kShapeTicket, 1000, 200, {{25, 0}, {974, 0}, {999, 25}, {999, 174}}, {{0, 0}}, {}},
    };
    return cases;
}

TEST(ShapeOutline, ContourPixelsOfEveryShape) {
    for (const OutlineCase& test : outlineCases()) {
        SCOPED_TRACE(std::string(tagShapes()[static_cast<std::size_t>(test.shape)].caption) +
                     " at " + std::to_string(test.W) + " x " + std::to_string(test.H));
        const Bitmap bitmap = outlineOf(test.shape, test.W, test.H);
        for (const Point p : test.inked) {
            EXPECT_TRUE(inked(bitmap, p.x, p.y)) << "(" << p.x << ", " << p.y << ") not inked";
        }
        for (const Point p : test.blank) {
            EXPECT_FALSE(inked(bitmap, p.x, p.y)) << "(" << p.x << ", " << p.y << ") inked";
        }
        for (const Rect& box : test.inkedWithin) {
            EXPECT_TRUE(inkedWithin(bitmap, box.left, box.top, box.right, box.bottom))
                << "nothing inked in (" << box.left << ", " << box.top << ")-(" << box.right << ", "
                << box.bottom << ")";
        }
    }
}

// Shapes drawn in boxes that end one dot short of the tag leave its last row (and for the
// oval its last column) untouched; the fan shapes' circle sits on the last row instead.
TEST(ShapeOutline, BoxesEndingShortOfTheTag) {
    EXPECT_FALSE(rowHasInk(outlineOf(kShapeCurvedEnds, 400, 800), 799));
    EXPECT_FALSE(rowHasInk(outlineOf(kShapeBowTie, 400, 800), 799));
    const Bitmap oval = outlineOf(kShapeOvalCircle, 400, 800);
    EXPECT_FALSE(rowHasInk(oval, 799));
    EXPECT_FALSE(columnHasInk(oval, 399));
    EXPECT_TRUE(rowHasInk(oval, 798));
    EXPECT_TRUE(columnHasInk(oval, 398));
    EXPECT_TRUE(rowHasInk(outlineOf(kShapeFanCurvedEnd, 400, 800), 799));
}

TEST(ShapeOutline, SetsThePenColourAndKeepsTheWidth) {
    Bitmap bitmap(400, 800, clWhite);
    Canvas canvas(bitmap);
    canvas.pen() = Pen{clBlue, 3};
    canvas.brush() = Brush{clAqua, BrushStyle::Solid};
    StandardTag(canvas, kInk);
    EXPECT_EQ(canvas.pen().color, kInk);
    EXPECT_EQ(canvas.pen().width, 3);
    EXPECT_EQ(canvas.brush().color, clAqua);
    // A three-dot pen is centred on the path: the bottom edge covers rows 798 and 799.
    EXPECT_TRUE(inked(bitmap, 200, 798));
    EXPECT_TRUE(inked(bitmap, 1, 400));
    EXPECT_FALSE(inked(bitmap, 200, 796));
}

TEST(ShapeOutline, TableOfShapes) {
    ASSERT_EQ(tagShapes().size(), 15u);
    EXPECT_STREQ(tagShapes()[0].caption, "Standard");
    EXPECT_STREQ(tagShapes()[7].caption, "Bow Tie ");
    EXPECT_STREQ(tagShapes()[13].caption, "Fan-Curved End");
    EXPECT_STREQ(tagShapes()[14].caption, "Ticket");
    EXPECT_EQ(findTagShape(kShapeNone), nullptr);
    EXPECT_EQ(findTagShape(kShapeCount), nullptr);

    // No shape chosen: nothing is drawn.
    const Bitmap none = outlineOf(kShapeNone, 100, 100);
    EXPECT_EQ(none, Bitmap(100, 100, clWhite));
}

} // namespace
} // namespace veltmoor
