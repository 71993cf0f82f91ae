#include "design/ColorPicking.h"
#include "design/TagDesign.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

TagDesign designOfSize(int widthDots, int heightDots) {
    TagDesign design = TagDesign::atFirstActivation();
    design.WidthUpDownPosition = widthDots / 2;
    design.HeightUpDownPosition = heightDots / 2;
    design.ApplyTagSize();
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
        EXPECT_EQ(design.settings.textBlockWidthOffset, c.widthOffset);
        EXPECT_EQ(design.settings.textBlockHeightOffset, c.heightOffset);
        EXPECT_EQ(design.BackgroundColorChoice, clWhite); // no colour was being picked
    }
}

TEST(PickPoint, EachChoiceGivesTheColourToItsDialogFontAndCheckedSlots) {
    const TColor picked = rgbColor(12, 200, 34);
    struct Case {
        int item;
        TColor TagDesign::*dialog;
        TColor img::*slotField;
        const Font TagSettings::*font; // null: the choice has no font
    };
    for (const Case& c : {
             Case{kPickCutLineColor, &TagDesign::CutLineColorChoice, &img::CutLineColor, nullptr},
             Case{kPickValueFontColor, &TagDesign::ValueColorChoice, &img::ValueColor,
                  &TagSettings::valueFont},
             Case{kPickTextFontColor, &TagDesign::TextColorChoice, &img::TextColor,
                  &TagSettings::textFont},
             Case{kPickBackgroundColor, &TagDesign::BackgroundColorChoice, &img::BackgroundColor,
                  nullptr},
             Case{kPickTextBlockColor, &TagDesign::TextBlockColorChoice, &img::TextBlockColor,
                  &TagSettings::textBlockFont},
         }) {
        SCOPED_TRACE(c.item);
        TagDesign design = designOfSize(400, 800);
        design.setSlotChecked(2, false);
        const TagSettings settingsBefore = design.settings;
        const img slotTwoBefore = design.Slots[2];
        EXPECT_EQ(design.PickPoint(10, 10, picked, Picking{c.item, false}), Redraw::Scheduled);
        EXPECT_EQ(design.*c.dialog, picked);
        for (int slot : {1, 3, 9}) {
            EXPECT_EQ(design.Slots[static_cast<std::size_t>(slot)].*c.slotField, picked) << slot;
        }
        // Unchecked slots and the sample slot keep their colour; the text block stays.
        EXPECT_EQ(design.Slots[2].*c.slotField, slotTwoBefore.*c.slotField);
        EXPECT_NE(design.Slots[0].*c.slotField, picked);
        if (c.font) {
            EXPECT_EQ((design.settings.*c.font).color, picked);
        }
        EXPECT_EQ(design.settings.textBlockWidthOffset, settingsBefore.textBlockWidthOffset);
    }
}

TEST(PickPoint, OneClickCanPlaceTheTextBlockAndPickAColour) {
    TagDesign design = designOfSize(400, 800);
    EXPECT_EQ(design.PickPoint(228, 399, clRed, Picking{kPickBackgroundColor, true}),
              Redraw::Scheduled);
    EXPECT_EQ(design.settings.textBlockWidthOffset, 57);
    EXPECT_EQ(design.settings.textBlockHeightOffset, 49);
    EXPECT_EQ(design.Slots[4].BackgroundColor, clRed);

    // With nothing to pick a click changes nothing.
    const TagDesign before = design;
    EXPECT_EQ(design.PickPoint(0, 0, clBlack, Picking{}), Redraw::None);
    EXPECT_EQ(design.settings, before.settings);
    EXPECT_EQ(design.Slots[4].BackgroundColor, clRed);
    EXPECT_EQ(design.BackgroundColorChoice, clRed);
}

} // namespace
} // namespace veltmoor
