#include "platform/Canvas.h"

#include <QFont>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

struct InkBox {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1;
    int bottom = -1;
    bool empty() const { return right < 0; }
};

InkBox inkBox(const Bitmap& bitmap, TColor background) {
    InkBox box;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.pixelColor(x, y) != background) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

Font fontOf(const char* name, int points, FontStyle style = {}) {
    return Font{QString::fromLatin1(name), points, style, clBlack};
}

TEST(CanvasText, WindowsFaceNamesResolveToMetricCompatibleFaces) {
    QFont::insertSubstitutions(QStringLiteral("unused"), {}); // force font database start
    Bitmap bitmap(10, 10);
    Canvas canvas(bitmap);
    for (const char* face : {"Times New Roman", "Arial", "MS Sans Serif"}) {
        canvas.font() = fontOf(face, 10);
        EXPECT_GT(canvas.textWidth(QStringLiteral("Tag")), 0) << face;
    }
    QFont serif(QStringLiteral("Times New Roman"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(QFontInfo(serif).family().contains(QStringLiteral("Serif")) ||
                QFontInfo(serif).family().contains(QStringLiteral("Times")))
        << QFontInfo(serif).family().toStdString();
}

TEST(CanvasText, PointsBecomePixelsAtNinetySixPerInch) {
    // A capital of a 36 point face is about 0.7 em high; the em is 48 pixels at 96 dpi
    // whatever the screen says.
    Bitmap bitmap(300, 120, clWhite);
    Canvas canvas(bitmap);
    canvas.brush().style = BrushStyle::Clear;
    canvas.font() = fontOf("Arial", 36);
    canvas.textOut(10, 10, QStringLiteral("H"));
    const InkBox box = inkBox(bitmap, clWhite);
    ASSERT_FALSE(box.empty());
    const int capHeight = box.bottom - box.top + 1;
    EXPECT_GE(capHeight, 31);
    EXPECT_LE(capHeight, 37);
    // The font height (ascent + descent) of a 48 pixel em face is about 55 pixels.
    EXPECT_GE(canvas.textHeight(QStringLiteral("H")), 50);
    EXPECT_LE(canvas.textHeight(QStringLiteral("H")), 60);
}

TEST(CanvasText, TopLeftCornerIsTheGivenPointAndOnlyGlyphsArePainted) {
    Bitmap bitmap(200, 80, clAqua);
    Canvas canvas(bitmap);
    canvas.brush().style = BrushStyle::Clear;
    canvas.font() = fontOf("Times New Roman", 20, {.bold = true});
    canvas.font().color = clRed;
    canvas.textOut(40, 20, QStringLiteral("E"));
    const InkBox box = inkBox(bitmap, clAqua);
    ASSERT_FALSE(box.empty());
    // The glyph sits inside the text cell that starts at the given point.
    EXPECT_GE(box.left, 40);
    EXPECT_LE(box.left, 44);
    EXPECT_GT(box.top, 20);
    EXPECT_LT(box.bottom, 20 + canvas.textHeight(QStringLiteral("E")));
    // Far from the glyph the background is untouched.
    EXPECT_EQ(bitmap.pixelColor(40, 20), clAqua);
    EXPECT_EQ(bitmap.pixelColor(150, 70), clAqua);
    // The stem of a bold E carries the full colour.
    bool sawPureRed = false;
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            sawPureRed = sawPureRed || bitmap.pixelColor(x, y) == clRed;
        }
    }
    EXPECT_TRUE(sawPureRed);
}

TEST(CanvasText, OpaqueBrushPaintsTheTextCell) {
    Bitmap bitmap(100, 40, clWhite);
    Canvas canvas(bitmap);
    canvas.brush() = Brush{clAqua, BrushStyle::Solid};
    canvas.font() = fontOf("Arial", 10);
    canvas.textOut(5, 5, QStringLiteral("ab"));
    EXPECT_EQ(bitmap.pixelColor(5, 5), clAqua);
    EXPECT_EQ(bitmap.pixelColor(4, 5), clWhite);
    EXPECT_EQ(bitmap.pixelColor(5 + canvas.textWidth(QStringLiteral("ab")), 5), clWhite);
}

TEST(CanvasText, MeasuresFollowTheFont) {
    Bitmap bitmap(1, 1);
    Canvas canvas(bitmap);
    canvas.font() = fontOf("Arial", 10);
    const int regular = canvas.textWidth(QStringLiteral("Hello tags"));
    const int height = canvas.textHeight(QStringLiteral("X"));
    EXPECT_EQ(canvas.textWidth(QString()), 0);
    EXPECT_EQ(canvas.textHeight(QString()), height) << "an empty string has the font's height";
    canvas.font().style.bold = true;
    EXPECT_GT(canvas.textWidth(QStringLiteral("Hello tags")), regular);
    canvas.font().sizePoints = 20;
    EXPECT_GT(canvas.textWidth(QStringLiteral("Hello tags")), regular * 3 / 2);
    EXPECT_GT(canvas.textHeight(QStringLiteral("X")), height * 3 / 2);
}

TEST(CanvasText, TextOutsideTheBitmapIsClipped) {
    Bitmap bitmap(20, 20, clWhite);
    Canvas canvas(bitmap);
    canvas.brush().style = BrushStyle::Clear;
    canvas.font() = fontOf("Arial", 30);
    canvas.textOut(-15, -10, QStringLiteral("W"));
    canvas.textOut(1000, 1000, QStringLiteral("W"));
    canvas.textOut(-100000, 5, QStringLiteral("W"));
    Bitmap empty;
    Canvas emptyCanvas(empty);
    emptyCanvas.textOut(0, 0, QStringLiteral("W"));
    EXPECT_FALSE(inkBox(bitmap, clWhite).empty()); // part of the first W shows
}

} // namespace
} // namespace veltmoor
