#include "output/SheetLayout.h"

#include <gtest/gtest.h>

#include <array>

namespace veltmoor {
namespace {

constexpr TColor kMark = rgbColor(250, 10, 10);

// A tag of one colour whose top-left and bottom-right pixels carry a mark, so the sheet
// shows exactly where each copy landed.
Bitmap markedTag(int width, int height, TColor fill) {
    Bitmap tag(width, height, fill);
    tag.setPixelColor(0, 0, kMark);
    tag.setPixelColor(width - 1, height - 1, kMark);
    return tag;
}

struct LetterSheetOfTwoPictures : testing::Test {
    void SetUp() override {
        table[1].FileName = QStringLiteral("one.bmp");
        table[1].TagImage = markedTag(400, 800, rgbColor(0, 0, 200));
        table[3].FileName = QStringLiteral("three.bmp");
        table[3].TagImage = markedTag(400, 800, rgbColor(0, 200, 0));
        // A tag without a picture does not appear even when it was composed before.
        table[2].TagImage = markedTag(400, 800, clBlack);
        grid = computePageGrid(PageMetrics{4800, 6300, 600, 600}, 400, 800);
    }
    std::array<img, 16> table;
    PageGrid grid;
};

TEST_F(LetterSheetOfTwoPictures, TagsLandOnTheGridWithWhiteMargins) {
    const Bitmap sheet = composeSheet(table, grid, 400, 800);
    ASSERT_EQ(sheet.width(), 1600);
    ASSERT_EQ(sheet.height(), 2100);

    // First tag's corner at (SheetMarginX, SheetMarginY) = (0, 250).
    EXPECT_EQ(sheet.pixelColor(0, 250), kMark);
    EXPECT_EQ(sheet.pixelColor(1, 250), rgbColor(0, 0, 200));
    EXPECT_EQ(sheet.pixelColor(0, 249), clWhite);
    // Second tag (slot 3) starts at x = 400; slot 2 leaves no gap.
    EXPECT_EQ(sheet.pixelColor(399, 1049), kMark);
    EXPECT_EQ(sheet.pixelColor(400, 250), kMark);
    EXPECT_EQ(sheet.pixelColor(401, 251), rgbColor(0, 200, 0));
    // Row 1 reads 1 3 1 3, row 2 continues with 1.
    EXPECT_EQ(sheet.pixelColor(1201, 251), rgbColor(0, 200, 0));
    EXPECT_EQ(sheet.pixelColor(1, 1051), rgbColor(0, 0, 200));
    // Last tag's far corner and the white bottom margin below it.
    EXPECT_EQ(sheet.pixelColor(1599, 1849), kMark);
    EXPECT_EQ(sheet.pixelColor(1599, 1850), clWhite);
    EXPECT_EQ(sheet.pixelColor(800, 2099), clWhite);
    EXPECT_EQ(sheet.pixelColor(800, 0), clWhite);
}

TEST_F(LetterSheetOfTwoPictures, SheetWithoutPicturesOrRoomStaysWhite) {
    table[1].FileName.clear();
    table[3].FileName.clear();
    const Bitmap blank = composeSheet(table, grid, 400, 800);
    ASSERT_EQ(blank.width(), 1600);
    EXPECT_EQ(blank, Bitmap(1600, 2100, clWhite));

    table[1].FileName = QStringLiteral("one.bmp");
    const PageGrid tooSmall = computePageGrid(PageMetrics{4800, 2100, 600, 600}, 400, 800);
    EXPECT_EQ(composeSheet(table, tooSmall, 400, 800), Bitmap(1600, 700, clWhite));
}

TEST(SheetPreviewPicture, ReducedSheetSitsTopLeftOnAqua) {
    const Bitmap sheet(1600, 2100, rgbColor(200, 0, 0));
    const Bitmap preview = renderSheetPreview(sheet, 583, 389);
    ASSERT_EQ(preview.width(), 583);
    ASSERT_EQ(preview.height(), 389);
    EXPECT_EQ(preview.pixelColor(0, 0), rgbColor(200, 0, 0));
    EXPECT_EQ(preview.pixelColor(265, 349), rgbColor(200, 0, 0));
    EXPECT_EQ(preview.pixelColor(266, 0), clAqua);
    EXPECT_EQ(preview.pixelColor(0, 350), clAqua);
    EXPECT_EQ(preview.pixelColor(582, 388), clAqua);
}

} // namespace
} // namespace veltmoor
