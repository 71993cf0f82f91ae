#include "design/ColorPicking.h"
#include "design/TagDesign.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TagDesign designOfSize(int widthDots, int heightDots) {
    TagDesign design = TagDesign::atFirstActivation();
    design.WidthUpDownClick(widthDots / 2);
    design.HeightUpDownClick(heightDots / 2);
    return design;
}

TEST(PreviewClicks, APreviewPixelBecomesTagDots) {
    struct Case {
        int width, height, previewX, previewY;
        Point expected;
    };
    for (const Case& c :
         {Case{400, 800, 100, 175, {228, 399}}, Case{1000, 1000, 349, 349, {994, 994}},
          Case{200, 200, 100, 100, {57, 57}}, Case{800, 400, 0, 0, {0, 0}}}) {
        EXPECT_EQ(previewPointToTagDots(c.previewX, c.previewY, c.width, c.height), c.expected)
            << c.width << " x " << c.height;
    }
}

TEST(PickPoint, ClickAtPositionMovesTheTextBlockInPercentOfTheTag) {
    struct Case {
        int width, height, previewX, previewY, widthOffset, heightOffset;
    };
    for (const Case& c : {Case{400, 800, 100, 175, 57, 49}, Case{200, 200, 100, 100, 28, 28},
                          Case{400, 800, 0, 0, 1, 1},           // 0 is below the field's range
                          Case{800, 400, 349, 349, 99, 100}}) { // right of a wide tag: 198 %
        TagDesign design = designOfSize(c.width, c.height);
        const Point dots = previewPointToTagDots(c.previewX, c.previewY, c.width, c.height);
        EXPECT_EQ(design.PickPoint(dots.x, dots.y, clRed, Picking{kPickNoColor, true}),
                  Redraw::Scheduled);
        EXPECT_EQ(design.settings().textBlockWidthOffset, c.widthOffset);
        EXPECT_EQ(design.settings().textBlockHeightOffset, c.heightOffset);
        EXPECT_EQ(design.colorChoices().background, clWhite); // no colour was being picked
    }
}

TEST(PickPoint, EachChoiceGivesTheColourToItsDialogFontAndCheckedSlots) {
    const TColor picked = rgbColor(12, 200, 34);
    struct Case {
        int item;
        TColor ColorChoices::*dialog;
        TColor img::*slotField;
        const Font TagSettings::*font; // null: the choice has no font
    };
    for (const Case& c : {
             Case{kPickCutLineColor, &ColorChoices::cutLine, &img::CutLineColor, nullptr},
             Case{kPickValueFontColor, &ColorChoices::value, &img::ValueColor,
                  &TagSettings::valueFont},
             Case{kPickTextFontColor, &ColorChoices::text, &img::TextColor, &TagSettings::textFont},
             Case{kPickBackgroundColor, &ColorChoices::background, &img::BackgroundColor, nullptr},
             Case{kPickTextBlockColor, &ColorChoices::textBlock, &img::TextBlockColor,
                  &TagSettings::textBlockFont},
         }) {
        SCOPED_TRACE(c.item);
        TagDesign design = designOfSize(400, 800);
        design.setSlotChecked(2, false);
        const TagSettings settingsBefore = design.settings();
        const img slotTwoBefore = design.slot(2);
        EXPECT_EQ(design.PickPoint(10, 10, picked, Picking{c.item, false}), Redraw::Scheduled);
        EXPECT_EQ(design.colorChoices().*c.dialog, picked);
        for (int slot : {1, 3, 9}) {
            EXPECT_EQ(design.slot(slot).*c.slotField, picked) << slot;
        }
        // Unchecked slots and the sample slot keep their colour; the text block stays.
        EXPECT_EQ(design.slot(2).*c.slotField, slotTwoBefore.*c.slotField);
        EXPECT_NE(design.slot(0).*c.slotField, picked);
        if (c.font) {
            EXPECT_EQ((design.settings().*c.font).color, picked);
        }
        EXPECT_EQ(design.settings().textBlockWidthOffset, settingsBefore.textBlockWidthOffset);
    }
}

TEST(PickPoint, OneClickCanPlaceTheTextBlockAndPickAColour) {
    TagDesign design = designOfSize(400, 800);
    EXPECT_EQ(design.PickPoint(228, 399, clRed, Picking{kPickBackgroundColor, true}),
              Redraw::Scheduled);
    EXPECT_EQ(design.settings().textBlockWidthOffset, 57);
    EXPECT_EQ(design.settings().textBlockHeightOffset, 49);
    EXPECT_EQ(design.slot(4).BackgroundColor, clRed);

    // With nothing to pick a click changes nothing.
    const TagDesign before = design;
    EXPECT_EQ(design.PickPoint(0, 0, clBlack, Picking{}), Redraw::None);
    EXPECT_EQ(design.settings(), before.settings());
    EXPECT_EQ(design.slot(4).BackgroundColor, clRed);
    EXPECT_EQ(design.colorChoices().background, clRed);
}

} // namespace
} // namespace veltmoor
