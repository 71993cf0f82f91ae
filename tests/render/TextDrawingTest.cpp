#include "render/TagText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace veltmoor {
namespace {

constexpr TColor kPaper = 0xF0DCC8; // a pale blue no glyph edge blends into by chance

// The smallest box holding every pixel that is no longer paper, within the given area.
struct InkBox {
    int left = 1 << 30;
    int top = 1 << 30;
    int right = -1; // inclusive
    int bottom = -1;
    bool empty() const { return right < 0; }
};

InkBox inkIn(const Bitmap& bitmap, Rect area) {
    InkBox box;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, bitmap.height()); ++y) {
        for (int x = std::max(area.left, 0); x < std::min(area.right, bitmap.width()); ++x) {
            if (bitmap.pixelColor(x, y) != kPaper) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

InkBox inkOf(const Bitmap& bitmap) {
    return inkIn(bitmap, {0, 0, bitmap.width(), bitmap.height()});
}

int countPixels(const Bitmap& bitmap, TColor color) {
    int count = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            count += bitmap.pixelColor(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

struct TextDrawing : ::testing::Test {
    Bitmap draw(int width = 400, int height = 800) {
        Bitmap tag(width, height, kPaper);
        Canvas canvas(tag);
        AddText(canvas, slot, settings);
        return tag;
    }
    int width(const Font& chosen, const QString& text) const {
        return measure.width(tagTextFont(chosen, clBlack), text);
    }
    int height(const Font& chosen, const QString& text) const {
        return measure.height(tagTextFont(chosen, clBlack), text);
    }

    img slot;
    TagSettings settings;
    PlatformTextMeasure measure;
};

TEST_F(TextDrawing, BlockFirstLineInkStartsAtTheOffsets) {
    settings.textBlockAlignment = kAlignLeft;
    slot.TextBlockText = QStringLiteral("X");
    const Bitmap tag = draw();
    const InkBox ink = inkOf(tag);
    ASSERT_FALSE(ink.empty());
    const int h = height(settings.textBlockFont, QStringLiteral("X"));
    // The glyph's cell has its top-left at (120, 720); a capital's ink starts a little
    // right of it and below the line's internal leading.
    EXPECT_GE(ink.left, 120);
    EXPECT_LE(ink.left, 124);
    EXPECT_GE(ink.top, 720);
    EXPECT_LE(ink.top, 720 + h / 3);
    EXPECT_LT(ink.right, 120 + width(settings.textBlockFont, QStringLiteral("X")) + 2);
    EXPECT_LT(ink.bottom, 720 + h);
}

TEST_F(TextDrawing, BlockLinesStepByTheHeightOfX) {
    // Half way down, so that all three lines lie wholly on the tag.
    settings.textBlockAlignment = kAlignLeft;
    settings.textBlockHeightOffset = 50;
    slot.TextBlockText = QStringLiteral("X\r\nX\nX");
    const Bitmap tag = draw();
    const int h = height(settings.textBlockFont, QStringLiteral("X"));
    const InkBox first = inkIn(tag, {0, 400, 400, 400 + h});
    ASSERT_FALSE(first.empty());
    for (int line = 1; line < 3; ++line) {
        const InkBox ink = inkIn(tag, {0, 400 + line * h, 400, 400 + (line + 1) * h});
        ASSERT_FALSE(ink.empty()) << "line " << line;
        EXPECT_EQ(ink.top - line * h, first.top) << "line " << line;
        EXPECT_EQ(ink.bottom - line * h, first.bottom) << "line " << line;
        EXPECT_EQ(ink.left, first.left) << "line " << line;
    }
    EXPECT_TRUE(inkIn(tag, {0, 400 + 3 * h, 400, 800}).empty());
    EXPECT_TRUE(inkIn(tag, {0, 0, 400, 400}).empty());
}

TEST_F(TextDrawing, UpperRightCornerTextEndsAtTheRightMarginBelowTheTopOne) {
    slot.ValueText = QStringLiteral("$12");
    const Bitmap tag = draw();
    const InkBox ink = inkOf(tag);
    ASSERT_FALSE(ink.empty());
    EXPECT_LE(ink.right, 400 - 25);
    EXPECT_GE(ink.right, 400 - 25 - 4);
    EXPECT_GE(ink.top, 26);
    EXPECT_LE(ink.top, 26 + height(settings.valueFont, QStringLiteral("X")) / 3);
}

TEST_F(TextDrawing, DefaultRightColumnIsCentredOnItsAxisBelowTheCornerText) {
    slot.ValueText = QStringLiteral("$12");
    slot.EdgeText = QStringLiteral("OW");
    const Bitmap tag = draw();
    const int axis = 375 - width(settings.textFont, QStringLiteral("W")) / 2;
    const int step = height(settings.textFont, QStringLiteral("W")) - 3;
    const int y0 = 25 + height(settings.valueFont, QStringLiteral("$12")) + 1;
    for (int letter = 0; letter < 2; ++letter) {
        // Stay left of the corner text's column so only the edge letters count.
        const InkBox ink = inkIn(tag, {300, y0 + letter * step, 400, y0 + (letter + 1) * step});
        ASSERT_FALSE(ink.empty()) << "letter " << letter;
        EXPECT_NEAR((ink.left + ink.right + 1) / 2.0, axis, 2.5) << "letter " << letter;
    }
    EXPECT_TRUE(inkIn(tag, {300, y0 + 2 * step, 400, 800}).empty());
}

TEST_F(TextDrawing, ColoursComeFromTheCornerFontAndTheSlotAndSystemColoursResolve) {
    settings.valueFont.color = clBlue;
    slot.ValueColor = clRed; // fed into the corner font by the window, not read here
    slot.ValueText = QStringLiteral("$12");
    slot.EdgeText = QStringLiteral("HI");
    slot.TextColor = clGreen;
    settings.textBlockAlignment = kAlignLeft;
    slot.TextBlockText = QStringLiteral("HI");
    slot.TextBlockColor = clWindowText;
    const Bitmap tag = draw();
    // Bold strokes at these sizes have solid cores of the exact colour.
    EXPECT_GT(countPixels(tag, clBlue), 20);
    EXPECT_GT(countPixels(tag, clGreen), 20);
    EXPECT_GT(countPixels(tag, clBlack), 20);
    EXPECT_EQ(countPixels(tag, clRed), 0);
}

TEST_F(TextDrawing, OnlyGlyphsArePaintedWhateverBrushTheCanvasHad) {
    slot.ValueText = QStringLiteral("$12");
    slot.EdgeText = QStringLiteral("HI");
    slot.TextBlockText = QStringLiteral("Hand made");
    Bitmap tag(400, 800, kPaper);
    Canvas canvas(tag);
    canvas.brush() = Brush{clWhite, BrushStyle::Solid};
    AddText(canvas, slot, settings);
    EXPECT_EQ(countPixels(tag, clWhite), 0);
    EXPECT_GT(countPixels(tag, kPaper), 400 * 800 * 9 / 10);
}

} // namespace
} // namespace veltmoor
