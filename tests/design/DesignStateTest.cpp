#include "design/NumericFields.h"
#include "design/TagDesign.h"
#include "design/TextMeasure.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

img& slotOf(TagDesign& design, int slot) {
    return design.Slots[static_cast<std::size_t>(slot)];
}

void checkOnly(TagDesign& design, std::initializer_list<int> checked) {
    for (int slot = 1; slot <= 9; ++slot) {
        design.setSlotChecked(slot, false);
    }
    for (const int slot : checked) {
        design.setSlotChecked(slot, true);
    }
}

TEST(FirstActivation, SlotsCarryTheSampleTextsAndTheCheckedSlotsWhiteWithABlackCutLine) {
    const TagDesign design = TagDesign::atFirstActivation();
    EXPECT_FALSE(design.Slots[0].ValueText.isEmpty());
    EXPECT_EQ(design.Slots[0].EdgeText, QStringLiteral("TAGS"));
    // Slots 0 and 10 are never reached by the colour setters: they keep the red cut line.
    EXPECT_EQ(design.Slots[0].CutLineColor, clRed);
    EXPECT_EQ(design.Slots[10].CutLineColor, clRed);
    for (int slot = 1; slot <= 9; ++slot) {
        SCOPED_TRACE(slot);
        const img& record = design.Slots[static_cast<std::size_t>(slot)];
        EXPECT_EQ(record.BackgroundColor, clWhite);
        EXPECT_EQ(record.CutLineColor, clBlack);
        EXPECT_TRUE(record.ValueText.isEmpty());
        EXPECT_TRUE(record.FileName.isEmpty());
        EXPECT_EQ(record.AspectPermille, 1000);
        EXPECT_EQ(record.ColoringType, 99);
        EXPECT_TRUE(design.isSlotChecked(slot));
    }
    EXPECT_EQ(design.CurrentSlot, 0);
    EXPECT_EQ(design.CutLineColorChoice, clBlack);
    EXPECT_EQ(design.BackgroundColorChoice, clWhite);
}

TEST(FirstActivation, TheTagIsTwoByFourInchesWithTheWorkingFonts) {
    const TagDesign design = TagDesign::atFirstActivation();
    EXPECT_EQ(design.WidthUpDownPosition, 200);
    EXPECT_EQ(design.HeightUpDownPosition, 400);
    EXPECT_EQ(design.TagWidthDots, 400);
    EXPECT_EQ(design.TagHeightDots, 800);
    EXPECT_EQ(design.TagRect, (Rect{0, 0, 400, 800}));
    EXPECT_EQ(design.settings.valueFont.sizePoints, 18);
    EXPECT_EQ(design.settings.textFont.sizePoints, 10);
    EXPECT_EQ(design.settings.textBlockFont.sizePoints, 10);
    EXPECT_EQ(design.settings.shapeIndex, 0);
    EXPECT_EQ(design.settings.cutLineType, 1);
    EXPECT_EQ(design.settings.hole, (HoleSettings{12, 12, 50, 6, false}));
    EXPECT_TRUE(design.FloatingTagCheckBox);
    EXPECT_FALSE(design.AddressLabelsCheckBox);
    EXPECT_EQ(design.CopiesUpDownPosition, 1);
}

TEST(FirstActivation, TheSampleIsSlotZeroSmallAndTheDesignKeepsItsWorkingSizes) {
    const TagDesign design = TagDesign::atFirstActivation();
    const TagDesign sample = design.aboutSample();
    EXPECT_EQ(sample.CurrentSlot, 0);
    EXPECT_EQ(sample.settings.valueFont.sizePoints, 14);
    EXPECT_EQ(sample.settings.textFont.sizePoints, 8);
    EXPECT_EQ(sample.settings.textBlockFont.sizePoints, 5);
    EXPECT_EQ(sample.TagRect, (Rect{0, 0, 350, 350}));
    EXPECT_EQ(design.settings.valueFont.sizePoints, 18);
    EXPECT_EQ(design.settings.textFont.sizePoints, 10);
    EXPECT_EQ(design.settings.textBlockFont.sizePoints, 10);
    EXPECT_EQ(design.TagRect, (Rect{0, 0, 400, 800}));
}

TEST(SetValues, ShowingASlotMeasuresItsTextBlockForTheNextRedraw) {
    TagDesign design = TagDesign::atFirstActivation();
    design.Slots[2].TextBlockText = QStringLiteral("A rather longer line\r\nshort");
    design.CurrentSlot = 2;
    design.SetValues();
    EXPECT_EQ(design.TextBlockMemoText, design.Slots[2].TextBlockText);
    EXPECT_EQ(design.settings.TextBlockWidth,
              textBlockWidthFor(design.settings.textBlockFont, design.Slots[2].TextBlockText));
    EXPECT_GT(design.settings.TextBlockWidth, 0);
}

TEST(CheckedSlots, AnEditReachesOnlyTheCheckedSlotsEvenWhenAnotherIsCurrent) {
    TagDesign design = TagDesign::atFirstActivation();
    design.CurrentSlot = 1;
    checkOnly(design, {2, 5});
    design.SetBgColors(clBlue);
    design.ValueEditChange(QStringLiteral("$1"));
    for (int slot = 0; slot <= 15; ++slot) {
        SCOPED_TRACE(slot);
        const bool reached = slot == 2 || slot == 5;
        const img& record = design.Slots[static_cast<std::size_t>(slot)];
        EXPECT_EQ(record.BackgroundColor == clBlue, reached);
        EXPECT_EQ(record.ValueText == QStringLiteral("$1"), reached);
    }
}

TEST(CheckedSlots, WithNoBoxCheckedNoSlotChanges) {
    TagDesign design = TagDesign::atFirstActivation();
    checkOnly(design, {});
    const auto before = design.Slots;
    design.CurrentSlot = 4;
    design.SetBorderColors(clGreen);
    design.SetTextBlockColor(clGreen);
    design.PercentEditChange(PercentField::ImageSize, QStringLiteral("40"));
    for (std::size_t slot = 0; slot < before.size(); ++slot) {
        EXPECT_EQ(design.Slots[slot].CutLineColor, before[slot].CutLineColor);
        EXPECT_EQ(design.Slots[slot].TextBlockColor, before[slot].TextBlockColor);
        EXPECT_EQ(design.Slots[slot].ImageSize, before[slot].ImageSize);
    }
    // The choice itself is kept for the next edit.
    EXPECT_EQ(design.CutLineColorChoice, clGreen);
    EXPECT_EQ(design.ImageSizeUpDownPosition, 40);
}

TEST(PercentFields, TypedTextIsNormalisedAndReachesTheCheckedSlots) {
    TagDesign design = TagDesign::atFirstActivation();
    checkOnly(design, {3});
    EXPECT_EQ(design.PercentEditChange(PercentField::ImageSize, QStringLiteral("12a")),
              QStringLiteral("12"));
    EXPECT_EQ(slotOf(design, 3).ImageSize, 12);
    EXPECT_EQ(slotOf(design, 4).ImageSize, 100);
    EXPECT_EQ(design.PercentEditChange(PercentField::ImageHorizontalOffset, QString()),
              QStringLiteral("0"));
    EXPECT_EQ(slotOf(design, 3).ImageHorizontalOffset, 0);
    // Zero passes the edit's check but the hole's up-down starts at 1.
    EXPECT_EQ(design.PercentEditChange(PercentField::HoleWidthOffset, QStringLiteral("0")),
              QStringLiteral("1"));
    EXPECT_EQ(design.settings.hole.widthOffset, 1);
}

TEST(PercentFields, AValueOutOfRangeKeepsTheFieldAndTheSlots) {
    TagDesign design = TagDesign::atFirstActivation();
    design.PercentEditChange(PercentField::ImageSize, QStringLiteral("80"));
    try {
        design.PercentEditChange(PercentField::ImageSize, QStringLiteral("250"));
        FAIL() << "250 percent was accepted";
    } catch (const ValueOutOfRange& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Value must be between 0 and 200"));
    }
    EXPECT_EQ(design.ImageSizeUpDownPosition, 80);
    EXPECT_EQ(slotOf(design, 1).ImageSize, 80);
}

TEST(TagSize, TypedWidthsAreParsedAndLimitedWhileTheEditKeepsItsText) {
    TagDesign design = TagDesign::atFirstActivation();
    EXPECT_EQ(design.WidthEditKeyUp(QStringLiteral("2.5")), Redraw::Scheduled);
    EXPECT_EQ(design.WidthUpDownPosition, 250);
    EXPECT_EQ(design.TagWidthDots, 500);

    // 30 hundredths is below the up-down's 50: the tag becomes 0.50 inch.
    design.WidthEditKeyUp(QStringLiteral(".3"));
    EXPECT_EQ(design.WidthUpDownPosition, 50);
    EXPECT_EQ(design.TagWidthDots, 100);

    // A click on the up-down sets the size again.
    design.WidthUpDownClick(60);
    EXPECT_EQ(design.TagWidthDots, 120);
}

TEST(TagSize, AWidthOutOfRangeIsRefusedAndTheOldWidthStays) {
    TagDesign design = TagDesign::atFirstActivation();
    EXPECT_THROW(design.WidthEditKeyUp(QStringLiteral("6")), ValueOutOfRange);
    EXPECT_EQ(design.WidthUpDownPosition, 200);
    EXPECT_EQ(design.TagWidthDots, 400);
    EXPECT_THROW(design.HeightEditKeyUp(QStringLiteral("1.2.3")), UserError);
    EXPECT_EQ(design.TagHeightDots, 800);
}

TEST(TagSize, ApplyTagSizeTakesTheTagFromTheSizesInHundredths) {
    TagDesign design = TagDesign::atFirstActivation();
    design.HeightEditKeyUp(QStringLiteral("1.5"));
    design.WidthUpDownPosition = 500;
    design.ApplyTagSize();
    EXPECT_EQ(design.TagWidthDots, 1000);
    EXPECT_EQ(design.TagHeightDots, 300);
    EXPECT_EQ(design.TagRect, (Rect{0, 0, 1000, 300}));
}

struct MirrorCase {
    int fromShape;
    int toShape;
    int offsetBefore;
    int offsetAfter;
};

class ShapeChange : public ::testing::TestWithParam<MirrorCase> {};

TEST_P(ShapeChange, KeepsTheHoleAtTheNarrowEndAndMakesSlotOneCurrent) {
    const MirrorCase& example = GetParam();
    TagDesign design = TagDesign::atFirstActivation();
    design.settings.shapeIndex = example.fromShape;
    design.settings.hole.heightOffset = example.offsetBefore;
    EXPECT_EQ(design.setShape(example.toShape), Redraw::Now);
    EXPECT_EQ(design.settings.shapeIndex, example.toShape);
    EXPECT_EQ(design.settings.hole.heightOffset, example.offsetAfter);
    EXPECT_EQ(design.CurrentSlot, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Mirror, ShapeChange,
    ::testing::Values(MirrorCase{0, 12, 6, 94},  // to a fan: the top hole goes to the bottom
                      MirrorCase{0, 11, 15, 85}, // 15 is still at the top
                      MirrorCase{0, 13, 16, 16}, // 16 is left alone
                      MirrorCase{12, 1, 94, 6},  // from a fan back to a top-holed shape
                      MirrorCase{12, 14, 85, 15}, MirrorCase{12, 14, 84, 84},
                      MirrorCase{11, 13, 94, 94}, // fan to fan: already at the bottom
                      MirrorCase{1, 2, 50, 50}));

TEST(ShapeChangeRule, ChoosingTheSameShapeChangesNothing) {
    TagDesign design = TagDesign::atFirstActivation();
    design.settings.hole.heightOffset = 90;
    EXPECT_EQ(design.setShape(0), Redraw::None);
    EXPECT_EQ(design.settings.hole.heightOffset, 90);
    EXPECT_EQ(design.CurrentSlot, 0);
    EXPECT_EQ(design.setShape(15), Redraw::None);
    EXPECT_EQ(design.settings.shapeIndex, 0);
}

TEST(AddressLabels, ThePresetReachesTheCheckedSlotsAndSetsTheLabelSize) {
    TagDesign design = TagDesign::atFirstActivation();
    for (int slot = 1; slot <= 9; ++slot) {
        slotOf(design, slot).ValueText = QStringLiteral("$2");
        slotOf(design, slot).EdgeText = QStringLiteral("SALE");
        slotOf(design, slot).TextBlockText = QStringLiteral("kept");
        slotOf(design, slot).ImageVerticalOffset = 40;
    }
    checkOnly(design, {1, 2, 3});
    design.WidthEditKeyUp(QStringLiteral("3")); // the user was typing a width
    design.HeightEditKeyUp(QStringLiteral("3"));
    design.settings.hole.heightOffset = 90;
    design.settings.textBlockAlignment = kAlignRight;

    EXPECT_EQ(design.AddressLabelsCheckBoxClick(true), Redraw::Now);

    EXPECT_TRUE(design.AddressLabelsCheckBox);
    EXPECT_EQ(design.TagWidthDots, 500);
    EXPECT_EQ(design.TagHeightDots, 200);
    EXPECT_EQ(design.settings.shapeIndex, kShapeRectangle);
    EXPECT_EQ(design.settings.hole.heightOffset, 10); // mirrored by the shape change
    EXPECT_EQ(design.CurrentSlot, 1);
    EXPECT_TRUE(design.settings.hole.noHole);
    EXPECT_EQ(design.settings.textBlockAlignment, kAlignLeft);
    EXPECT_EQ(design.settings.textBlockWidthOffset, 50);
    EXPECT_EQ(design.settings.textBlockHeightOffset, 25);
    EXPECT_EQ(design.ImageSizeUpDownPosition, 85);
    EXPECT_EQ(design.ImageHorizontalOffsetUpDownPosition, 22);
    for (int slot = 1; slot <= 9; ++slot) {
        SCOPED_TRACE(slot);
        const bool reached = slot <= 3;
        const img& record = slotOf(design, slot);
        EXPECT_EQ(record.ValueText.isEmpty(), reached);
        EXPECT_EQ(record.EdgeText.isEmpty(), reached);
        EXPECT_EQ(record.ImageSize, reached ? 85 : 100);
        EXPECT_EQ(record.ImageHorizontalOffset, reached ? 22 : 50);
        EXPECT_EQ(record.ImageVerticalOffset, 40);
        EXPECT_EQ(record.TextBlockText, QStringLiteral("kept"));
    }
}

TEST(AddressLabels, ClearingTheBoxRestoresNothing) {
    TagDesign design = TagDesign::atFirstActivation();
    design.AddressLabelsCheckBoxClick(true);
    EXPECT_EQ(design.AddressLabelsCheckBoxClick(false), Redraw::None);
    EXPECT_FALSE(design.AddressLabelsCheckBox);
    EXPECT_EQ(design.TagWidthDots, 500);
    EXPECT_TRUE(design.settings.hole.noHole);
}

TEST(AddressLabels, OnARectangleAlreadyTheShapeRuleDoesNotRunAndTheCurrentSlotStays) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setShape(kShapeRectangle);
    design.CurrentSlot = 4;
    design.settings.hole.heightOffset = 90;
    EXPECT_EQ(design.AddressLabelsCheckBoxClick(true), Redraw::Now);
    EXPECT_EQ(design.CurrentSlot, 4);
    EXPECT_EQ(design.settings.hole.heightOffset, 90);
    EXPECT_EQ(design.TagWidthDots, 500);
    EXPECT_EQ(design.TagHeightDots, 200);
    EXPECT_EQ(slotOf(design, 4).ImageSize, 85);
}

TEST(AddressLabels, OnlyADesignPastItsFirstSheetOrFileAsksFirst) {
    TagDesign design = TagDesign::atFirstActivation();
    EXPECT_FALSE(design.addressLabelsNeedsConfirmation()); // right after start-up
    design.ReloadFromFiles = ReloadFlag::Yes;              // while a file is opened
    EXPECT_FALSE(design.addressLabelsNeedsConfirmation());
    design.ReloadFromFiles = ReloadFlag::No; // after a sheet preview or an opened file
    EXPECT_TRUE(design.addressLabelsNeedsConfirmation());
}

TEST(TextBlockWidth, IsTheWidestLineInTheFaceAtTwiceTheSizeWithoutStyle) {
    TagDesign design = TagDesign::atFirstActivation();
    design.CurrentSlot = 2;
    design.settings.textBlockFont = Font{QStringLiteral("Times New Roman"), 10, {.bold = true}};
    const Font measuring{QStringLiteral("Times New Roman"), 20, {}};
    const TextBlockChange change = design.TextBlockMemoChange(QStringLiteral("Ann\r\nWWWW\r\nBo"));
    EXPECT_EQ(design.settings.TextBlockWidth, measureTextWidth(measuring, QStringLiteral("WWWW")));
    EXPECT_GT(design.settings.TextBlockWidth, measureTextWidth(measuring, QStringLiteral("Ann")));
    EXPECT_GT(
        design.settings.TextBlockWidth,
        measureTextWidth(Font{QStringLiteral("Times New Roman"), 10, {}}, QStringLiteral("WWWW")));
    EXPECT_FALSE(change.tooLong);
    // Typing reaches the current slot only; leaving the memo reaches the checked slots.
    EXPECT_EQ(slotOf(design, 2).TextBlockText, QStringLiteral("Ann\r\nWWWW\r\nBo"));
    EXPECT_TRUE(slotOf(design, 3).TextBlockText.isEmpty());
    design.TextBlockMemoExit();
    EXPECT_EQ(slotOf(design, 3).TextBlockText, QStringLiteral("Ann\r\nWWWW\r\nBo"));
    EXPECT_TRUE(slotOf(design, 0).TextBlockText.isEmpty());
}

TEST(TextBlockWidth, IsZeroForAnEmptyBlockAndTooLongBeyondTheMemo) {
    TagDesign design = TagDesign::atFirstActivation();
    design.TextBlockMemoChange(QStringLiteral("abc"));
    design.TextBlockMemoChange(QString());
    EXPECT_EQ(design.settings.TextBlockWidth, 0);
    // Twelve W fit the memo at 8 points but are far wider than 273 dots at 2 x 20 points.
    design.settings.textBlockFont.sizePoints = 20;
    EXPECT_TRUE(design.TextBlockMemoChange(QStringLiteral("WWWWWWWWWWWW")).tooLong);
    EXPECT_GT(design.settings.TextBlockWidth, 273);
}

TEST(Printer, AnIndexNamingNoPrinterSelectsTheDefault) {
    TagDesign design = TagDesign::atFirstActivation();
    const PrinterList printers{{QStringLiteral("Office"), QStringLiteral("Labels")}, 1};
    design.selectPrinter(printers, 0);
    EXPECT_EQ(design.PrinterIndex, 0);
    EXPECT_EQ(design.PrinterName, QStringLiteral("Office"));
    design.selectPrinter(printers, 7);
    EXPECT_EQ(design.PrinterIndex, 1);
    EXPECT_EQ(design.PrinterName, QStringLiteral("Labels"));
    design.selectPrinter(PrinterList{}, 0);
    EXPECT_EQ(design.PrinterIndex, -1);
    EXPECT_TRUE(design.PrinterName.isEmpty());
}

} // namespace
} // namespace veltmoor
