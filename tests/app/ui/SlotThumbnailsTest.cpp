#include "app/ui/SlotThumbnails.h"

#include "support/DesignEditing.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TEST(SlotThumbnailsTest, PicturesAreLetterboxedIntoTheSquare) {
    EXPECT_EQ(letterboxRect(300, 600), (Rect{225, 0, 675, 900}));
    EXPECT_EQ(letterboxRect(600, 300), (Rect{0, 225, 900, 675}));
    EXPECT_EQ(letterboxRect(400, 1000), (Rect{270, 0, 630, 900}));
    EXPECT_EQ(letterboxRect(1000, 400), (Rect{0, 270, 900, 630}));
    EXPECT_EQ(letterboxRect(77, 77), (Rect{0, 0, 900, 900}));
    EXPECT_TRUE(letterboxRect(0, 10).isEmpty());
    // Sides whose product with 900 leaves 32 bits.
    EXPECT_EQ(letterboxRect(3'000'000, 1'500'000), (Rect{0, 225, 900, 675}));
}

TEST(SlotThumbnailsTest, LetterboxedPictureOnWhite) {
    const Bitmap blue(30, 60, rgbColor(0, 0, 255));
    const Bitmap thumbnail = letterboxThumbnail(blue, 30, 60);
    ASSERT_EQ(thumbnail.width(), 900);
    ASSERT_EQ(thumbnail.height(), 900);
    EXPECT_EQ(thumbnail.pixelColor(224, 450), clWhite);
    EXPECT_EQ(thumbnail.pixelColor(226, 450), rgbColor(0, 0, 255));
    EXPECT_EQ(thumbnail.pixelColor(673, 450), rgbColor(0, 0, 255));
    EXPECT_EQ(thumbnail.pixelColor(676, 450), clWhite);
}

TEST(SlotThumbnailsTest, PlaceholderIsPaleYellowWithAGreenNumberLeftOfCentre) {
    const Bitmap placeholder = placeholderThumbnail(4);
    ASSERT_EQ(placeholder.width(), 900);
    EXPECT_EQ(placeholder.pixelColor(800, 800), 0xE0FFFFu);
    EXPECT_EQ(placeholder.pixelColor(150, 100), 0xE0FFFFu); // above the number's top (300)
    int green = 0;
    int greenRight = 0;
    for (int y = 0; y < 900; ++y) {
        for (int x = 0; x < 900; ++x) {
            if (placeholder.pixelColor(x, y) == 0x008000u) {
                ++green;
                EXPECT_GE(y, 300);
                greenRight = std::max(greenRight, x);
            }
        }
    }
    EXPECT_GT(green, 1000);
    // Centred on x = 150, a 200-point digit is well inside the left half.
    EXPECT_LT(greenRight, 450);
    EXPECT_FALSE(placeholderThumbnail(5) == placeholder);
}

TEST(SlotThumbnailsTest, PlaceholderHintsAndDeleting) {
    EXPECT_EQ(placeholderHint(QStringLiteral("Tag"), 3),
              QStringLiteral("Image for Tag 3, click to select different image for Tag 3"));
    TagDesign design;
    {
        testing::SlotEdit edit(design, 4);
        img& slot = *edit;
        slot.FileName = QStringLiteral("/p/a.bmp");
        slot.SourceFileName = QStringLiteral("/p/a.bmp");
        slot.PictureWidth = 10;
        slot.PictureHeight = 20;
        slot.AspectPermille = 2000;
        slot.ColoringType = 3;
        slot.ValueText = QStringLiteral("$3");
        slot.BackgroundColor = clBlue;
        slot.ImageSize = 70;
    }
    design.deleteSlotPicture(4);
    const img& slot = design.slot(4);
    EXPECT_TRUE(slot.FileName.isEmpty());
    EXPECT_TRUE(slot.SourceFileName.isEmpty());
    EXPECT_EQ(slot.PictureWidth, 0);
    EXPECT_EQ(slot.PictureHeight, 0);
    EXPECT_EQ(slot.AspectPermille, 1000);
    EXPECT_EQ(slot.ColoringType, kNotTinted);
    EXPECT_EQ(slot.ValueText, QStringLiteral("$3"));
    EXPECT_EQ(slot.BackgroundColor, clBlue);
    EXPECT_EQ(slot.ImageSize, 70);
}

} // namespace
} // namespace veltmoor
