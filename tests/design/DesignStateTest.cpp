#include "design/NumericFields.h"
#include "design/TagDesign.h"
#include "design/TextMeasure.h"
#include "support/DesignEditing.h"

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

const img& slotOf(const TagDesign& design, int slot) {
    return design.slot(slot);
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
    EXPECT_FALSE(design.slot(0).ValueText.isEmpty());
    EXPECT_EQ(design.slot(0).EdgeText, QStringLiteral("TAGS"));
    // Slots 0 and 10 are never reached by the colour setters: they keep the red cut line.
    EXPECT_EQ(design.slot(0).CutLineColor, clRed);
    EXPECT_EQ(design.slot(10).CutLineColor, clRed);
    for (int slot = 1; slot <= 9; ++slot) {
        SCOPED_TRACE(slot);
        const img& record = design.slot(slot);
        EXPECT_EQ(record.BackgroundColor, clWhite);
        EXPECT_EQ(record.CutLineColor, clBlack);
        EXPECT_TRUE(record.ValueText.isEmpty());
        EXPECT_TRUE(record.FileName.isEmpty());
        EXPECT_EQ(record.AspectPermille, 1000);
        EXPECT_EQ(record.ColoringType, 99);
        EXPECT_TRUE(design.isSlotChecked(slot));
    }
    EXPECT_EQ(design.currentSlot(), 0);
    EXPECT_EQ(design.colorChoices().cutLine, clBlack);
    EXPECT_EQ(design.colorChoices().background, clWhite);
}

TEST(FirstActivation, TheTagIsTwoByFourInchesWithTheWorkingFonts) {
    const TagDesign design = TagDesign::atFirstActivation();
    EXPECT_EQ(design.tagSize().widthHundredths, 200);
    EXPECT_EQ(design.tagSize().heightHundredths, 400);
    EXPECT_EQ(design.tagWidthDots(), 400);
    EXPECT_EQ(design.tagHeightDots(), 800);
    EXPECT_EQ(design.tagRect(), (Rect{0, 0, 400, 800}));
    EXPECT_EQ(design.settings().valueFont.sizePoints, 18);
    EXPECT_EQ(design.settings().textFont.sizePoints, 10);
    EXPECT_EQ(design.settings().textBlockFont.sizePoints, 10);
    EXPECT_EQ(design.settings().shapeIndex, 0);
    EXPECT_EQ(design.settings().cutLineType, 1);
    EXPECT_EQ(design.settings().hole, (HoleSettings{12, 12, 50, 6, false}));
    EXPECT_TRUE(design.floatingTag());
    EXPECT_FALSE(design.addressLabels());
    EXPECT_EQ(design.printer().copies, 1);
}

TEST(FirstActivation, TheSampleIsSlotZeroSmallAndTheDesignKeepsItsWorkingSizes) {
    const TagDesign design = TagDesign::atFirstActivation();
    const TagDesign sample = design.aboutSample();
    EXPECT_EQ(sample.currentSlot(), 0);
    EXPECT_EQ(sample.settings().valueFont.sizePoints, 14);
    EXPECT_EQ(sample.settings().textFont.sizePoints, 8);
    EXPECT_EQ(sample.settings().textBlockFont.sizePoints, 5);
    EXPECT_EQ(sample.tagRect(), (Rect{0, 0, 350, 350}));
    EXPECT_EQ(design.settings().valueFont.sizePoints, 18);
    EXPECT_EQ(design.settings().textFont.sizePoints, 10);
    EXPECT_EQ(design.settings().textBlockFont.sizePoints, 10);
    EXPECT_EQ(design.tagRect(), (Rect{0, 0, 400, 800}));
}

TEST(SetValues, ShowingASlotMeasuresItsTextBlockForTheNextRedraw) {
    TagDesign design = TagDesign::atFirstActivation();
    testing::SlotEdit(design, 2)->TextBlockText = QStringLiteral("A rather longer line\r\nshort");
    design.setCurrentSlot(2);
    design.SetValues();
    EXPECT_EQ(design.memoText(), design.slot(2).TextBlockText);
    EXPECT_EQ(design.settings().TextBlockWidth,
              textBlockWidthFor(design.settings().textBlockFont, design.slot(2).TextBlockText));
    EXPECT_GT(design.settings().TextBlockWidth, 0);
}

TEST(CheckedSlots, AnEditReachesOnlyTheCheckedSlotsEvenWhenAnotherIsCurrent) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setCurrentSlot(1);
    checkOnly(design, {2, 5});
    design.SetBgColors(clBlue);
    design.ValueEditChange(QStringLiteral("$1"));
    for (int slot = 0; slot <= 15; ++slot) {
        SCOPED_TRACE(slot);
        const bool reached = slot == 2 || slot == 5;
        const img& record = design.slot(slot);
        EXPECT_EQ(record.BackgroundColor == clBlue, reached);
        EXPECT_EQ(record.ValueText == QStringLiteral("$1"), reached);
    }
}

TEST(CheckedSlots, WithNoBoxCheckedNoSlotChanges) {
    TagDesign design = TagDesign::atFirstActivation();
    checkOnly(design, {});
    const auto before = design.slotTable();
    design.setCurrentSlot(4);
    design.SetBorderColors(clGreen);
    design.SetTextBlockColor(clGreen);
    design.PercentEditChange(PercentField::ImageSize, QStringLiteral("40"));
    for (std::size_t slot = 0; slot < before.size(); ++slot) {
        EXPECT_EQ(design.slot(slot).CutLineColor, before[slot].CutLineColor);
        EXPECT_EQ(design.slot(slot).TextBlockColor, before[slot].TextBlockColor);
        EXPECT_EQ(design.slot(slot).ImageSize, before[slot].ImageSize);
    }
    // The choice itself is kept for the next edit.
    EXPECT_EQ(design.colorChoices().cutLine, clGreen);
    EXPECT_EQ(design.percentPosition(PercentField::ImageSize), 40);
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
    EXPECT_EQ(design.settings().hole.widthOffset, 1);
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
    EXPECT_EQ(design.percentPosition(PercentField::ImageSize), 80);
    EXPECT_EQ(slotOf(design, 1).ImageSize, 80);
}

TEST(TagSize, TypedWidthsAreParsedAndLimitedWhileTheEditKeepsItsText) {
    TagDesign design = TagDesign::atFirstActivation();
    EXPECT_EQ(design.WidthEditKeyUp(QStringLiteral("2.5")), Redraw::Scheduled);
    EXPECT_EQ(design.tagSize().widthHundredths, 250);
    EXPECT_EQ(design.tagWidthDots(), 500);

    // 30 hundredths is below the up-down's 50: the tag becomes 0.50 inch.
    design.WidthEditKeyUp(QStringLiteral(".3"));
    EXPECT_EQ(design.tagSize().widthHundredths, 50);
    EXPECT_EQ(design.tagWidthDots(), 100);

    // A click on the up-down sets the size again.
    design.WidthUpDownClick(60);
    EXPECT_EQ(design.tagWidthDots(), 120);
}

TEST(TagSize, AWidthOutOfRangeIsRefusedAndTheOldWidthStays) {
    TagDesign design = TagDesign::atFirstActivation();
    EXPECT_THROW(design.WidthEditKeyUp(QStringLiteral("6")), ValueOutOfRange);
    EXPECT_EQ(design.tagSize().widthHundredths, 200);
    EXPECT_EQ(design.tagWidthDots(), 400);
    EXPECT_THROW(design.HeightEditKeyUp(QStringLiteral("1.2.3")), UserError);
    EXPECT_EQ(design.tagHeightDots(), 800);
}

TEST(TagSize, ApplyTagSizeTakesTheTagFromTheSizesInHundredths) {
    TagDesign design = TagDesign::atFirstActivation();
    design.HeightEditKeyUp(QStringLiteral("1.5"));
    design.WidthUpDownClick(500);
    EXPECT_EQ(design.tagWidthDots(), 1000);
    EXPECT_EQ(design.tagHeightDots(), 300);
    EXPECT_EQ(design.tagRect(), (Rect{0, 0, 1000, 300}));
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
    design.setShape(example.fromShape);
    design.PercentUpDownClick(PercentField::HoleHeightOffset, example.offsetBefore);
    design.setCurrentSlot(0);
    EXPECT_EQ(design.setShape(example.toShape), Redraw::Now);
    EXPECT_EQ(design.settings().shapeIndex, example.toShape);
    EXPECT_EQ(design.settings().hole.heightOffset, example.offsetAfter);
    EXPECT_EQ(design.currentSlot(), 1);
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
    design.PercentUpDownClick(PercentField::HoleHeightOffset, 90);
    EXPECT_EQ(design.setShape(0), Redraw::None);
    EXPECT_EQ(design.settings().hole.heightOffset, 90);
    EXPECT_EQ(design.currentSlot(), 0);
    EXPECT_EQ(design.setShape(15), Redraw::None);
    EXPECT_EQ(design.settings().shapeIndex, 0);
}

TEST(AddressLabels, ThePresetReachesTheCheckedSlotsAndSetsTheLabelSize) {
    TagDesign design = TagDesign::atFirstActivation();
    for (int slot = 1; slot <= 9; ++slot) {
        testing::SlotEdit edit(design, slot);
        edit->ValueText = QStringLiteral("$2");
        edit->EdgeText = QStringLiteral("SALE");
        edit->TextBlockText = QStringLiteral("kept");
        edit->ImageVerticalOffset = 40;
    }
    checkOnly(design, {1, 2, 3});
    design.WidthEditKeyUp(QStringLiteral("3")); // the user was typing a width
    design.HeightEditKeyUp(QStringLiteral("3"));
    design.PercentUpDownClick(PercentField::HoleHeightOffset, 90);
    design.setTextBlockAlignment(kAlignRight);

    EXPECT_EQ(design.AddressLabelsCheckBoxClick(true), Redraw::Now);

    EXPECT_TRUE(design.addressLabels());
    EXPECT_EQ(design.tagWidthDots(), 500);
    EXPECT_EQ(design.tagHeightDots(), 200);
    EXPECT_EQ(design.settings().shapeIndex, kShapeRectangle);
    EXPECT_EQ(design.settings().hole.heightOffset, 10); // mirrored by the shape change
    EXPECT_EQ(design.currentSlot(), 1);
    EXPECT_TRUE(design.settings().hole.noHole);
    EXPECT_EQ(design.settings().textBlockAlignment, kAlignLeft);
    EXPECT_EQ(design.settings().textBlockWidthOffset, 50);
    EXPECT_EQ(design.settings().textBlockHeightOffset, 25);
    EXPECT_EQ(design.percentPosition(PercentField::ImageSize), 85);
    EXPECT_EQ(design.percentPosition(PercentField::ImageHorizontalOffset), 22);
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
    EXPECT_FALSE(design.addressLabels());
    EXPECT_EQ(design.tagWidthDots(), 500);
    EXPECT_TRUE(design.settings().hole.noHole);
}

TEST(AddressLabels, OnARectangleAlreadyTheShapeRuleDoesNotRunAndTheCurrentSlotStays) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setShape(kShapeRectangle);
    design.setCurrentSlot(4);
    design.PercentUpDownClick(PercentField::HoleHeightOffset, 90);
    EXPECT_EQ(design.AddressLabelsCheckBoxClick(true), Redraw::Now);
    EXPECT_EQ(design.currentSlot(), 4);
    EXPECT_EQ(design.settings().hole.heightOffset, 90);
    EXPECT_EQ(design.tagWidthDots(), 500);
    EXPECT_EQ(design.tagHeightDots(), 200);
    EXPECT_EQ(slotOf(design, 4).ImageSize, 85);
}

TEST(AddressLabels, OnlyADesignPastItsFirstSheetOrFileAsksFirst) {
    TagDesign design = TagDesign::atFirstActivation();
    EXPECT_FALSE(design.addressLabelsNeedsConfirmation()); // right after start-up
    design.setReloadFromFiles(ReloadFlag::Yes);            // while a file is opened
    EXPECT_FALSE(design.addressLabelsNeedsConfirmation());
    design.setReloadFromFiles(ReloadFlag::No); // after a sheet preview or an opened file
    EXPECT_TRUE(design.addressLabelsNeedsConfirmation());
}

TEST(TextBlockWidth, IsTheWidestLineInTheFaceAtTwiceTheSizeWithoutStyle) {
    TagDesign design = TagDesign::atFirstActivation();
    design.setCurrentSlot(2);
    design.setFont(TextPart::TextBlock,
                   Font{QStringLiteral("Times New Roman"), 10, {.bold = true}});
    const Font measuring{QStringLiteral("Times New Roman"), 20, {}};
    const TextBlockChange change = design.TextBlockMemoChange(QStringLiteral("Ann\r\nWWWW\r\nBo"));
    EXPECT_EQ(design.settings().TextBlockWidth,
              measureTextWidth(measuring, QStringLiteral("WWWW")));
    EXPECT_GT(design.settings().TextBlockWidth, measureTextWidth(measuring, QStringLiteral("Ann")));
    EXPECT_GT(
        design.settings().TextBlockWidth,
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
    EXPECT_EQ(design.settings().TextBlockWidth, 0);
    // Twelve W fit the memo at 8 points but are far wider than 273 dots at 2 x 20 points.
    Font larger = design.settings().textBlockFont;
    larger.sizePoints = 20;
    design.setFont(TextPart::TextBlock, larger);
    EXPECT_TRUE(design.TextBlockMemoChange(QStringLiteral("WWWWWWWWWWWW")).tooLong);
    EXPECT_GT(design.settings().TextBlockWidth, 273);
}

TEST(Printer, AnIndexNamingNoPrinterSelectsTheDefault) {
    TagDesign design = TagDesign::atFirstActivation();
    const PrinterList printers{{QStringLiteral("Office"), QStringLiteral("Labels")}, 1};
    design.selectPrinter(printers, 0);
    EXPECT_EQ(design.printer().index, 0);
    EXPECT_EQ(design.printer().name, QStringLiteral("Office"));
    design.selectPrinter(printers, 7);
    EXPECT_EQ(design.printer().index, 1);
    EXPECT_EQ(design.printer().name, QStringLiteral("Labels"));
    design.selectPrinter(PrinterList{}, 0);
    EXPECT_EQ(design.printer().index, -1);
    EXPECT_TRUE(design.printer().name.isEmpty());
}

} // namespace
} // namespace veltmoor
